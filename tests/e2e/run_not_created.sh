#!/usr/bin/env bash
# A destination that cannot be created, found only once the run starts (the
# windows accept it): encrypting reports 0005 and decrypting 0007, each with the
# destination's path; the program ends with 1 and leaves the file it started
# from in place although the option to delete it is on. Drive R: is a read-only
# tmpfs; where nothing can be mounted the test says so and passes without running.
source "$(dirname "$0")/lib.sh"
e2e_begin "$@"

locked=$E2E_RUN/read-only-drive
mkdir -p "$locked"
if ! mount -t tmpfs -o ro,size=1m tmpfs "$locked" 2>/dev/null; then
    echo "SKIPPED: cannot mount a read-only tmpfs here (needs root and mount permission)"
    exit 0
fi
trap 'status=$?; umount -l "$locked" 2>/dev/null; (exit $status); e2e_end' EXIT
ln -s "$locked" "$WINEPREFIX/dosdevices/r:"

main=$(winpath "$ZV_MAIN_EXE")
docs=$E2E_C/docs
mkdir -p "$docs"
head -c 5000 /dev/urandom >"$docs/data.bin"
cp "$docs/data.bin" "$E2E_WORK/data.bin"
e2e_encrypt "$docs/data.bin" "$docs/sealed.ept"
cp "$docs/sealed.ept" "$E2E_WORK/sealed.ept"

# error TEXT: the error box, answered, and the program's end with 1.
error() {
    cat <<EOF
wait-box 30000
expect-box-caption "$ZV_TITLE"
expect-box-icon error
expect-box-buttons OK
expect-box-text $(q "$1")
answer OK
expect-exit 1
EOF
}

drv <<EOF
start "$main" "C:\docs\data.bin"
wait-window EncryptClass1
click-at EncryptClass1 20 280
expect-pixel EncryptClass1 28 281 0 0 255
click EncryptClass1 #426
wait-file-dialog
save-as $(q 'R:\x.EPT')
wait-gone "#32770"
expect-text EncryptClass1 #521 $(q 'R:\X.EPT')
type EncryptClass1 Edit:1 pw
type EncryptClass1 Edit:2 pw
click EncryptClass1 #423
$(error 'R:\X.EPT CAN NOT BE OPENED. ERROR NO. :0005')
EOF
expect_same_bytes "source after 0005" "$E2E_WORK/data.bin" "$docs/data.bin"
expect_eq "files beside the source after 0005" "data.bin sealed.ept" "$(ls "$docs" | tr '\n' ' ' | sed 's/ $//')"

drv <<EOF
start "$main" "C:\docs\sealed.ept"
wait-window DecryptClass1
click-at DecryptClass1 20 280
expect-pixel DecryptClass1 28 281 0 0 255
click DecryptClass1 #426
wait-file-dialog
save-as $(q 'R:\restored.bin')
wait-gone "#32770"
click DecryptClass1 #424
$(error 'R:\RESTORED.BIN CAN NOT BE OPENED. ERROR NO. :0007')
EOF
expect_same_bytes "encrypted file after 0007" "$E2E_WORK/sealed.ept" "$docs/sealed.ept"
expect_eq "files on the read-only drive" "" "$(ls -A "$locked")"
