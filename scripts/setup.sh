#!/usr/bin/env bash
# Installs what building and testing libbundle needs, from Debian packages,
# when it is missing. Run as root on a Debian 12 machine.
set -euo pipefail

packages=(
  cmake ninja-build g++ make binutils file           # native build
  clang-tidy python3-clang-14                         # static analysis gate (scripts/lint.sh)
  clang libclang-rt-14-dev                            # libFuzzer and its sanitizers (scripts/fuzz.sh)
  openjdk-17-jdk-headless                             # javac -h, the JVM tests and the demo
  googletest libgtest-dev                             # unit tests
  nlohmann-json3-dev                                  # scenario files of the stand-in platform
  junit5 libgoogle-gson-java                          # JUnit 5 console launcher, JSON parsing
  g++-mips-linux-gnu libc6-dev-mips-cross qemu-user   # gateway target build, run under emulation
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "setup: installing ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
