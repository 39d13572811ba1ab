# Shared by the launcher's tests: checks that count failures, scratch folders, stand-in
# copies of the game, and what the real game shows on the X screen.

failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }
check() { local what=$1; shift; "$@" || fail "$what"; }
same_file() { cmp -s -- "$1" "$2"; }
finish() { [ "$failures" -eq 0 ] && echo "all checks passed" || echo "$failures check(s) failed" >&2; exit $((failures > 0)); }

: "${GLIMMORA_SOURCE_DIR:?}" "${GLIMMORA_BIN_DIR:?}"
data=$(cd -P "$GLIMMORA_SOURCE_DIR/data" && pwd -P)
# World-readable, so the unprivileged user of the permission cases can run what is in it.
scratch=$(mktemp -d)
chmod 755 "$scratch"
trap 'chmod -R u+w "$scratch" 2>/dev/null; rm -rf "$scratch"' EXIT

fresh_home() { local h; h=$(mktemp -d "$scratch/home.XXXXXX"); chmod 755 "$h"; echo "$h"; }
player_of() { echo "$1/.local/share/glimmora"; }

# The build tree's layout (the launcher beside the program in bin/, the data in
# share/glimmora) whose program is a stand-in that only notes where it was started, with how
# many arguments, in the file named by $2 (outside the player's folder). Asked for a launcher
# message it answers nothing, so the launcher says it in English.
stub_copy() {
    local root=$1 log=$2
    mkdir -p "$root/bin" "$root/share/glimmora"
    cp "$GLIMMORA_BIN_DIR/glimmora-play" "$root/bin/"
    printf '#!/bin/sh\n[ "${1:-}" = --launcher-message ] && exit 1\nprintf "%%s %%s\\n" "$(pwd -P)" "$#" >> "%s"\n' "$log" > "$root/bin/glimmora"
    chmod 755 "$root/bin/glimmora" "$root/bin/glimmora-play"
    cp -r "$data/Pics" "$data/defaults" "$root/share/glimmora/"
    chmod -R a+rX "$root"
}

# The folder a launch must leave: each shipped folder linked, each default present, no
# temporary names left over.
folder_complete() {
    local player=$1 shipped=$2 name
    for name in Pics sounds Music; do
        if [ -d "$shipped/$name" ]; then
            [ "$(readlink "$player/$name")" = "$shipped/$name" ] || { echo "$name is not linked" >&2; return 1; }
        fi
    done
    for name in "$shipped"/defaults/*; do
        [ -f "$player/${name##*/}" ] || { echo "${name##*/} is missing" >&2; return 1; }
    done
    ! ls -A "$player" | grep -q '^\.glimmora-play' || { echo "temporary files left" >&2; return 1; }
}

# --- the real game under X ---------------------------------------------------------------

# The id of a visible top-level window with exactly this title, waiting up to $2 seconds.
wait_window() {
    local title=$1 deadline=$((SECONDS + $2)) id
    while [ $SECONDS -le "$deadline" ]; do
        id=$(xdotool search --maxdepth 1 --onlyvisible --name "^$title\$" 2>/dev/null | head -n1)
        [ -n "$id" ] && { echo "$id"; return 0; }
        sleep 0.1
    done
    return 1
}

# Visible top-level windows other than the main one: message boxes.
other_windows() {
    local id
    for id in $(xdotool search --maxdepth 1 --onlyvisible --name . 2>/dev/null); do
        [ "$(xdotool getwindowname "$id")" = "Glimmora! Game" ] || xdotool getwindowname "$id"
    done
}

window_origin() { xdotool getwindowgeometry --shell "$1" | awk -F= '$1=="X"{x=$2} $1=="Y"{y=$2} END{print x, y}'; }

# Screen points of the centres of the cells of a rows x cols field, the camera the game
# starts with: at (2, 2, 15) looking at the origin, +x up, a 50 mm lens on a 96-dpi
# screen across the 588 x 442 view at (13, 43) in the window.
cell_points() {
    awk -v rows="$1" -v cols="$2" -v ox="$3" -v oy="$4" 'BEGIN {
        w = 588; h = 442; tx = 25.4 * w / (4 * 50 * 96); ty = tx * h / w
        l = sqrt(2*2 + 2*2 + 15*15); fx = -2/l; fy = -2/l; fz = -15/l
        # right = forward x (1,0,0), up = right x forward
        rx = 0; ry = fz; rz = -fy; rl = sqrt(ry*ry + rz*rz); ry /= rl; rz /= rl
        ux = ry*fz - rz*fy; uy = rz*fx - rx*fz; uz = rx*fy - ry*fx
        for (r = 1; r <= rows; ++r) for (c = 1; c <= cols; ++c) {
            lx = c - int(cols / 2); ly = int(rows / 2) - r
            dx = ly - 2; dy = -lx - 2; dz = -15
            depth = dx*fx + dy*fy + dz*fz
            sx = (dx*rx + dy*ry + dz*rz) / depth / tx; sy = (dx*ux + dy*uy + dz*uz) / depth / ty
            printf "%d %d\n", ox + 13 + int((sx + 1) * w / 2 + 0.5), oy + 43 + int((1 - sy) * h / 2 + 0.5)
        }
    }'
}

