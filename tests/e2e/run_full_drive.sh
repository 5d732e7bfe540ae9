#!/usr/bin/env bash
# A run whose destination drive fills up: the numbered error, no partial file
# left on that drive, the source kept even with the option to delete it on, and
# no success message. Drive T: is a 1 MiB tmpfs; where nothing can be mounted
# (no root, no mount permission) the test says so and passes without running.
source "$(dirname "$0")/lib.sh"
e2e_begin "$@"

small=$E2E_RUN/small-drive
mkdir -p "$small"
if ! mount -t tmpfs -o size=1m tmpfs "$small" 2>/dev/null; then
    echo "SKIPPED: cannot mount a small tmpfs here (needs root and mount permission)"
    exit 0
fi
# Unmounted before the harness removes the prefix; Wine may still hold it open.
trap 'status=$?; umount -l "$small" 2>/dev/null; (exit $status); e2e_end' EXIT
ln -s "$small" "$WINEPREFIX/dosdevices/t:"

main=$(winpath "$ZV_MAIN_EXE")
docs=$E2E_C/docs
mkdir -p "$docs"
head -c 3000000 /dev/urandom >"$docs/data.bin"
cp "$docs/data.bin" "$E2E_WORK/data.bin"
e2e_encrypt "$docs/data.bin" "$docs/sealed.ept"
cp "$docs/sealed.ept" "$E2E_WORK/sealed.ept"

# error TEXT: the error box, answered, and the program's end with 1.
error() {
    cat <<EOF
wait-box 60000
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
# The tick of the option that deletes the source.
expect-pixel EncryptClass1 28 281 0 0 255
click EncryptClass1 #426
wait-file-dialog
save-as $(q 'T:\x.EPT')
wait-gone "#32770"
type EncryptClass1 Edit:1 pw
type EncryptClass1 Edit:2 pw
click EncryptClass1 #423
wait-window ClassThreadDispSta
$(error 'T:\X.EPT CAN NOT BE WRITTEN. ERROR NO. :0013')
EOF
expect_eq "files on the full drive after encrypting" "" "$(ls -A "$small")"
expect_same_bytes "source after the failed encryption" "$E2E_WORK/data.bin" "$docs/data.bin"

drv <<EOF
start "$main" "C:\docs\sealed.ept"
wait-window DecryptClass1
click-at DecryptClass1 20 280
# The tick of the option that deletes the source.
expect-pixel DecryptClass1 28 281 0 0 255
click DecryptClass1 #426
wait-file-dialog
save-as $(q 'T:\restored.bin')
wait-gone "#32770"
click DecryptClass1 #424
wait-window ClassThreadDispSta
$(error 'T:\RESTORED.BIN CAN NOT BE WRITTEN. ERROR NO. :0013')
EOF
expect_eq "files on the full drive after decrypting" "" "$(ls -A "$small")"
expect_same_bytes "encrypted file after the failed decryption" "$E2E_WORK/sealed.ept" "$docs/sealed.ept"
