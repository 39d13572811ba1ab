#!/usr/bin/env bash
# The real game's start-up, memory and idle cost beside glimmora-yardstick-3d (Qt Widgets
# around a GL window drawing a lit torus, a textured sphere and a blended square: the
# least a program of the game's kind can start with), in turn under the same X server.
# ROUNDS (default 3) rounds; each measure takes the yardstick and the game one after
# the other; medians with ranges in brackets. Run inside an X server (make bench does).
#
#   first frame, last change  from the exec to the first and the last change of the
#                             screen within 4 s (X damage reports, glimmora-startwatch)
#   RSS at 4 s                VmRSS 4 s after the exec: the shipped settings (20 x 12,
#                             sound and music on), and sound and music off
#   cold shader cache         the same start with MESA_SHADER_CACHE_DIR an empty folder
#   both cores busy           the same start beside two busy loops of this script's own
#   first sound               from the first frame to the first sample other than silence
#                             written by SDL's disk audio driver (in real time, so a device
#                             plays it about one 1024-frame buffer, 23 ms, later)
#   longest frame             the game's frame log (GLIMMORA_FRAME_LOG: drawing to
#                             presentation) over 5 s of pointer moves across the field,
#                             begun as soon as the window is on the screen
#   wake-ups                  voluntary + involuntary context switches a second over 10 s
#                             with nothing moving (pointer off the window, par search off),
#                             the process and its busiest threads by name
#   par search                CPU seconds of 5 s idle before any search (ParSearch=0)
#                             and 5 s idle after a 16 x 8 deal's par search has finished
#
# The game starts as a first run does, in a fresh folder with the shipped data and
# settings. SDL_AUDIODRIVER defaults to dummy (disk for the first-sound run).
# QT_SCALE_FACTOR=2 measures as on a dense screen.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bin=${1:-$root/build/bin}
rounds=${ROUNDS:-3}
scale=${QT_SCALE_FACTOR:-1}
hz=$(getconf CLK_TCK)
dir=$(mktemp -d)
busy=()
live=
cleanup() {
  [ ${#busy[@]} -gt 0 ] && kill "${busy[@]}" 2>/dev/null
  [ -n "$live" ] && kill "$live" 2>/dev/null
  rm -rf "$dir"
}
trap cleanup EXIT
trap 'echo "startup.sh: failed at line $LINENO" >&2' ERR
export SDL_AUDIODRIVER=${SDL_AUDIODRIVER:-dummy}
# The pointer well away from every window: its drawing is a change of the screen too.
park() { xdotool mousemove 9999 9999 2>/dev/null || true; }

# A player's first folder; further arguments are settings to change, KEY=VALUE.
fresh() {
  rm -rf "$dir/run" && mkdir "$dir/run" && cp -r "$root/data/." "$dir/run/" && cp "$root/data/defaults/"* "$dir/run/"
  local kv
  for kv in "$@"; do
    sed -i "/^${kv%%=*}=/d" "$dir/run/s3d.ini"
    printf '%s\r\n' "$kv" >>"$dir/run/s3d.ini"
  done
}
watch_game() { (cd "$dir/run" && "$bin/glimmora-startwatch" 4 "$bin/glimmora" "${extra[@]}" 2>/dev/null); }
watch_floor() { "$bin/glimmora-startwatch" 4 "$bin/glimmora-yardstick-3d" 2>/dev/null; }
extra=()

# The start-up runs: columns last first rss [open sound].
startups() {
  park; watch_floor >>"$dir/floor"
  park; fresh; SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE="$dir/mix.raw" STARTWATCH_SOUND="$dir/mix.raw" watch_game >>"$dir/game"
  rm -f "$dir/mix.raw"
  park; fresh EnableSound=0 EnableMusic=0; watch_game >>"$dir/quiet"
  mkdir -p "$dir/cold"
  park; rm -rf "$dir/cold"/*; MESA_SHADER_CACHE_DIR="$dir/cold" watch_floor >>"$dir/floor-cold"
  park; rm -rf "$dir/cold"/*; fresh; MESA_SHADER_CACHE_DIR="$dir/cold" watch_game >>"$dir/game-cold"
  local i
  for i in 1 2; do (while :; do :; done) & busy+=($!); done
  park; watch_floor >>"$dir/floor-busy"
  park; fresh; watch_game >>"$dir/game-busy"
  kill "${busy[@]}" 2>/dev/null; wait "${busy[@]}" 2>/dev/null || true; busy=()
}

# Context switches of every thread: "tid name count" lines.
switches() {
  local t
  for t in /proc/"$1"/task/*; do
    printf '%s %s %s\n' "${t##*/}" "$(tr ' ' _ <"$t/comm")" "$(awk '/ctxt_switches/ { s += $2 } END { print s + 0 }' "$t/status" 2>/dev/null)"
  done 2>/dev/null | sort
}
# Wake-ups a second over 10 s: "process N" and one line per thread name (summed).
wakeups() {
  switches "$1" >"$dir/sw.a"; sleep 10; switches "$1" >"$dir/sw.b"
  join "$dir/sw.a" "$dir/sw.b" | awk '{ d = ($5 - $3) / 10; all += d; by[$2] += d }
    END { printf "process %.1f\n", all; for (n in by) printf "%s %.1f\n", n, by[n] }'
}

# awk, not head: a reader that stops early would end the search with SIGPIPE.
window_of() { xdotool search --onlyvisible --name "$1" 2>/dev/null | awk 'NR == 1' || true; }
wait_window() {
  local _
  for _ in $(seq 200); do
    [ -n "$(window_of "$1")" ] && return 0
    sleep 0.05
  done
  return 1
}

# 250 pointer moves 20 ms apart (one xdotool run keeps the time) across the view,
# five rows there and back: each crosses many groups.
sweep_args() {
  eval "$(xdotool getwindowgeometry --shell "$1")"
  awk -v x0="$X" -v y0="$Y" -v s="$scale" 'BEGIN {
    for (row = 0; row < 5; row++) for (i = 0; i < 50; i++) {
      f = (row % 2 == 0) ? i / 49 : 1 - i / 49
      printf "mousemove %d %d sleep 0.02 ", x0 + (13 + 90 + f * 400) * s, y0 + (43 + 130 + row * 45) * s
    } }'
}

