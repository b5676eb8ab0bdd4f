#!/usr/bin/env bash
# Runs a test program that shows OpenGL windows on a virtual X display with
# Qt's default platform (Qt's off-screen platform has no OpenGL). Listing
# the tests needs no display.
set -euo pipefail
for argument in "$@"; do
  if [[ $argument == --gtest_list_tests ]]; then
    exec env QT_QPA_PLATFORM=offscreen "$@"
  fi
done
unset QT_QPA_PLATFORM
# A random first display number keeps test runs in parallel from racing
# for the same one.
exec xvfb-run -a -n $((100 + RANDOM % 4000)) -s "-screen 0 1280x1024x24" "$@"
