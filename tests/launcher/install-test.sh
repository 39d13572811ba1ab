#!/usr/bin/env bash
# `cmake --install` into a temporary prefix: what lands where (the launcher glimmora in bin/,
# the program and its audio module in lib/glimmora/, the data in share/glimmora/, the desktop's files under one id),
# that the installed copy plays when started from any folder, that uninstalling removes
# exactly that; and the prefix ~/.local, where the shipped folder is the player's own folder.
set -uo pipefail
source "$(dirname "$0")/common.sh"

build=$(cd "$GLIMMORA_BIN_DIR/.." && pwd -P)
manifest=$build/install_manifest.txt
# The player's own `make install` keeps its record of what to uninstall.
[ -f "$manifest" ] && cp -p "$manifest" "$scratch/manifest.saved"
trap '[ -f "$scratch/manifest.saved" ] && cp -p "$scratch/manifest.saved" "$manifest" || rm -f "$manifest"
      chmod -R u+w "$scratch" 2>/dev/null; rm -rf "$scratch"' EXIT
uninstall() { cmake -DMANIFEST="$manifest" -P "$GLIMMORA_SOURCE_DIR/cmake/Uninstall.cmake" > "$scratch/uninstall.log"; }

# Starts an installed launcher from a folder and checks a dealt 20 x 12 board.
start_and_check_board() {
    local home=$2 kinds
    start_game "$@" || return
    kinds=$(board_kinds 12 20 "$window" 5)
    check "every cell of the 20 x 12 field shows a piece" full_board "$kinds"
    check "no message box: $(other_windows | tr '\n' ' ')" [ -z "$(other_windows)" ]
    check "the game runs in the player's folder" [ "$(readlink "/proc/$game/cwd")" = "$(player_of "$home")" ]
}

xdotool mousemove 0 0
prefix=$scratch/prefix
echo "== installing into $prefix"
cmake --install "$build" --prefix "$prefix" > "$scratch/install.log" || { fail "install failed"; finish; }
share=$prefix/share/glimmora
id=io.github.glimmora.Glimmora
check "the program is installed" [ -x "$prefix/lib/glimmora/glimmora" ]
check "the audio module is installed beside it" [ -f "$prefix/lib/glimmora/glimmora-audio.so" ]
check "lib/glimmora holds the program and the module: $(ls "$prefix/lib/glimmora" | tr '\n' ' ')" \
    [ "$(ls "$prefix/lib/glimmora" | tr '\n' ' ')" = "glimmora glimmora-audio.so " ]
sed -e 's|@GLIMMORA_PROGRAM_FROM_LAUNCHER@|../lib/glimmora|g' -e 's|@GLIMMORA_DATA_FROM_LAUNCHER@|../share/glimmora|g' \
    "$GLIMMORA_SOURCE_DIR/scripts/glimmora.in" > "$scratch/launcher"
check "the launcher is the sources' with the installed places filled in" same_file "$prefix/bin/glimmora" "$scratch/launcher"
check "the launcher can be run" [ -x "$prefix/bin/glimmora" ]
check "nothing else is in bin: $(ls "$prefix/bin" | tr '\n' ' ')" [ "$(ls "$prefix/bin")" = glimmora ]
expected="defaults Pics"
for name in Pics defaults sounds Music; do
    [ -d "$data/$name" ] || continue
    diff -r "$data/$name" "$share/$name" > /dev/null || fail "share/glimmora/$name differs from data/$name"
done
[ -d "$data/sounds" ] && expected="$expected sounds"
[ -d "$data/Music" ] && expected="$expected Music"
check "share/glimmora holds the shipped folders and nothing else ($(ls "$share" | tr '\n' ' '))" \
    [ "$(ls "$share" | sort | tr '\n' ' ')" = "$(tr ' ' '\n' <<< "$expected" | sort | tr '\n' ' ')" ]
entry=$prefix/share/applications/$id.desktop
check "the desktop entry passes desktop-file-validate" desktop-file-validate "$entry"
check "the AppStream metadata is installed under the id" \
    same_file "$prefix/share/metainfo/$id.metainfo.xml" "$GLIMMORA_SOURCE_DIR/packaging/$id.metainfo.xml"
check "the manual page is installed" same_file "$prefix/share/man/man6/glimmora.6" "$GLIMMORA_SOURCE_DIR/packaging/glimmora.6"
for lang in de fr; do
    check "the $lang manual page is installed where man looks for it" \
        same_file "$prefix/share/man/$lang/man6/glimmora.6" "$GLIMMORA_SOURCE_DIR/packaging/glimmora.$lang.6"
done
for line in Name=Glimmora Exec=glimmora Icon=$id "Categories=Game;LogicGame;" Terminal=false; do
    grep -qx "$line" "$entry" || fail "the desktop entry lacks $line"
done
grep -q '^Comment=.' "$entry" || fail "the desktop entry has no Comment"
for size in 16 22 24 32 48 64 128 256 512; do
    icon=$prefix/share/icons/hicolor/${size}x$size/apps/$id.png
    check "a ${size}x$size PNG icon with transparency" \
        [ "$(identify -format '%m %w %h %A' "$icon" 2>/dev/null)" = "PNG $size $size True" ]
