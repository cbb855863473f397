#!/usr/bin/env bash
# Renders data/icons/tervala.svg into the hicolor PNGs the package installs (ImageMagick). The 16 and 32 pixel
# images are also the window's own icon, whose images hold the 16 colours of the classic palette only.
set -euo pipefail
cd "$(dirname "$0")/../../data/icons"
id=example.tervala.Tervala
palette=$(mktemp --suffix=.png)
trap 'rm -f "$palette"' EXIT
convert xc:'#000000' xc:'#800000' xc:'#008000' xc:'#808000' xc:'#000080' xc:'#800080' xc:'#008080' \
    xc:'#c0c0c0' xc:'#808080' xc:'#ff0000' xc:'#00ff00' xc:'#ffff00' xc:'#0000ff' xc:'#ff00ff' xc:'#00ffff' \
    xc:'#ffffff' +append "$palette"
for size in 16 32 48 64 128 256; do
    mkdir -p "hicolor/${size}x${size}/apps"
    out="hicolor/${size}x${size}/apps/$id.png"
    if [ "$size" -le 32 ]; then
        convert -density 1536 tervala.svg -background white -flatten -resize "${size}x${size}" \
            -dither None -remap "$palette" -strip PNG8:"$out"
    else
        convert -density 1536 -background none tervala.svg -resize "${size}x${size}" -strip PNG32:"$out"
    fi
done