# The game with its frame log: the longest frame of the first 5 s of pointer moves,
# then the idle wake-ups. Prints "longest_ms frames" and the wake-up lines.
moves_and_idle() {
  local log="$dir/frames.log" win
  park
  (cd "$dir/run" && GLIMMORA_FRAME_LOG="$log" exec "$bin/glimmora" >/dev/null 2>&1) &
  live=$!
  wait_window '^Glimmora! Game$'
  win=$(window_of '^Glimmora! Game$')
  local before
  before=$(wc -l <"$log" 2>/dev/null || echo 0)
  # shellcheck disable=SC2046
  xdotool $(sweep_args "$win")
  tail -n +"$((before + 1))" "$log" | awk '{ if ($2 > m) m = $2; n++ } END { printf "%.1f %d\n", m, n }'
  [ -n "${FRAMES_KEEP:-}" ] && cp "$log" "$FRAMES_KEEP.$$.$RANDOM" && echo "$before" >>"$FRAMES_KEEP.starts"
  # Over the sky first, so that no group stays lit (and spinning) once the pointer is gone.
  eval "$(xdotool getwindowgeometry --shell "$win")"
  xdotool mousemove "$(awk -v x="$X" -v s="$scale" 'BEGIN { printf "%d", x + 20 * s }')" "$(awk -v y="$Y" -v s="$scale" 'BEGIN { printf "%d", y + 50 * s }')"
  sleep 0.2; park; sleep 3
  wakeups "$live"
  kill "$live"; wait "$live" 2>/dev/null || true; live=
}
floor_idle() {
  park
  "$bin/glimmora-yardstick-3d" >/dev/null 2>&1 &
  live=$!
  sleep 3
  wakeups "$live"
  kill "$live"; wait "$live" 2>/dev/null || true; live=
}

