#!/usr/bin/env bash
# The sample program: two runs write the same worlds, and a world that cannot be written is
# reported as a failure, never as created; a full disk leaves only whole files behind, a folder
# that cannot be written is named as the cause, and without --out the worlds go to the current
# folder. VIEWER (ON or OFF) tells whether the build has the
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

# A folder that cannot be written: the message names it, and the proto files are not blamed.
if "$program" --out /proc/self area > /dev/null 2> "$work/proc.err"; then echo "/proc/self was written"; exit 1; fi
grep -q "Cannot write into the folder /proc/self" "$work/proc.err" || { cat "$work/proc.err"; exit 1; }
if grep -q "Cannot find" "$work/proc.err"; then echo "the proto files were blamed"; exit 1; fi

# A disk that fills up: files may grow to 100 KiB only (SIGXFSZ ignored, so a write past that
# fails with EFBIG), less than the largest proto file. The run fails, and every file it left is
# whole, with no temporary file beside it.
if (trap '' XFSZ; ulimit -f 100; exec "$program" --out "$work/full" area) > /dev/null 2> "$work/full.err"; then
    echo "a full disk was not reported"; exit 1
fi
grep -q "Cannot write $work/full/.*: File too large" "$work/full.err" || { cat "$work/full.err"; exit 1; }
(cd "$work/full" && find . -type f) | while read -r left; do
    case $(basename "$left") in .*) echo "temporary file $left left behind"; exit 1 ;; esac
    cmp -s "$work/full/$left" "$work/one/$left" || { echo "$left is cut short"; exit 1; }
done

# Without --out: atrium-worlds in the current folder, never the program's own folder.
mkdir "$work/here"
own=$(ls -A "$(dirname "$program")")
(cd "$work/here" && "$program" area > "$work/here.log")
grep -qx "Created file atrium-worlds/AreaGraphTest.wrl" "$work/here.log"
cmp "$work/here/atrium-worlds/AreaGraphTest.wrl" "$work/one/AreaGraphTest.wrl"
[ "$(ls -A "$(dirname "$program")")" = "$own" ] || { echo "wrote into the program's folder"; exit 1; }
