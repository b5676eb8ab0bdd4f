#!/usr/bin/env bash
# Sets up, builds and runs every test: the whole suite with gcc in the
# Release configuration a packager builds (warnings as errors), then the
# libraries without windows again under AddressSanitizer and
# UndefinedBehaviorSanitizer, built with clang together with the fuzz targets.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh
jobs=$(nproc)

cmake -S . -B build-ci -G Ninja -DCMAKE_BUILD_TYPE=Release -DTARN_GUI=ON -DTARN_GL=ON -DTARN_WERROR=ON
cmake --build build-ci -j "$jobs"
ctest --test-dir build-ci --output-on-failure -j "$jobs"

CXX=clang++ cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug \
  -DTARN_GUI=OFF -DTARN_SANITIZE=ON -DTARN_FUZZ=ON -DTARN_BENCH=OFF -DTARN_WERROR=ON
cmake --build build-sanitize -j "$jobs"
ctest --test-dir build-sanitize --output-on-failure -j "$jobs"
