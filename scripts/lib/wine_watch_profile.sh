#!/usr/bin/env bash
# --watch --profile under Wine, in the prefix and on the display of the environment: the console
# program watches with a text profile written on Windows (CRLF line ends) and named relative to
# its folder; a model 3 recorder plugged in as R: gets the clock and the profile's settings that
# its screen shows, stderr names the one it does not show, and "Stop watching" ends it with 0.
#   wine_watch_profile.sh PROGRAM.exe WINE_PLUG.exe WORK_FOLDER
set -euo pipefail
source "$(dirname "$0")/checks.sh"
began=$(date +%s%N)
work=$(realpath -m "$3")
rm -rf "$work" && mkdir -p "$work/app" "$work/recorder/VOICE"
cp "${1%.exe}.com" "$work/app/program.com"
cp "$2" "$work/app/wine_plug.exe"
printf '30111111111111110410000010000000FW 3\r\n' >"$work/recorder/ravlen_setting.ini"
printf 'Language = English\r\n# the office\r\nVOS Level=4\r\nMode (Record Quality)=SP\r\n' \
  >"$work/app/office.txt"

wine_plug() { (cd "$work/app" && wine wine_plug.exe "$@" </dev/null); }
pid=""
trap '[ -z "$pid" ] || kill "$pid" 2>/dev/null || true; wine_plug out R: >/dev/null 2>&1 || true' EXIT
wine_plug out R: >/dev/null 2>&1 || true
wait_for() {  # wait_for SECONDS CONDITION, looking every 20 ms
  for _ in $(seq 1 $(($1 * 50))); do
    eval "$2" && return 0
    sleep 0.02
  done
  return 1
}

(cd "$work/app" && exec wine program.com --watch --profile office.txt) >"$work/out.txt" \
  2>"$work/err.txt" </dev/null &
pid=$!
check "the watch starts within 20 s (got: $(cat "$work/err.txt" 2>/dev/null))" \
  'wait_for 20 "grep -q \"Watching for recorders\" \"$work/err.txt\""'
wine_plug in R: "$work/recorder" --broadcast || check "wine_plug in R:" false
check "date_time.cfg on R within 5 s" 'wait_for 5 "[ -f \"$work/recorder/date_time.cfg\" ]"'
check "its line on stdout (got: $(tr -d '\r' <"$work/out.txt"))" \
  'wait_for 2 "[ \"\$(tr -d \"\\r\" <\"$work/out.txt\")\" = \"R:\\\\: done\" ]"'
wine_plug stop || check "wine_plug stop" false
status=-1
if wait_for 5 '! kill -0 "$pid" 2>/dev/null'; then
  status=0
  wait "$pid" || status=$?
fi
pid=""
check "\"Stop watching\" ends it with 0 (got $status)" '[ "$status" -eq 0 ]'
check "the settings line takes the profile (got: $(cat "$work/recorder/ravlen_setting.bak" 2>&1))" \
  '[ "$(cat "$work/recorder/ravlen_setting.bak")" = "30111111111111110340000010000000FW 3"$'"'\r'"' ]'
check "date_time.cfg holds the settings (got: $(cat "$work/recorder/date_time.cfg"))" \
  '[[ $(cat "$work/recorder/date_time.cfg") =~ ^[0-9]{4}( [0-9]{2}){5}E34000001000000$'"'\r'"'$ ]]'
check "stderr names the setting the recorder does not show (got: $(cat "$work/err.txt"))" \
  'tr -d "\r" <"$work/err.txt" | grep -qxF "R:\\: profile settings this recorder does not show: \"Language\""'
echo "the --watch --profile run under Wine took $((($(date +%s%N) - began) / 1000000)) ms"
[ "$failed" -eq 0 ] && echo "--watch --profile under Wine: passed"
exit "$failed"