cpu_ticks() { awk '{ print $14 + $15 }' "/proc/$1/stat"; }
# CPU seconds of the game over 5 s of idle, ParSearch=0 (as before any search),
# then on the 16 x 8 deal 16x8-1 with the search on, 1 s after its worker thread
# (the busiest thread after the first second) has ended. The worker runs at idle
# priority, so on a busy machine it may pause: only its end says it is done.
par_idle() {
  local a b
  park; fresh ParSearch=0
  (cd "$dir/run" && exec "$bin/glimmora" --deal 16x8-1 >/dev/null 2>&1) &
  live=$!
  wait_window '^Glimmora! Game$'; sleep 3
  a=$(cpu_ticks "$live"); sleep 5; b=$(cpu_ticks "$live")
  kill "$live"; wait "$live" 2>/dev/null || true; live=
  local before=$((b - a))
  park; fresh ParSearch=1
  local t0 worker waited=0
  t0=$(date +%s.%N)
  (cd "$dir/run" && exec "$bin/glimmora" --deal 16x8-1 >/dev/null 2>&1) &
  live=$!
  wait_window '^Glimmora! Game$'; sleep 1
  worker=$(for t in /proc/"$live"/task/*; do awk -v t="${t##*/}" '{ print $14 + $15, t }' "$t/stat"; done 2>/dev/null | sort -n | tail -1 | cut -d' ' -f2)
  while [ -d "/proc/$live/task/$worker" ] && [ "$waited" -lt 1200 ]; do sleep 0.1; waited=$((waited + 1)); done
  local done_s
  done_s=$(awk -v t0="$t0" -v t1="$(date +%s.%N)" 'BEGIN { printf "%.1f", t1 - t0 }')
  sleep 1
  a=$(cpu_ticks "$live"); sleep 5; b=$(cpu_ticks "$live")
  kill "$live"; wait "$live" 2>/dev/null || true; live=
  awk -v x="$before" -v y="$((b - a))" -v hz="$hz" -v d="$done_s" 'BEGIN { printf "%.2f %.2f %s\n", x / hz, y / hz, d }'
}

for f in floor game quiet floor-cold game-cold floor-busy game-busy moves wake-game wake-quiet wake-floor par; do : >"$dir/$f"; done
for n in $(seq "$rounds"); do
  startups
  fresh ParSearch=0
  moves_and_idle >"$dir/m"
  head -1 "$dir/m" >>"$dir/moves"
  tail -n +2 "$dir/m" | sed "s/^/$n /" >>"$dir/wake-game"
  fresh ParSearch=0 EnableSound=0 EnableMusic=0
  moves_and_idle | tail -n +2 | sed "s/^/$n /" >>"$dir/wake-quiet"
  floor_idle | sed "s/^/$n /" >>"$dir/wake-floor"
done
par_idle >>"$dir/par"

