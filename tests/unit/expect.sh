# What the shell tests of ept share; sourced, not run.
#   expect WHAT EXPECTED GOT   counts a mismatch and says what was expected and got
#   enter_scratch_folder NAME  a new folder, removed at exit, as the current one
#   end_checks                 exits 1 when any check failed, else 0
failures=0

expect() {
    if [ "$2" != "$3" ]; then
        echo "FAIL: $1: expected [$2], got [$3]"
        failures=$((failures + 1))
    fi
}

enter_scratch_folder() {
    work=$(mktemp -d "${TMPDIR:-/tmp}/$1-XXXXXX")
    trap 'rm -rf "$work"' EXIT
    cd "$work" || exit 1
}

end_checks() { exit $((failures > 0)); }
