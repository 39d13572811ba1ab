#!/usr/bin/env bash
# The real game through the build tree's launcher, as `make run` starts it: a fresh home
# plays a dealt 20 x 12 board, Exit saves into the player's folder, and the next start,
# from another folder, plays with the player's changed settings.
set -uo pipefail
source "$(dirname "$0")/common.sh"

launcher=$GLIMMORA_BIN_DIR/glimmora-play
home=$(fresh_home); player=$(player_of "$home")
# The pointer off the board, so no group is lit or spinning in the screenshots.
xdotool mousemove 0 0

echo "== a fresh home: the folder is made and a 20 x 12 board is dealt"
start_game "$launcher" "$home" "$scratch" || finish
kinds=$(board_kinds 12 20 "$window" 5)
check "every cell of the 20 x 12 field shows a piece, of several kinds" full_board "$kinds"
check "no message box: $(other_windows | tr '\n' ' ')" [ -z "$(other_windows)" ]
check "the game runs in the player's folder" [ "$(readlink "/proc/$game/cwd")" = "$player" ]
check "the pictures are the checkout's" [ "$(readlink "$player/Pics")" = "$data/Pics" ]
check "the folder is complete" folder_complete "$player" "$data"
click_exit "$window"
wait_exit "$game" 15
check "Exit ends the game cleanly" [ $? -eq 0 ]
grep -q $'^Song=1\r$' "$player/s3d.ini" || fail "Exit wrote no Song=1 into the player's settings"
grep -q $'^RB2012=1\r$' "$player/s3d.ini" || fail "the shipped field size is gone from the settings"

echo "== a second start from elsewhere keeps the player's settings"
printf '[Options]\r\nPlayerName=Ann\r\nRB2012=0\r\nRB168=1\r\nSong=1\r\n' > "$player/s3d.ini"
cp "$player/s3d.ini" "$scratch/ini.kept"
[ -f "$player/hscore.dat" ] && printf 'kept' >> "$player/hscore.dat" && cp "$player/hscore.dat" "$scratch/scores.kept"
start_game "$launcher" "$home" / || finish
kinds=$(board_kinds 8 16 "$window" 5)
check "the player's 16 x 8 field is dealt" full_board "$kinds"
read -r ox oy < <(window_origin "$window")
import -window root "$scratch/shot.ppm"
corner=$(cell_points 12 20 "$ox" "$oy" | tail -n 1 | kinds_at "$scratch/shot.ppm")
check "the corner of a 20 x 12 field stays backdrop (saw $corner)" [ "$corner" = 0 ]
check "the changed settings are untouched" same_file "$player/s3d.ini" "$scratch/ini.kept"
[ -f "$scratch/scores.kept" ] && check "the scores are untouched" same_file "$player/hscore.dat" "$scratch/scores.kept"
stop_game

finish
