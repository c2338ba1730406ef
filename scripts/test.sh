#!/usr/bin/env bash
# Builds everything and runs the whole test suite through CTest.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$root/build}

"$root/scripts/setup.sh"

# Host build: unit tests, export check, JVM tests under -Xcheck:jni.
cmake -S "$root" -B "$build/host" -G Ninja >/dev/null
cmake --build "$build/host"
ctest --test-dir "$build/host" --output-on-failure
