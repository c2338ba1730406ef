#!/usr/bin/env bash
# Footprint of libbundle.so.1 on the gateway: the stack frame of every entry
# point (from the -fstack-usage files the compiler writes next to the object
# files) and the size of the stripped library.
#
# usage: footprint.sh --lib LIB --strip STRIP --readelf READELF --report FILE [--buffers BUILD_DIR] [--check] [--quiet] DIR...
#   DIR...   folders searched for the library's .su files
#   --buffers  build folder whose compile database lists the sources: the
#            bytes of the local buffers each entry point declares are read
#            from them (scripts/lint_bridge.py --buffers)
#   --check  exit 1 when a budget below is exceeded or a figure is missing
#   --quiet  only write the report file
#
# Budgets:
#  - An entry point's own frame may not exceed the buffers, records and
#    tables it declares by more than 1 KiB: the gateway's thread stacks are
#    small, and the frame should be the buffers the method works in, plus
#    spilled registers and call arguments. (Tables the method takes from the
#    heap are not on its frame.)
#  - And no entry point's own frame may exceed 32 KiB. Java threads on the
#    gateway run native code on their own thread stacks, which the JVM keeps
#    small; 32 KiB leaves the platform call below the entry point the rest.
#    A frame the compiler cannot bound (alloca, variable-length arrays) has no
#    figure to check and fails too.
#  - The stripped library with all 172 entry points may not exceed 120,000
#    bytes: the gateway's flash. Measured with all of them: 118,456 bytes, of
#    which about 33 KB are the dynamic symbols (the long JNI names, the
#    platform's operations) and the rest code, log and reply texts, some 500
#    bytes per entry point. More means something that does not belong in the
#    library got in (the C++ runtime linked statically, a large table, debug
#    data that survives strip), or a method grew code a shared routine could
#    hold.
set -euo pipefail

readonly MAX_FRAME=32768
readonly MAX_OVER_BUFFERS=1024
readonly MAX_STRIPPED=120000

lib="" strip="" readelf="" report="" buffers="" check=0 quiet=0 dirs=()
while [ $# -gt 0 ]; do
  case "$1" in
    --lib) lib=$2; shift 2 ;;
    --strip) strip=$2; shift 2 ;;
    --readelf) readelf=$2; shift 2 ;;
    --report) report=$2; shift 2 ;;
    --buffers) buffers=$2; shift 2 ;;
    --check) check=1; shift ;;
    --quiet) quiet=1; shift ;;
    *) dirs+=("$1"); shift ;;
  esac
