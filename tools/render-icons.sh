#!/usr/bin/env bash
# Renders the game's icon (art/trambul-icon.svg) into the PNG sizes of the hicolor icon theme under dist/icons/.
# Run it after changing the icon and commit the PNG files with it.
set -euo pipefail
cd "$(dirname "$0")/.."
for size in 16 24 32 48 64 128 256; do
    rsvg-convert -w "$size" -h "$size" art/trambul-icon.svg -o "dist/icons/${size}x${size}.png"
done
