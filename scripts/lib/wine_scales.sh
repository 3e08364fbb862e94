#!/usr/bin/env bash
# The window tests' scale test under Wine at 96, 120, 144, 192 and 240 DPI (100 to 250 %), in the
# prefix and on the display of the environment (1280 x 1024): at each resolution every screen lies
# inside the work area with its Start button, every label holds its text, and Start writes the
# files. The windows' pictures go to WORK_FOLDER/DPI/ (PNG where ImageMagick is installed, else
# BMP).
#   wine_scales.sh WINDOW_TESTS.exe WORK_FOLDER
# Wine takes the resolution from LogPixels in HKCU\Control Panel\Desktop when a program starts; it
# is set to 96 again at the end.
set -uo pipefail
source "$(dirname "$0")/checks.sh"
tests=$1
work=$(realpath -m "$2")

set_dpi() {
  wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f \
    </dev/null >/dev/null 2>&1
}
trap 'set_dpi 96' EXIT

for dpi in 96 120 144 192 240; do
  folder="$work/$dpi"
  rm -rf "$folder" && mkdir -p "$folder"
  set_dpi "$dpi"
  DTC_SCALE_PICTURES=$(winepath -w "$folder") wine "$tests" \
    --gtest_filter='EveryScreen/ScaleWindowTest.*' </dev/null >"$folder/log.txt" 2>&1
  check "$dpi DPI: the scale test passes (see $folder/log.txt)" \
    'grep -q "^\[  PASSED  \] 10 tests" "$folder/log.txt"'
  # The run took the resolution: every window's lengths come from it.
  inches=$(grep -c " $dpi pixels an inch" "$folder/log.txt")
  check "$dpi DPI: the windows are laid out at $dpi DPI where they fit (got: $(grep -o "[0-9]* pixels an inch" "$folder/log.txt" | sort | uniq -c | tr '\n' ' '))" \
    '[ "$inches" -ge 1 ]'
  grep " window " "$folder/log.txt" | sed "s/^/$dpi DPI: /"
  if command -v identify >/dev/null; then
    for picture in "$folder"/*.bmp; do
      [ -e "$picture" ] || continue
      convert "$picture" -define png:exclude-chunks=date,time "${picture%.bmp}.png" &&
        rm -f "$picture"
    done
  fi
done
exit "$failed"
