#!/usr/bin/env bash
# playfair-break as a user runs it: a ciphertext in five-letter groups from a
# file and from standard input, the JSON result, and every kind of bad input,
# which gets one line on standard error, nothing on standard output and exit
# status 2.
#     break_command.sh <playfair-break> <data folder>
set -uo pipefail
program=$1
data=$2
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

failures=0
run() { # arguments... (standard input from $input)
    timeout 600 "$program" "$@" >"$scratch/out" 2>"$scratch/err" <"${input:-/dev/null}"
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
field() { # name: a string or number field of the JSON object on standard output
    sed -n "s/.*\"$1\": \"\\{0,1\\}\\([^\",}]*\\).*/\\1/p" "$scratch/out"
}

plain=$(tr -d '\n' <"$data/plaintext_en_200.txt")

# A ciphertext of 200 letters in groups, mixed case, with digits and signs.
# One thread and a seed make the run repeatable: the searches agree after the
# same number of keys on any machine, so the time limit is only a safety net.
input= run --json --threads 1 --seed 1 --time-limit 300 "$data/ciphertext_en_200.txt"
check "a file: status" 0 "$status"
check "a file: the plaintext" "$plain" "$(field plaintext)"
check "a file: stopped confident" confident "$(field stopped)"
check "a file: the language" en "$(field language)"
check "a file: a square of 25 letters" 25 "$(field square | tr -cd 'A-Z' | wc -c)"
check "a file: one line of JSON, nothing else" 1 "$(wc -l <"$scratch/out")"
check "a file: nothing on standard error" "" "$(cat "$scratch/err")"

input=$data/ciphertext_en_200.txt run --threads 1 --seed 1 --time-limit 300
check "standard input: status" 0 "$status"
check "standard input from a file: nothing on standard error" "" "$(cat "$scratch/err")"
check "standard input: the plaintext in pairs" "GA ND RA VI NG IN MY AN GU IS HO FM IN DI WE NT DO WN TO TH" \
    "$(sed -n '/^Plaintext:/{n;p;}' "$scratch/out")"
check "standard input: why it stopped" "Stopped: confident" "$(grep -o '^Stopped: [a-z-]*' "$scratch/out")"

# A classroom message: 42 letters on the key word RODINA, which the key-word
# attack names; the words are a reading aid.
input= run --json --threads 1 --seed 1 --time-limit 60 "$data/ciphertext_rodina_42.txt"
check "a key word: status" 0 "$status"
check "a key word: the key word" RODINA "$(field keyword)"
check "a key word: the words" "MEET ME AT THE SCHOOL GATE AFTER THE LAST LESSON" "$(field words)"
check "a key word: stopped confident" confident "$(field stopped)"
input= run --threads 1 --seed 1 --time-limit 60 "$data/ciphertext_rodina_42.txt"
check "a key word, for a person" "Key word: RODINA" "$(grep '^Key word:' "$scratch/out")"
input= run --json --square random --threads 1 --seed 1 --time-limit 1 "$data/ciphertext_rodina_42.txt"
check "--square random: no key word" null "$(field keyword)"
printf 'garden\nРодина\n' >"$scratch/class.txt"
input= run --json --square keyword --word-list "$scratch/class.txt" --threads 1 --seed 1 --time-limit 60 \
    "$data/ciphertext_rodina_42.txt"
check "a class's word list: the key word" RODINA "$(field keyword)"

# A message as it stands in the book: five-letter groups, the last filled up
# with X after enciphering, doubled letters left as they were, the key word
# written in by columns, the language not given.
plain=$(tr -d '\n' <"$data/plaintext_harbour_kept.txt")
input= run --json --doubles kept --threads 1 --seed 1 --time-limit 120 "$data/ciphertext_harbour_kept.txt"
check "doubles kept: status" 0 "$status"
check "doubles kept: the plaintext, doubled letters and all" "$plain" "$(field plaintext)"
check "doubles kept: the key word" HARBOUR "$(field keyword)"
check "doubles kept: its route" columns "$(field route)"
check "doubles kept: the language, found" "en true" "$(field language) $(field language_found)"
check "doubles kept: the padding set aside" XXX "$(field set_aside)"
input= run --doubles kept --threads 1 --seed 1 --time-limit 120 "$data/ciphertext_harbour_kept.txt"
check "doubles kept, for a person: the key word and route" "Key word: HARBOUR, written in by columns" \
    "$(grep '^Key word:' "$scratch/out")"
check "doubles kept, for a person: the padding" \
    "Note: The last 3 letters, XXX, were set aside: a letter repeated after the last pair, which no Playfair square gives, so padding that filled up the last group of five." \
    "$(grep '^Note: The last' "$scratch/out")"
input= run --threads 1 --seed 1 --time-limit 120 "$data/ciphertext_harbour_kept.txt"
check "doubles split: the doubled pair refused" \
    "playfair-break: The pair LL at letter 43 holds two equal letters, which no Playfair square gives. If the message left its doubled letters as they were, as some real messages did, --doubles kept breaks it so." \
    "$(cat "$scratch/err")"

# A Bulgarian message on a square written in as a spiral, its language left
# to the search.
plain=$(tr -d '\n' <"$data/plaintext_rodina_spiral.txt")
input= run --json --threads 1 --seed 1 --time-limit 120 "$data/ciphertext_rodina_spiral.txt"
check "a spiral: the plaintext" "$plain" "$(field plaintext)"
check "a spiral: the key word and route" "RODINA spiral" "$(field keyword) $(field route)"
check "a spiral: the language found" "bg true" "$(field language) $(field language_found)"
input= run --threads 1 --seed 1 --time-limit 120 "$data/ciphertext_rodina_spiral.txt"
check "a spiral, for a person: the language" "Language: Bulgarian (in Latin letters), found by the search" \
    "$(grep -o '^Language: [^:]*' "$scratch/out")"

# Two letters garbled in transmission: the text still breaks, and their
# pairs are marked.
input= run --json --language en --threads 1 --seed 1 --time-limit 120 "$data/ciphertext_en_200_garbled.txt"
check "garbled: the key word" MONARCHY "$(field keyword)"
check "garbled: the pairs marked" "[31, 71]" "$(sed -n 's/.*"garbled": \(\[[^]]*\]\).*/\1/p' "$scratch/out")"
check "garbled: the text reads on" null "$(field unreadable_from)"
input= run --language en --threads 1 --seed 1 --time-limit 120 "$data/ciphertext_en_200_garbled.txt"
check "garbled, for a person: the marks" "ST ON [MT] HE" "$(grep -o 'ST ON \[MT\] HE' "$scratch/out")"
check "garbled, for a person: the note" \
    "Note: pairs 31 and 71, in brackets above, read far worse than any other pair would there: likely garbled in transmission (a letter changed)." \
    "$(grep '^Note: pairs' "$scratch/out")"

list() { # name: the strings of a JSON array field, one a line
    sed -n "s/.*\"$1\": \[\([^]]*\)\].*/\1/p" "$scratch/out" | tr -d '"' | tr ',' '\n' | sed 's/^ //'
}

# Known pairs without a ciphertext: what follows, and the key words that fit.
# The first four pairs of the RODINA message name its key word first.
input= run --json --known me=LF --known et=ly --known AT=EP --known th=QL
check "known pairs: status" 0 "$status"
check "known pairs: consistent" true "$(field consistent)"
check "known pairs: no contradiction" null "$(field contradiction)"
check "known pairs: the key word first" RODINA "$(list keywords | head -1)"
check "known pairs: four pairs do not determine the key" null "$(field square_key)"
check "known pairs: a square of 25 cells" 25 "$(field square | wc -c | awk '{print $1 - 1}')"
check "known pairs: the rules of a pair" "same-column" "$(sed -n 's/.*"ET=LY", "rules": \[\([^]]*\)\].*/\1/p' "$scratch/out" | tr -d '"')"
input= run --known me=LF --known et=ly --known AT=EP --known th=QL
check "known pairs, for a person" "   1. RODINA" "$(grep -A1 '^Key words that fit' "$scratch/out" | tail -1)"
input= run --json --known th=PI --known ab=CD --known ht=PI
check "contradicting pairs: status 1" 1 "$status"
check "contradicting pairs: not consistent" false "$(field consistent)"
check "contradicting pairs: named by their numbers" "1, 3" "$(sed -n 's/.*"contradiction": \[\([^]]*\)\].*/\1/p' "$scratch/out")"
input= run --known th=PI --known ab=CD --known ht=PI
check "contradicting pairs, for a person" "Contradiction: pairs 1 and 3 (TH=PI, HT=PI) cannot all hold in one square." \
    "$(grep '^Contradiction' "$scratch/out")"

# A known plaintext with its ciphertext: the square the two fix, and its key word.
printf 'Meet me at the school gate after the last lesson.\n' >"$scratch/plain.txt"
input= run --plaintext "$scratch/plain.txt" "$data/ciphertext_rodina_42.txt"
check "a known plaintext: status" 0 "$status"
check "a known plaintext: the key word" "Key word: RODINA" "$(grep '^Key word:' "$scratch/out")"
check "a known plaintext: the square as far as it follows" "    R O D I N|    . W X Y Z" \
    "$(sed -n '/^Square, as far/{n;p;n;n;n;n;p;}' "$scratch/out" | paste -sd'|')"
check "a known plaintext: the key the square determines, the A of RODINA continuing the alphabet" \
    "The square determines its key: RODIN, spelt RODINA" \
    "$(grep -o '^The square determines its key: RODIN, spelt [A-Z]*' "$scratch/out")"
input= run --json --plaintext "$scratch/plain.txt" "$data/ciphertext_rodina_42.txt"
check "a known plaintext, as JSON" RODINA "$(list keywords)"
check "a known plaintext, as JSON: the key the square determines" RODIN "$(field letters)"
check "a known plaintext, as JSON: its spelling" RODINA "$(list words | head -1)"
# A phrase in no list, its words listed: HEADLONG is too rare for the
# phrase lists, and the square left by 30 letters is spelt by the words.
printf 'THETIMETRAVELXLERFORSOITWILXLB\n' >"$scratch/plain30.txt"
printf 'PLMUTLMUODZFDYNMMORMQRTYYBDYAI\n' >"$scratch/cipher30.txt"
input= run --plaintext "$scratch/plain30.txt" "$scratch/cipher30.txt"
check "a known plaintext: a phrase in no list" "Key word: FORMER HEADLONG" "$(grep '^Key word:' "$scratch/out")"

# Known pairs bind the search over a ciphertext; pairs that contradict
# each other end it before it starts.
input= run --json --known me=LF --known "?e=TL" --square keyword --threads 1 --seed 1 --time-limit 60 \
    "$data/ciphertext_rodina_42.txt"
check "known pairs with a ciphertext: the key word" RODINA "$(field keyword)"
input= run --json --known xy=LF --square keyword --threads 1 --seed 1 --time-limit 2 "$data/ciphertext_rodina_42.txt"
check "a known pair binds both places of its cipher pair" "XY XY" "$(field plaintext | cut -c1-2,5-6 | sed 's/../& /;s/ $//')"
input= run --known th=PI --known ht=PI "$data/ciphertext_rodina_42.txt"
check "contradicting pairs with a ciphertext: status 1" 1 "$status"
check "contradicting pairs with a ciphertext: the message" \
    "playfair-break: the known pairs 1 and 2 (TH=PI, HT=PI) contradict each other: no square gives them all." \
    "$(cat "$scratch/err")"

bad() { # description, stdin text, expected message, arguments...
    local what=$1 text=$2 message=$3
    shift 3
    printf '%s' "$text" >"$scratch/in"
    input=$scratch/in run "$@"
    check "$what: status 2" 2 "$status"
    check "$what: the message" "playfair-break: $message" "$(cat "$scratch/err")"
    check "$what: nothing on standard output" "" "$(cat "$scratch/out")"
}
bad "no letters" "12 345, -" "The text has no letters."
bad "Cyrillic letters only, on the classic square" "Среща при моста, 7 ч." \
    "The text has Cyrillic letters only: a Playfair ciphertext is written in Latin letters (A to Z)." --alphabet latin-ij
bad "a lone letter" "A" "The text has only one letter, which has no pair, so this is no Playfair ciphertext."
bad "a doubled pair" "ABCD EEFG" \
    "The pair EE at letter 5 holds two equal letters, which no Playfair square gives. If the message left its doubled letters as they were, as some real messages did, --doubles kept breaks it so."
bad "a doubled pair on a Cyrillic square" "АБВВГД" \
    "The pair at letter 3 is ВВ: no Playfair square gives a pair of two equal letters."
bad "English asked of a Cyrillic square" "АБВГ" "--language must be bg or auto on a Cyrillic square." --language en
bad "an unknown language" "ABCD" "--language must be auto, en or bg, not 'de'." --language de
bad "an unknown way with doubles" "ABCD" "--doubles must be split or kept, not 'twice'." --doubles twice
bad "a negative time limit" "ABCD" "--time-limit must be a number of seconds, 0 or none for no limit, not '-1'." \
    --time-limit -1
bad "no threads" "ABCD" "--threads must be a whole number from 1, not '0'." --threads 0
bad "a crib place without a crib" "ABCD" "--crib-at needs --crib." --crib-at 3
bad "a crib that contradicts the text" "ABCDEFGH" \
    "The crib cannot stand at letter 1: there it contradicts the ciphertext (Playfair never turns a letter into itself)." \
    --crib ABXY --crib-at 1
bad "a missing file" "" "cannot read '$scratch/none.txt': there is no such file." "$scratch/none.txt"
printf 'BMODZ' >"$scratch/file"
bad "a path through a file" "" "cannot read '$scratch/file/none.txt': a part of its path is not a folder." \
    "$scratch/file/none.txt"
if [ "$(id -u)" -ne 0 ]; then # root reads any file
    printf 'BMODZ' >"$scratch/locked" && chmod 000 "$scratch/locked"
    bad "a file without read permission" "" "cannot read '$scratch/locked': permission denied." "$scratch/locked"
fi
bad "a folder for a file" "" "'$scratch' is a folder, not a file with a ciphertext." "$scratch"
bad "an endless input" "" "the input is longer than 1 MiB, more than any ciphertext: give the ciphertext alone." /dev/zero
bad "an unknown kind of square" "ABCD" "--square must be keyword, random or any, not 'round'." --square round
bad "a missing word list" "ABCD" "the word list '$scratch/none.txt' does not exist." --word-list "$scratch/none.txt"
bad "a folder for a word list" "ABCD" "the word list '$scratch' is a folder, not a file." --word-list "$scratch"
bad "a known pair that is no pair" "" \
    "--known 'th=P': not a known pair: give two plain letters, '=' and their two cipher letters, as in th=PI (? for a letter not known)." \
    --known th=P
bad "a known pair with a doubled plain letter" "" \
    "--known 'ee=PI': the plain pair EE holds two equal letters, which no Playfair message has." --known ee=PI
bad "a known pair with a doubled cipher letter" "" \
    "--known 'th=PP': the cipher pair PP holds two equal letters, which no Playfair square gives." --known th=PP
bad "a letter its own cipher letter" "" \
    "--known 'th=TI': T would be its own cipher letter, which Playfair never gives." --known th=TI
bad "a known plaintext without a ciphertext" "" "--plaintext needs the ciphertext, from FILE or standard input." \
    --known th=PI --plaintext "$scratch/plain.txt"
bad "a known plaintext of another length" "ABCD" \
    "--plaintext: the plaintext has 42 letters as a Playfair message (an X between doubled letters, one to even the end) and the ciphertext 4: give the plaintext of the whole ciphertext." \
    --plaintext "$scratch/plain.txt"

# On a terminal, standard input is a person typing: one line on standard
# error says how to end the input, and the program waits for it, however
# long. script(1) gives the program a terminal and types the text and Ctrl+D.
if command -v script >/dev/null; then
    printf 'BMODZ BXDNA BEKUD M\n\004' |
        timeout 60 script -qfec "'$program' --json --threads 1 --seed 1 --time-limit 1" /dev/null |
        tr -d '\r' >"$scratch/out"
    status=${PIPESTATUS[1]}
    : >"$scratch/err"
    check "a terminal: status" 0 "$status"
    check "a terminal: one line says how to end the input" 1 \
        "$(grep -cxF "playfair-break: reading the ciphertext from the terminal: type or paste it, then press Ctrl+D on a line of its own (or give a FILE)." "$scratch/out")"
    check "a terminal: the text typed is read" HIDETHEGOLDINTHE "$(field plaintext)"
fi

# A hunt with no time limit ends when the answer is beyond doubt, or on
# Ctrl+C (SIGINT) with the best result so far and status 130.
input= run --json --threads 1 --seed 1 --time-limit none "$data/ciphertext_rodina_42.txt"
check "no time limit: the key word" "RODINA confident" "$(field keyword) $(field stopped)"
timeout --preserve-status -s INT 2 "$program" --json --square random --threads 1 --seed 1 --time-limit 0 \
    <"$data/ciphertext_rodina_42.txt" >"$scratch/out" 2>"$scratch/err"
status=$?
check "no time limit, Ctrl+C: status 130" 130 "$status"
check "no time limit, Ctrl+C: the best so far, cancelled" cancelled "$(field stopped)"

# The other alphabets: chosen by the text's letters (auto) or as asked, the
# square rows x columns in the JSON. Each text's key is a word of the lists,
# so it breaks in a moment.
input= run --json --threads 2 --seed 1 --time-limit 60 "$data/ciphertext_cyrillic_rodina.txt"
check "Cyrillic: status" 0 "$status"
check "Cyrillic: the alphabet, rows and columns" "cyrillic 5 6" "$(field alphabet) $(field rows) $(field columns)"
check "Cyrillic: why" "the text has Cyrillic letters" "$(field alphabet_reason)"
check "Cyrillic: the key word" "РОДИНА confident bg" "$(field keyword) $(field stopped) $(field language)"
check "Cyrillic: the plaintext" "КОГАТОДОЙДЕПРОЛЕТЬТАДЕЦАТА" "$(field plaintext | cut -c1-52)"
check "Cyrillic: a square of 30 letters" 30 "$(field square | tr -d '\n' | wc -m)"
input= run --alphabet cyrillic --threads 2 --seed 1 --time-limit 60 "$data/ciphertext_cyrillic_rodina.txt"
check "Cyrillic asked, for a person: the alphabet" "Alphabet: cyrillic (5 x 6: the 30 Bulgarian letters А to Я)" \
    "$(grep '^Alphabet:' "$scratch/out")"
check "Cyrillic asked, for a person: the square's first row" "    Р О Д И Н А" "$(sed -n '/^Square:/{n;p;}' "$scratch/out")"
# Padding after the last pair on a Cyrillic square, as on the classic one: a
# run of one letter no square gives, and two nulls of the fillers Ь and Ю
# that the plaintext reads far better without.
printf '%s ЖЖЖ\n' "$(tr -d '\n' <"$data/ciphertext_cyrillic_rodina.txt")" >"$scratch/run.txt"
input= run --json --threads 2 --seed 1 --time-limit 60 "$scratch/run.txt"
check "Cyrillic padding, a run of one letter: set aside" "ЖЖЖ" "$(field set_aside)"
check "Cyrillic padding, a run of one letter: the plaintext ends before it" "ЗАДПЛАНИНАТАЬ" "$(field plaintext | grep -o '.............$')"
printf '%sЬЮ\n' "$(tr -d '\n' <"$data/ciphertext_cyrillic_rodina.txt")" >"$scratch/nulls.txt"
input= run --threads 2 --seed 1 --time-limit 60 "$scratch/nulls.txt"
check "Cyrillic padding, two nulls: named for a person" \
    "Note: The last 2 letters, ЬЮ, were set aside: the plaintext reads far better without them, so padding after the last pair that filled up the last group of five." \
    "$(grep '^Note:' "$scratch/out")"
input= run --json --threads 2 --seed 1 --time-limit 60 "$data/ciphertext_digits_harbour.txt"
check "6 x 6: the alphabet, rows and columns" "latin-digits 6 6" "$(field alphabet) $(field rows) $(field columns)"
check "6 x 6: the key word" "HARBOUR confident" "$(field keyword) $(field stopped)"
check "6 x 6: digits in the plaintext" "TOMORROWBRING3LANTERNS" "$(field plaintext | grep -o 'TOMORROW[A-Z0-9]*NS')"
input= run --json --threads 2 --seed 1 --time-limit 60 "$data/ciphertext_latinq_forest.txt"
check "without Q, by its J: the alphabet" "latin-q 5 5" "$(field alphabet) $(field rows) $(field columns)"
check "without Q: the key word and a J kept" "FOREST JUSTAUICKJOKE" "$(field keyword) $(field plaintext | cut -c1-13)"
input= run --json --threads 1 --seed 1 --time-limit 60 "$data/ciphertext_rodina_42.txt"
check "the classic square in the JSON" "latin-ij 5 5" "$(field alphabet) $(field rows) $(field columns)"
input= run --alphabet greek "$data/ciphertext_rodina_42.txt"
check "an unknown alphabet: status 2" 2 "$status"
check "an unknown alphabet: the message" \
    "playfair-break: --alphabet must be auto, latin-ij, latin-q, latin-digits or cyrillic, not 'greek'." "$(cat "$scratch/err")"

# Known pairs and a known plaintext on the square without Q: its letters keep
# their names (J its own, no Q), and the key word JUNGLE is read in it.
printf 'Jack and Jill went up the hill to fetch a pail of water; Jack fell down and broke his crown\n' >"$scratch/jack.txt"
printf 'UEKSB UELMN UZBJP LROFA IKNZD ZVODO AKHWB HJTHV DPBOU EKSOF NZDMP VUBLB IXSFA FKRBS PVBN\n' >"$scratch/jungle.txt"
input= run --alphabet latin-q --known ja=UE --known ck=KS --known an=BU --known dj=EL --known il=MN
check "latin-q known pairs: status" 0 "$status"
check "latin-q known pairs: the alphabet named" "Alphabet: latin-q (5 x 5: A to Z without Q)" "$(head -1 "$scratch/out")"
check "latin-q known pairs: J shown as J" "   4. DJ=EL   rectangle" "$(grep '^   4\.' "$scratch/out")"
check "latin-q known pairs: the key word" "   1. JUNGLE" "$(grep -A1 '^Key words that fit' "$scratch/out" | tail -1)"
input= run --json --alphabet latin-q --known ja=UE --known ck=KS --known an=BU --known dj=EL --known il=MN
check "latin-q known pairs, as JSON: the key word first" JUNGLE "$(list keywords | head -1)"
check "latin-q known pairs, as JSON: the alphabet" "latin-q 5 5" "$(field alphabet) $(field rows) $(field columns)"
input= run --plaintext "$scratch/jack.txt" "$scratch/jungle.txt"
check "latin-q plaintext, by its J: the alphabet and why" \
    "Alphabet: latin-q (5 x 5: A to Z without Q), taken because the text has a J and no Q" "$(head -1 "$scratch/out")"
check "latin-q plaintext: the key word" "Key word: JUNGLE" "$(grep '^Key word:' "$scratch/out")"
check "latin-q plaintext: the square as far as it follows" "    J U N . L|    V W X . Z" \
    "$(sed -n '/^Square, as far/{n;p;n;n;n;n;p;}' "$scratch/out" | paste -sd'|')"
check "latin-q plaintext: no Q anywhere but in the alphabet's name" 0 "$(grep -v 'without Q' "$scratch/out" | grep -c Q)"
input= run --json --alphabet latin-q --plaintext "$scratch/jack.txt" "$scratch/jungle.txt"
check "latin-q plaintext, as JSON" "JUNGLE latin-q JUN.LEABCDFHIKMOPRSTVWX.Z" \
    "$(list keywords) $(field alphabet) $(field square)"
input= run --alphabet latin-q --known jo=PI --known ab=CD --known oj=PI
check "latin-q contradicting pairs: status 1" 1 "$status"
check "latin-q contradicting pairs: named with their J" \
    "Contradiction: pairs 1 and 3 (JO=PI, OJ=PI) cannot all hold in one square." "$(grep '^Contradiction' "$scratch/out")"
bad "latin-q: a known pair with a Q" "" \
    "--known 'qu=PI': the square's alphabet, latin-q (5 x 5: A to Z without Q), has no Q." --alphabet latin-q --known qu=PI
# With a ciphertext, known pairs and a crib bind the search without Q as on
# the classic square: the key word's square holds them; pairs that break it
# give another square that holds them wherever their cipher pair stands.
input= run --json --alphabet latin-q --known ja=UE --known ck=KS --threads 1 --seed 1 --time-limit 60 "$scratch/jungle.txt"
check "latin-q known pairs with a ciphertext, as JSON" "JUNGLE latin-q JACKANDJILL" \
    "$(field keyword) $(field alphabet) $(field plaintext | cut -c1-11)"
input= run --json --alphabet latin-q --known xy=UE --square keyword --threads 1 --seed 1 --time-limit 2 "$scratch/jungle.txt"
check "latin-q: a known pair binds both places of its cipher pair" "XY XY" \
    "$(field plaintext | cut -c1-2,45-46 | sed 's/../& /;s/ $//')"
input= run --crib jill --square keyword --threads 1 --seed 1 --time-limit 60 "$scratch/jungle.txt"
# The name JILL after AND reads so rarely in English that its pair DJ is
# marked as likely garbled, as on the classic square such a pair would be.
check "latin-q crib, by its J, for a person" "Key word: JUNGLE|JA CK AN [DJ] IL LW" \
    "$(grep '^Key word:' "$scratch/out")|$(sed -n '/^Plaintext:/{n;p;}' "$scratch/out" | cut -c1-19)"
# A ciphertext of neither J nor Q (MOWGLI LIVED IN THE JUNGLE... on the
# square of TROCHEES without Q): a crib with a J takes it to that square.
printf 'NRRMN FNFTF AKLOT DKPMI VFXGR TRTSV TNTFA BUART SDSBC SENAO CRDNK RRTGN RTFVS XTIRT BFLPF MSVOK VFRTB LIXRT STDBK RAVST SXEOH TSETX STOKN W\n' >"$scratch/mowgli.txt"
input= run --crib jungle --square keyword --threads 1 --seed 1 --time-limit 30 "$scratch/mowgli.txt"
check "auto: a crib's J chooses the square without Q, and the reason says so" \
    "Alphabet: latin-q (5 x 5: A to Z without Q), taken because the text has neither a J nor a Q, and the crib has a J, which the classic square would read as I|Key word: TROCHEES" \
    "$(head -1 "$scratch/out")|$(grep '^Key word:' "$scratch/out")"
input= run --alphabet latin-q --known jo=PI --known oj=PI "$scratch/jungle.txt"
check "latin-q contradicting pairs with a ciphertext: status 1" 1 "$status"
check "latin-q contradicting pairs with a ciphertext: named with their J" \
    "playfair-break: the known pairs 1 and 2 (JO=PI, OJ=PI) contradict each other: no square gives them all." \
    "$(cat "$scratch/err")"
bad "latin-q: a crib of Q alone" "" "The crib has no letters." --alphabet latin-q --crib qq "$scratch/jungle.txt"
bad "known pairs with a 6 x 6 ciphertext" "" \
    "--known and --plaintext work on the squares of 25 letters, latin-ij and latin-q: the deduction places 25 letters in 5 rows and 5 columns, and this square is latin-digits (6 x 6: A to Z and 0 to 9)." \
    --known th=PI "$data/ciphertext_digits_harbour.txt"
bad "known pairs on a 6 x 6 square" "" \
    "--known and --plaintext work on the squares of 25 letters, latin-ij and latin-q: the deduction places 25 letters in 5 rows and 5 columns, and this square is latin-digits (6 x 6: A to Z and 0 to 9)." \
    --alphabet latin-digits --known th=PI
bad "a known plaintext on a Cyrillic square" "" \
    "--known and --plaintext work on the squares of 25 letters, latin-ij and latin-q: the deduction places 25 letters in 5 rows and 5 columns, and this square is cyrillic (5 x 6: the 30 Bulgarian letters А to Я)." \
    --plaintext "$scratch/jack.txt" "$data/ciphertext_cyrillic_rodina.txt"

# A pipe whose writer never closes it is given up at the time limit.
exec {open}< <(exec sleep 60 2>/dev/null)
writer=$!
timeout 60 "$program" --time-limit 1 <&"$open" >"$scratch/out" 2>"$scratch/err"
status=$?
kill "$writer" 2>/dev/null
exec {open}<&-
check "an input that never ends: status 2" 2 "$status"
check "an input that never ends: the message" "playfair-break: the input did not end within the time limit." \
    "$(cat "$scratch/err")"

exit $((failures > 0))
