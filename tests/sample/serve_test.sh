#!/usr/bin/env bash
# Opening worlds: atrium-test --open, the terminal's question and atrium-view (installed into
# a temporary prefix, which is then moved) serve over HTTP on 127.0.0.1 and start xdg-open,
# here a stub on PATH that records the address. The test fetches what a browser would and what it must not get.
#
#   serve_test.sh ATRIUM_TEST CMAKE BUILD_DIR
set -euo pipefail
program=$1 cmake=$2 build=$3
command -v curl >/dev/null || { echo "curl is missing"; exit 77; }
work=$(mktemp -d)
servers=()
cleanup() {
    for pid in "${servers[@]}"; do kill "$pid" 2>/dev/null || true; done
    rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*"; exit 1; }

# The stub browser: records the address it was given and its parent (the program that started it).
mkdir "$work/bin"
cat > "$work/bin/xdg-open" <<'STUB'
#!/bin/sh
echo "$1" >> "$ADDRESSES"
echo "$PPID" >> "$ADDRESSES.parents"
STUB
chmod +x "$work/bin/xdg-open"
export PATH="$work/bin:$PATH" ADDRESSES="$work/addresses"

# Waits until the program's output holds a viewer address and prints it.
address_in() {
    for _ in $(seq 300); do
        if grep -qo 'http://127\.0\.0\.1:[0-9]*/index\.html[^ ]*' "$1" 2>/dev/null; then
            grep -o 'http://127\.0\.0\.1:[0-9]*/index\.html[^ ]*' "$1" | head -1
            return
        fi
        sleep 0.1
    done
    fail "no address in $1: $(cat "$1")"
}
status_of() { curl -s --path-as-is -o /dev/null -w '%{http_code}' "$@"; }
# Fetches URL, checks the status 200 and the content type, and compares the body with FILE.
expect_file() {
    local url=$1 type=$2 file=$3
    [ "$(curl -s -o "$work/body" -w '%{http_code} %{content_type}' "$url")" = "200 $type" ] || fail "$url: not 200 $type"
    cmp -s "$work/body" "$file" || fail "$url: not $file"
}
# The server at base must refuse every path that leads outside its folder.
expect_refusals() {
    local base=$1 folder=$2
    ln -s /etc "$folder/etc-link"
    ln -s /etc/hostname "$folder/hostname.txt"
    for path in ../../../../etc/hostname %2e%2e/%2e%2e/%2e%2e/etc/hostname //etc/hostname %2Fetc%2Fhostname \
                etc-link/hostname hostname.txt x_ite/../../../../etc/hostname; do
        [ "$(status_of "$base/$path")" = 404 ] || fail "$base/$path was served"
    done
    [ "$(status_of -H 'Host: elsewhere.example' "$base/index.html")" = 403 ] || fail "a foreign host name was served"
    rm "$folder/etc-link" "$folder/hostname.txt"
}
stop() {
    kill -TERM "$1"
    wait "$1" || fail "the server exited with $? after SIGTERM"
}

echo "== atrium-test --open"
"$program" --out "$work/out" --open area > "$work/open.log" 2>&1 < /dev/null &
servers+=($!)
address=$(address_in "$work/addresses")
[ "$address" = "$(address_in "$work/open.log")" ] || fail "the printed address is not the opened one"
base=${address%/index.html*}
case $address in "$base/index.html?world=AreaGraphTest.wrl") ;; *) fail "opened $address" ;; esac
grep -qx "Created file $work/out/AreaGraphTest.wrl" "$work/open.log" || fail "no Created file line"
expect_file "$address" "text/html; charset=utf-8" "$work/out/index.html"
expect_file "$base/AreaGraphTest.wrl" model/vrml "$work/out/AreaGraphTest.wrl"
for proto in HV_GRAPH.wrl HV_UI.wrl HV_NAV.wrl; do expect_file "$base/$proto" model/vrml "$work/out/$proto"; done
expect_file "$base/x_ite/x_ite.min.js" "text/javascript; charset=utf-8" "$work/out/x_ite/x_ite.min.js"
[ "$(curl -s "$base/worlds.json")" = '["AreaGraphTest.wrl"]' ] || fail "worlds.json: $(curl -s "$base/worlds.json")"
expect_refusals "$base" "$work/out"
stop "${servers[-1]}"
[ "$(status_of "$address")" = 000 ] || fail "still serving after SIGTERM"

