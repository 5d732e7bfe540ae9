#!/usr/bin/env bash
# Configures (once) and builds one preset: native, release, tsan, win32 or win64.
set -euo pipefail
cd "$(dirname "$0")/.."
preset="$1"; shift || true
[ -f "build/$preset/build.ninja" ] || cmake --preset "$preset" >/dev/null
cmake --build "build/$preset" "$@"