# Median (range) of column k of a file, scaled by an optional divisor.
med() {
  awk -v k="$2" -v d="${3:-1}" '$k >= 0 { v[++n] = $k / d } END {
    if (!n) { printf "-"; exit }
    for (i = 1; i <= n; i++) for (j = i + 1; j <= n; j++) if (v[j] < v[i]) { t = v[i]; v[i] = v[j]; v[j] = t }
    m = (n % 2) ? v[(n + 1) / 2] : (v[n / 2] + v[n / 2 + 1]) / 2
    printf "%.*f (%.*f-%.*f)", (d > 1 ? 1 : 0), m, (d > 1 ? 1 : 0), v[1], (d > 1 ? 1 : 0), v[n] }' "$1"
}
medv() { med "$@" | cut -d' ' -f1; }
diff_of() { awk -v a="$1" -v b="$2" 'BEGIN { if (a == "-" || b == "-") print "-"; else printf "%+.1f", a - b }'; }
row() { printf '%-44s %-22s %-22s %s\n' "$@"; }
echo "startup at ${scale}x: medians of $rounds rounds in turn under one X server (ranges in brackets); load $(cut -d' ' -f1-3 /proc/loadavg)"
row "" "yardstick-3d" "game" "game - yardstick"
row "first frame (ms)" "$(med "$dir/floor" 2)" "$(med "$dir/game" 2)" "$(diff_of "$(medv "$dir/game" 2)" "$(medv "$dir/floor" 2)")"
row "last change within 4 s (ms)" "$(med "$dir/floor" 1)" "$(med "$dir/game" 1)" "$(diff_of "$(medv "$dir/game" 1)" "$(medv "$dir/floor" 1)")"
row "  sound and music off: first frame" "" "$(med "$dir/quiet" 2)" ""
row "  sound and music off: last change" "" "$(med "$dir/quiet" 1)" ""
row "RSS at 4 s, shipped settings (MB)" "$(med "$dir/floor" 3 1024)" "$(med "$dir/game" 3 1024)" "$(diff_of "$(medv "$dir/game" 3 1024)" "$(medv "$dir/floor" 3 1024)")"
row "RSS at 4 s, sound and music off (MB)" "" "$(med "$dir/quiet" 3 1024)" "$(diff_of "$(medv "$dir/quiet" 3 1024)" "$(medv "$dir/floor" 3 1024)")"
row "first frame, empty shader cache (ms)" "$(med "$dir/floor-cold" 2)" "$(med "$dir/game-cold" 2)" "$(diff_of "$(medv "$dir/game-cold" 2)" "$(medv "$dir/floor-cold" 2)")"
row "last change, empty shader cache (ms)" "$(med "$dir/floor-cold" 1)" "$(med "$dir/game-cold" 1)" "$(diff_of "$(medv "$dir/game-cold" 1)" "$(medv "$dir/floor-cold" 1)")"
row "first frame, both cores busy (ms)" "$(med "$dir/floor-busy" 2)" "$(med "$dir/game-busy" 2)" "$(diff_of "$(medv "$dir/game-busy" 2)" "$(medv "$dir/floor-busy" 2)")"
awk -v b="$(medv "$dir/game-busy" 2)" -v q="$(medv "$dir/game" 2)" -v fb="$(medv "$dir/floor-busy" 2)" -v fq="$(medv "$dir/floor" 2)" \
  'BEGIN { if (q > 0 && fq > 0) printf "%-44s %-22s %-22s\n", "  busy / as measured above", sprintf("%.2f", fb / fq), sprintf("%.2f", b / q) }'
awk '$5 >= 0 && $6 >= 0 { print $5 - $2, $6 - $2 }' "$dir/game" >"$dir/sound"
row "first frame to output open (ms)" "" "$(med "$dir/sound" 1)" ""
row "first frame to first sound written (ms)" "" "$(med "$dir/sound" 2)" ""
row "longest frame, 5 s of moves from start (ms)" "" "$(med "$dir/moves" 1)" "frames: $(medv "$dir/moves" 2)"
# Per-name medians over the rounds, busiest first (names seen in every round).
wake_rows() {
  awk '{ v[$2] = v[$2] " " $3; c[$2]++ } END { for (n in v) print n, c[n], v[n] }' "$1" | while read -r name count vals; do
    printf '%s %s\n' "$name" "$(printf '%s\n' $vals | sort -n | awk '{ a[NR] = $1 } END { print a[int((NR + 1) / 2)] }')"
  done | sort -k2,2nr | awk '$2 > 0 || $1 == "process"'
}
echo "wake-ups a second at idle (context switches over 10 s, par search off; medians; threads that woke):"
for w in floor game quiet; do
  case $w in floor) label="yardstick-3d" ;; game) label="game, shipped settings" ;; quiet) label="game, sound and music off" ;; esac
  printf '  %-26s %s\n' "$label" "$(wake_rows "$dir/wake-$w" | awk '{ printf "%s%s %s", (NR > 1 ? ", " : ""), $1, $2 }')"
done
read -r pb pa ps <"$dir/par"
printf '%-44s %s s before any search, %s s after the 16 x 8 search ended (its worker ended %s s after the start)\n' "game CPU over 5 s idle" "$pb" "$pa" "$ps"
