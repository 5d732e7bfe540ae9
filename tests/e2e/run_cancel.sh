#!/usr/bin/env bash
# Closing the progress window while a run goes on: the exit question of each
# kind; No keeps the run going to a complete file; Yes ends the program with 420
# and leaves no output (nor a partial one, nor harm to an older file of the
# destination's name), the source as it was. The sources are sparse files of
# some GiB, so the runs are still going when the answers come; they are removed
# at the end.
source "$(dirname "$0")/lib.sh"
e2e_begin "$@"

main=$(winpath "$ZV_MAIN_EXE")
docs=$E2E_C/docs
mkdir -p "$docs"
truncate -s 1536M "$docs/finish.bin"
truncate -s 6G "$docs/big.bin"
# An encrypted file of 6 GiB: a real header, then a sparse body.
: >"$E2E_WORK/movie.mkv"
e2e_encrypt "$E2E_WORK/movie.mkv" "$docs/movie.ept" pw
truncate -s $((6 * 1024 * 1024 * 1024 + 164)) "$docs/movie.ept"
head -c 164 "$docs/movie.ept" >"$E2E_WORK/movie.head"

# state FILE: size and modification time.
state() { stat -c '%s %Y' "$1"; }
big_before=$(state "$docs/big.bin")
movie_before=$(state "$docs/movie.ept")

no_password() {
    cat <<EOF
expect-box $(q 'YOU DID NOT GIVE A PASSWORD FOR THE ENCRYPTED FILE. SO ANYONE WHO POSSES THIS SOFTWARE CAN DECRYPT YOUR ENCRYPTED FILE.') OK
EOF
}

# exit_question KIND ANSWER: X on the progress window and the question for an
# ENCRYPTED or DECRYPTED file, answered.
exit_question() {
    cat <<EOF
click ClassThreadDispSta #421
wait-box
expect-box-caption "$ZV_TITLE"
expect-box-icon question
expect-box-buttons YES NO
expect-box-text $(q "IF YOU EXIT NOW THE $1 FILE WILL NOT BE CREATED.
DO YOU STILL WANT TO QUIT?")
answer $2
EOF
}

# No, and the run goes on to its end.
drv <<EOF
start "$main" "C:\docs\finish.bin"
wait-window EncryptClass1
click EncryptClass1 #423
$(no_password)
wait-window ClassThreadDispSta
$(exit_question ENCRYPTED NO)
expect-state ClassThreadDispSta . visible
expect-box $(q 'C:\docs\finish.bin HAS BEEN SUCCESSFULLY ENCRYPTED') OK 120000
expect-exit 1
EOF
expect_eq "size after No" $((1536 * 1024 * 1024 + 164)) "$(stat -c %s "$docs/FINISH.EPT")"
# The fixture's file of one zero byte under the same name: the same header, and
# the byte every zero byte of the body becomes.
head -c 1 /dev/zero >"$E2E_WORK/finish.bin"
e2e_encrypt "$E2E_WORK/finish.bin" "$E2E_WORK/finish.ept"
expect_same_bytes "header after No" <(head -c 164 "$E2E_WORK/finish.ept") <(head -c 164 "$docs/FINISH.EPT")
zero=$(tail -c 1 "$E2E_WORK/finish.ept" | od -An -to1 | tr -d ' ')
expect_eq "body bytes other than the zero byte's substitute after No" 0 \
    "$(tail -c +165 "$docs/FINISH.EPT" | tr -d "\\$zero" | wc -c)"
rm "$docs/FINISH.EPT" "$docs/finish.bin"

# No, then Yes, encrypting over an older file the user agreed to overwrite: the
# older file stays as it was.
printf 'an older encrypted file\n' >"$docs/BIG.EPT"
drv <<EOF
start "$main" "C:\docs\big.bin"
wait-window EncryptClass1
click EncryptClass1 #423
expect-box $(q 'C:\DOCS\BIG.EPT ALREADY EXISTS.
DO YOU WANT TO OVERWRITE IT?') YES
$(no_password)
wait-window ClassThreadDispSta
$(exit_question ENCRYPTED NO)
expect-file $(q 'C:\docs\~BIG.EPT.0.tmp')
# A few ticks later, for the picture: speeds and the time left are known.
expect-no-window "#32770" 2500
capture ClassThreadDispSta progress-mid-run.bmp
$(exit_question ENCRYPTED YES)
expect-exit 420
EOF
expect_eq "files after cancelling the encryption" "BIG.EPT big.bin movie.ept" "$(ls -A "$docs" | tr '\n' ' ' | sed 's/ $//')"
expect_eq "the older file after cancelling" "an older encrypted file" "$(cat "$docs/BIG.EPT")"
rm "$docs/BIG.EPT"
expect_eq "source after cancelling" "$big_before" "$(state "$docs/big.bin")"

# Yes, decrypting, with the about window opened from the progress window.
drv <<EOF
start "$main" "C:\docs\movie.ept"
wait-window DecryptClass1
type DecryptClass1 Edit:1 pw
click DecryptClass1 #424
wait-window ClassThreadDispSta
click-at ClassThreadDispSta 20 45
wait-window ClassThreadAbout
$(exit_question DECRYPTED NO)
expect-state ClassThreadAbout . visible
$(exit_question DECRYPTED YES)
expect-exit 420
EOF
expect_eq "files after cancelling the decryption" "big.bin movie.ept" "$(ls -A "$docs" | tr '\n' ' ' | sed 's/ $//')"
expect_eq "encrypted file after cancelling" "$movie_before" "$(state "$docs/movie.ept")"
expect_same_bytes "encrypted file's header after cancelling" "$E2E_WORK/movie.head" <(head -c 164 "$docs/movie.ept")
rm -f "$docs/big.bin" "$docs/movie.ept"
