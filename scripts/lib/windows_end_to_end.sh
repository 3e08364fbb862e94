#!/usr/bin/env bash
# Runs the Windows program under Wine as a user would, on the display and in the prefix of the
# environment: a model 4 recorder's folder, the window found with xdotool, a mouse click on
# Start, then its exit status and the files it wrote.
#   windows_end_to_end.sh PROGRAM.exe WORK_FOLDER
set -euo pipefail
source "$(dirname "$0")/wine_display.sh"
source "$(dirname "$0")/checks.sh"
exe=$(realpath "$1")
root="$2/recorder with ü"  # a Unicode path on the way through the wide API
rm -rf "$2" && mkdir -p "$root"
# Model 4, every flag 1, XHQ (code 1) selected, a version text.
line="40111111111111111""10000000000000""#VERSION4.00ABCD"
printf '%s\r\n' "$line" >"$root/ravlen_setting.ini"

(cd "$2" && exec wine "$exe" "$(winepath -w "$root")") &
pid=$!
window=$(find_wine_window "$pid" "date_time.cfg Creator" 30)
if [ -z "$window" ]; then
  echo "FAIL: no window of the program within 30 s" >&2
  kill "$pid" 2>/dev/null || true
  exit 1
fi
# Form12's client area is 322 x 404 pixels at 96 DPI; Start is at (156, 348) in it.
click_client "$window" 322 404 156 348
status=0
wait "$pid" || status=$?

check "exit status 0 after Start (got $status)" '[ "$status" -eq 0 ]'
check "date_time.cfg holds the date, E and the block" \
  'grep -qaE "^[0-9]{4}( [0-9]{2}){5}E10000000000000"$'"'"'\r'"'"'"$" "$root/date_time.cfg"'
check "the settings line went to the .bak" \
  '[ "$(tr -d "\r\n" <"$root/ravlen_setting.bak")" = "${line:0:17}10000000000000${line:31}" ]'
check "the .ini is gone" '[ ! -e "$root/ravlen_setting.ini" ]'
[ "$failed" -eq 0 ] && echo "End-to-end run of the Windows program: passed"
exit "$failed"
