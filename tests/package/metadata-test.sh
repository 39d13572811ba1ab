#!/usr/bin/env bash
# The menu entry, the AppStream metadata and the manual page as written in packaging/: each
# passes its validator with nothing to say, they agree on the id, the command and the version,
# and every screenshot the metadata names is committed, a PNG of the size it states.
set -uo pipefail
source "$(dirname "$0")/../launcher/common.sh"

id=io.github.glimmora.Glimmora
pkg=$GLIMMORA_SOURCE_DIR/packaging
entry=$pkg/$id.desktop
meta=$pkg/$id.metainfo.xml

echo "== validators"
said=$(desktop-file-validate "$entry" 2>&1)
check "desktop-file-validate passes the menu entry with nothing to say: $said" [ $? -eq 0 -a -z "$said" ]
said=$(appstreamcli validate --no-net "$meta" 2>&1)
rc=$?
check "appstreamcli validates the metadata" [ $rc -eq 0 ]
check "appstreamcli finds no error or warning: $(grep -E '^[EW]:' <<< "$said" | tr '\n' ' ')" \
    [ -z "$(grep -E '^[EW]:' <<< "$said")" ]
said=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$pkg/glimmora.6" 2>&1 >/dev/null)
check "the manual page formats without warnings: $said" [ -z "$said" ]

echo "== one id, one command"
field() { sed -n "s/^$1=//p" "$entry"; }
check "the entry starts the launcher glimmora" [ "$(field Exec)" = glimmora ]
check "the entry's icon is named by the id" [ "$(field Icon)" = "$id" ]
xml() { xmllint --xpath "$1" "$meta" 2>/dev/null; }
check "the metadata's id" [ "$(xml 'string(/component/id)')" = "$id" ]
check "the metadata launches the entry" [ "$(xml 'string(/component/launchable[@type="desktop-id"])')" = "$id.desktop" ]
check "the metadata provides the command" [ "$(xml 'string(/component/provides/binary)')" = glimmora ]
check "the categories are Game and LogicGame" \
    [ "$(xml '/component/categories/category/text()' | tr '\n' ' ')" = "Game LogicGame " ]
check "an OARS 1.1 content rating" [ "$(xml 'string(/component/content_rating/@type)')" = oars-1.1 ]

echo "== one version"
version=$(dpkg-parsechangelog -l "$GLIMMORA_SOURCE_DIR/debian/changelog" -S Version)
check "the newest release in the metadata is the package's $version" \
    [ "$(xml 'string(/component/releases/release[1]/@version)')" = "$version" ]
check "the manual page is of version $version" grep -q "^\.TH GLIMMORA 6 .*\"Glimmora $version\"" "$pkg/glimmora.6"

echo "== screenshots"
count=$(xml 'count(/component/screenshots/screenshot)')
check "at least two screenshots (saw $count)" [ "${count:-0}" -ge 2 ]
for ((i = 1; i <= ${count:-0}; ++i)); do
    url=$(xml "string(/component/screenshots/screenshot[$i]/image)")
    w=$(xml "string(/component/screenshots/screenshot[$i]/image/@width)")
    h=$(xml "string(/component/screenshots/screenshot[$i]/image/@height)")
    file=$pkg/screenshots/${url##*/}
    check "the screenshot ${url##*/} is committed as a ${w}x$h PNG" \
        [ "$(identify -format '%m %w %h' "$file" 2>/dev/null)" = "PNG $w $h" ]
    check "${url##*/} is named by its path in the repository" [ "${url%/*}" != "$url" -a "${url#*/main/}" = "packaging/screenshots/${url##*/}" ]
done

finish
