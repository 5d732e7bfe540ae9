#!/usr/bin/env bash
# The i686 programs, what users get, against the win64 programs of the same
# source: an encryption with a password through the windows writes the same
# bytes as the win64 program's and decrypts through the windows to the source;
# a sparse source over 4 GiB encrypts to its size + 164 (sizes and counters
# past 32 bits); a cancelled run leaves no output and ends with 420.
source "$(dirname "$0")/lib.sh"
e2e_begin "$@"

main=$(winpath "$ZV_MAIN_EXE")
win64_main_exe="$ZV_TOOLS_DIR/main/ZORVANEX installed component.exe"
[ -f "$win64_main_exe" ] || e2e_die "no win64 main program at $win64_main_exe"
win64_main=$(winpath "$win64_main_exe")
mkdir -p "$E2E_C/docs" "$E2E_C/win64"
# Every byte value, then random bytes.
python3 -c 'import os, sys; sys.stdout.buffer.write(bytes(range(256)) * 64 + os.urandom(300000))' >"$E2E_WORK/report.doc"
cp "$E2E_WORK/report.doc" "$E2E_C/docs/report.doc"
cp "$E2E_WORK/report.doc" "$E2E_C/win64/report.doc"

success() {
    cat <<EOF
expect-box $(q "$1") OK 120000
expect-exit 1
EOF
}

# encrypt PROGRAM SOURCE: with a password, keeping the proposed destination.
encrypt() {
    cat <<EOF
start "$1" "$2"
wait-window EncryptClass1
type EncryptClass1 Edit:1 Se/cr3t
type EncryptClass1 Edit:2 Se/cr3t
click EncryptClass1 #423
wait-window ClassThreadDispSta
$(success "$2 HAS BEEN SUCCESSFULLY ENCRYPTED")
EOF
}

drv <<EOF
$(encrypt "$main" 'C:\docs\report.doc')
$(encrypt "$win64_main" 'C:\win64\report.doc')
EOF
expect_same_bytes "i686 encryption against the win64 program's" "$E2E_C/win64/REPORT.EPT" "$E2E_C/docs/REPORT.EPT"
expect_eq "encrypted size" $(($(stat -c %s "$E2E_WORK/report.doc") + 164)) "$(stat -c %s "$E2E_C/docs/REPORT.EPT")"

rm "$E2E_C/docs/report.doc"
drv <<EOF
start "$main" "C:\docs\REPORT.EPT"
wait-window DecryptClass1
expect-text DecryptClass1 #521 $(q 'C:\DOCS\REPORT.DOC')
type DecryptClass1 Edit:1 Se/cr3t
click DecryptClass1 #424
wait-window ClassThreadDispSta
$(success 'C:\docs\REPORT.EPT HAS BEEN SUCCESSFULLY DECRYPTED')
EOF
expect_same_bytes "decrypted by the i686 program" "$E2E_WORK/report.doc" "$E2E_C/docs/REPORT.DOC"
rm -f "$E2E_C/docs/"* "$E2E_C/win64/"*

# Past 4 GiB: every size and counter that was 32 bits wide would cut the file.
big_size=$((4 * 1024 * 1024 * 1024 + 4097))
truncate -s "$big_size" "$E2E_C/docs/big.bin"
no_password=$(q 'YOU DID NOT GIVE A PASSWORD FOR THE ENCRYPTED FILE. SO ANYONE WHO POSSES THIS SOFTWARE CAN DECRYPT YOUR ENCRYPTED FILE.')
# The encryption of big.bin without a password, up to its progress window.
big_run_started() {
    cat <<EOF
start "$main" "C:\docs\big.bin"
wait-window EncryptClass1
click EncryptClass1 #423
expect-box $no_password OK
wait-window ClassThreadDispSta
EOF
}
drv <<EOF
$(big_run_started)
expect-box $(q 'C:\docs\big.bin HAS BEEN SUCCESSFULLY ENCRYPTED') OK 600000
expect-exit 1
EOF
expect_eq "size of the encrypted file over 4 GiB" $((big_size + 164)) "$(stat -c %s "$E2E_C/docs/BIG.EPT")"
# Its last bytes are the substitute of a zero byte, as its first body byte is.
zero=$(od -An -tx1 -j 164 -N 1 "$E2E_C/docs/BIG.EPT" | tr -d ' ')
expect_eq "last bytes of the encrypted file" "$zero$zero$zero$zero" \
    "$(tail -c 4 "$E2E_C/docs/BIG.EPT" | od -An -tx1 | tr -d ' \n')"
rm "$E2E_C/docs/BIG.EPT"

# A cancel: the question, Yes, 420, and nothing left but the source.
drv <<EOF
$(big_run_started)
click ClassThreadDispSta #421
expect-box $(q 'IF YOU EXIT NOW THE ENCRYPTED FILE WILL NOT BE CREATED.
DO YOU STILL WANT TO QUIT?') YES
expect-exit 420
EOF
expect_eq "files after the cancel" "big.bin" "$(ls -A "$E2E_C/docs" | paste -sd ' ')"
expect_eq "source after the cancel" "$big_size" "$(stat -c %s "$E2E_C/docs/big.bin")"
