#!/usr/bin/env bash
# Checks a manual page: man --warnings finds nothing to say about it, and,
# given the program, every long option of the program's --help is described.
#     man_page.sh <page.1> [program]
set -uo pipefail
page=$1
program=${2:-}

failures=0
warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l "$page" 2>&1 >/dev/null)
if [ -n "$warnings" ]; then
    echo "FAIL: man --warnings -l $page:"
    sed 's/^/    /' <<<"$warnings"
    failures=$((failures + 1))
else
    echo "PASS: man --warnings has nothing to say"
fi

if [ -n "$program" ]; then
    text=$(LC_ALL=C.UTF-8 MANWIDTH=200 man -E ascii -l "$page" 2>/dev/null)
    options=$(env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb "$program" --help </dev/null |
              grep -o -- '--[a-z][a-z-]*' | sort -u)
    [ -n "$options" ] || { echo "FAIL: $program --help names no options"; failures=$((failures + 1)); }
    for option in $options; do
        if grep -q -- "$option\\b" <<<"$text"; then
            echo "PASS: describes $option"
        else
            echo "FAIL: $program has $option, the page does not describe it"
            failures=$((failures + 1))
        fi
    done
fi
exit $((failures > 0))
