#!/usr/bin/env bash
# The end of a run: an empty file gives a 164-byte encrypted file, the progress
# window shows 100 % and a full bar; closing the progress window while the
# success message is up ends the program with 1 (the file stays complete);
# the 164-byte file decrypts to an empty one.
source "$(dirname "$0")/lib.sh"
e2e_begin "$@"

main=$(winpath "$ZV_MAIN_EXE")
docs=$E2E_C/docs
mkdir -p "$docs"
: >"$docs/empty.txt"
head -c 3000000 /dev/urandom >"$docs/photo.raw"

# The bar filled from its first to its last column (the strip's red and blue
# ends), with the trough on either side.
full_bar() {
    cat <<EOF
move-to ClassThreadDispSta 700 300
expect-pixel ClassThreadDispSta 128 417 230 230 230
expect-pixel ClassThreadDispSta 129 417 255 25 0
expect-pixel ClassThreadDispSta 640 417 0 25 255
expect-pixel ClassThreadDispSta 641 417 230 230 230
EOF
}

drv <<EOF
start "$main" "C:\docs\empty.txt"
wait-window EncryptClass1
type EncryptClass1 Edit:1 pw
type EncryptClass1 Edit:2 pw
click EncryptClass1 #423
wait-window ClassThreadDispSta
wait-box 30000
expect-box-text $(q 'C:\docs\empty.txt HAS BEEN SUCCESSFULLY ENCRYPTED')
$(full_bar)
capture ClassThreadDispSta progress-empty-100.bmp
click ClassThreadDispSta #421
expect-exit 1
EOF
expect_eq "encrypted empty file" 164 "$(stat -c %s "$docs/EMPTY.EPT")"
e2e_encrypt "$docs/empty.txt" "$E2E_WORK/empty.ept" pw
expect_same_bytes "encrypted empty file" "$E2E_WORK/empty.ept" "$docs/EMPTY.EPT"

rm "$docs/empty.txt"
drv <<EOF
start "$main" "C:\docs\EMPTY.EPT"
wait-window DecryptClass1
type DecryptClass1 Edit:1 pw
click DecryptClass1 #424
wait-window ClassThreadDispSta
expect-box $(q 'C:\docs\EMPTY.EPT HAS BEEN SUCCESSFULLY DECRYPTED') OK 30000
expect-exit 1
EOF
expect_eq "decrypted empty file" 0 "$(stat -c %s "$docs/EMPTY.TXT")"

# A file with contents: 100 % and the full bar once the run has ended.
drv <<EOF
start "$main" "C:\docs\photo.raw"
wait-window EncryptClass1
click EncryptClass1 #423
expect-box $(q 'YOU DID NOT GIVE A PASSWORD FOR THE ENCRYPTED FILE. SO ANYONE WHO POSSES THIS SOFTWARE CAN DECRYPT YOUR ENCRYPTED FILE.') OK
wait-window ClassThreadDispSta
wait-box 30000
expect-box-text $(q 'C:\docs\photo.raw HAS BEEN SUCCESSFULLY ENCRYPTED')
$(full_bar)
capture ClassThreadDispSta progress-100.bmp
answer OK
expect-exit 1
EOF
e2e_decrypt "$docs/PHOTO.EPT" "$E2E_WORK/photo.back"
expect_same_bytes "encrypted photo, decrypted" "$docs/photo.raw" "$E2E_WORK/photo.back"
