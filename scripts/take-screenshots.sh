#!/usr/bin/env bash
# Retakes the documentation's pictures: runs the end-to-end tests of the
# applications and examples with KAVOR_SCREENSHOT_DIR set, so each keeps the
# screenshot it checks, and writes them compactly into docs/images/ (JPEG;
# PNG for the picture-claim game's flat colours). Needs a built tree (the
# run or test command, or scripts/build.sh) and the test tools (Xvfb,
# xdotool, ImageMagick).
set -euo pipefail
cd "$(dirname "$0")/.."
shots=$(mktemp -d)
trap 'rm -rf "$shots"' EXIT
(cd build && KAVOR_SCREENSHOT_DIR="$shots" ctest --output-on-failure \
  -R '^e2e_test_(parallax_demo|enginetest|velmora|guidemo|examples)$')
mkdir -p docs/images
for shot in "$shots"/*.png; do
  name=$(basename "$shot" .png)
  if [ "$name" = velmora ]; then
    convert "$shot" -resize '800x800>' -colors 64 -strip "docs/images/$name.png"
  else
    convert "$shot" -resize '800x800>' -strip -quality 85 "docs/images/$name.jpg"
  fi
  echo "docs/images/$name"
done
