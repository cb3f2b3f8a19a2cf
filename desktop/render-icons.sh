#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Renders the scalable icon into the PNG sizes the hicolor theme wants.
# The PNGs are committed; run this again after changing the SVG.
# Needs ImageMagick (convert); a box filter keeps the strip's edges sharp.
set -euo pipefail
cd "$(dirname "$0")"
for size in 16 32 48 64 128 256; do
  mkdir -p "icons/${size}x${size}"
  convert -background none org.example.Pelikan.svg -filter Box -resize "${size}x${size}" \
    -strip "PNG32:icons/${size}x${size}/org.example.Pelikan.png"
done
