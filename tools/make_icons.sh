#!/usr/bin/env bash
# SPDX-License-Identifier: Apache-2.0
# Regenerates the application icon's raster forms from the hand-drawn SVG: the 48/128/256 px PNGs
# (Linux icon theme and window icon), the Windows .ico and the macOS .icns. They are kept in the
# repository so that builds on every platform need no SVG renderer.
# Needs: rsvg-convert (librsvg2-bin), icotool (icoutils), png2icns (icnsutils).
set -euo pipefail
cd "$(dirname "$0")/../resources/icons"
id=io.github.qvtconfig.QvtConfig
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
for size in 16 32 48 128 256 512; do
  rsvg-convert -w "$size" -h "$size" "$id.svg" -o "$tmp/$size.png"
done
for size in 48 128 256; do
  cp "$tmp/$size.png" "$id-$size.png"
done
icotool -c -o qvt-config.ico "$tmp/16.png" "$tmp/32.png" "$tmp/48.png" -r "$tmp/256.png"
png2icns qvt-config.icns "$tmp/16.png" "$tmp/32.png" "$tmp/128.png" "$tmp/256.png" "$tmp/512.png" >/dev/null
