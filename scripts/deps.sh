#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need. Idempotent: when all
# are present it only asks dpkg and returns.
set -euo pipefail

packages=(
  cmake ninja-build g++ libgtest-dev
  g++-mingw-w64-i686 g++-mingw-w64-x86-64
  wine64 wine xvfb xauth imagemagick
  clang libclang-rt-14-dev
)
# The benchmark compares against these; they are small.
[ "${ZORVANEX_BENCH_DEPS:-0}" = 1 ] && packages+=(openssl gnupg time)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "deps: installing ${missing[*]}" >&2
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
