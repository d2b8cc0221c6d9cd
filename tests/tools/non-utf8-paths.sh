#!/bin/sh
# File names that are not UTF-8 reach the file system as their bytes: the return named by
# ftb-host's --file, and a script played with --play from a folder so named, with the answers
# file its start command names beside it (the script itself is UTF-8 text).
# Usage: non-utf8-paths.sh FTB-HOST MODULE FTBFILE
set -eu
host=$1 module=$2 ftbfile=$3
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
fail() { echo "FAILED: $*"; ls -b "$dir" "$dir"/*/ 2>/dev/null || true; exit 1; }

# A new return under the name given, saved there when the host frees the module.
name=$(printf 'bad\377\376.TAX')
"$host" --module "$module" --file "$dir/$name" --screen 8001 || fail "ftb-host --file"
[ -f "$dir/$name" ] || fail "no file under the name given"
[ "$(ls -A "$dir" | grep -c -v -F "$(printf 'bad\377\376.')")" -eq 0 ] ||
    fail "a file under another name"
"$ftbfile" dump "$dir/$name" --key 876543210 | grep -q '"text": "EI"' ||
    fail "the return does not read back"

# A script and its answers in a folder whose name is not UTF-8.
scripts="$dir/$(printf 'scripts\377')"
mkdir "$scripts"
printf '{"group": 78, "index": 9, "history": [],\n "fields": [\n  {"field": 1, "kind": "fkShortText", "text": "876543210"},\n  {"field": 1268, "kind": "fkInteger", "value": 1}]}\n' \
    > "$scripts/answers.json"
printf 'start 7809 --from answers.json\nexpect screen 7809\nquit\nexpect field 1268 "1"\n' \
    > "$scripts/$(printf 'play\376.play')"
"$host" --module "$module" --play "$scripts/$(printf 'play\376.play')" || fail "ftb-host --play"
echo "2 passed, 0 failed"
