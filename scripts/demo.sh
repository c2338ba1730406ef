#!/usr/bin/env bash
# Builds libbundle.so.1 with the simulated gateway and runs the demo: what
# the Java services answer, with the bridge's log lines on standard error
# when DEMO_LOG=1.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$root/build/host}

"$root/scripts/setup.sh"
cmake -S "$root" -B "$build" -G Ninja -DBUNDLE_TESTS=ON >/dev/null
cmake --build "$build"
if [ "${DEMO_LOG:-0}" = 1 ]; then export ZIVRA_SIM_LOG=stderr; fi
LD_LIBRARY_PATH="$build" java -cp "$build/java/classes:$build/java/demo-classes" Demo "$build/libbundle.so.1"
