#!/bin/bash
# The committed translations match the code: lupdate, run over the code into copies of the
# .ts files, finds no text to add or drop, and no text is left unfinished, so a new English
# text cannot ship untranslated.
# Usage: ts-check.sh LUPDATE SOURCE_LIST_FILE OPTIONS... -- TS_FILE...
set -u
lupdate=$1 sources=$2
shift 2
options=()
while [ $# -gt 0 ] && [ "$1" != -- ]; do options+=("$1"); shift; done
shift
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
status=0
for ts in "$@"; do
    copy=$scratch/${ts##*/}
    cp "$ts" "$copy"
    if ! "$lupdate" "${options[@]}" "@$sources" -ts "$copy" >"$scratch/log" 2>&1; then
        cat "$scratch/log"; status=1; continue
    fi
    if ! diff -u "$ts" "$copy"; then
        echo "${ts##*/}: out of date with the code; run 'make translations' and translate what is new"
        status=1
    fi
    if grep -q 'type="unfinished"\|type="vanished"\|type="obsolete"' "$ts"; then
        echo "${ts##*/}: unfinished texts:"
        grep -B3 'type="unfinished"' "$ts" | grep '<source>'
        status=1
    fi
done
exit $status
