#!/usr/bin/env bash
# Renders the PNG sizes of the hicolor icons from their SVG drawings. The PNGs are committed, so
# a build needs no SVG renderer; run this (it needs rsvg-convert from librsvg2-bin) after
# changing a drawing, and commit the result.
set -euo pipefail
cd "$(dirname "$0")/hicolor"
for svg in scalable/*/*.svg; do
    context=$(basename "$(dirname "$svg")")
    name=$(basename "$svg" .svg)
    for size in 16 32 48 64 128 256; do
        mkdir -p "${size}x${size}/$context"
        rsvg-convert --width "$size" --height "$size" "$svg" -o "${size}x${size}/$context/$name.png"
    done
done
