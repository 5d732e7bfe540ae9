#!/usr/bin/env bash
# Encrypting and decrypting through the windows: with a password (the header's
# fields, a wrong password refused as often as it is typed, the stored name
# restored in upper case, the bytes as they were) and without one (no password
# field, decrypted on the first press), each with the follow-up that deletes
# the file it started from.
source "$(dirname "$0")/lib.sh"
e2e_begin "$@"

main=$(winpath "$ZV_MAIN_EXE")
docs=$E2E_C/docs
mkdir -p "$docs"
head -c 700000 /dev/urandom >"$docs/report.doc"
cp "$docs/report.doc" "$E2E_WORK/report.doc"
# Every byte value, for the run without a password.
python3 -c 'import sys; sys.stdout.buffer.write(bytes(range(256)) * 40)' >"$docs/notes"
cp "$docs/notes" "$E2E_WORK/notes"

success() {
    cat <<EOF
wait-box 60000
expect-box-caption "$ZV_TITLE"
expect-box-icon information
expect-box-buttons OK
expect-box-text $(q "$1")
answer OK
expect-exit 1
EOF
}

# hex FILE OFFSET COUNT: the bytes as one run of hex digits.
hex() { od -An -tx1 -j "$2" -N "$3" "$1" | tr -d ' \n'; }

# ---- with a password, keeping the proposal
drv <<EOF
start "$main" "C:\docs\report.doc"
wait-window EncryptClass1
type EncryptClass1 Edit:1 Se/cr3t
type EncryptClass1 Edit:2 Se/cr3t
click EncryptClass1 #423
wait-window ClassThreadDispSta
$(success 'C:\docs\report.doc HAS BEEN SUCCESSFULLY ENCRYPTED')
EOF
ept=$docs/REPORT.EPT
expect_file "$ept"
expect_eq "encrypted size" 700164 "$(stat -c %s "$ept")"
expect_same_bytes "source after the run" "$E2E_WORK/report.doc" "$docs/report.doc"
expect_eq "signature A" 56635a22e6a585006712dab50c22f32e22040000 "$(hex "$ept" 0 20)"
expect_eq "signature B" f80c0100d93918fa728fa700c0fdffff32e34282 "$(hex "$ept" 144 20)"
# The source's own name, reversed and complemented: "cod.troper" -> 255 - c.
expect_eq "name field" "$(printf 'cod.troper' | od -An -tu1 | xargs -n1 | awk '{printf "%02x", 255 - $1}')00" \
    "$(hex "$ept" 20 11)"
expect_eq "password length" 07 "$(hex "$ept" 140 1)"
expect_eq "filler after the length" cccccc "$(hex "$ept" 141 3)"
# The engine's own fixture writes the same file for the same name and password.
e2e_encrypt "$docs/report.doc" "$E2E_WORK/fixture.ept" Se/cr3t
expect_same_bytes "header and body" "$E2E_WORK/fixture.ept" "$ept"

# Decrypting it: the original is moved away, so the proposal is free.
rm "$docs/report.doc"
drv <<EOF
start "$main" "C:\docs\REPORT.EPT"
wait-window DecryptClass1
capture DecryptClass1 decrypt-window-password.bmp
expect-text DecryptClass1 #521 $(q 'C:\DOCS\REPORT.DOC')
list-controls DecryptClass1
type DecryptClass1 Edit:1 se/cr3t
click DecryptClass1 #424
$(warning "YOUR PASSWORD IS NOT CORRECT")
expect-text DecryptClass1 Edit:1 se/cr3t
set-text DecryptClass1 Edit:1 Se/cr3
click DecryptClass1 #424
$(warning "YOUR PASSWORD IS NOT CORRECT")
set-text DecryptClass1 Edit:1 Se/cr3t
click-at DecryptClass1 20 280
click DecryptClass1 #424
wait-window ClassThreadDispSta
$(success 'C:\docs\REPORT.EPT HAS BEEN SUCCESSFULLY DECRYPTED')
EOF
expect_eq "files after decrypting with delete on" "REPORT.DOC notes" "$(ls "$docs" | tr '\n' ' ' | sed 's/ $//')"
expect_same_bytes "decrypted file" "$E2E_WORK/report.doc" "$docs/REPORT.DOC"

# ---- without a password, deleting the original, to another name
drv <<EOF
start "$main" "C:\docs\notes"
wait-window EncryptClass1
expect-text EncryptClass1 #521 $(q 'C:\DOCS\NOTES.EPT')
click-at EncryptClass1 20 280
click EncryptClass1 #426
wait-file-dialog
save-as $(q 'C:\docs\kept.EPT')
wait-gone "#32770"
click EncryptClass1 #423
$(warning 'YOU DID NOT GIVE A PASSWORD FOR THE ENCRYPTED FILE. SO ANYONE WHO POSSES THIS SOFTWARE CAN DECRYPT YOUR ENCRYPTED FILE.')
wait-window ClassThreadDispSta
$(success 'C:\docs\notes HAS BEEN SUCCESSFULLY ENCRYPTED')
EOF
expect_no_file "$docs/notes"
expect_eq "password length without a password" 00 "$(hex "$docs/KEPT.EPT" 140 1)"
expect_eq "password field without a password" "$(printf 'cc%.0s' $(seq 20))" "$(hex "$docs/KEPT.EPT" 120 20)"
# The name field holds the source's name, not the chosen destination's.
e2e_encrypt "$E2E_WORK/notes" "$E2E_WORK/notes.ept"
expect_same_bytes "encrypted without a password" "$E2E_WORK/notes.ept" "$docs/KEPT.EPT"

out=$(drv <<EOF
start "$main" "C:\docs\KEPT.EPT"
wait-window DecryptClass1
capture DecryptClass1 decrypt-window-no-password.bmp
expect-text DecryptClass1 #521 $(q 'C:\DOCS\NOTES')
list-controls DecryptClass1
click DecryptClass1 #424
wait-window ClassThreadDispSta
$(success 'C:\docs\KEPT.EPT HAS BEEN SUCCESSFULLY DECRYPTED')
EOF
)
echo "$out"
# The destination field is the only edit: no password is asked for.
expect_eq "edit fields of the decrypt window without a password" 1 "$(grep -c '^ *Edit ' <<<"$out")"
expect_file "$docs/KEPT.EPT"
expect_same_bytes "decrypted without a password" "$E2E_WORK/notes" "$docs/NOTES"
