#!/usr/bin/env bash
# Runs a benchmark program at 1x and again as on a dense screen (QT_SCALE_FACTOR=2,
# four times the pixels to draw) and prints its figures side by side: each
# "name  partial / whole = ratio" line of the two runs on one row. Run inside
# an X server whose screen holds a 2x window (make bench gives it 2560 x 1600).
set -euo pipefail
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
QT_SCALE_FACTOR=1 "$@" >"$dir/1x" 2>/dev/null
QT_SCALE_FACTOR=2 "$@" >"$dir/2x" 2>/dev/null
head -n 1 "$dir/1x"
# Lines without a partial / whole figure are printed as they stand, 1x first.
grep -v ' / ' "$dir/1x" | tail -n +2 | sed 's/^/1x: /'
grep -v ' / ' "$dir/2x" | tail -n +2 | sed 's/^/2x: /'
awk '
  # The name runs up to the first figure, which stands after two or more spaces.
  function name(l) { match(l, /  +[0-9]/); return substr(l, 1, RSTART - 1) }
  function figure(l) {
    match(l, /  +[0-9]/); l = substr(l, RSTART); gsub(/ +/, " ", l); sub(/^ /, "", l); sub(/ \(p99.*/, "", l); return l
  }
  FNR == NR && /  +[0-9.]+ +\/ / { one[name($0)] = figure($0); order[++n] = name($0); next }
  /  +[0-9.]+ +\/ / { two[name($0)] = figure($0) }
  END {
    printf "%-44s %-26s %s\n", "(partial / whole = ratio)", "at 1x", "at 2x"
    for (i = 1; i <= n; i++) printf "%-44s %-26s %s\n", order[i], one[order[i]], two[order[i]]
  }' "$dir/1x" "$dir/2x"
