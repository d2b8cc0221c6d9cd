#!/bin/sh
# A full claim played to its end leaves a return in which the completion checks find nothing:
# the script is played from a folder of its own with "keep" added after its last line, and
# ftbfile checks the copy of the saved return.
# Usage: claim-checked.sh FTB-HOST MODULE FTBFILE SCRIPT.play
set -eu
host=$1 module=$2 ftbfile=$3 script=$4
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
{ cat "$script"; printf '\nkeep claim.TAX\n'; } > "$dir/claim.play"
"$host" --module "$module" --play "$dir/claim.play"
status=0
"$ftbfile" check "$dir/claim.TAX" --key 876543210 > "$dir/findings" || status=$?
cat "$dir/findings"
if [ "$status" -ne 0 ] || grep -v '^maintenance-relevant	' "$dir/findings" | grep -q .; then
    echo "FAILED: ftbfile check found what the claim lacks (exit $status)"
    exit 1
fi
echo "ftbfile check: no findings"
