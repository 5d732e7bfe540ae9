#!/usr/bin/env bash
# A destination that cannot be created, found only once the run starts (the
# windows accept it): encrypting reports 0005 and decrypting 0007, each with the
# destination's path; the program ends with 1 and leaves the file it started
# from in place although the option to delete it is on. Drive R: is a read-only
# tmpfs.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/run_drive_lib.sh"
e2e_begin "$@"

drive_mounted r ro
sources_made 5000

failing_run encrypt 'R:\x.EPT' 'R:\X.EPT CAN NOT BE OPENED. ERROR NO. :0005' | drv
expect_same_bytes "source after 0005" "$E2E_WORK/data.bin" "$docs/data.bin"
expect_eq "files beside the source after 0005" "data.bin sealed.ept" "$(ls "$docs" | tr '\n' ' ' | sed 's/ $//')"

failing_run decrypt 'R:\restored.bin' 'R:\RESTORED.BIN CAN NOT BE OPENED. ERROR NO. :0007' | drv
expect_same_bytes "encrypted file after 0007" "$E2E_WORK/sealed.ept" "$docs/sealed.ept"
expect_eq "files on the read-only drive" "" "$(ls -A "$drive_folder")"
