#!/usr/bin/env bash
# The main program's entry, as the shell starts it: the command line taken as one
# path (quotes, blanks), an empty argument, files that cannot be opened, an
# ".ept" file without a header, an encrypted file under another extension (the
# repair question, its Yes, No and a failed rename), and the encrypt window
# opening for quoted and unquoted paths with blanks.
source "$(dirname "$0")/lib.sh"
e2e_begin "$@"

main=$(winpath "$ZV_MAIN_EXE")
docs=$E2E_C/docs
mkdir -p "$docs/a b" "$docs/my.dir"
printf 'plain text\n' >"$docs/plain.txt"
printf 'to encrypt\n' >"$docs/a b/c.txt"
head -c 163 /dev/zero >"$docs/short.ept"      # too short to carry a header
head -c 400 /dev/zero >"$docs/noheader.EPT"   # long enough, but no signatures
printf 'secret\n' >"$E2E_WORK/secret.txt"
for name in x.dat y.dat z.dat m.Ept taken.dat my.dir/noext; do
    e2e_encrypt "$E2E_WORK/secret.txt" "$docs/$name"
done
cp "$docs/x.dat" "$E2E_WORK/encrypted.bytes"
printf 'in the way\n' >"$docs/taken.EPT"

refusal() {
    printf 'SORRY! CAN NOT ENCRYPT ANY FILE WITH EXTENSION "EPT".\nSO TO ENCRYPT %s PLEASE CHANGE ITS EXTENSION.' "$1"
}
repair_question() {
    printf '%s IS AN ENCRYPTED FILE WITH WRONG EXTENSION\nIT CAN NOT BE ENCRYPTED OR DECRYPTED.\nDO YOU WANT TO CORRECT ITS EXTENSION?' "$1"
}

# error_case ARGUMENT TEXT: the program, started with ARGUMENT as the rest of its
# command line, shows TEXT in an error box without owner and ends with 1.
error_case() {
    cat <<EOF
start "$main" $1
wait-box
expect-box-caption "$ZV_TITLE"
expect-box-icon error
expect-box-buttons OK
expect-box-text $(q "$2")
answer OK
expect-exit 1
EOF
}

# repair_case ARGUMENT PATH ANSWER [THEN]: the repair question for PATH, answered
# ANSWER; THEN is the text of the box that follows, if one does.
repair_case() {
    cat <<EOF
start "$main" $1
wait-box
expect-box-caption "$ZV_TITLE"
expect-box-icon error
expect-box-buttons YES NO
expect-box-text $(q "$(repair_question "$2")")
answer $3
EOF
    if [ -n "${4:-}" ]; then
        cat <<EOF
wait-box
expect-box-caption "$ZV_TITLE"
expect-box-icon error
expect-box-text $(q "$4")
answer OK
EOF
    fi
    echo "expect-exit 1"
}

{
    # Nothing to open: exit 1 at once, no box (a box would hold the process).
    echo "start \"$main\""
    echo "expect-exit 1"
    echo "start \"$main\" \"\""
    echo "expect-exit 1"

    error_case '"C:\docs\missing.txt"' 'C:\docs\missing.txt CAN NOT BE OPENED. ERROR NO. :0001'
    error_case 'C:\docs\missing file.txt' 'C:\docs\missing file.txt CAN NOT BE OPENED. ERROR NO. :0001'
    error_case '"C:\docs"' 'C:\docs CAN NOT BE OPENED. ERROR NO. :0001'
    # A blank after the closing quote keeps the quotes: the file exists, the name does not.
    error_case '"C:\docs\plain.txt" ' '"C:\docs\plain.txt"  CAN NOT BE OPENED. ERROR NO. :0001'

    error_case '"C:\docs\short.ept"' "$(refusal 'C:\docs\short.ept')"
    error_case 'C:\docs\noheader.EPT' "$(refusal 'C:\docs\noheader.EPT')"

    repair_case '"C:\docs\x.dat"' 'C:\docs\x.dat' YES
    repair_case '"C:\docs\y.dat"' 'C:\docs\y.dat' NO
    repair_case 'C:\docs\z.dat' 'C:\docs\z.dat' YES
    repair_case '"C:\docs\m.Ept"' 'C:\docs\m.Ept' YES
    repair_case '"C:\docs\my.dir\noext"' 'C:\docs\my.dir\noext' YES
    repair_case '"C:\docs\taken.dat"' 'C:\docs\taken.dat' YES 'SORRY. UNABLE TO RENAME THE FILE.'
} | drv

# Yes renamed, keeping the bytes; No and the failed rename left everything.
expect_no_file "$docs/x.dat"
expect_same_bytes "x.dat renamed" "$E2E_WORK/encrypted.bytes" "$docs/x.EPT"
expect_same_bytes "y.dat after No" "$E2E_WORK/encrypted.bytes" "$docs/y.dat"
expect_no_file "$docs/y.EPT"
expect_no_file "$docs/z.dat"
expect_file "$docs/z.EPT"
# Wine keeps the case of a rename that changes only the case (Windows would show
# m.EPT); the name is the same file to Windows either way.
expect_same_bytes "m.Ept after Yes" "$E2E_WORK/encrypted.bytes" "$(ls -d "$docs"/m.[Ee][Pp][Tt])"
expect_no_file "$docs/my.dir/noext"
expect_file "$docs/my.dir/noext.EPT"
expect_same_bytes "taken.dat after a failed rename" "$E2E_WORK/encrypted.bytes" "$docs/taken.dat"
expect_eq "taken.EPT after a failed rename" "in the way" "$(cat "$docs/taken.EPT")"
expect_eq "short.ept after the refusal" 163 "$(stat -c %s "$docs/short.ept")"

# A path with blanks, quoted or not, opens the encrypt window, centred on the
# 1024x768 screen, proposing the same folder and name with ".EPT"; its close
# button ends the program with 1 and writes nothing.
for argument in '"C:\docs\a b\c.txt"' 'C:\docs\a b\c.txt'; do
    drv <<EOF
start "$main" $argument
wait-window EncryptClass1
expect-rect EncryptClass1 118 149 788 470
expect-text EncryptClass1 #521 $(q 'C:\DOCS\A B\C.EPT')
click EncryptClass1 #421
expect-exit 1
EOF
done
expect_eq "files beside c.txt" "c.txt" "$(ls "$docs/a b")"
