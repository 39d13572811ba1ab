#!/usr/bin/env bash
# What glimmora-play makes of a player's folder, with a stand-in for the game so that every
# case runs in moments: a fresh folder, second starts, stale links, the player's own
# folders, refusals, and many launches at once.
set -uo pipefail
source "$(dirname "$0")/common.sh"

log=$scratch/started.log
copy=$scratch/copy
stub_copy "$copy" "$log"
shipped=$copy/share/glimmora
launch() { "$copy/bin/glimmora-play" "$@"; }

echo "== a fresh home gets a complete folder and the game starts in it"
home=$(fresh_home); player=$(player_of "$home")
mkdir "$shipped/Music"
: > "$log"
HOME=$home XDG_DATA_HOME='' launch
check "launch succeeds" [ $? -eq 0 ]
check "the folder is complete" folder_complete "$player" "$shipped"
check "no link for a folder that is not shipped" test ! -e "$player/sounds" -a ! -L "$player/sounds"
check "the settings are the shipped defaults, byte for byte" same_file "$player/s3d.ini" "$shipped/defaults/s3d.ini"
check "the settings are copied, not linked" [ ! -L "$player/s3d.ini" ]
check "the game ran once, in the player's folder, with no arguments" \
    [ "$(cat "$log")" = "$player 0" ]
rmdir "$shipped/Music"

echo "== XDG_DATA_HOME, when absolute, holds the folder; a relative one is ignored"
home=$(fresh_home); : > "$log"
HOME=$home XDG_DATA_HOME=$home/xdg launch
check "the folder is under XDG_DATA_HOME" folder_complete "$home/xdg/glimmora" "$shipped"
HOME=$home XDG_DATA_HOME=relative/path launch
check "a relative XDG_DATA_HOME falls back to HOME" folder_complete "$(player_of "$home")" "$shipped"
check "no folder is made at the relative path" [ ! -e relative ]

echo "== a second start keeps the player's settings and scores and restores what is missing"
home=$(fresh_home); player=$(player_of "$home")
HOME=$home launch
printf '[Options]\r\nRB168=1\r\nPlayerName=Ann\r\n' > "$player/s3d.ini"
printf 'the player'"'"'s own scores\n' > "$player/hscore.dat"
cp "$player/s3d.ini" "$scratch/ini.kept"; cp "$player/hscore.dat" "$scratch/scores.kept"
printf 'shipped scores\n' > "$shipped/defaults/hscore.dat"
HOME=$home launch
check "changed settings are kept" same_file "$player/s3d.ini" "$scratch/ini.kept"
check "the scores are kept" same_file "$player/hscore.dat" "$scratch/scores.kept"
rm "$player/hscore.dat"
HOME=$home launch
check "a deleted file comes back from the defaults" same_file "$player/hscore.dat" "$shipped/defaults/hscore.dat"
ln -s /nowhere "$player/s3d.ini.tmp" && mv -f "$player/s3d.ini.tmp" "$player/s3d.ini"
HOME=$home launch
check "a link the player put in a default's place is left alone" [ "$(readlink "$player/s3d.ini")" = /nowhere ]
rm "$shipped/defaults/hscore.dat"

echo "== stale links are replaced, broken ones removed"
home=$(fresh_home); player=$(player_of "$home")
mkdir -p "$player" "$scratch/old-copy/Pics"
ln -s "$scratch/old-copy/Pics" "$player/Pics"
ln -s "$scratch/gone/sounds" "$player/sounds"
ln -s "$scratch/gone/Music" "$player/Music"
mkdir "$shipped/Music"
HOME=$home launch
check "a link to another copy's pictures now points at the shipped ones" \
    [ "$(readlink "$player/Pics")" = "$shipped/Pics" ]
check "the old copy's folder itself is untouched" [ -d "$scratch/old-copy/Pics" ]
check "a broken link for a folder that is not shipped is removed" [ ! -L "$player/sounds" ]
check "a broken link for a shipped folder points at it again" [ "$(readlink "$player/Music")" = "$shipped/Music" ]
check "the folder is complete" folder_complete "$player" "$shipped"
rmdir "$shipped/Music"
HOME=$home launch
check "a link whose shipped folder has gone is removed" [ ! -L "$player/Music" ]

echo "== the player's own folders and files stay"
home=$(fresh_home); player=$(player_of "$home")
mkdir -p "$player/Pics" && echo mine > "$player/Pics/panel1.jpg"
echo "not a folder" > "$player/Music"
mkdir "$shipped/Music"
HOME=$home launch
check "launch succeeds" [ $? -eq 0 ]
check "a real Pics folder is kept" test -d "$player/Pics" -a ! -L "$player/Pics"
check "with its contents" [ "$(cat "$player/Pics/panel1.jpg")" = mine ]
check "a real file named Music is kept" [ "$(cat "$player/Music")" = "not a folder" ]
rmdir "$shipped/Music"

