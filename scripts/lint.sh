#!/usr/bin/env bash
# Static analysis gate: every path of every source, not only those the tests
# drive. Fails on any finding.
#  - clang-tidy (clang-analyzer-*, bugprone-*, cert-*, performance-*; the
#    checks switched off, and why, are in .clang-tidy) over src/ and, with
#    its lighter profile (sim/.clang-tidy), over the stand-in platform;
#  - lint_bridge.py: JNI resources only through the guards of src/common/,
#    and record text fields printed only with a precision.
# GCC's buffer warnings and _FORTIFY_SOURCE are part of every build (see
# CMakeLists.txt), so they gate the other stages.
#
# usage: scripts/lint.sh        (BUILD_DIR overrides build/; its lint/ folder holds the compile database)
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$root/build}/lint

"$root/scripts/setup.sh" || exit 1
# The compile database and the javac -h headers every source includes.
cmake -S "$root" -B "$build" -G Ninja -DBUNDLE_TESTS=OFF >/dev/null &&
  cmake --build "$build" --target java_decls >/dev/null || exit 1

cd "$root"
mapfile -t sources < <(git ls-files 'src/*.cpp' 'sim/*.cpp')
mapfile -t bridge < <(git ls-files 'src/*.cpp')
fail=0

# The build's GCC-only warning options mean nothing to clang: not findings.
printf '%s\n' "${sources[@]}" |
  xargs -P "$(nproc)" -n 4 clang-tidy -p "$build" --quiet --extra-arg=-Wno-unknown-warning-option \
    >"$build/clang-tidy.log" 2>"$build/clang-tidy.err" || fail=1
grep -E "(error|warning):" "$build/clang-tidy.log" && fail=1
[ "$fail" -eq 0 ] || { grep -v "warnings generated" "$build/clang-tidy.err" >&2; echo "lint: clang-tidy reported findings" >&2; }
echo "lint: clang-tidy checked ${#sources[@]} files"

"$root/scripts/lint_bridge.py" "$build" "${bridge[@]}" || fail=1
exit "$fail"
