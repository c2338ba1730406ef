#!/usr/bin/env bash
# Runs the JUnit tests in OpenJDK with -Xcheck:jni against the real
# libbundle.so.1 and the stand-in platform. Any JNI warning or error fails
# the run, except the checking JVM's note that a JNI call was made without
# checking for a pending exception: the bridge never checks exceptions.
# usage: run_jvm_tests.sh <libbundle.so.1> <folder of libzivra.so.1> <classpath> [--hostile]
#   --hostile  only the hostile-argument test, in a JVM of its own (its
#              setters leave the simulated gateway changed); without it,
#              every other test class found on the first two classpath entries
set -u
lib=$1 simdir=$2 cp=$3
hostile=com.korvanta.nestrova.HostileArgumentsTest
if [ "${4:-}" = --hostile ]; then
  select=(--select-class "$hostile")
else
  select=(--scan-classpath "${cp%%:*}" --scan-classpath "$(echo "$cp" | cut -d: -f2)"
    --exclude-classname "^${hostile//./\\.}\$")
fi
out=$(mktemp)
trap 'rm -f "$out"' EXIT

LD_LIBRARY_PATH="$simdir${LD_LIBRARY_PATH:+:$LD_LIBRARY_PATH}" \
  java -Xcheck:jni -Dbundle.library="$lib" -cp "$cp" \
  org.junit.platform.console.ConsoleLauncher --disable-banner --disable-ansi-colors \
  --details=tree --fail-if-no-tests "${select[@]}" \
  >"$out" 2>&1
rc=$?
cat "$out"

allowed='^WARNING in native method: JNI call made without checking exceptions when required to from [A-Za-z]+$'
bad=$(grep -E 'WARNING|FATAL|JNI|Xcheck' "$out" | grep -v -E "$allowed" | grep -v -E '^\s*[│├└ ]' || true)
if [ -n "$bad" ]; then
  echo "JNI check reported:" >&2
  echo "$bad" >&2
  exit 1
fi
exit $rc
