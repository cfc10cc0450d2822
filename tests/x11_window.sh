#!/usr/bin/env bash
# Starts the program on a real X server and checks what the window tells the
# window manager: caption, fixed size, no minimise or maximise function, icon,
# centred place, and the window class the desktop file names.
#     x11_window.sh <program> <desktop file>      (under xvfb-run, 800 x 600 screen)
#
# It needs Qt's X11 platform whatever the caller's environment says (headless
# test runs often set QT_QPA_PLATFORM=offscreen), so it chooses it itself. It
# waits until the window is mapped and every property checked is set, for at
# most 20 s, then prints each check with what it expected and what it found.
set -uo pipefail
program=$1
desktop_file=$2

export QT_QPA_PLATFORM=xcb LC_ALL=C.UTF-8
unset WAYLAND_DISPLAY
if [ -z "${DISPLAY:-}" ]; then
    echo "FAIL: no X server: DISPLAY is not set (run this under xvfb-run)"
    exit 1
fi
wm_class=$(sed -n 's/^StartupWMClass=//p' "$desktop_file")

"$program" &
pid=$!
trap 'kill $pid 2>/dev/null || true' EXIT

results=()
failures=0
expect() { # description, expected, found
    if [ "$2" = "$3" ]; then
        results+=("PASS: $1: $3")
    else
        results+=("FAIL: $1"$'\n'"    expected: $2"$'\n'"    found:    $3")
        failures=$((failures + 1))
    fi
}
expect_match() { # description, extended regular expression, found
    if [[ $3 =~ $2 ]]; then
        results+=("PASS: $1: $3")
    else
        results+=("FAIL: $1"$'\n'"    expected: a match of $2"$'\n'"    found:    $3")
        failures=$((failures + 1))
    fi
}
# The Motif function hint as words: 2 resize, 4 move, 8 minimise,
# 16 maximise, 32 close.
motif_functions() {
    local bits=$1 names=() bit
    [ -n "$bits" ] || { echo "(no Motif hints)"; return; }
    for bit in 2:resize 4:move 8:minimise 16:maximise 32:close; do
        (( bits & ${bit%%:*} )) && names+=("${bit#*:}")
    done
    echo "${names[*]}"
}
has() { [[ " $2 " == *" $1 "* ]] && echo present || echo absent; }

window=
check_all() {
    results=()
    failures=0
    kill -0 $pid 2>/dev/null && running=yes || running=no
    expect "the program is running" yes "$running"
    [ -n "$window" ] || window=$(xwininfo -root -tree | awk '/Playfair cipher/ && !found {print $1; found = 1}')
    expect "a window with \"Playfair cipher\" in its name" present "$([ -n "$window" ] && echo present || echo absent)"
    [ -n "$window" ] || return

    local info props icon functions
    info=$(xwininfo -id "$window" 2>&1)
    props=$(xprop -id "$window" 2>&1)
    icon=$(xprop -id "$window" _NET_WM_ICON 2>&1 | grep -o 'Icon ([0-9]* x [0-9]*)' | head -n 1)
    functions=$(motif_functions "$(sed -n 's/^_MOTIF_WM_HINTS(_MOTIF_WM_HINTS) = [^,]*, \([^,]*\),.*/\1/p' <<<"$props")")

    expect "mapped" IsViewable "$(sed -n 's/^ *Map State: //p' <<<"$info")"
    expect_match "caption" '^"[^ ]+ Информатика - криптиране, Playfair cipher"$' \
        "$(sed -n 's/^_NET_WM_NAME(UTF8_STRING) = //p' <<<"$props")"
    expect "minimum size" "504 by 424" "$(sed -n 's/.*program specified minimum size: //p' <<<"$props")"
    expect "maximum size" "504 by 424" "$(sed -n 's/.*program specified maximum size: //p' <<<"$props")"
    expect "place, centred on the 800 x 600 screen" "148, 88" "$(sed -n 's/.*user specified location: //p' <<<"$props")"
    expect "Motif functions ($functions): minimise" absent "$(has minimise "$functions")"
    expect "Motif functions ($functions): maximise" absent "$(has maximise "$functions")"
    expect "Motif functions ($functions): close" present "$(has close "$functions")"
    expect "icon" "Icon (32 x 32)" "$icon"
    expect "window class, as StartupWMClass in $(basename "$desktop_file")" "\"$wm_class\"" \
        "$(sed -n 's/^WM_CLASS(STRING) = "[^"]*", //p' <<<"$props")"
}

# Qt maps the window and sets its properties soon after start; poll until all
# is as expected or the time is up.
deadline=$((SECONDS + 20))
while true; do
    check_all
    [ $failures -eq 0 ] || [ "$running" = no ] || [ $SECONDS -ge $deadline ] && break
    sleep 0.1
done

printf '%s\n' "${results[@]}"
if [ $failures -gt 0 ] && [ -n "$window" ]; then
    echo "--- xwininfo -id $window"
    xwininfo -id "$window" 2>&1
    echo "--- xprop -id $window (without the icon)"
    xprop -id "$window" 2>&1 | awk '/^_NET_WM_ICON\(/ {skip = 1; next} skip && /^([[:space:]]|$)/ {next} {skip = 0; print}'
fi
exit $((failures > 0))
