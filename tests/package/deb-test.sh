#!/usr/bin/env bash
# The Debian package: built as `make package` builds it, passed by lintian, holding exactly
# the layout of Debian's games, and played from a copy unpacked into a scratch root, for a
# fresh home: a dealt 20 x 12 board with sound and music on.
set -uo pipefail
source "$(dirname "$0")/../launcher/common.sh"

for tool in dpkg-buildpackage dh lintian; do
    if ! command -v "$tool" >/dev/null; then
        echo "SKIPPED: $tool is missing, so the Debian package cannot be built or checked here (scripts/install-deps installs debhelper, dpkg-dev and lintian)"
        exit 77
    fi
done

id=io.github.glimmora.Glimmora
build=$(cd "$GLIMMORA_BIN_DIR/.." && pwd -P)
echo "== building the package"
start=$SECONDS
deb=$("$GLIMMORA_SOURCE_DIR/scripts/build-package" "$build" 2) || { fail "the package did not build"; finish; }
echo "built $deb in $((SECONDS - start)) s"

echo "== lintian"
changes=${deb%.deb}.changes
said=$(lintian --fail-on error,warning "$changes" 2>&1)
rc=$?
echo "$said"
check "lintian passes the package" [ $rc -eq 0 ]
check "lintian has no error or warning" [ -z "$(grep -E '^[EW]:' <<< "$said")" ]

echo "== control fields"
depends=$(dpkg-deb -f "$deb" Depends)
for dep in timgm6mb-soundfont libc6 libqt6widgets6 libsdl2-mixer-2.0-0 libfluidsynth3 libjpeg62-turbo qt6-qpa-plugins; do
    grep -qE "(^|, )$dep( |,|$)" <<< "$depends" || fail "the package does not depend on $dep: $depends"
done
check "the package is in the games section" [ "$(dpkg-deb -f "$deb" Section)" = games ]

echo "== the files, where Debian's games keep them"
expected=$scratch/expected; actual=$scratch/actual
{
    echo ./usr/games/glimmora
    echo ./usr/lib/games/glimmora/glimmora
    echo ./usr/lib/games/glimmora/glimmora-audio.so
    (cd "$data" && find Pics sounds Music defaults -type f) | sed 's|^|./usr/share/games/glimmora/|'
    echo ./usr/share/applications/$id.desktop
    echo ./usr/share/metainfo/$id.metainfo.xml
    for size in 16 22 24 32 48 64 128 256 512; do echo ./usr/share/icons/hicolor/${size}x$size/apps/$id.png; done
    echo ./usr/share/man/man6/glimmora.6.gz
    for lang in de fr; do echo ./usr/share/man/$lang/man6/glimmora.6.gz; done
    echo ./usr/share/doc/glimmora/changelog.gz
    echo ./usr/share/doc/glimmora/copyright
} | sort > "$expected"
# The name is all after the fifth column: names may hold spaces.
dpkg-deb -c "$deb" | grep -v '^d' | sed -E 's/^([^ ]+ +){5}//' | sort > "$actual"
check "the package holds exactly the expected files: $(diff "$expected" "$actual" | grep '^[<>]' | head -n 5 | tr '\n' ' ')" \
    same_file "$expected" "$actual"
check "the launcher and the program can be run" \
    [ "$(dpkg-deb -c "$deb" | awk '$6 ~ /^\.\/usr\/(games|lib\/games\/glimmora)\/glimmora$/ { print $1 }' | tr '\n' ' ')" = "-rwxr-xr-x -rwxr-xr-x " ]

echo "== the unpacked copy"
root=$scratch/root
dpkg-deb -x "$deb" "$root" || fail "dpkg-deb could not unpack the package"
said=$(desktop-file-validate "$root/usr/share/applications/$id.desktop" 2>&1)
check "the installed menu entry passes desktop-file-validate with nothing to say: $said" [ $? -eq 0 -a -z "$said" ]
said=$(appstreamcli validate --no-net "$root/usr/share/metainfo/$id.metainfo.xml" 2>&1)
check "the installed metadata passes appstreamcli: $said" [ $? -eq 0 -a -z "$(grep -E '^[EW]:' <<< "$said")" ]
for lang in de fr; do
    page=$root/usr/share/man/$lang/man6/glimmora.6.gz
    check "the installed $lang manual page is packaging/glimmora.$lang.6" \
        cmp -s <(gzip -dc "$page") "$GLIMMORA_SOURCE_DIR/packaging/glimmora.$lang.6"
done
for name in Pics sounds Music defaults; do
    check "the shipped $name is the checkout's" diff -r "$data/$name" "$root/usr/share/games/glimmora/$name"
done

echo "== the unpacked launcher plays, sound and music on"
home=$(fresh_home); player=$(player_of "$home")
mix=$scratch/mix.raw
xdotool mousemove 0 0
(cd / && HOME=$home XDG_DATA_HOME='' SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE=$mix \
    exec "$root/usr/games/glimmora" 2> "$scratch/game.err") &
game=$!
if window=$(wait_window "Glimmora! Game" 30); then
    kinds=$(board_kinds 12 20 "$window" 10)
    check "every cell of the 20 x 12 field shows a piece, of several kinds" full_board "$kinds"
    check "no message box: $(other_windows | tr '\n' ' ')" [ -z "$(other_windows)" ]
    check "the program is the unpacked one" [ "$(readlink "/proc/$game/exe")" = "$root/usr/lib/games/glimmora/glimmora" ]
    check "the audio module loaded is the unpacked one, beside the program" \
        wait_mapped "$game" "$root/usr/lib/games/glimmora/glimmora-audio.so" 30
    check "the game runs in the player's folder" [ "$(readlink "/proc/$game/cwd")" = "$player" ]
    check "the player's folder is complete" folder_complete "$player" "$root/usr/share/games/glimmora"
    for key in EnableSound EnableMusic; do
        grep -q "^$key=1"$'\r'"\?$" "$player/s3d.ini" || fail "the settings do not have $key on"
    done
    # The music starts with the game: the mix the sound output writes leaves silence.
    deadline=$((SECONDS + 30)); peak=0
    while [ $SECONDS -lt "$deadline" ]; do
        if [ -s "$mix" ]; then
            peak=$(sox -t raw -r 44100 -e signed -b 16 -c 2 "$mix" -n stat 2>&1 | awk '/Maximum amplitude/ { print ($3 > 0.01) }')
            [ "$peak" = 1 ] && break
        fi
        sleep 0.5
    done
    check "the music plays: the mix is not silent" [ "$peak" = 1 ]
else
    fail "the main window never showed; windows seen: $(other_windows | tr '\n' ' ')"
fi
stop_game
grep -qi "can't initialize" "$scratch/game.err" && fail "the game said: $(grep -i "can't initialize" "$scratch/game.err")"

finish
