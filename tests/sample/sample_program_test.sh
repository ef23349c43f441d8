#!/usr/bin/env bash
# The sample program: two runs write the same worlds, and a world that cannot be written is
# reported as a failure, never as created. VIEWER (ON or OFF) tells whether the build has the
# viewer page to stage beside the worlds.
#
#   sample_program_test.sh ATRIUM_TEST VIEWER
set -euo pipefail
program=$1 viewer=${2:-ON}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

"$program" --out "$work/one" > "$work/one.log"
"$program" --out "$work/two" > "$work/two.log"
grep -qx "Created file $work/one/AreaGraphTest.wrl" "$work/one.log"
# With no kind named, every kind is written, and again identically.
kinds=$("$program" --help | sed -n 's/.*Kinds: //p')
test "$(grep -c '^Created file ' "$work/one.log")" -eq "$(wc -w <<< "$kinds")"
for world in $(sed -n "s|^Created file $work/one/||p" "$work/one.log"); do
    cmp "$work/one/$world" "$work/two/$world"
done

# Named kinds: just those worlds.
"$program" --out "$work/some" column ribbon > "$work/some.log"
test "$(cd "$work/some" && ls -- *GraphTest.wrl | tr '\n' ' ')" = "ColumnGraphTest.wrl RibbonGraphTest.wrl "
staged=(HV_GRAPH.wrl HV_UI.wrl HV_NAV.wrl)
[ "$viewer" = ON ] && staged+=(index.html x_ite/x_ite.min.js)
for f in "${staged[@]}"; do
    test -s "$work/one/$f" || { echo "missing $f"; exit 1; }
done

# A folder where the world should go: the export fails and the program says so.
mkdir -p "$work/blocked/AreaGraphTest.wrl"
if "$program" --out "$work/blocked" area > "$work/blocked.log" 2> "$work/blocked.err"; then
    echo "a failed export exited 0"; exit 1
fi
if grep -q "Created file" "$work/blocked.log"; then echo "a failed export was reported as created"; exit 1; fi
grep -q "Could not write $work/blocked/AreaGraphTest.wrl" "$work/blocked.err"

# Unknown arguments are refused with the usage text.
if "$program" --out "$work/x" nonsense 2> "$work/usage.err"; then exit 1; fi
grep -q "usage: atrium-test" "$work/usage.err"