done
# The five crystals, left to right: red, yellow, cyan, green, blue; the corners clear.
seen=$(printf '%s\n' "56 166" "90 136" "130 116" "168 136" "202 166" | kinds_at "$prefix/share/icons/hicolor/256x256/apps/$id.png" | tr '\n' ' ')
check "the icon shows the five kinds' crystals (saw $seen)" [ "$seen" = "5 1 4 2 3 " ]
check "the icon's corners are transparent" \
    [ "$(convert "$prefix/share/icons/hicolor/64x64/apps/$id.png" -format '%[fx:p{0,0}.a+p{63,0}.a]' info:)" = 0 ]

echo "== the installed copy plays, started from another folder"
home=$(fresh_home); mkdir "$scratch/elsewhere"
start_and_check_board "$prefix/bin/glimmora" "$home" "$scratch/elsewhere"
check "the program is the installed one" [ "$(readlink "/proc/$game/exe")" = "$(cd -P "$prefix" && pwd)/lib/glimmora/glimmora" ]
# Sound is on in the shipped settings: the module loads once the first frame is shown.
check "the audio module loaded is the installed one" \
    wait_mapped "$game" "$(cd -P "$prefix" && pwd)/lib/glimmora/glimmora-audio.so" 30
check "the pictures are the installed ones" [ "$(readlink "$(player_of "$home")/Pics")" = "$(cd -P "$share" && pwd)/Pics" ]
check "nothing is written where it was started" [ -z "$(ls -A "$scratch/elsewhere")" ]
stop_game

echo "== without its audio module the installed copy plays on silent, after one message"
module=$prefix/lib/glimmora/glimmora-audio.so
mv "$module" "$scratch/module.aside"
home=$(fresh_home)
(cd "$scratch/elsewhere" && HOME=$home XDG_DATA_HOME='' SDL_AUDIODRIVER=dummy exec "$prefix/bin/glimmora" 2> "$scratch/silent.err") &
game=$!
if wait_window "Glimmora! Game" 30 > /dev/null && box=$(wait_window "Glimmora!" 30); then
    check "the terminal hears which module is missing: $(cat "$scratch/silent.err")" \
        grep -q "no sound: .*glimmora-audio.so" "$scratch/silent.err"
    xdotool windowfocus --sync "$box" key Return
    deadline=$((SECONDS + 10))
    while [ -n "$(other_windows)" ] && [ $SECONDS -lt "$deadline" ]; do sleep 0.1; done
    window=$(wait_window "Glimmora! Game" 5)
    kinds=$(board_kinds 12 20 "$window" 5)
    check "the board is dealt and shown all the same" full_board "$kinds"
    check "the message is gone and no other came: $(other_windows | tr '\n' ' ')" [ -z "$(other_windows)" ]
    check "the game still runs" kill -0 "$game"
else
    fail "no main window and message; windows seen: $(other_windows | tr '\n' ' ')"
fi
stop_game
mv "$scratch/module.aside" "$module"

echo "== uninstalling removes what was installed"
uninstall || fail "uninstall failed"
check "no file is left under the prefix: $(find "$prefix" ! -type d | head -n 3)" [ -z "$(find "$prefix" ! -type d)" ]
check "share/glimmora is gone" [ ! -e "$share" ]
check "lib/glimmora is gone" [ ! -e "$prefix/lib/glimmora" ]
check "the player's folder stays" [ -f "$(player_of "$home")/s3d.ini" ]

echo "== prefix ~/.local: the shipped folder is the player's folder"
home=$(fresh_home); player=$(player_of "$home")
# As a launch from a checkout leaves it: links into that checkout (here a copy of its data).
cp -r "$data" "$scratch/checkout-data"
mkdir -p "$player"; ln -s "$scratch/checkout-data/Pics" "$player/Pics"
printf '[Options]\r\nRB2012=1\r\nPlayerName=Ann\r\n' > "$player/s3d.ini"; cp "$player/s3d.ini" "$scratch/ini.kept"
cmake --install "$build" --prefix "$home/.local" > "$scratch/install.log" || fail "install into ~/.local failed"
check "the checkout's pictures are untouched" diff -r "$data/Pics" "$scratch/checkout-data/Pics"
check "the installed pictures are a real folder" test -d "$player/Pics" -a ! -L "$player/Pics"
check "the player's settings are untouched" same_file "$player/s3d.ini" "$scratch/ini.kept"
start_and_check_board "$home/.local/bin/glimmora" "$home" /
stop_game
check "the player's settings are still untouched" same_file "$player/s3d.ini" "$scratch/ini.kept"
uninstall || fail "uninstall failed"
check "the checkout's pictures survive the uninstall" diff -r "$data/Pics" "$scratch/checkout-data/Pics"
# What stays is the player's own: the settings and the score table the first
# start copied in.
check "the installed folders are gone: $(ls -A "$player" | tr '\n' ' ')" [ "$(ls -A "$player" | tr '\n' ' ')" = "hscore.dat s3d.ini " ]
check "the player's settings stay" same_file "$player/s3d.ini" "$scratch/ini.kept"

finish
