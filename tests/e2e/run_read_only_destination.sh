#!/usr/bin/env bash
# An existing destination that is read-only passes the overwrite question and
# is then refused before the run writes anything, as creating it would be:
# 0005 encrypting, 0007 decrypting, no progress window, no temporary file, the
# destination's bytes and read-only state as they were, and the source kept
# although the option to delete it is on.
source "$(dirname "$0")/lib.sh"
e2e_begin "$@"

main=$(winpath "$ZV_MAIN_EXE")
docs=$E2E_C/docs
mkdir -p "$docs"
head -c 200000 /dev/urandom >"$docs/data.bin"
printf 'plan\n' >"$E2E_WORK/plan.txt"
e2e_encrypt "$E2E_WORK/plan.txt" "$docs/sealed.ept"
printf 'protected encrypted file\n' >"$docs/DATA.EPT"
printf 'protected plan\n' >"$docs/plan.txt"
chmod a-w "$docs/DATA.EPT" "$docs/plan.txt"
mkdir "$E2E_WORK/before"
cp -p "$docs/data.bin" "$docs/sealed.ept" "$docs/DATA.EPT" "$docs/plan.txt" "$E2E_WORK/before/"

# refused CLASS SOURCE START DESTINATION NUMBER [PASSWORD]: the driver script.
refused() {
    local class=$1 source=$2 start=$3 destination=$4 number=$5 password=${6:-}
    cat <<EOF
start "$main" "$source"
wait-window $class
expect-text $class #521 $(q "$destination")
click-at $class 20 280
expect-pixel $class 28 281 0 0 255
EOF
    [ -z "$password" ] || printf 'type %s Edit:1 %s\ntype %s Edit:2 %s\n' "$class" "$password" "$class" "$password"
    cat <<EOF
click $class $start
expect-box $(q "$destination ALREADY EXISTS.
DO YOU WANT TO OVERWRITE IT?") YES
wait-box
expect-box-icon error
expect-box-text $(q "$destination CAN NOT BE OPENED. ERROR NO. :$number")
expect-no-window ClassThreadDispSta 500
expect-no-file $(q "C:\\docs\\~${destination##*\\}.0.tmp")
answer OK
expect-exit 1
EOF
}

refused EncryptClass1 'C:\docs\data.bin' '#423' 'C:\DOCS\DATA.EPT' 0005 pw | drv
refused DecryptClass1 'C:\docs\sealed.ept' '#424' 'C:\DOCS\PLAN.TXT' 0007 | drv

for name in data.bin sealed.ept DATA.EPT plan.txt; do
    expect_same_bytes "$name after the refusals" "$E2E_WORK/before/$name" "$docs/$name"
done
expect_eq "files in the folder" "DATA.EPT data.bin plan.txt sealed.ept" "$(cd "$docs" && LC_ALL=C ls | tr '\n' ' ' | sed 's/ $//')"
expect_eq "DATA.EPT still read-only" "-r--r--r--" "$(stat -c %A "$docs/DATA.EPT")"
expect_eq "plan.txt still read-only" "-r--r--r--" "$(stat -c %A "$docs/plan.txt")"
