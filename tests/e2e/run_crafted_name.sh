#!/usr/bin/env bash
# A stored name is only a proposal from a file anyone can craft: "a.txt:hidden"
# (on NTFS a hidden stream of a.txt) is proposed as the plain file
# A.TXT_HIDDEN beside the encrypted file, and decrypted into it.
source "$(dirname "$0")/lib.sh"
e2e_begin "$@"

main=$(winpath "$ZV_MAIN_EXE")
docs=$E2E_C/docs
mkdir -p "$docs"
printf 'what the crafted file holds\n' >"$E2E_WORK/a.txt_hidden"
e2e_encrypt "$E2E_WORK/a.txt_hidden" "$docs/crafted.ept"
# The name field holds the name reversed, each byte complemented: the "_" of
# "a.txt_hidden" (index 5 of 12) lies at offset 20 + 6. It becomes ":".
expect_eq "stored byte of _" a0 "$(od -An -tx1 -j 26 -N 1 "$docs/crafted.ept" | tr -d ' ')"
printf '\305' | dd of="$docs/crafted.ept" bs=1 seek=26 conv=notrunc status=none

drv <<EOF
start "$main" "C:\docs\crafted.ept"
wait-window DecryptClass1
expect-text DecryptClass1 #521 $(q 'C:\DOCS\A.TXT_HIDDEN')
click DecryptClass1 #424
wait-window ClassThreadDispSta
expect-box $(q 'C:\docs\crafted.ept HAS BEEN SUCCESSFULLY DECRYPTED') OK 60000
expect-exit 1
EOF
expect_same_bytes "the restored file" "$E2E_WORK/a.txt_hidden" "$docs/A.TXT_HIDDEN"
expect_eq "files in the folder" "A.TXT_HIDDEN crafted.ept" "$(cd "$docs" && LC_ALL=C ls | tr '\n' ' ' | sed 's/ $//')"
