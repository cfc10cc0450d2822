#!/usr/bin/env bash
# playfair-check as a teacher runs it: pupils' homework on the key word
# RODINA marked as text and as JSON, every slip named, the exit statuses, and
# every kind of bad input, which gets one line on standard error, nothing on
# standard output and exit status 2.
#     check_command.sh <playfair-check>
set -uo pipefail
program=$1
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

failures=0
run() { # arguments... (standard input from $input)
    timeout 60 "$program" "$@" >"$scratch/out" 2>"$scratch/err" <"${input:-/dev/null}"
    status=$?
}
check() { # description, expected, actual
    if [ "$2" = "$3" ]; then
        echo "PASS: $1"
    else
        echo "FAIL: $1"
        echo "    expected: $2"
        echo "    got:      $3"
        echo "    standard output:"; sed 's/^/    | /' "$scratch/out"
        echo "    standard error:";  sed 's/^/    | /' "$scratch/err"
        failures=$((failures + 1))
    fi
}
field() { # name: a number field of the JSON object on standard output
    sed -n "s/.*\"$1\": \\([0-9]*\\).*/\\1/p" "$scratch/out"
}
mistakes() { # the pairs' "mistake" fields, one a line
    grep -o '"mistake": [a-z"-]*' "$scratch/out" | sed 's/"mistake": //; s/"//g' | tr '\n' ' ' | sed 's/ $//'
}
kinds() { # the preparation notes' kinds and pairs
    grep -o '"kind": "[a-z-]*", "pair": [0-9a-z]*' "$scratch/out" | sed 's/"kind": "//; s/", "pair": /@/' |
        tr '\n' ' ' | sed 's/ $//'
}
answer() { # text: the pupil's answer file
    printf '%s' "$1" >"$scratch/answer"
}

# Hello, world! prepared the textbook way is HE LX LO WO RL DX, whose cipher
# on RODINA is LB KY HI OB IG CD.
printf 'Hello, world!\n' >"$scratch/message"

answer "lbky hiob igcd"
run --key RODINA --message "$scratch/message" --answer "$scratch/answer"
check "all right: status 0" 0 "$status"
check "all right: the score" "Score: 6 of 6 pairs right" "$(tail -n 1 "$scratch/out")"
check "all right: a line for each pair" 6 "$(grep -c '  right$' "$scratch/out")"
check "all right: nothing on standard error" "" "$(cat "$scratch/err")"
run --key rodina --message "$scratch/message" --answer "$scratch/answer" --json
check "all right, JSON: status 0" 0 "$status"
check "all right, JSON: one line" 1 "$(wc -l <"$scratch/out")"
check "all right, JSON: every mistake null" "null null null null null null" "$(mistakes)"
check "all right, JSON: right" 6 "$(field right)"
check "all right, JSON: total" 6 "$(field total)"
check "all right, JSON: the first pair" '{"given": "HE", "expected": "LB", "answer": "LB", "right": true, "mistake": null}' \
    "$(grep -o '{"given": "HE"[^}]*}' "$scratch/out")"

# The filler between the Ls forgotten: HE LL OW OR LD, each pair right.
answer "LB LL BO DO KI"
run --key RODINA --message "$scratch/message" --answer "$scratch/answer" --json
check "a forgotten filler: status 1" 1 "$status"
check "a forgotten filler: only the doubled pair is wrong" "null unknown null null null" "$(mistakes)"
check "a forgotten filler: the note" "missing-filler@2" "$(kinds)"
check "a forgotten filler: right" 4 "$(field right)"
check "a forgotten filler: total" 5 "$(field total)"
run --key RODINA --message "$scratch/message" --answer "$scratch/answer"
check "a forgotten filler, as text: the note" \
    "  pair 2: the doubled L needs an X between its letters: the pair is LX." \
    "$(sed -n '/^Preparation:/{n;p;}' "$scratch/out")"