done
if [ -z "$lib" ] || [ -z "$strip" ] || [ -z "$readelf" ] || [ -z "$report" ] || [ ${#dirs[@]} -eq 0 ]; then
  sed -n 's/^# usage: /usage: /p' "$0" >&2
  exit 2
fi

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

# Stripped size, as shipped.
"$strip" --strip-all -o "$tmp/lib.so" "$lib"
size=$(stat -c %s "$tmp/lib.so")

# .su lines: "file:line:column:function<TAB>bytes<TAB>qualifier". Entry
# points are recognised by their exported name inside the C++ signature.
find "${dirs[@]}" -name '*.su' -print0 | xargs -0 -r cat >"$tmp/all.su"
awk -F'\t' '{
    if (match($1, /Java_com_korvanta_nestrova_[A-Za-z0-9_]+/))
      print substr($1, RSTART, RLENGTH) "\t" $2 "\t" $3 > "'"$tmp/entry"'"
    else {
      sub(/^[^:]*:[0-9]+:[0-9]+:/, "", $1)
      print $1 "\t" $2 "\t" $3 > "'"$tmp/other"'"
    }
  }' "$tmp/all.su"
touch "$tmp/entry" "$tmp/other"

# Every exported entry point must have a figure; figures of entry points the
# library no longer exports (a stale .su of a removed source) are left out.
"$readelf" --dyn-syms -W "$lib" | awk '$7 != "UND" && $8 ~ /^Java_com_korvanta_nestrova_/ {print $8}' \
  | sort -u >"$tmp/exported"
awk -F'\t' 'NR == FNR { keep[$1] = 1; next } keep[$1]' "$tmp/exported" "$tmp/entry" \
  | sort -t$'\t' -k2,2nr -k1,1 >"$tmp/entry.sorted"
cut -f1 "$tmp/entry" | sort -u >"$tmp/measured"

# Declared buffers of each entry point, as a fourth column (- when unknown).
if [ -n "$buffers" ]; then
  root=$(cd "$(dirname "$0")/../.." && pwd)
  (cd "$root" && git ls-files 'src/*.cpp' | sed "s|^|$root/|") >"$tmp/sources" 2>/dev/null ||
    find "$root/src" -name '*.cpp' >"$tmp/sources"
  mapfile -t sources <"$tmp/sources"
  "$root/scripts/lint_bridge.py" --buffers "$buffers" "${sources[@]}" >"$tmp/buffers" || : >"$tmp/buffers"
  awk -F'\t' 'NR == FNR { b[$1] = $2; next } { print $0 "\t" (($1 in b) ? b[$1] : "-") }' \
    "$tmp/buffers" "$tmp/entry.sorted" >"$tmp/entry.joined"
  mv "$tmp/entry.joined" "$tmp/entry.sorted"
fi
missing=$(comm -23 "$tmp/exported" "$tmp/measured")

entries=$(wc -l <"$tmp/exported")
largest_entry=$(head -n1 "$tmp/entry.sorted" | cut -f2)
largest_other=$(sort -t$'\t' -k2,2nr "$tmp/other" | head -n1)

{
  echo "libbundle.so.1 footprint"
  echo "stripped size: $size bytes (budget $MAX_STRIPPED bytes)"
  echo "entry points: $entries exported; own stack frame of each and the buffers it declares, bytes"
  echo "(limits: buffers + $MAX_OVER_BUFFERS, and $MAX_FRAME):"
  awk -F'\t' '{printf "  %6d  %6s  %-16s %s\n", $2, ($4 == "" ? "-" : $4), $3, $1}' "$tmp/entry.sorted"
  echo "largest entry-point frame: ${largest_entry:-none} bytes"
  if [ -n "$largest_other" ]; then
    echo "largest frame of a helper they call: $(cut -f2 <<<"$largest_other") bytes ($(cut -f1 <<<"$largest_other"))"
  fi
} >"$report"
[ "$quiet" -eq 1 ] || cat "$report"

[ "$check" -eq 1 ] || exit 0

fail=0
if [ "$entries" -eq 0 ]; then
  echo "footprint: no exported entry point found in $lib" >&2; fail=1
fi
if [ -n "$missing" ]; then
  echo "footprint: no stack figure for (is -fstack-usage on?):" >&2
  echo "$missing" | sed 's/^/  /' >&2
  fail=1
fi
if [ "$size" -gt "$MAX_STRIPPED" ]; then
  echo "footprint: stripped library is $size bytes, over the $MAX_STRIPPED-byte budget" >&2; fail=1
fi
awk -F'\t' -v max="$MAX_FRAME" -v over="$MAX_OVER_BUFFERS" '
  $2 > max { printf "footprint: %s uses %d bytes of stack, over %d\n", $1, $2, max; bad = 1 }
  $4 == "-" { printf "footprint: %s: the buffers it declares could not be read\n", $1; bad = 1 }
  $4 != "" && $4 != "-" && $2 > $4 + over {
    printf "footprint: %s uses %d bytes of stack, %d over the %d bytes of buffers it declares\n", $1, $2, $2 - $4, $4
    bad = 1 }
  $3 ~ /dynamic/ && $3 !~ /bounded/ { printf "footprint: %s has an unbounded stack frame (%s)\n", $1, $3; bad = 1 }
  END { exit bad }' "$tmp/entry.sorted" >&2 || fail=1
[ "$fail" -eq 0 ] && echo "footprint: within budget"
exit "$fail"
