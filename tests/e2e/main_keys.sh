#!/usr/bin/env bash
# The main program from the keyboard, with real key presses: the first password
# field has the focus at open; Tab and Shift+Tab go round the fields and buttons
# in screen order; Enter presses a focused button, and anywhere else starts the
# run with the same warnings; the focus comes back after a box and after the
# about window; Esc closes the about window, asks the progress window's exit
# question, and is X in the encrypt and decrypt windows (exit 1, nothing written).
source "$(dirname "$0")/lib.sh"
e2e_begin "$@"

main=$(winpath "$ZV_MAIN_EXE")
docs=$E2E_C/docs
mkdir -p "$docs"
printf 'plain text\n' >"$docs/report.doc"
truncate -s 6G "$docs/big.bin"
printf 'the secret contents\n' >"$E2E_WORK/plan.doc"
e2e_encrypt "$E2E_WORK/plan.doc" "$docs/secret.ept" Pw7
e2e_encrypt "$E2E_WORK/plan.doc" "$docs/open.ept"

# tab_round WINDOW KEY CONTROL...: KEY moves the focus to each CONTROL in turn.
tab_round() {
    local window=$1 key=$2 control
    shift 2
    for control in "$@"; do
        printf 'key %s %s\nexpect-focus %s %s\n' "$window" "$key" "$window" "$control"
    done
}

# The encrypt window: focus, the order both ways, typing, Enter on a field and
# on a button, the about window, Esc.
drv <<EOF
start "$main" "C:\docs\report.doc"
wait-window EncryptClass1
expect-focus EncryptClass1 Edit:1
$(tab_round EncryptClass1 Tab Edit:2 '#426' '#423' '#422' '#421' Edit:1)
$(tab_round EncryptClass1 Shift+Tab '#421' '#422' '#423' '#426' Edit:2 Edit:1)
key EncryptClass1 s e C r 3 t Tab s e C r 3 T
expect-text EncryptClass1 Edit:1 seCr3t
expect-text EncryptClass1 Edit:2 seCr3T
key EncryptClass1 Enter
$(warning "YOUR CONFIRM PASSWORD DID NOT MATCH")
expect-focus EncryptClass1 Edit:2
key EncryptClass1 Backspace t
expect-text EncryptClass1 Edit:2 seCr3t
key EncryptClass1 Tab
expect-focus EncryptClass1 #426
capture EncryptClass1 focus-on-browse.bmp
key EncryptClass1 Enter
wait-file-dialog
answer CANCEL
wait-gone "#32770"
expect-focus EncryptClass1 #426
click-at EncryptClass1 30 28
wait-window ClassThreadAbout
key ClassThreadAbout Esc
wait-gone ClassThreadAbout
expect-focus EncryptClass1 #426
key EncryptClass1 Esc
expect-exit 1
EOF
expect_no_file "$docs/REPORT.EPT"
expect_eq 'C:\docs after Esc' "big.bin open.ept report.doc secret.ept" "$(ls "$docs" | tr '\n' ' ' | sed 's/ $//')"

# Enter starts the run; in the progress window Esc asks the exit question
# (No goes on, Yes cancels with 420), and closes the about window opened there.
drv <<EOF
start "$main" "C:\docs\big.bin"
wait-window EncryptClass1
key EncryptClass1 p w Tab p w Enter
wait-window ClassThreadDispSta
click-at ClassThreadDispSta 30 28
wait-window ClassThreadAbout
key ClassThreadAbout Esc
wait-gone ClassThreadAbout
key ClassThreadDispSta Esc
wait-box
expect-box-buttons YES NO
expect-box-text $(q "IF YOU EXIT NOW THE ENCRYPTED FILE WILL NOT BE CREATED.
DO YOU STILL WANT TO QUIT?")
answer NO
expect-state ClassThreadDispSta . visible
key ClassThreadDispSta Esc
wait-box
expect-box-text $(q "IF YOU EXIT NOW THE ENCRYPTED FILE WILL NOT BE CREATED.
DO YOU STILL WANT TO QUIT?")
answer YES
expect-exit 420 30000
EOF
expect_no_file "$docs/BIG.EPT"

# The decrypt window with a password: focus, order, a wrong password refused on
# Enter, a field taken by Tab has its text selected, the right one decrypting.
drv <<EOF
start "$main" "C:\docs\secret.ept"
wait-window DecryptClass1
expect-focus DecryptClass1 Edit:1
$(tab_round DecryptClass1 Tab '#426' '#424' '#422' '#421' Edit:1)
$(tab_round DecryptClass1 Shift+Tab '#421' '#422' '#424' '#426' Edit:1)
key DecryptClass1 p w 7 Enter
$(warning "YOUR PASSWORD IS NOT CORRECT")
expect-focus DecryptClass1 Edit:1
key DecryptClass1 Tab Shift+Tab Shift+p w 7
expect-text DecryptClass1 Edit:1 Pw7
key DecryptClass1 Enter
expect-box $(q 'C:\docs\secret.ept HAS BEEN SUCCESSFULLY DECRYPTED') OK 30000
expect-exit 1
EOF
expect_same_bytes "the decrypted file" "$E2E_WORK/plan.doc" "$docs/PLAN.DOC"
rm "$docs/PLAN.DOC"

# Without a password Esc is X, and Enter decrypts at once.
drv <<EOF
start "$main" "C:\docs\open.ept"
wait-window DecryptClass1
key DecryptClass1 Esc
expect-exit 1
EOF
expect_no_file "$docs/PLAN.DOC"
drv <<EOF
start "$main" "C:\docs\open.ept"
wait-window DecryptClass1
key DecryptClass1 Enter
expect-box $(q 'C:\docs\open.ept HAS BEEN SUCCESSFULLY DECRYPTED') OK 30000
expect-exit 1
EOF
expect_same_bytes "the decrypted file" "$E2E_WORK/plan.doc" "$docs/PLAN.DOC"
