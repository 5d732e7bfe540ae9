#!/usr/bin/env bash
# The manual page against the program: it renders without warnings, documents
# exactly the options that --help lists, and carries the program's version.
# Usage: ept_manual_test.sh path/to/ept path/to/ept.1[.gz]
set -u
ept=$1
page=$2
source "$(dirname "$0")/expect.sh"

# Plain ASCII at a fixed width, whatever the caller's locale and terminal.
export LC_ALL=C MANWIDTH=80 MAN_DISABLE_SECCOMP=1
warnings=$(mktemp "${TMPDIR:-/tmp}/ept-manual-XXXXXX")
trap 'rm -f "$warnings"' EXIT
rendered=$(man --warnings -l "$page" 2>"$warnings" | col -b)
expect "man: warnings" "" "$(cat "$warnings")"
case $rendered in *"ept - encrypt and decrypt"*) ;; *) expect "man: NAME line" "ept - encrypt and decrypt ..." "$rendered" ;; esac

# Option names from item lines: "  -h, --help   ..." in the help, "       -o DEST"
# in the page's OPTIONS section; sorted, one a line.
options_of() { sed -E 's/^ +//; s/   .*//' | grep -oE -- '(^|[ ,])--?[a-zA-Z][a-zA-Z-]*' | tr -d ' ,' | sort -u; }
from_help=$("$ept" --help | sed -n '/^Options:/,/^$/p' | grep -E '^ +-' | options_of)
from_page=$(printf '%s\n' "$rendered" | sed -n '/^OPTIONS/,/^[A-Z]/p' | grep -E '^ {7}-' | options_of)
# Guards the extraction itself: an empty list on both sides would match.
case $from_help in *--help*--password-stdin*) ;; *) expect "help: options found" "... --help ... --password-stdin ..." "$from_help" ;; esac
expect "page lists the options of --help" "$from_help" "$from_page"

version=$("$ept" --version | sed -n '1s/.* //p')
expect "page footer carries the version" "ZORVANEX $version" "$(printf '%s\n' "$rendered" | tail -n 1 | awk '{print $1, $2}')"

end_checks
