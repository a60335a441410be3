#!/usr/bin/env bash
# Renders a picture of every window into docs/screenshots/ (100 %) and docs/screenshots/2x/
# (QT_SCALE_FACTOR=2), offscreen, in DejaVu Sans. Builds the renderer first.
#   tools/screenshots.sh [build folder]     (default: build/default)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/default}
[ -f "$build/build.ninja" ] || cmake --preset default >/dev/null
cmake --build "$build" --target kelvara_screenshots
renderer=$build/tools/kelvara_screenshots
out=docs/screenshots
rm -f "$out"/*.png "$out"/2x/*.png "$out"/*.pdf "$out"/2x/*.pdf
export QT_QPA_PLATFORM=offscreen LC_ALL=C.UTF-8
QT_SCALE_FACTOR=1 "$renderer" "$out"
QT_SCALE_FACTOR=2 "$renderer" "$out/2x"
# The first page of the calculation sheet's PDF as a picture; the PDF itself is not kept.
for pdf in "$out"/*.pdf "$out"/2x/*.pdf; do
  [ -f "$pdf" ] || continue
  command -v pdftoppm >/dev/null && pdftoppm -png -r 72 -f 1 -l 1 -singlefile "$pdf" "${pdf%.pdf}-pdf"
  rm -f "$pdf"
done
# Fewer colours, for smaller files in the repository, where ImageMagick is at hand.
if command -v convert >/dev/null; then
  for picture in "$out"/*.png "$out"/2x/*.png; do
    convert "$picture" +dither -colors 256 -strip -define png:exclude-chunk=date,time \
      "PNG8:$picture"
  done
fi
