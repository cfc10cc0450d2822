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

exit $((failures > 0))