# The kind seen at each point (screen coordinates, read from standard input) of a screenshot:
# 1..5 for yellow, green, blue, cyan and red pieces, 0 for the grey
# backdrop, -1 for anything else. Lighting and the highlight change the level, not which
# channels lead.
kinds_at() {
    local format
    format=$(awk '{ for (ch = 0; ch < 3; ++ch) printf "%%[fx:int(255*p{%d,%d}.%s+0.5)]%s", $1, $2, substr("rgb", ch + 1, 1), ch < 2 ? "," : " " }')
    convert "$1" -format "$format" info: | tr ' ' '\n' | awk -F, 'NF == 3 {
        r = $1; g = $2; b = $3
        hi = r; if (g > hi) hi = g; if (b > hi) hi = b
        lo = r; if (g < lo) lo = g; if (b < lo) lo = b
        R = r > hi * 0.6; G = g > hi * 0.6; B = b > hi * 0.6
        k = -1
        if (hi - lo < 40) k = 0
        else if (R && G && !B) k = 1; else if (G && !R && !B) k = 2; else if (B && !R && !G) k = 3
        else if (G && B && !R) k = 4; else if (R && !G && !B) k = 5
        print k
    }'
}

# Polls screenshots (uncompressed, as they are taken often) for up to $4 seconds until every cell of a rows x cols field shows a
# piece; prints the kinds seen in the last one.
board_kinds() {
    local rows=$1 cols=$2 id=$3 deadline=$((SECONDS + $4)) shot=$scratch/shot.ppm kinds
    read -r ox oy < <(window_origin "$id")
    while :; do
        import -window root "$shot"
        kinds=$(cell_points "$rows" "$cols" "$ox" "$oy" | kinds_at "$shot")
        if ! grep -qvE '^[1-5]$' <<< "$kinds" || [ $SECONDS -ge "$deadline" ]; then
            echo "$kinds"
            return
        fi
        sleep 0.2
    done
}

# A full board: every cell a piece, and more than one kind dealt.
full_board() { ! grep -qvE '^[1-5]$' <<< "$1" && [ "$(sort -u <<< "$1" | wc -l)" -gt 1 ]; }

# Starts a launcher from a folder for a home; leaves the game's process id in $game and the
# main window's id in $window, or fails the test and returns 1.
start_game() {
    local launcher=$1 home=$2 from=$3
    # A silent output of its own: the machine under test may have no sound card.
    (cd "$from" && HOME=$home XDG_DATA_HOME='' SDL_AUDIODRIVER=dummy exec "$launcher") &
    game=$!
    if ! window=$(wait_window "Glimmora! Game" 30); then
        fail "the main window never showed; windows seen: $(other_windows | tr '\n' ' ')"
        stop_game
        return 1
    fi
}
stop_game() { kill "$game" 2>/dev/null; wait "$game" 2>/dev/null; }

click_exit() {
    read -r ox oy < <(window_origin "$1")
    xdotool mousemove $((ox + 659)) $((oy + 244)) click 1
}

# Waits up to $3 seconds for the process $1 to have the file $2 mapped (a library it opens
# with dlopen once it runs).
wait_mapped() {
    local pid=$1 file=$2 deadline=$((SECONDS + $3))
    until grep -qF -- " $file" "/proc/$pid/maps" 2>/dev/null; do
        kill -0 "$pid" 2>/dev/null && [ $SECONDS -lt "$deadline" ] || return 1
        sleep 0.1
    done
}

# Waits up to $2 seconds for a process to end; its exit status, or 124.
wait_exit() {
    local pid=$1 deadline=$((SECONDS + $2))
    while kill -0 "$pid" 2>/dev/null && [ $SECONDS -lt "$deadline" ]; do sleep 0.1; done
    kill -0 "$pid" 2>/dev/null && return 124
    wait "$pid"
}