echo "== refusals: one clear line on standard error, a failing status, nothing made"
expect_refusal() {  # what, expected text, command...
    local what=$1 text=$2; shift 2
    : > "$log"
    "$@" > "$scratch/out" 2> "$scratch/err"
    local status=$?
    check "$what: fails" [ $status -ne 0 ]
    check "$what: one line on standard error" [ "$(wc -l < "$scratch/err")" -eq 1 ]
    grep -q "^glimmora: .*$text" "$scratch/err" || fail "$what: says '$(cat "$scratch/err")', expected '$text'"
    check "$what: nothing on standard output" [ ! -s "$scratch/out" ]
    check "$what: the game is not started" [ ! -s "$log" ]
}
home=$(fresh_home)
expect_refusal "read-only home" "cannot make the folder $home/.local/share/glimmora: Permission denied" \
    setpriv --reuid=65534 --regid=65534 --clear-groups env HOME="$home" XDG_DATA_HOME='' "$copy/bin/glimmora-play"
check "read-only home: nothing is made in it" [ -z "$(ls -A "$home")" ]
mkdir -p "$(player_of "$home")"; chmod 755 "$home/.local" "$home/.local/share" "$(player_of "$home")"
expect_refusal "read-only folder" "cannot write to the folder" \
    setpriv --reuid=65534 --regid=65534 --clear-groups env HOME="$home" XDG_DATA_HOME='' "$copy/bin/glimmora-play"
check "read-only folder: nothing is made in it" [ -z "$(ls -A "$(player_of "$home")")" ]
expect_refusal "no HOME" "HOME is not set" env -u HOME -u XDG_DATA_HOME "$copy/bin/glimmora-play"
expect_refusal "relative HOME" "HOME is not an absolute path" env -u XDG_DATA_HOME HOME=somewhere "$copy/bin/glimmora-play"
check "relative HOME: nothing is made" [ ! -e somewhere ]
home=$(fresh_home)
expect_refusal "arguments" "takes no arguments" env HOME="$home" "$copy/bin/glimmora-play" --level 3
mkdir -p "$scratch/bare/bin"; cp "$copy/bin/"* "$scratch/bare/bin/"
expect_refusal "no shipped data" "the game's data is missing" env HOME="$home" "$scratch/bare/bin/glimmora-play"
mkdir -p "$scratch/bare/share/glimmora/Pics"
expect_refusal "no defaults" "data is incomplete" env HOME="$home" "$scratch/bare/bin/glimmora-play"
rm "$scratch/bare/bin/glimmora"
expect_refusal "no program" "the game is missing" env HOME="$home" "$scratch/bare/bin/glimmora-play"
check "refusals leave the home untouched" [ -z "$(ls -A "$home")" ]

echo "== found through a link in PATH; read-only shipped files give writable copies"
home=$(fresh_home); player=$(player_of "$home")
mkdir -p "$scratch/path"; ln -s "$copy/bin/glimmora-play" "$scratch/path/glimmora-play"
chmod a-w "$shipped/defaults/s3d.ini"
: > "$log"
(cd / && HOME=$home PATH=$scratch/path:$PATH glimmora-play)
check "launch through PATH succeeds" [ $? -eq 0 ]
check "the folder is complete" folder_complete "$player" "$shipped"
check "the copied settings can be written" [ -w "$player/s3d.ini" ]
check "the game ran in the player's folder" [ "$(cat "$log")" = "$player 0" ]
chmod u+w "$shipped/defaults/s3d.ini"

echo "== many launches at once leave one complete folder"
mkdir "$shipped/Music"
for round in $(seq 1 10); do
    home=$(fresh_home); player=$(player_of "$home")
    : > "$log"
    pids=()
    for i in 1 2 3 4 5 6; do HOME=$home launch 2> "$scratch/err.$i" & pids+=($!); done
    ok=0
    for pid in "${pids[@]}"; do wait "$pid" && ok=$((ok + 1)); done
    check "round $round: every launch succeeds ($(cat "$scratch"/err.* | head -n1))" [ $ok -eq 6 ]
    check "round $round: every launch started the game" [ "$(grep -c "^$player 0\$" "$log")" -eq 6 ]
    check "round $round: the folder is complete" folder_complete "$player" "$shipped"
    check "round $round: the settings are whole" same_file "$player/s3d.ini" "$shipped/defaults/s3d.ini"
    check "round $round: nothing else is in the folder" [ "$(ls -A "$player" | tr '\n' ' ')" = "Music Pics s3d.ini " ]
done
rmdir "$shipped/Music"

finish
