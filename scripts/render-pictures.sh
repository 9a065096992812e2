#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Quorvel developers
#
# Renders the committed PNG pictures from their SVG sources, and the Windows
# icon from the icon's PNGs. Run it after changing an SVG, and commit the
# results. Needs rsvg-convert (librsvg2-bin) and icotool (icoutils).
set -eu
cd "$(dirname "$0")/../src/resources"

for size in 16 24 32 48 64 128 256; do
    rsvg-convert -w "$size" -h "$size" icons/quorvel.svg -o "icons/quorvel-$size.png"
done
for picture in info about; do
    rsvg-convert -w 23 -h 23 "pictures/$picture.svg" -o "pictures/$picture.png"
    rsvg-convert -w 46 -h 46 "pictures/$picture.svg" -o "pictures/$picture@2x.png"
done
rsvg-convert -w 32 -h 32 cursors/hand.svg -o cursors/hand.png
# The sizes a browser asks of an installable page's manifest.
for size in 192 512; do
    rsvg-convert -w "$size" -h "$size" icons/quorvel.svg -o "../../packaging/web/icons/quorvel-$size.png"
done
# The large sizes are stored as PNG inside the icon, the small ones as bitmaps
# that every Windows version reads.
icotool -c -o icons/quorvel.ico icons/quorvel-16.png icons/quorvel-24.png icons/quorvel-32.png \
    icons/quorvel-48.png icons/quorvel-64.png --raw=icons/quorvel-128.png --raw=icons/quorvel-256.png
