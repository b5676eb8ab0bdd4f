#!/usr/bin/env bash
# Sets up, builds and opens the bundled sample map: in the editor when a
# display is there, otherwise it prints what the map holds.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j "$(nproc)"

sample=data/sample.lem
if [ -n "${DISPLAY:-}" ]; then
  build/editor/tarnedit "$sample"
else
  build/tools/tarntool info "$sample"
fi
