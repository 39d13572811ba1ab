#!/usr/bin/env bash
# CPU used by the real game over 10 s: idle, and with a lit group spinning
# under the pointer. Run inside an X server (make bench does).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bin=${1:-$root/build/bin}
dir=$(mktemp -d)
trap 'kill $pid 2>/dev/null || true; rm -rf "$dir"' EXIT
cp -r "$root/data/." "$dir/"
printf '[Options]\r\nRB2012=1\r\nScheme=1\r\n' > "$dir/s3d.ini"
cd "$dir"
TZ=UTC FAKETIME_DONT_FAKE_MONOTONIC=1 faketime -f "2026-01-01 12:00:00.250" "$bin/glimmora" &
pid=$!
for _ in $(seq 50); do xdotool search --onlyvisible --name '^Glimmora! Game$' >/dev/null 2>&1 && break; sleep 0.2; done
sleep 1
# faketime runs the game as a child of its own process.
game=$(pgrep -P "$pid" glimmora || echo "$pid")
ticks() { awk '{print $14 + $15}' "/proc/$game/stat"; }
hz=$(getconf CLK_TCK)
measure() {
  local a b
  a=$(ticks); sleep 10; b=$(ticks)
  awk -v d=$((b - a)) -v hz="$hz" 'BEGIN { printf "%.1f %% of a core", d * 100 / hz / 10 }'
}
eval "$(xdotool search --onlyvisible --name '^Glimmora! Game$' getwindowgeometry --shell)"
xdotool mousemove $((X + 690)) $((Y + 300))
echo "game idle, 20 x 12 tori:           $(measure)"
# The replay tool finds a group of two or more in the same deal.
cell=$(printf 'new 20x12 43200250\nprint\n' | "$bin/glimmora-replay" | awk 'NR>1 && NR<=13 {
  for (c = 1; c <= NF; c++) k[NR-1, c] = $c }
  END { for (r = 1; r <= 12; r++) for (c = 1; c < 20; c++) if (k[r, c] == k[r, c+1]) { print r, c; exit } }')
read -r r c <<<"$cell"
# Centre of cell (r, c) in the view for the start camera, from the e2e tests' projection.
read -r px py < <(awk -v r="$r" -v c="$c" 'BEGIN {
  lx = c - 10; ly = 6 - r; wx = ly; wy = -lx; ex = 2; ey = 2; ez = 15;
  fx = -ex; fy = -ey; fz = -ez; fl = sqrt(fx*fx + fy*fy + fz*fz); fx /= fl; fy /= fl; fz /= fl;
  rx = 0; ry = fz; rz = -fy; rl = sqrt(ry*ry + rz*rz); ry /= rl; rz /= rl;
  ux = ry*fz - rz*fy; uy = rz*fx - rx*fz; uz = rx*fy - ry*fx;
  dx = wx - ex; dy = wy - ey; dz = -ez; depth = dx*fx + dy*fy + dz*fz;
  t = 25.4 * 588 / (4 * 50 * 96);
  sx = (dx*rx + dy*ry + dz*rz) / depth / t; sy = (dx*ux + dy*uy + dz*uz) / depth / (t * 442 / 588);
  printf "%d %d\n", (sx + 1) * 294, (1 - sy) * 221 }')
xdotool mousemove $((X + 13 + px)) $((Y + 43 + py))
echo "game with a lit group spinning:    $(measure)"
