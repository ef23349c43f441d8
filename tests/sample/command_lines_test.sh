#!/usr/bin/env bash
# Every program answers --help (the usage on standard output, status 0) and --version, and
# refuses an unknown option (a message and the usage on standard error, status 2), writing
# nothing in either case.
#
#   command_lines_test.sh VERSION PROGRAM...
set -euo pipefail
version=$1
shift
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; exit 1; }
mkdir "$work/run"

for program in "$@"; do
    name=$(basename "$program")
    while IFS='|' read -r args status answer; do
        set +e
        (cd "$work/run" && exec "$program" $args > "$work/out" 2> "$work/err" < /dev/null)
        got=$?
        set -e
        [ "$got" = "$status" ] || fail "$name $args: status $got, $(cat "$work/err")"
        case $answer in
        usage) grep -q "^usage: $name " "$work/out" && [ ! -s "$work/err" ] || fail "$name $args: no usage on stdout" ;;
        version) [ "$(cat "$work/out")" = "$name $version" ] && [ ! -s "$work/err" ] || fail "$name $args: $(cat "$work/out")" ;;
        refusal) grep -q "^$name: " "$work/err" && grep -q "^usage: $name " "$work/err" && [ ! -s "$work/out" ] ||
                     fail "$name $args: no refusal on stderr: $(cat "$work/err")" ;;
        esac
        [ -z "$(ls -A "$work/run")" ] || fail "$name $args wrote $(ls -A "$work/run")"
    done <<'TABLE'
--help|0|usage
-h|0|usage
--version|0|version
--bogus|2|refusal
--help=x|2|refusal
-x|2|refusal
--version --bogus|0|version
--bogus --help|2|refusal
TABLE
done
echo "command lines test passed"
