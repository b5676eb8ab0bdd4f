#!/usr/bin/env bash
# Sets up, builds and opens the bundled sample map: in the editor when a
# display is there; otherwise it prints a short summary of the map and renders
# a view of it to build/sample.bmp.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTARN_GUI=ON -DTARN_GL=ON
cmake --build build -j "$(nproc)"

sample=data/sample.lem
if [ -n "${DISPLAY:-}" ]; then
  build/editor/tarnedit "$sample"
else
  build/tools/tarntool info --brief "$sample"
  build/tools/tarntool render "$sample" -o build/sample.bmp --size 800x500
  echo "No display: the sample map's view was rendered to build/sample.bmp"
fi
