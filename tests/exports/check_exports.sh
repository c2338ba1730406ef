#!/usr/bin/env bash
# The library exports exactly the entry points declared by the Java service
# classes (as javac -h lists them) plus global_buf and g_CPUPercent, and no
# other symbol of its own.
# usage: check_exports.sh <libbundle.so.1> <folder of javac -h headers>
set -eu
lib=$1 hdrs=$2
want=$(mktemp) have=$(mktemp)
trap 'rm -f "$want" "$have"' EXIT

{ cat "$hdrs"/*.h | grep -oE '\bJava_com_korvanta_nestrova_[A-Za-z0-9_]+' ; echo global_buf; echo g_CPUPercent; } | sort -u >"$want"
# Defined dynamic symbols, less the linker's own section and start-up ones.
nm -D --defined-only "$lib" | awk '{print $NF}' \
  | grep -v -E '^(_init|_fini|_edata|_end|__bss_start|_DYNAMIC|_GLOBAL_OFFSET_TABLE_|_ITM_.*|__gmon_start__)$' \
  | sort -u >"$have"

if ! diff -u "$want" "$have"; then
  echo "exports differ from the Java declarations (- declared only, + exported only)" >&2
  exit 1
fi
echo "exports: $(grep -c '^Java_' "$have") entry points and 2 globals, as declared"

# Loading the library runs no code of ours: the only start-up hook is the
# C runtime's own, so a global object with a constructor shows up here.
ptr=8
readelf -h "$lib" | grep -q 'ELF32' && ptr=4
init=$(readelf -d "$lib" | awk '/\(INIT_ARRAYSZ\)/ {print $3}')
if [ "${init:-0}" -gt "$ptr" ]; then
  echo "INIT_ARRAYSZ is $init bytes: a global constructor crept in" >&2
  exit 1
fi
if nm -D --defined-only "$lib" | grep -qw JNI_OnLoad; then
  echo "JNI_OnLoad is exported: the library must not hook its load" >&2
  exit 1
fi
echo "start-up: no global constructors, no load hook"
