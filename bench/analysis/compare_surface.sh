#!/usr/bin/env bash
# Sets our gridding engine against GMT's `surface` on the same inputs: a
# 500 x 500 analytic terrain (0..1000 m) known (a) at 1 % random nodes and
# (b) only along its contours every 50 m. For each program it prints the
# time of the whole run (file in, grid out) and the RMS and largest error
# over the nodes that were not given (heights given in whole metres). Ours
# is `tarntool interpolate` on a map holding the given heights, with the
# default options plus Extrapolate (heights come out in whole metres, as a
# map stores them); surface runs with -T0 and with -T0.25 on the same
# heights as text. Each time is the best of seven runs (TARN_RUNS), taken
# the same way for both programs: on a shared machine single runs vary by
# a third.
#
#   bench/analysis/compare_surface.sh [BUILD_DIR]
#
# TARN_OURS=engine times the engine alone (gridding_compare run, text in
# and out) instead of tarntool.
#
# Installs the Debian package gmt when it is missing (needs root).
set -euo pipefail

build=${1:-build}
compare="$build/bench/analysis/gridding_compare"
tarntool="$build/tools/tarntool"
for program in "$compare" "$tarntool"; do
  [[ -x "$program" ]] || { echo "build $program first (cmake --build $build)" >&2; exit 2; }
done

if ! command -v gmt >/dev/null; then
  apt-get update -qq
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq gmt >/dev/null
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$compare" make "$work"

# Our whole run for an input (random or contours); prints the grid file.
run_ours() {
  if [[ "${TARN_OURS:-tarntool}" == engine ]]; then
    "$compare" run "$work/$1.xyz" "$work/ours.xyz" && echo "$work/ours.xyz"
  else
    "$tarntool" interpolate "$work/$1.lem" --extrapolate -o "$work/ours.lem" && echo "$work/ours.lem"
  fi
}

# gmt runs in the work folder, where it leaves its history file.
run_surface() {  # TENSION IN.xyz OUT.xyz
  (cd "$work" && gmt surface "$2" -R0/499/0/499 -I1 -T"$1" -Gsurface.nc && gmt grd2xyz surface.nc) >"$3"
}
time_surface() {  # TENSION IN.xyz : times surface alone, without the conversion
  (cd "$work" && gmt surface "$2" -R0/499/0/499 -I1 -T"$1" -Gsurface.nc)
}

best_of_runs() {  # COMMAND... : prints the best wall time in seconds
  local best="" t
  for _ in $(seq "${TARN_RUNS:-7}"); do
    t=$( { TIMEFORMAT=%R; time "$@" >/dev/null 2>&1; } 2>&1 )
    if [[ -z "$best" ]] || awk -v a="$t" -v b="$best" 'BEGIN { exit !(a < b) }'; then best=$t; fi
  done
  echo "$best"
}

printf '%-9s %-16s %8s %8s %8s\n' input program "time s" "RMS m" "max m"
status=0
for input in random contours; do
  in="$work/$input.xyz"
  t_ours=$(best_of_runs run_ours "$input")
  read -r rms_ours max_ours < <("$compare" score "$in" "$(run_ours "$input")")
  printf '%-9s %-16s %8s %8s %8s\n' "$input" "ours" "$t_ours" "$rms_ours" "$max_ours"
  best_rms="" best_max="" fastest=""
  for tension in 0 0.25; do
    t=$(best_of_runs time_surface "$tension" "$in")
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
