#!/usr/bin/env bash
# A path of 1000 characters or more does not fit the program's path buffer: it is
# refused with its own message, quoted or not; 999 characters still go on to be
# opened (here: a missing file, error 0001).
source "$(dirname "$0")/lib.sh"
e2e_begin "$@"

main=$(winpath "$ZV_MAIN_EXE")
long() { printf 'C:\\%s.txt' "$(head -c $(($1 - 7)) /dev/zero | tr '\0' 'a')"; }
p999=$(long 999)
p1000=$(long 1000)
too_long="THE PATH OF THE FILE IS TOO LONG. ZORVANEX CAN OPEN PATHS OF AT MOST 999 CHARACTERS. ERROR NO. :0016"
[ ${#p999} -eq 999 ] && [ ${#p1000} -eq 1000 ] || e2e_fail "test paths have the wrong lengths"

drv <<EOF
start "$main" "$p1000"
expect-box $(q "$too_long") OK
expect-exit 1
start "$main" $p1000
expect-box $(q "$too_long") OK
expect-exit 1
start "$main" "$p999"
expect-box $(q "$p999 CAN NOT BE OPENED. ERROR NO. :0001") OK
expect-exit 1
EOF
