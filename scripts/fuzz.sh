#!/usr/bin/env bash
# Coverage-guided fuzzing with libFuzzer (Debian's clang), under ASan+UBSan:
#   fuzz_entry   any of the 172 entry points with fuzzer-chosen arguments,
#                against the simulated gateway or a hostile platform answer
#   fuzz_format  the bridge's writer against the C library's snprintf, byte
#                for byte (templates, extreme integers, texts filling their
#                fields, buffers from 0 bytes up), with the bounded copy and
#                the list reply
# Each runs FUZZ_SECONDS (default 60) from the corpus kept in
# tests/fuzz/corpus/<target>. A finding stops the run with the sanitizer's
# report and leaves the input as crash-* in the build folder.
#
# usage: scripts/fuzz.sh                      the short run CI makes
#        FUZZ_SECONDS=3600 FUZZ_KEEP=1 scripts/fuzz.sh
#            a long run that merges what it found new into the kept corpus
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$root/build}/fuzz
seconds=${FUZZ_SECONDS:-60}

"$root/scripts/setup.sh" || exit 1
CC=clang CXX=clang++ cmake -S "$root" -B "$build" -G Ninja -DBUNDLE_SANITIZE=address,undefined \
  -DBUNDLE_FUZZ=ON -DBUNDLE_JAVA_TESTS=OFF >/dev/null &&
  cmake --build "$build" --target fuzz_entry fuzz_format || exit 1

fail=0
for target in entry format; do
  work=$build/corpus-$target
  rm -rf "$work" && mkdir -p "$work"
  cp "$root/tests/fuzz/corpus/$target"/* "$work"/
  echo "fuzz_$target: $seconds s"
  # A reply buffer sized from a count the platform made up is refused, as
  # by a gateway's heap, rather than mapped and filled (the unit tests'
  # heap keeps the same limit).
  asan=allocator_may_return_null=1:max_allocation_size_mb=256
  # The sanitizer's own check of printf arguments reads one byte past a
  # text printed with a precision that ends where its field ends: the
  # format target hands snprintf exactly such texts, so it goes without
  # that check (the bridge's own reads stay checked).
  [ "$target" = format ] && asan=$asan:check_printf=0
  (cd "$build" && ASAN_OPTIONS=$asan \
    "$build/tests/fuzz_$target" -max_total_time="$seconds" -rss_limit_mb=2048 \
    -print_final_stats=1 "$work" >"$build/fuzz_$target.log" 2>&1)
  rc=$?
  grep -E '^#[0-9]+.*DONE|^stat::(number_of_executed_units|new_units_added)' "$build/fuzz_$target.log"
  if [ $rc -ne 0 ]; then
    fail=1
    grep -E -A30 'ERROR:|runtime error|deadly signal' "$build/fuzz_$target.log" | head -60
    echo "fuzz_$target: finding, input kept in $build" >&2
  elif [ "${FUZZ_KEEP:-0}" = 1 ]; then
    (cd "$build" && ASAN_OPTIONS=$asan "$build/tests/fuzz_$target" -merge=1 "$root/tests/fuzz/corpus/$target" "$work" >/dev/null 2>&1)
  fi
done
exit "$fail"
