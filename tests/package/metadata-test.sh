#!/usr/bin/env bash
# The menu entry, the AppStream metadata and the manual pages as written in packaging/: each
# passes its validator with nothing to say, they agree on the id, the command and the version,
# every language the game speaks is in the entry and the metadata, and every screenshot the
# metadata names is committed, a PNG of the size it states.
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
pages=("$pkg/glimmora.6" "$pkg"/glimmora.??.6)
check "the manual page is translated into German and French (saw ${pages[*]##*/})" \
    [ -f "$pkg/glimmora.de.6" -a -f "$pkg/glimmora.fr.6" ]
for page in "${pages[@]}"; do
    said=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$page" 2>&1 >/dev/null)
    check "${page##*/} formats without warnings: $said" [ -z "$said" ]
    # A translation keeps the original's sections: as many headings, the same options.
    check "${page##*/} has the English page's $(grep -c '^\.SH' "$pkg/glimmora.6") sections" \
        [ "$(grep -c '^\.SH' "$page")" = "$(grep -c '^\.SH' "$pkg/glimmora.6")" ]
    for var in HOME XDG_DATA_HOME LANGUAGE QT_SCALE_FACTOR QT_QPA_PLATFORM SDL_AUDIODRIVER; do
        grep -q "^\.BR\? $var\b" "$page" || fail "${page##*/} does not describe $var"
    done
done

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

echo "== every language the game speaks"
languages=$(sed -n 's/^set(GLIMMORA_LANGUAGES \(.*\))$/\1/p' "$GLIMMORA_SOURCE_DIR/cmake/Translations.cmake")
check "the languages are read from the build's list" [ "$(wc -w <<< "$languages")" -ge 12 ]
english_paragraphs=$(xml 'count(/component/description/p[not(@xml:lang)])')
for lang in $languages; do
    for key in Name GenericName Comment Keywords; do
        value=$(field "$key\\[$lang\\]")
        check "the entry has $key[$lang]" [ -n "$value" ]
    done
    generic=$(field "GenericName\\[$lang\\]"); comment=$(field "Comment\\[$lang\\]")
    check "$lang: GenericName and Comment are translated, not copied" \
        [ "$generic" != "$(field GenericName)" -a "$comment" != "$(field Comment)" ]
    keywords=$(field "Keywords\\[$lang\\]")
    check "$lang: the keywords end with ';' and hold no empty one: $keywords" \
        [ "${keywords%;}" != "$keywords" -a "${keywords#*;;}" = "$keywords" ]
    check "the metadata names the game in $lang" [ -n "$(xml "string(/component/name[@xml:lang='$lang'])")" ]
    summary=$(xml "string(/component/summary[@xml:lang='$lang'])")
    check "the metadata's summary in $lang is the entry's comment" [ "$summary" = "$comment" ]
    check "the description has its $english_paragraphs paragraphs in $lang" \
        [ "$(xml "count(/component/description/p[@xml:lang='$lang'])")" = "$english_paragraphs" ]
done
check "the metadata says the translations are Qt's, named glimmora" \
    [ "$(xml 'string(/component/translation[@type="qt"])')" = glimmora ]
check "the summary is the entry's comment" [ "$(xml 'string(/component/summary[not(@xml:lang)])')" = "$(field Comment)" ]

echo "== one version"
version=$(dpkg-parsechangelog -l "$GLIMMORA_SOURCE_DIR/debian/changelog" -S Version)
check "the newest release in the metadata is the package's $version" \
    [ "$(xml 'string(/component/releases/release[1]/@version)')" = "$version" ]
for page in "${pages[@]}"; do
    check "${page##*/} is of version $version" grep -q "^\.TH GLIMMORA 6 .*\"Glimmora $version\"" "$page"
done

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