echo "== the question on a terminal"
rm -f "$ADDRESSES" "$ADDRESSES.parents"
printf 'n\n' | script -qec "'$program' --out '$work/asked' area" /dev/null > "$work/no.log"
grep -q "Open in default browser? \[y/N\]" "$work/no.log" || fail "no question on a terminal: $(cat "$work/no.log")"
[ ! -e "$ADDRESSES" ] || fail "answering n opened the world"
timeout 60 script -qec "'$program' --out '$work/asked' area > '$work/piped.log'" /dev/null < /dev/null > /dev/null ||
    fail "with its output in a file the program waited or failed"
grep -q "Open in default" "$work/piped.log" && fail "asked with its output in a file"
printf 'y\n' | script -qec "'$program' --out '$work/asked' area" /dev/null > "$work/yes.log" &
servers+=($!)
address=$(address_in "$work/addresses")
expect_file "${address%/index.html*}/AreaGraphTest.wrl" model/vrml "$work/asked/AreaGraphTest.wrl"
kill -TERM "$(head -1 "$ADDRESSES.parents")"
wait "${servers[-1]}" || fail "answering y: the program exited with $?"

echo "== atrium-view, installed and the tree moved to another prefix, on a world alone in its folder"
"$cmake" --install "$build" --prefix "$work/installed" > "$work/install.log" || fail "install: $(cat "$work/install.log")"
mv "$work/installed" "$work/prefix"
share=$work/prefix/share/atrium
mkdir "$work/alone"
cp "$work/out/AreaGraphTest.wrl" "$work/alone/"
rm -f "$ADDRESSES"
"$work/prefix/bin/atrium-view" "$work/alone/AreaGraphTest.wrl" > "$work/view.log" 2>&1 &
servers+=($!)
address=$(address_in "$work/addresses")
base=${address%/index.html*}
expect_file "$address" "text/html; charset=utf-8" "$share/viewer/index.html"
expect_file "$base/AreaGraphTest.wrl" model/vrml "$work/alone/AreaGraphTest.wrl"
for proto in HV_GRAPH.wrl HV_UI.wrl HV_NAV.wrl; do expect_file "$base/$proto" model/vrml "$share/protos/$proto"; done
for file in viewer.js viewer.css x_ite/x_ite.min.js x_ite/x_ite.css; do
    [ "$(status_of "$base/$file")" = 200 ] || fail "$file is not served from the installed viewer"
done
expect_refusals "$base" "$work/alone"
[ "$(ls "$work/alone")" = AreaGraphTest.wrl ] || fail "atrium-view wrote into the world's folder"
stop "${servers[-1]}"

echo "== atrium-view --no-open without a world serves the current folder"
rm -f "$ADDRESSES"
(cd "$work/out" && exec "$work/prefix/bin/atrium-view" --no-open) > "$work/folder.log" 2>&1 &
servers+=($!)
address=$(address_in "$work/folder.log")
[ "$address" = "${address%/index.html*}/index.html" ] || fail "without a world: $address"
[ "$(curl -s "${address%/index.html*}/worlds.json")" = '["AreaGraphTest.wrl"]' ] || fail "worlds.json of the folder"
stop "${servers[-1]}"
[ ! -e "$ADDRESSES" ] || fail "--no-open started the browser"

echo "== refused command lines"
if "$work/prefix/bin/atrium-view" "$work/none.wrl" 2> "$work/err"; then fail "a missing world was served"; fi
grep -q "no world file" "$work/err" || fail "missing world: $(cat "$work/err")"
if "$program" --open --no-open 2> /dev/null; then fail "--open with --no-open was taken"; fi
echo "serve test passed"
