#!/usr/bin/env bash
# Starts the program on a real X server (run it under xvfb-run with an
# 800 x 600 screen) and checks what the window tells the window manager:
# caption, fixed size, no minimise or maximise function, icon, centred place.
set -euo pipefail
program=$1

"$program" &
pid=$!
trap 'kill $pid 2>/dev/null || true' EXIT

window=
for _ in $(seq 100); do
    window=$(xwininfo -root -tree | awk '/Playfair cipher/ && !found {print $1; found = 1}')
    [ -n "$window" ] && break
    sleep 0.1
done
[ -n "$window" ] || { echo "FAIL: no window appeared"; exit 1; }
sleep 0.5
kill -0 $pid || { echo "FAIL: the program ended"; exit 1; }

failures=0
check() { # description, command...
    local what=$1; shift
    if "$@"; then echo "PASS: $what"; else echo "FAIL: $what"; failures=$((failures + 1)); fi
}
props=$(xprop -id "$window")

check "caption" grep -q '^_NET_WM_NAME(UTF8_STRING) = "[^ ]\+ Информатика - криптиране, Playfair cipher"$' <<<"$props"
check "minimum size 504 x 424" grep -q 'program specified minimum size: 504 by 424' <<<"$props"
check "maximum size 504 x 424" grep -q 'program specified maximum size: 504 by 424' <<<"$props"
check "centred on the 800 x 600 screen" grep -q 'user specified location: 148, 88' <<<"$props"

# Motif hints: flags, functions, decorations. Functions: 2 resize, 4 move,
# 8 minimise, 16 maximise, 32 close.
functions=$(sed -n 's/^_MOTIF_WM_HINTS(_MOTIF_WM_HINTS) = [^,]*, \([^,]*\),.*/\1/p' <<<"$props")
check "Motif function hints are set" test -n "$functions"
check "no minimise function" test $((functions & 8)) -eq 0
check "no maximise function" test $((functions & 16)) -eq 0
check "a close function" test $((functions & 32)) -ne 0
check "a 32 x 32 icon" grep -q 'Icon (32 x 32)' <<<"$(xprop -id "$window" _NET_WM_ICON | head -n 3)"

exit $failures
