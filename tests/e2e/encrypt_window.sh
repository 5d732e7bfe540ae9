#!/usr/bin/env bash
# The encrypt window: the start sequence's warnings in their order, the
# overwrite question (No keeps everything), BROWSE and the extension guard, the
# destination that is the source itself, the option boxes, dragging, and
# closing with X (exit 1, nothing written).
source "$(dirname "$0")/lib.sh"
e2e_begin "$@"

main=$(winpath "$ZV_MAIN_EXE")
docs=$E2E_C/docs
mkdir -p "$docs"
printf 'plain text\n' >"$docs/report.doc"
printf 'old encrypted file\n' >"$docs/REPORT.EPT"
printf 'not encrypted\n' >"$docs/same.Ept"   # no header: encrypted, but never over itself
printf 'no password\n' >"$docs/open.txt"

p20=abcdefghijABCDEFGHIJ
p21=${p20}K

# browse PATH: BROWSE, and PATH chosen in the Save dialog.
browse() {
    cat <<EOF
click EncryptClass1 #426
wait-file-dialog
save-as $(q "$1")
wait-gone "#32770"
EOF
}

{
    cat <<EOF
start "$main" "C:\docs\report.doc"
wait-window EncryptClass1
expect-text EncryptClass1 #521 $(q 'C:\DOCS\REPORT.EPT')
expect-state EncryptClass1 #521 disabled
type EncryptClass1 Edit:1 $p20
type EncryptClass1 Edit:2 ${p20,,}
click EncryptClass1 #423
EOF
    warning "YOUR CONFIRM PASSWORD DID NOT MATCH"

    # The proposal exists: the question comes last, and No keeps every field.
    cat <<EOF
set-text EncryptClass1 Edit:2 $p20
click EncryptClass1 #423
wait-box
expect-box-caption "$ZV_TITLE"
expect-box-icon question
expect-box-buttons YES NO
expect-box-text $(q 'C:\DOCS\REPORT.EPT ALREADY EXISTS.
DO YOU WANT TO OVERWRITE IT?')
answer NO
expect-state EncryptClass1 . visible
expect-text EncryptClass1 #521 $(q 'C:\DOCS\REPORT.EPT')
expect-text EncryptClass1 Edit:1 $p20
expect-text EncryptClass1 Edit:2 $p20
EOF

    # The first choice without ".EPT" stays without a warning ...
    cat <<EOF
click EncryptClass1 #426
wait-file-dialog
expect-file-name REPORT.EPT
save-as $(q 'C:\docs\x.txt')
wait-gone "#32770"
expect-text EncryptClass1 #521 $(q 'C:\DOCS\X.TXT')
EOF
    # ... and ENCRYPT refuses it, after the mismatch and the length.
    echo "set-text EncryptClass1 Edit:1 $p21"
    echo "set-text EncryptClass1 Edit:2 ${p21}X"
    echo "click EncryptClass1 #423"
    warning "YOUR CONFIRM PASSWORD DID NOT MATCH"
    echo "set-text EncryptClass1 Edit:2 $p21"
    echo "click EncryptClass1 #423"
    warning "PASSWORD SHOULD NOT EXCEED 20 CHARACTERS"
    echo "set-text EncryptClass1 Edit:1 $p20"
    echo "set-text EncryptClass1 Edit:2 $p20"
    echo "click EncryptClass1 #423"
    warning "DONT TRY TO MODIFY THE EXETNSION OF THE ENCRYPTED FILE"
    echo "expect-text EncryptClass1 #521 $(q 'C:\DOCS\X.TXT')"

    # Once a ".EPT" destination was accepted, a wrong choice is put back.
    browse 'C:\docs\other.EPT'
    echo "expect-text EncryptClass1 #521 $(q 'C:\DOCS\OTHER.EPT')"
    cat <<EOF
click EncryptClass1 #426
wait-file-dialog
save-as $(q 'C:\docs\y.txt')
EOF
    warning "DONT TRY TO MODIFY THE EXETNSION OF THE ENCRYPTED FILE"
    echo "expect-text EncryptClass1 #521 $(q 'C:\DOCS\OTHER.EPT')"

    # Option boxes: a press toggles the flag and draws the tick, blue under the
    # pointer and red away from it; pressing on a box and dragging does not move
    # the window (and toggles the box back), dragging the background does.
    cat <<EOF
click-at EncryptClass1 20 280
expect-pixel EncryptClass1 28 281 0 0 255
move-to EncryptClass1 500 380
expect-pixel EncryptClass1 28 281 255 0 0
drag EncryptClass1 20 280 120 380
expect-rect EncryptClass1 118 149 788 470
move-to EncryptClass1 500 380
expect-pixel EncryptClass1 15 280 255 0 0
drag EncryptClass1 600 150 650 190
expect-rect EncryptClass1 168 189 788 470
EOF
    # Closing with X ends the program with 1.
    echo "click EncryptClass1 #421"
    echo "expect-exit 1"
} | drv

expect_eq "files in docs after X" "REPORT.EPT open.txt report.doc same.Ept" "$(ls "$docs" | tr '\n' ' ' | sed 's/ $//')"
expect_eq "the old REPORT.EPT" "old encrypted file" "$(cat "$docs/REPORT.EPT")"

# x.Ept that is not encrypted is encrypted, but its proposal names the file itself.
# Then the window minimises without a refusal (Wine can), and closing it by
# WM_CLOSE ends the program like X.
drv <<EOF
start "$main" "C:\docs\same.Ept"
wait-window EncryptClass1
expect-text EncryptClass1 #521 $(q 'C:\DOCS\SAME.EPT')
click EncryptClass1 #423
$(warning 'C:\DOCS\SAME.EPT IS THE FILE TO BE ENCRYPTED.
PLEASE CHOOSE ANOTHER DESTINATION.')
expect-state EncryptClass1 . visible
click EncryptClass1 #422
expect-no-window "#32770" 500
close EncryptClass1
expect-exit 1
EOF
expect_eq "same.Ept after the refusal" "not encrypted" "$(cat "$docs/same.Ept")"

# No password at all: accepted after the warning, and the window goes.
drv <<EOF
start "$main" "C:\docs\open.txt"
wait-window EncryptClass1
click EncryptClass1 #423
$(warning 'YOU DID NOT GIVE A PASSWORD FOR THE ENCRYPTED FILE. SO ANYONE WHO POSSES THIS SOFTWARE CAN DECRYPT YOUR ENCRYPTED FILE.')
wait-gone EncryptClass1
kill
EOF
