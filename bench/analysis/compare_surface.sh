#!/usr/bin/env bash
# Sets our gridding engine against GMT's `surface` on the same inputs: a
# 500 x 500 analytic terrain (0..1000 m) known (a) at 1 % random nodes and
# (b) only along its contours every 50 m. For each program it prints the
# time of the whole run (text in, grid out) and the RMS and largest error
# over the nodes that were not given. Ours runs with the default options
# plus Extrapolate and its heights are rounded to whole metres; surface
# runs with -T0 and with -T0.25. Each time is the best of three runs.
#
#   bench/analysis/compare_surface.sh [BUILD_DIR]
#
# Installs the Debian package gmt when it is missing (needs root).
set -euo pipefail

build=${1:-build}
compare="$build/bench/analysis/gridding_compare"
[[ -x "$compare" ]] || { echo "build $compare first (cmake --build $build --target gridding_compare)" >&2; exit 2; }

if ! command -v gmt >/dev/null; then
  apt-get update -qq
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq gmt >/dev/null
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$compare" make "$work"

# Our whole run from IN.xyz to OUT.xyz. When `tarntool interpolate` takes
# this place, the map it reads and writes is converted outside the timing.
run_ours() { "$compare" run "$1" "$2"; }

# gmt runs in the work folder, where it leaves its history file.
run_surface() {  # TENSION IN.xyz OUT.xyz
  (cd "$work" && gmt surface "$2" -R0/499/0/499 -I1 -T"$1" -Gsurface.nc && gmt grd2xyz surface.nc) >"$3"
}
time_surface() {  # TENSION IN.xyz : times surface alone, without the conversion
  (cd "$work" && gmt surface "$2" -R0/499/0/499 -I1 -T"$1" -Gsurface.nc)
}

best_of_three() {  # COMMAND... : prints the best wall time in seconds
  local best="" t
  for _ in 1 2 3; do
    t=$( { TIMEFORMAT=%R; time "$@" >/dev/null 2>&1; } 2>&1 )
    if [[ -z "$best" ]] || awk -v a="$t" -v b="$best" 'BEGIN { exit !(a < b) }'; then best=$t; fi
  done
  echo "$best"
}

printf '%-9s %-16s %8s %8s %8s\n' input program "time s" "RMS m" "max m"
status=0
for input in random contours; do
  in="$work/$input.xyz"
  t_ours=$(best_of_three run_ours "$in" "$work/ours.xyz")
  read -r rms_ours max_ours < <("$compare" score "$in" "$work/ours.xyz")
  printf '%-9s %-16s %8s %8s %8s\n' "$input" "ours" "$t_ours" "$rms_ours" "$max_ours"
  best_rms="" best_max="" fastest=""
  for tension in 0 0.25; do
    t=$(best_of_three time_surface "$tension" "$in")
    run_surface "$tension" "$in" "$work/surface.xyz" >/dev/null 2>&1
    read -r rms max < <("$compare" score "$in" "$work/surface.xyz")
    printf '%-9s %-16s %8s %8s %8s\n' "$input" "surface -T$tension" "$t" "$rms" "$max"
    best_rms=$(awk -v a="$rms" -v b="${best_rms:-1e9}" 'BEGIN { print (a < b ? a : b) }')
    best_max=$(awk -v a="$max" -v b="${best_max:-1e9}" 'BEGIN { print (a < b ? a : b) }')
    fastest=$(awk -v a="$t" -v b="${fastest:-1e9}" 'BEGIN { print (a < b ? a : b) }')
  done
  verdict=$(awk -v r="$rms_ours" -v m="$max_ours" -v t="$t_ours" -v br="$best_rms" -v bm="$best_max" -v f="$fastest" \
    'BEGIN { ok = (r <= br && m <= bm && t <= f / 4); printf "%s: RMS %s <= %s, max %s <= %s, time %s <= %.3f", ok ? "meets target" : "MISSES target", r, br, m, bm, t, f / 4; exit !ok }') || status=1
  echo "  $input $verdict"
done
exit $status
