#!/usr/bin/env bash
# Builds everything and runs the whole test suite through CTest, in stages,
# each in its own build folder under $BUILD_DIR (default build/):
#   lint   static analysis of every source (scripts/lint.sh)
#   fuzz   a minute of libFuzzer on each fuzz target (scripts/fuzz.sh)
#   host   unit tests, export check, JVM tests under -Xcheck:jni
#   asan   unit tests built with AddressSanitizer and UndefinedBehaviorSanitizer
#   tsan   the concurrency tests built with ThreadSanitizer
#   mips   unit tests built for the gateway (32-bit big-endian MIPS), run under
#          qemu-mips; footprint budgets of the target library
#   ship   the stripped target library, checked as shipped (scripts/ship.sh)
# Every stage runs even when an earlier one failed; the exit status is
# non-zero when any stage failed.
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$root/build}

"$root/scripts/setup.sh" || exit 1
mkdir -p "$build"

# Runs ctest in one build folder, keeping its output to count the tests.
run_ctest() {
  local dir=$1
  shift
  ctest --test-dir "$dir" --output-on-failure "$@" 2>&1 | tee "$dir/ctest.log"
  return "${PIPESTATUS[0]}"
}

stage_lint() {
  BUILD_DIR=$build "$root/scripts/lint.sh"
}

stage_fuzz() {
  BUILD_DIR=$build "$root/scripts/fuzz.sh"
}

stage_host() {
  cmake -S "$root" -B "$build/host" -G Ninja >/dev/null &&
    cmake --build "$build/host" &&
    run_ctest "$build/host"
}

stage_asan() {
  cmake -S "$root" -B "$build/asan" -G Ninja -DBUNDLE_SANITIZE=address,undefined >/dev/null &&
    cmake --build "$build/asan" --target bundle_unit_tests &&
    run_ctest "$build/asan"
}

stage_tsan() {
  cmake -S "$root" -B "$build/tsan" -G Ninja -DBUNDLE_SANITIZE=thread >/dev/null &&
    cmake --build "$build/tsan" --target bundle_unit_tests &&
    run_ctest "$build/tsan"
}

stage_mips() {
  cmake -S "$root" -B "$build/mips" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mips-linux-gnu.cmake" >/dev/null &&
    cmake --build "$build/mips" &&
    run_ctest "$build/mips" &&
    cat "$build/mips/footprint.txt"
}

stage_ship() {
  BUILD_DIR=$build "$root/scripts/ship.sh"
}

summary=() tests_passed=0 tests_failed=0 failed_stages=0
start=$SECONDS
for stage in lint host asan tsan mips ship fuzz; do
  echo
  echo "==================== $stage ===================="
  t0=$SECONDS
  rm -f "$build/$stage/ctest.log"
  "stage_$stage"
  rc=$?
  line="$stage: $([ $rc -eq 0 ] && echo ok || echo FAILED) ($((SECONDS - t0)) s)"
  # "NN% tests passed, F tests failed out of T"
  counts=$(sed -n 's/^[0-9]*% tests passed, \([0-9]*\) tests\{0,1\} failed out of \([0-9]*\)$/\1 \2/p' \
    "$build/$stage/ctest.log" 2>/dev/null | tail -n1)
  if [ -n "$counts" ]; then
    read -r f t <<<"$counts"
    tests_passed=$((tests_passed + t - f))
    tests_failed=$((tests_failed + f))
    line="$line, ctest: $((t - f)) of $t passed"
  fi
  if [ $rc -ne 0 ]; then
    failed_stages=$((failed_stages + 1))
    # A stage that failed before or outside CTest counts as one failure.
    [ -n "$counts" ] && [ "${f:-0}" -gt 0 ] || tests_failed=$((tests_failed + 1))
  fi
  summary+=("$line")
done

echo
echo "==================== summary ===================="
printf '%s\n' "${summary[@]}"
echo "total time: $((SECONDS - start)) s"
echo "ctest: $tests_passed passed, $tests_failed failed"
[ "$failed_stages" -eq 0 ]
