#!/bin/sh
# Pictures of every window of the game in the states a player meets, at 100 % and 200 %, with a contact sheet.
# Usage: tools/gallery.sh [output folder]   (default: build/gallery/pictures; open index.html in a browser)
# Builds the gallery driver (a Release build with -DTRAMBUL_GALLERY=ON) and runs it offscreen; not part of CI.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
out=${1:-"$root/build/gallery/pictures"}
build="$root/build/gallery"

cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DTRAMBUL_TESTS=OFF -DTRAMBUL_GALLERY=ON >/dev/null
cmake --build "$build" --target trambul_gallery

rm -rf "$out"
mkdir -p "$out"
# The game plays in a working directory of its own inside the output folder, with the content linked in: its autosaves
# and life log never reach the checkout's Save folder, where they would take the place of the player's own game.
work="$out/work"
for scale in 1 2; do
    rm -rf "$work"
    mkdir -p "$work"
    ln -s "$root/Data" "$work/Data"
    # A screen of 1280 × 1024 logical pixels at either scale, so that a maximised window shows as it does on a desktop.
    printf '{"screens":[{"name":"gallery","x":0,"y":0,"width":%d,"height":%d,"logicalDpi":96,"logicalBaseDpi":96,"dpr":1}]}\n' \
        $((1280 * scale)) $((1024 * scale)) >"$work/screen.json"
    # What the game keeps in the player's cache, configuration and data folders stays there too.
    XDG_CACHE_HOME="$work/cache" XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data" \
        QT_QPA_PLATFORM="offscreen:configfile=$work/screen.json" SDL_AUDIODRIVER=dummy QT_SCALE_FACTOR=$scale \
        "$build/tools/gallery/trambul_gallery" "$work" "$out/$((scale * 100))" 2>"$out/log-$((scale * 100)).txt"
    tail -n 1 "$out/log-$((scale * 100)).txt"
done
rm -rf "$work"

# The contact sheet: one row per picture, the scales side by side.
html() { sed -e 's/&/\&amp;/g' -e 's/</\&lt;/g' -e 's/>/\&gt;/g'; }
{
    echo '<!DOCTYPE html><html lang="ru"><head><meta charset="utf-8"><title>Трамбуль: окна</title>'
    echo '<style>body{font-family:sans-serif;background:#eee}td{vertical-align:top;padding:6px;border-bottom:1px solid #ccc}'
    echo 'img{max-width:720px;border:1px solid #888;background:#fff}</style></head><body>'
    echo '<h1>Окна игры</h1><table><tr><th>окно</th><th>состояние</th><th>100 %</th><th>200 %</th></tr>'
    while IFS="$(printf '\t')" read -r file class caption state; do
        printf '<tr><td><b>%s</b><br>%s</td><td>%s</td>' "$class" "$(printf %s "$caption" | html)" \
            "$(printf %s "$state" | html)"
        printf '<td><a href="100/%s"><img src="100/%s" alt="100 %%"></a></td>' "$file" "$file"
        printf '<td><a href="200/%s"><img src="200/%s" alt="200 %%" style="max-width:720px"></a></td></tr>\n' \
            "$file" "$file"
    done <"$out/100/shots.tsv"
    echo '</table></body></html>'
} >"$out/index.html"
echo "$out/index.html: $(wc -l <"$out/100/shots.tsv") pictures at each scale"
