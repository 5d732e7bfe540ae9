#!/usr/bin/env bash
# A run whose destination drive fills up: the numbered error, no partial file
# left on that drive, the source kept even with the option to delete it on, and
# no success message. Drive T: is a 1 MiB tmpfs.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/run_drive_lib.sh"
e2e_begin "$@"

drive_mounted t rw
sources_made 3000000

failing_run encrypt 'T:\x.EPT' 'T:\X.EPT CAN NOT BE WRITTEN. ERROR NO. :0013' progress | drv
expect_eq "files on the full drive after encrypting" "" "$(ls -A "$drive_folder")"
expect_same_bytes "source after the failed encryption" "$E2E_WORK/data.bin" "$docs/data.bin"

failing_run decrypt 'T:\restored.bin' 'T:\RESTORED.BIN CAN NOT BE WRITTEN. ERROR NO. :0013' progress | drv
expect_eq "files on the full drive after decrypting" "" "$(ls -A "$drive_folder")"
expect_same_bytes "encrypted file after the failed decryption" "$E2E_WORK/sealed.ept" "$docs/sealed.ept"
