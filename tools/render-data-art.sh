#!/usr/bin/env bash
# Renders the pictures the game reads from Data/ out of their SVG sources under art/data/.
# A source is named after the file it becomes: art/data/Girls/0.jpg.svg renders to Data/Girls/0.jpg at the SVG's
# own size; ".jpg" becomes a JPEG of quality 85, ".bmp" a 24-bit BMP. With file arguments only those are rendered.
# Needs rsvg-convert (librsvg2-bin) and ImageMagick's convert.
set -euo pipefail
cd "$(dirname "$0")/.."
convert=/usr/bin/convert
command -v rsvg-convert >/dev/null && [ -x "$convert" ] || {
    echo "render-data-art: needs librsvg2-bin and imagemagick" >&2
    exit 1
}
if [ $# -eq 0 ]; then
    mapfile -t sources < <(find art/data -name '*.svg' | sort)
else
    sources=("$@")
fi
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
for source in "${sources[@]}"; do
    relative=${source#art/data/}
    target=Data/${relative%.svg}
    mkdir -p "$(dirname "$target")"
    rsvg-convert --background-color=white "$source" -o "$tmp/picture.png"
    case "$target" in
    *.jpg) "$convert" "$tmp/picture.png" -background white -flatten -strip -quality 85 "$target" ;;
    *.bmp) "$convert" "$tmp/picture.png" -background white -flatten -strip -type TrueColor BMP3:"$target" ;;
    *) echo "render-data-art: $source: the target must end in .jpg or .bmp" >&2; exit 1 ;;
    esac
    echo "$target"
done
