#!/usr/bin/env bash
# The desktop window under Xvfb, driven with xdotool: its caption and size, a button that
# writes its world (the same as the command line's first build), the box that announces it,
# No that opens nothing, Yes that serves the world to the browser (xdg-open is a stub that
# records the address), and Escape that closes the window and stops the server. Saves
# screenshots of the window and of the box into SHOTS.
#
#   window_test.sh ATRIUM_TEST_WINDOW ATRIUM_TEST WINDOW_SHOT SHOTS
set -euo pipefail
window_program=$1 program=$2 shot=$3 shots=$4
if [ -z "${ATRIUM_IN_XVFB:-}" ]; then
    for tool in xvfb-run xauth xdotool curl; do
        command -v "$tool" >/dev/null || { echo "$tool is missing"; exit 77; }
    done
    ATRIUM_IN_XVFB=1 exec xvfb-run -a -s "-screen 0 640x480x24" "$0" "$@"
fi

# Under the sanitizers, what X and FLTK keep for the process's life is not our leak.
export LSAN_OPTIONS="suppressions=$(dirname "$0")/x11_leaks.supp${LSAN_OPTIONS:+:$LSAN_OPTIONS}"

work=$(mktemp -d)
trap 'kill "$pid" 2>/dev/null || true; rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; exit 1; }
mkdir -p "$work/bin" "$shots"
printf '#!/bin/sh\necho "$1" >> "%s"\n' "$work/addresses" > "$work/bin/xdg-open"
chmod +x "$work/bin/xdg-open"

PATH="$work/bin:$PATH" "$window_program" --out "$work/out" > "$work/window.log" 2>&1 &
pid=$!
main=$(timeout 20 xdotool search --sync --name '^Graph builder$' | head -1) || fail "no window"
geometry=$(xdotool getwindowgeometry "$main" | grep Geometry)
[ "$geometry" = "  Geometry: 240x269" ] || fail "window $geometry"
sleep 0.3
"$shot" "$shots/graph_builder.png" "$main"

# Presses a button by its place (in pixels, the centre of the button at LEFT, TOP) and waits
# for the box; prints the box's window.
press() {
    xdotool mousemove --window "$main" $(($1 + 77)) $(($2 + 12)) click 1
    timeout 20 xdotool search --sync --name '^Atrium Test$' | head -1
}
# Answers the box with a key (the pointer over it gives it the keyboard).
answer() {
    xdotool mousemove --window "$1" 20 20 key "$2"
    for _ in $(seq 100); do xdotool search --name '^Atrium Test$' >/dev/null || return 0; sleep 0.1; done
    fail "the box stayed after $2"
}

echo "== the area button, then No"
box=$(press 10 6) || fail "no box after the area button"
sleep 0.3
"$shot" "$shots/graph_builder_box.png"
"$program" --out "$work/cli" --no-open area > /dev/null
cmp -s "$work/out/AreaGraphTest.wrl" "$work/cli/AreaGraphTest.wrl" || fail "the first press differs from the command line's build"
cp "$work/out/AreaGraphTest.wrl" "$work/first.wrl"
answer "$box" Escape
sleep 0.5
[ ! -e "$work/addresses" ] || fail "No opened the world"

echo "== again, then Yes"
box=$(press 10 6) || fail "no box after the second press"
cmp -s "$work/out/AreaGraphTest.wrl" "$work/first.wrl" && fail "the second press wrote the same data"
answer "$box" Return
for _ in $(seq 100); do [ -s "$work/addresses" ] && break; sleep 0.1; done
address=$(head -1 "$work/addresses")
case $address in http://127.0.0.1:*/index.html?world=AreaGraphTest.wrl) ;; *) fail "opened '$address'" ;; esac
grep -qxF "$address" "$work/window.log" || fail "the address was not printed"
curl -s -o "$work/served.wrl" "${address%/index.html*}/AreaGraphTest.wrl" || fail "nothing served"
cmp -s "$work/served.wrl" "$work/out/AreaGraphTest.wrl" || fail "the served world is not the written one"

echo "== Escape closes the window and stops serving"
xdotool mousemove --window "$main" 120 200 key Escape
wait "$pid" || fail "the window program exited with $?"
curl -s -o /dev/null "$address" && fail "still serving after the window closed"
echo "window test passed"
