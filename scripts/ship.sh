#!/usr/bin/env bash
# Builds libbundle.so.1 for the gateway (Linux on 32-bit big-endian MIPS),
# strips it into build/ship/ and checks what was made:
#  - a 32-bit big-endian MIPS ELF shared object, stripped, soname libbundle.so.1;
#  - it needs only the platform library and the C library (and the target's
#    dynamic loader, should the C runtime ask for it);
#  - it exports only the JNI entry points and the two globals, and takes from
#    outside only the platform's operations and the C library;
#  - the newest C library symbol version it needs (the oldest glibc the
#    gateway may run) is printed with the symbols that need it, and may not
#    pass the recorded floor below.
# The code is the one the MIPS unit tests run (same build folder and type).
#
# usage: scripts/ship.sh        (BUILD_DIR and SHIP_DIR override the folders)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$root/build}
out=${SHIP_DIR:-$build/ship}
mips=$build/mips

# The oldest glibc the gateway's firmware may have for this library to load:
# the newest symbol version the library takes from the C library. It is 2.17
# for clock_gettime (the device uptime reads the monotonic clock), which the
# C library itself has carried only since 2.17; the rest is older (2.7 for
# the C99 sscanf of MAC texts, 2.3.4 for the fortified string and format
# checks). Integrators are told this floor in the README ("Shipping to the
# gateway"). A change that needs a newer symbol fails here: avoid the symbol
# if the gateway's C library may be older, or, once the firmware is known to
# carry the newer glibc, raise this value and the README's figure together.
glibc_floor=2.17

"$root/scripts/setup.sh"
cmake -S "$root" -B "$mips" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mips-linux-gnu.cmake" >/dev/null
cmake --build "$mips" --target bundle

# The target's binutils, as the toolchain file found them.
tool() { sed -n "s/^$1:FILEPATH=//p" "$mips/CMakeCache.txt"; }
strip=$(tool CMAKE_STRIP)
readelf=$(tool CMAKE_READELF)

mkdir -p "$out"
lib=$out/libbundle.so.1
"$strip" --strip-all -o "$lib" "$mips/libbundle.so.1"

fail=0
bad() { echo "ship: $*" >&2; fail=1; }

kind=$(file -b "$lib")
echo "file: $kind"
case "$kind" in
  "ELF 32-bit MSB shared object, MIPS,"*", stripped") ;;
  *) bad "not a stripped 32-bit big-endian MIPS shared object" ;;
esac

"$readelf" -d "$lib" | grep -E '\((NEEDED|SONAME)\)'
needed=$("$readelf" -d "$lib" | sed -n 's/.*(NEEDED).*\[\(.*\)\]$/\1/p' | sort)
for n in $needed; do
  case "$n" in
    libzivra.so.1 | libc.so.6 | ld.so.1) ;;
    *) bad "needs $n" ;;
  esac
done
for n in libzivra.so.1 libc.so.6; do
  grep -qx "$n" <<<"$needed" || bad "does not name $n as needed"
done
soname=$("$readelf" -d "$lib" | sed -n 's/.*(SONAME).*\[\(.*\)\]$/\1/p')
[ "$soname" = libbundle.so.1 ] || bad "soname is '$soname'"

# Dynamic symbols: "Num: Value Size Type Bind Vis Ndx Name".
syms=$("$readelf" --dyn-syms -W "$lib" | awk 'NR > 3 && $5 != "LOCAL"')
exported=$(awk '$7 != "UND" {print $8}' <<<"$syms" | grep -v -E '^(Java_com_korvanta_nestrova_[A-Za-z0-9_]+|global_buf|g_CPUPercent)$' || true)
[ -z "$exported" ] || bad "exports more than the entry points and globals: $exported"
imported=$(awk '$7 == "UND" && $5 != "WEAK" {print $8}' <<<"$syms" \
  | grep -v -E '^(zivra_[A-Za-z0-9_]+|checkInterfaceFormat|[A-Za-z0-9_]+@GLIBC_[0-9.]+( \([0-9]+\))?)$' || true)
[ -z "$imported" ] || bad "takes symbols from outside the platform and the C library: $imported"
entries=$(awk '$7 != "UND" && $8 ~ /^Java_/' <<<"$syms" | wc -l)

# The C library versions the loader will insist on (the version needs), the
# newest of them, and the symbols that carry it.
versions=$("$readelf" -V -W "$lib" | sed -n '/^Version needs section/,$s/.*Name: GLIBC_\([0-9.]*\) .*/\1/p' | sort -uV)
glibc=$(tail -n 1 <<<"$versions")
if [ -z "$glibc" ]; then
  bad "names no glibc symbol version"
else
  floor_syms=$(awk -v v="@GLIBC_$glibc" '$7 == "UND" && substr($8, length($8) - length(v) + 1) == v {print $8}' <<<"$syms" \
    | sort -u | paste -sd, - | sed 's/,/, /g')
  echo "ship: needs glibc $glibc or newer (${floor_syms:-no symbol names it})"
  newest=$(printf '%s\n' "$glibc_floor" "$glibc" | sort -V | tail -n 1)
  [ "$newest" = "$glibc_floor" ] \
    || bad "needs glibc $glibc (${floor_syms:-?}), newer than the recorded floor $glibc_floor (glibc_floor in scripts/ship.sh)"
fi

[ "$fail" -eq 0 ] || exit 1
echo "ship: $lib ($(stat -c %s "$lib") bytes, $entries entry points)"
