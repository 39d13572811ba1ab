#!/usr/bin/env bash
# Start-up time and resident memory of the game against the least Qt GL
# program (glimmora-yardstick: a 716 x 499 window clearing to a colour), taken
# in turn under the same X server. Start-up is from the exec to the last change
# of the screen within 3 s (the first screen complete); memory is VmRSS 3 s
# after the start. ROUNDS (default 3) runs of each; medians and ranges.
# The game starts as a first run does: the shipped settings (20 x 12, sound and
# music on) in a fresh folder, a silent sound output where there is no device.
# QT_SCALE_FACTOR=2 measures both as on a dense screen.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bin=${1:-$root/build/bin}
rounds=${ROUNDS:-3}
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
export SDL_AUDIODRIVER=${SDL_AUDIODRIVER:-dummy}
# The pointer well away from every window: its drawing is a change of the screen too.
xdotool mousemove 9999 9999 2>/dev/null || true

game() {
  rm -rf "$dir/run" && mkdir "$dir/run" && cp -r "$root/data/." "$dir/run/" && cp "$root/data/defaults/"* "$dir/run/"
  (cd "$dir/run" && "$bin/glimmora-startwatch" 3 "$bin/glimmora" 2>/dev/null)
}
yardstick() { "$bin/glimmora-startwatch" 3 "$bin/glimmora-yardstick" 2>/dev/null; }
floor3d() { "$bin/glimmora-startwatch" 3 "$bin/glimmora-yardstick-3d" 2>/dev/null; }

: >"$dir/yard" && : >"$dir/game" && : >"$dir/floor"
for _ in $(seq "$rounds"); do
  yardstick >>"$dir/yard"
  floor3d >>"$dir/floor"
  game >>"$dir/game"
done
# Median and range of column k of a file.
stat() { cut -d' ' -f"$2" "$1" | sort -n | awk '{ v[NR] = $1 } END { printf "%s %s %s", v[int((NR + 1) / 2)], v[1], v[NR] }'; }
read -r ym ylo yhi <<<"$(stat "$dir/yard" 1)"
read -r gm glo ghi <<<"$(stat "$dir/game" 1)"
read -r yr yrlo yrhi <<<"$(stat "$dir/yard" 3)"
read -r gr grlo grhi <<<"$(stat "$dir/game" 3)"
read -r fm flo fhi <<<"$(stat "$dir/floor" 1)"
read -r fr frlo frhi <<<"$(stat "$dir/floor" 3)"
echo "startup at ${QT_SCALE_FACTOR:-1}x: medians of $rounds runs in turn under one X server (range in brackets)"
awk -v ym="$ym" -v ylo="$ylo" -v yhi="$yhi" -v gm="$gm" -v glo="$glo" -v ghi="$ghi" \
    -v yr="$yr" -v yrlo="$yrlo" -v yrhi="$yrhi" -v gr="$gr" -v grlo="$grlo" -v grhi="$grhi" 'BEGIN {
  printf "%-36s %-22s %-22s %s\n", "", "yardstick", "game", "game - yardstick"
  printf "%-36s %5.0f (%4.0f-%4.0f) ms    %5.0f (%4.0f-%4.0f) ms    %+5.0f ms\n", "start to the last change of screen", ym, ylo, yhi, gm, glo, ghi, gm - ym
  printf "%-36s %5.1f (%4.1f-%4.1f) MB    %5.1f (%4.1f-%4.1f) MB    %+5.1f MB\n", "resident memory 3 s after start", yr / 1024, yrlo / 1024, yrhi / 1024, gr / 1024, grlo / 1024, grhi / 1024, (gr - yr) / 1024
}'
echo "the floor of a Qt Widgets program drawing lit, textured 3D (glimmora-yardstick-3d):"
awk -v ym="$ym" -v yr="$yr" -v fm="$fm" -v flo="$flo" -v fhi="$fhi" -v fr="$fr" -v frlo="$frlo" -v frhi="$frhi" 'BEGIN {
  printf "%-36s %5.0f (%4.0f-%4.0f) ms    %+5.0f ms over the yardstick\n", "start to the last change of screen", fm, flo, fhi, fm - ym
  printf "%-36s %5.1f (%4.1f-%4.1f) MB    %+5.1f MB over the yardstick\n", "resident memory 3 s after start", fr / 1024, frlo / 1024, frhi / 1024, (fr - yr) / 1024
}'