# Every slip, each pair answered with one.
answer "BL KC LZ HE XW"
printf 'he he he he he' >"$scratch/hehe"
run --key RODINA --message "$scratch/hehe" --answer "$scratch/answer" --json
check "slips on a rectangle" "order plain-square one-letter unchanged unknown" "$(mistakes)"
run --key RODINA --message "$scratch/hehe" --answer "$scratch/answer"
check "slips as text: the order" \
    "1     HE     LB      BL      order: the right letters in the wrong order" "$(sed -n 5p "$scratch/out")"
check "slips as text: one letter" \
    "3     HE     LB      LZ      one-letter: one letter right (the first)" "$(sed -n 7p "$scratch/out")"
# BC, EF, LY, HE: a row pair, a row pair at the right edge, a column pair at
# the bottom edge, a rectangle; their cipher pairs CE FA TI LB.
printf 'BCEFLYHE' >"$scratch/lines"
answer "AB FG YE KF"
run --key RODINA --message "$scratch/lines" --answer "$scratch/answer" --json
check "slips on rows and columns" "direction no-wrap two-steps wrong-rule" "$(mistakes)"
answer "AB CE LB"
printf 'BCEFHE' >"$scratch/other"
run --key RODINA --message "$scratch/other" --answer "$scratch/answer" --json
check "decrypted instead of encrypted" "other-direction other-direction null" "$(mistakes)"
check "decrypted instead of encrypted: status 1" 1 "$status"

# Decrypting: the fillers left out of the plaintext are no mistake.
printf 'LBKYHIOBIGCD' >"$scratch/cipher"
answer "Hello world"
run --key RODINA --decrypt --message "$scratch/cipher" --answer "$scratch/answer" --json
check "decrypting, fillers left out: status 0" 0 "$status"
check "decrypting, fillers left out: the notes" "filler-left-out@2 filler-left-out@6" "$(kinds)"
check "decrypting, fillers left out: right" 6 "$(field right)"
answer "HELXLOWORLDX"
input=$scratch/answer run --key RODINA --decrypt --message "$scratch/cipher" --answer -
check "decrypting, the answer from standard input: status 0" 0 "$status"
check "decrypting, the answer from standard input: the score" "Score: 6 of 6 pairs right" "$(tail -n 1 "$scratch/out")"

bad() { # description, expected message, arguments...
    local what=$1 message=$2
    shift 2
    run "$@"
    check "$what: status 2" 2 "$status"
    check "$what: the message" "playfair-check: $message" "$(cat "$scratch/err")"
    check "$what: nothing on standard output" "" "$(cat "$scratch/out")"
}
answer "LB"
bad "no key" "--key is needed." --message "$scratch/message" --answer "$scratch/answer"
bad "no answer" "--answer is needed." --key RODINA --message "$scratch/message"
bad "a key of no letters" "--key '123 …': the key has no letters (A to Z)." \
    --key "123 …" --message "$scratch/message" --answer "$scratch/answer"
printf '12, 34 – Среща' >"$scratch/none"
bad "a message of no letters" "--message: the message has no letters (A to Z)." \
    --key RODINA --message "$scratch/none" --answer "$scratch/answer"
bad "an answer of no letters" "--answer: the ciphertext has no letters (A to Z)." \
    --key RODINA --message "$scratch/message" --answer "$scratch/none"
bad "both from standard input" "only one of --message and --answer can be read from standard input." \
    --key RODINA --message - --answer -
bad "a missing file" "--answer: cannot read '$scratch/gone.txt': there is no such file." \
    --key RODINA --message "$scratch/message" --answer "$scratch/gone.txt"
bad "a folder" "--message: '$scratch' is a folder, not a file with a message." \
    --key RODINA --message "$scratch" --answer "$scratch/answer"
bad "an endless input" "--answer: the input is longer than 1 MiB, more than any ciphertext: give the ciphertext alone." \
    --key RODINA --message "$scratch/message" --answer /dev/zero
printf 'LB\0\001KY' >"$scratch/binary"
bad "a binary input" "--answer: the input is binary, not a text." \
    --key RODINA --message "$scratch/message" --answer "$scratch/binary"
bad "a word beside the options" "give the texts with --message and --answer, not as 'extra'." \
    --key RODINA --message "$scratch/message" --answer "$scratch/answer" extra

exit $((failures > 0))
