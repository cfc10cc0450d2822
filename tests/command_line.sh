#!/usr/bin/env bash
# Runs a program of the package as a user would on a terminal without a
# display and checks its command-line conventions:
#   --help      prints the usage on standard output, status 0
#   --version   prints "<name> <version>" first, status 0
#   --bogus     prints "<name>: Unknown option 'bogus'." and the usage on
#               standard error, nothing on standard output, status 2
# There is no display and the xcb platform is forced, so a program that went
# on to open a window would fail to start instead.
#     command_line.sh <program> <version>
set -uo pipefail
program=$1
version=$2
name=$(basename "$program")
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

failures=0
run() { # arguments...
    env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb \
        timeout 20 "$program" "$@" >"$scratch/out" 2>"$scratch/err" </dev/null
    status=$?
}
check() { # description, expected, actual
    if [ "$2" = "$3" ]; then
        echo "PASS: $1"
    else
        echo "FAIL: $1"
        echo "    expected: $2"
        echo "    got:      $3"
        failures=$((failures + 1))
    fi
}
show() { # what was printed, on a failure
    [ "$failures" -eq "$1" ] && return
    echo "    standard output:"; sed 's/^/    | /' "$scratch/out"
    echo "    standard error:";  sed 's/^/    | /' "$scratch/err"
}

before=$failures
run --help
check "--help: status" 0 "$status"
check "--help: usage line" "Usage: $name [options]" "$(head -n 1 "$scratch/out" | cut -c 1-$((${#name} + 17)))"
check "--help: nothing on standard error" "" "$(cat "$scratch/err")"
show "$before"

before=$failures
run --version
check "--version: status" 0 "$status"
check "--version: first line" "$name $version" "$(head -n 1 "$scratch/out")"
check "--version: nothing on standard error" "" "$(cat "$scratch/err")"
show "$before"

before=$failures
run --bogus
check "--bogus: status" 2 "$status"
check "--bogus: one-line error" "$name: Unknown option 'bogus'." "$(head -n 1 "$scratch/err")"
check "--bogus: then the usage" "Usage: $name [options]" "$(sed -n 2p "$scratch/err" | cut -c 1-$((${#name} + 17)))"
check "--bogus: nothing on standard output" "" "$(cat "$scratch/out")"
show "$before"

# The class set of the main program: one PDF, one line naming it and the
# set's number, and no window (there is no display).
if [ "$name" = playfair ]; then
    before=$failures
    run --class-set 3 --output "$scratch/set.pdf" --set-number 42 --mixed
    check "--class-set: status" 0 "$status"
    check "--class-set: one line naming the file and the set" "Class set 42 written to $scratch/set.pdf." "$(cat "$scratch/out")"
    check "--class-set: nothing on standard error" "" "$(cat "$scratch/err")"
    check "--class-set: a whole PDF" "%%EOF" "$(tail -c 6 "$scratch/set.pdf" | tr -d '\r\n')"
    show "$before"

    for bad in "0" "41" "3 --pairs 4" "3 --names $scratch/missing.txt" "3 --decrypt --mixed"; do
        before=$failures
        # shellcheck disable=SC2086 # the words of $bad are arguments
        run --class-set $bad --output "$scratch/bad.pdf"
        check "--class-set $bad: status" 2 "$status"
        check "--class-set $bad: one line on standard error" 1 "$(wc -l <"$scratch/err")"
        check "--class-set $bad: nothing on standard output" "" "$(cat "$scratch/out")"
        check "--class-set $bad: no file" no "$([ -e "$scratch/bad.pdf" ] && echo yes || echo no)"
        show "$before"
    done

    before=$failures
    run --class-set 3 --output "$scratch/no/such/folder/set.pdf"
    check "--class-set to a missing folder: status" 1 "$status"
    check "--class-set to a missing folder: one line" \
        "playfair: The class set could not be written to $scratch/no/such/folder/set.pdf." "$(cat "$scratch/err")"
    show "$before"
fi

exit $((failures > 0))
