#!/usr/bin/env bash
# CPU used by the real game, drawn in part (as shipped) and drawn whole
# (GLIMMORA_FRAMES=whole), one after the other in the same X server: idle, a
# lit group spinning under the still pointer, and the pointer sweeping the
# board for 5 s. Each figure is the game's own CPU (faketime's child, not the X
# server; a silent sound output, music off). Run inside an X server (make bench does). ROUNDS=n repeats both ways.
# SCALE=2 runs the game as on a dense screen (QT_SCALE_FACTOR; the X screen must hold a 1432 x 998 window).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bin=${1:-$root/build/bin}
rounds=${ROUNDS:-1}
scale=${SCALE:-1}
hz=$(getconf CLK_TCK)
pid=
dir=$(mktemp -d)
trap '[ -n "$pid" ] && kill "$game" "$pid" 2>/dev/null; rm -rf "$dir"' EXIT
seed=43200250

# The replay tool finds a group of two or more in the same deal.
cell=$(printf 'new 20x12 %s\nprint\n' "$seed" | "$bin/glimmora-replay" | awk 'NR>1 && NR<=13 {
  for (c = 1; c <= NF; c++) k[NR-1, c] = $c }
  END { for (r = 1; r <= 12; r++) for (c = 1; c < 20; c++) if (k[r, c] == k[r, c+1]) { print r, c; exit } }')

# Centre of cell (r, c) in the view for the start camera, from the e2e tests' projection.
view_xy() {
  awk -v r="$1" -v c="$2" -v s="$scale" 'BEGIN {
  lx = c - 10; ly = 6 - r; wx = ly; wy = -lx; ex = 2; ey = 2; ez = 15;
  fx = -ex; fy = -ey; fz = -ez; fl = sqrt(fx*fx + fy*fy + fz*fz); fx /= fl; fy /= fl; fz /= fl;
  rx = 0; ry = fz; rz = -fy; rl = sqrt(ry*ry + rz*rz); ry /= rl; rz /= rl;
  ux = ry*fz - rz*fy; uy = rz*fx - rx*fz; uz = rx*fy - ry*fx;
  dx = wx - ex; dy = wy - ey; dz = -ez; depth = dx*fx + dy*fy + dz*fz;
  t = 25.4 * 588 / (4 * 50 * 96);
  sx = (dx*rx + dy*ry + dz*rz) / depth / t; sy = (dx*ux + dy*uy + dz*uz) / depth / (t * 442 / 588);
  printf "%d %d\n", (sx + 1) * 294 * s, (1 - sy) * 221 * s }'
}

# Window pixels of the design to screen pixels.
px() { awk -v v="$1" -v s="$scale" 'BEGIN { printf "%d", v * s }'; }

ticks() { awk '{print $14 + $15}' "/proc/$game/stat"; }

# Starts the game in a fresh folder with the 20 x 12 tori and spinning on.
start_game() {
  # Not over the view: a window that appears under the pointer lights the group there.
  xdotool mousemove 0 0
  rm -rf "$dir/run" && mkdir "$dir/run" && cp -r "$root/data/." "$dir/run/"
  cp "$root/data/defaults/hscore.dat" "$dir/run/"
  printf '[Options]\r\nRB2012=1\r\nScheme=1\r\n' > "$dir/run/s3d.ini"
  (cd "$dir/run" && QT_SCALE_FACTOR=$scale SDL_AUDIODRIVER=${SDL_AUDIODRIVER:-dummy} GLIMMORA_FRAMES=$1 TZ=UTC FAKETIME_DONT_FAKE_MONOTONIC=1 \
    exec faketime -f "2026-01-01 12:00:00.250" "$bin/glimmora" >/dev/null 2>&1) &
  pid=$!
  for _ in $(seq 50); do xdotool search --onlyvisible --name '^Glimmora! Game$' >/dev/null 2>&1 && break; sleep 0.2; done
  sleep 1
  # faketime runs the game as a child of its own process.
  game=$(pgrep -P "$pid" glimmora || echo "$pid")
  eval "$(xdotool search --onlyvisible --name '^Glimmora! Game$' getwindowgeometry --shell)"
  ox=$((X + $(px 13))) oy=$((Y + $(px 43)))
}

stop_game() {
  # faketime does not pass the signal on: the game is ended by its own id, or
  # it would stand over the next run's window.
  kill "$game" "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  while kill -0 "$game" 2>/dev/null; do sleep 0.1; done
  pid=
}

# Percent of a core over 5 s of the pointer standing still.
still_cpu() {
  local a b
  a=$(ticks); sleep 5; b=$(ticks)
  awk -v d=$((b - a)) -v hz="$hz" 'BEGIN { printf "%.1f", d * 100 / hz / 5 }'
}

# Seconds of CPU while the pointer crosses the board in 250 steps 20 ms apart
# (one xdotool run, so the steps keep time): five rows there and back.
sweep_cpu() {
  local args=() a b
  for row in 2 4 6 8 10; do
    for i in $(seq 0 49); do
      local c
      c=$(awk -v i="$i" -v row="$row" 'BEGIN { c = 1 + i * 19 / 49; if (row % 4 == 0) c = 20 - i * 19 / 49; print c }')
      read -r px py < <(view_xy "$row" "$c")
      args+=(mousemove $((ox + px)) $((oy + py)) sleep 0.02)
    done
  done
  a=$(ticks); xdotool "${args[@]}"; b=$(ticks)
  awk -v d=$((b - a)) -v hz="$hz" 'BEGIN { printf "%.2f", d / hz }'
}

measure() {
  start_game "$1"
  xdotool mousemove $((X + $(px 690))) $((Y + $(px 300)))
  local idle spin sweep
  idle=$(still_cpu)
  read -r r c <<<"$cell"
  read -r px py < <(view_xy "$r" "$c")
  xdotool mousemove $((ox + px)) $((oy + py))
  sleep 0.3
  spin=$(still_cpu)
  sweep=$(sweep_cpu)
  stop_game
  echo "$idle $spin $sweep"
}

echo "game-cpu: the real game at ${scale}x, 20 x 12 tori, drawn in part against drawn whole (CPU of the game's process)"
printf '%-8s %-24s %-24s %-24s\n' round "idle (% of a core)" "group spinning (%)" "sweep 5 s (s of CPU)"
for n in $(seq "$rounds"); do
  read -r pi ps pw <<<"$(measure partial)"
  read -r wi ws ww <<<"$(measure whole)"
  ratio() { awk -v a="$1" -v b="$2" 'BEGIN { if (b > 0) printf "%.2f", a / b; else print "-" }'; }
  printf '%-8s %-24s %-24s %-24s\n' "$n" "$pi / $wi" "$ps / $ws = $(ratio "$ps" "$ws")" "$pw / $ww = $(ratio "$pw" "$ww")"
done
echo "(each cell: partial / whole = ratio)"
