#!/usr/bin/env bash
# The decrypt window's start sequence and BROWSE: a stored password of 20
# characters accepted when typed exactly and a typed text of 24 refused; the
# encrypted file itself refused as the destination; the overwrite question (No
# stays, Yes replaces); BROWSE proposing the current extension, and a
# destination without any extension accepted; X ends with 1 and writes nothing;
# a header that cannot be decoded is refused with an error.
source "$(dirname "$0")/lib.sh"
e2e_begin "$@"

main=$(winpath "$ZV_MAIN_EXE")
docs=$E2E_C/docs
mkdir -p "$docs"
p20=abcdefghijABCDEFGHIJ
printf 'the secret contents\n' >"$E2E_WORK/plan.doc"
e2e_encrypt "$E2E_WORK/plan.doc" "$docs/secret.EPT" "$p20"
cp "$docs/secret.EPT" "$E2E_WORK/secret.EPT"
printf 'an older file of that name\n' >"$docs/PLAN.DOC"

# browse NAME FIELD_AFTER: BROWSE, NAME typed in the Save dialog.
browse() {
    cat <<EOF
click DecryptClass1 #426
wait-file-dialog
save-as $(q "$1")
wait-gone "#32770"
expect-text DecryptClass1 #521 $(q "$2")
EOF
}

drv <<EOF
start "$main" "C:\docs\secret.EPT"
wait-window DecryptClass1
expect-text DecryptClass1 #521 $(q 'C:\DOCS\PLAN.DOC')
type DecryptClass1 Edit:1 ${p20}wxyz
click DecryptClass1 #424
$(warning "YOUR PASSWORD IS NOT CORRECT")
set-text DecryptClass1 Edit:1 ${p20^^}
click DecryptClass1 #424
$(warning "YOUR PASSWORD IS NOT CORRECT")
set-text DecryptClass1 Edit:1 $p20
click DecryptClass1 #424
wait-box
expect-box-icon question
expect-box-buttons YES NO
expect-box-text $(q 'C:\DOCS\PLAN.DOC ALREADY EXISTS.
DO YOU WANT TO OVERWRITE IT?')
answer NO
expect-state DecryptClass1 . visible
expect-text DecryptClass1 Edit:1 $p20
click DecryptClass1 #426
wait-file-dialog
expect-file-name PLAN.DOC
save-as $(q 'C:\docs\restored')
wait-gone "#32770"
expect-text DecryptClass1 #521 $(q 'C:\DOCS\RESTORED.DOC')
click DecryptClass1 #426
wait-file-dialog
save-as $(q 'C:\docs\secret.EPT')
wait-box
answer YES
wait-gone "#32770"
expect-text DecryptClass1 #521 $(q 'C:\DOCS\SECRET.EPT')
click DecryptClass1 #424
$(warning 'C:\DOCS\SECRET.EPT IS THE FILE TO BE DECRYPTED.
PLEASE CHOOSE ANOTHER DESTINATION.')
click DecryptClass1 #421
expect-exit 1
EOF
expect_same_bytes "encrypted file after the refusals" "$E2E_WORK/secret.EPT" "$docs/secret.EPT"
expect_eq "files after X" "PLAN.DOC secret.EPT" "$(ls "$docs" | tr '\n' ' ' | sed 's/ $//')"

# A stored name without a dot: BROWSE proposes no extension of its own, and a
# destination without any extension is accepted.
cp "$E2E_WORK/plan.doc" "$E2E_WORK/plan"
e2e_encrypt "$E2E_WORK/plan" "$docs/bare.ept"
drv <<EOF
start "$main" "C:\docs\bare.ept"
wait-window DecryptClass1
expect-text DecryptClass1 #521 $(q 'C:\DOCS\PLAN')
$(browse 'C:\docs\noext' 'C:\DOCS\NOEXT')
click DecryptClass1 #424
wait-window ClassThreadDispSta
expect-box $(q 'C:\docs\bare.ept HAS BEEN SUCCESSFULLY DECRYPTED') OK 30000
expect-exit 1
EOF
expect_same_bytes "restored without an extension" "$E2E_WORK/plan.doc" "$docs/NOEXT"
rm "$docs/NOEXT" "$docs/bare.ept"

drv <<EOF
start "$main" "C:\docs\secret.EPT"
wait-window DecryptClass1
type DecryptClass1 Edit:1 $p20
click DecryptClass1 #424
expect-box $(q 'C:\DOCS\PLAN.DOC ALREADY EXISTS.
DO YOU WANT TO OVERWRITE IT?') YES
wait-window ClassThreadDispSta
expect-box $(q 'C:\docs\secret.EPT HAS BEEN SUCCESSFULLY DECRYPTED') OK 30000
expect-exit 1
EOF
expect_same_bytes "overwritten with Yes" "$E2E_WORK/plan.doc" "$docs/PLAN.DOC"

# Signatures that match around a password length of 200: refused before any
# window, the file left alone.
cp "$docs/secret.EPT" "$docs/damaged.ept"
printf '\310' | dd of="$docs/damaged.ept" bs=1 seek=140 conv=notrunc status=none
cp "$docs/damaged.ept" "$E2E_WORK/damaged.ept"
drv <<EOF
start "$main" "C:\docs\damaged.ept"
wait-box
expect-box-caption "$ZV_TITLE"
expect-box-icon error
expect-box-text $(q 'C:\docs\damaged.ept IS DAMAGED AND CAN NOT BE DECRYPTED. ERROR NO. :0015')
answer OK
expect-exit 1
EOF
expect_same_bytes "damaged file after the refusal" "$E2E_WORK/damaged.ept" "$docs/damaged.ept"
