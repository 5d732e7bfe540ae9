#!/usr/bin/env bash
# Started with a relative path (from a console or a script), the program works
# on the file in the folder it was started in: the field proposes the full path,
# and after BROWSE into another folder that holds a file of the same name, the
# run encrypts, and its follow-up deletes, the file in the starting folder.
source "$(dirname "$0")/lib.sh"
e2e_begin "$@"

main=$(winpath "$ZV_MAIN_EXE")
docs=$E2E_C/docs
other=$E2E_C/other
mkdir -p "$docs" "$other"
head -c 300000 /dev/urandom >"$docs/report.doc"
cp "$docs/report.doc" "$E2E_WORK/report.doc"
printf 'another file of the same name\n' >"$other/report.doc"

cd "$docs"
drv <<EOF
start "$main" report.doc
wait-window EncryptClass1
expect-text EncryptClass1 #521 $(q 'C:\DOCS\REPORT.EPT')
click-at EncryptClass1 20 280
# The tick of the option that deletes the source.
expect-pixel EncryptClass1 28 281 0 0 255
click EncryptClass1 #426
wait-file-dialog
save-as $(q 'C:\other\report.EPT')
wait-gone "#32770"
expect-text EncryptClass1 #521 $(q 'C:\OTHER\REPORT.EPT')
type EncryptClass1 Edit:1 pw
type EncryptClass1 Edit:2 pw
click EncryptClass1 #423
wait-window ClassThreadDispSta
expect-box $(q 'C:\docs\report.doc HAS BEEN SUCCESSFULLY ENCRYPTED') OK 60000
expect-exit 1
EOF
cd "$E2E_WORK"

expect_no_file "$docs/report.doc"
expect_eq "the other folder's file of the same name" "another file of the same name" "$(cat "$other/report.doc")"
e2e_decrypt "$other/REPORT.EPT" "$E2E_WORK/restored.doc"
expect_same_bytes "the encrypted file holds the starting folder's file" "$E2E_WORK/report.doc" "$E2E_WORK/restored.doc"
