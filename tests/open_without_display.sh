#!/usr/bin/env bash
# scripts/open on a machine without a display: one line that says so, exit 2,
# and nothing built or started (Wine's own complaint would be hidden).
set -uo pipefail
open=$1
started=$SECONDS
out=$(env -u DISPLAY -u WAYLAND_DISPLAY "$open" "$0" 2>&1)
status=$?
fail() { echo "FAIL: $*"; exit 1; }
[ "$status" -eq 2 ] || fail "expected exit status 2, got $status (output: $out)"
[ "$(printf '%s\n' "$out" | wc -l)" -eq 1 ] || fail "expected one line, got: $out"
[[ $out == *"needs a display"* ]] || fail "expected the line to say it needs a display, got: $out"
[ $((SECONDS - started)) -le 5 ] || fail "expected it to end at once, took $((SECONDS - started)) s"
echo "ok: $out"
