#!/usr/bin/env bash
# Times native methods of libbundle.so.1 against their JNI floor, one
# family at a time, and writes a Markdown report ($BUILD_DIR/bench/report.md,
# default build/bench/report.md).
#
# The library is built as the host build ships it (RelWithDebInfo: -O2 -g,
# the same flags as build/host); the stand-in platform answers at once and
# records nothing. One JVM runs warm-up, then ROUNDS rounds (default 61) in
# which every family times a batch of bridge calls, a batch of floor calls
# and a batch of floor calls that also make the stand-in's calls of the
# bridge method, in the calling thread's CPU time (the cores may be shared);
# see bench/BridgeBench.java. The Java heap is touched in advance so that no
# page fault lands in a timed batch.
#
# usage: scripts/bench.sh [rounds]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$root/build}/bench
rounds=${1:-61}

"$root/scripts/setup.sh"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUNDLE_TESTS=OFF >/dev/null
cmake --build "$build" --target bench

cpu=$(sed -n 's/^model name[[:space:]]*: //p' /proc/cpuinfo | head -n1)
jdk=$(java -version 2>&1 | head -n1)
flags=$(sed -n 's/^CMAKE_CXX_FLAGS_RELWITHDEBINFO:STRING=//p' "$build/CMakeCache.txt")
table=$(unset ZIVRA_SIM_LOG; LD_LIBRARY_PATH="$build" java -Xms256m -Xmx256m -XX:+AlwaysPreTouch \
  -cp "$build/java/classes:$build/bench/classes" BridgeBench \
  "$build/libbundle.so.1" "$build/bench/libbench_floor.so" "$rounds")

{
  echo "# Bridge against the JNI floor"
  echo
  echo "- Machine: $cpu, $(nproc) cores online, load average $(cut -d' ' -f1-3 /proc/loadavg) at the end"
  echo "- JDK: $jdk"
  echo "- Date: $(date -u '+%Y-%m-%d %H:%M UTC')"
  echo "- Build: CMAKE_BUILD_TYPE=RelWithDebInfo ($flags), the host build's flags"
  echo
  echo "Per call: CPU time of the calling thread in nanoseconds, over the rounds. \"Stand-in\" is the"
  echo "stand-in platform's share of a bridge call (its operation and log calls, made from the floor"
  echo "method); the ratio is (bridge - stand-in) / floor, per round. Goals: <= 1.25x without a list"
  echo "reply, <= 2x with one."
  echo
  echo "$table"
} >"$build/report.md"
cat "$build/report.md"
