#!/usr/bin/env bash
# --watch under Wine, in the prefix and on the display of the environment. Folders are plugged in
# and out of the running prefix as removable drives through Wine's mount manager (wine_plug, as
# winecfg maps a drive). Wine broadcasts no WM_DEVICECHANGE for such a drive, as Windows sends none
# for a card put into a reader, so the watch looks at the drives every 2 seconds; wine_plug
# --broadcast sends the message that Windows sends for a volume. While the console program
# watches: a recorder (a folder holding VOICE) plugged in as R: with the message gets
# date_time.cfg; unplugged and plugged in again without it, it gets it again from the look every
# 2 seconds; a removable drive S: that is no recorder stays untouched. "Stop
# watching" (posted to the watch's hidden window, as its icon's menu sends it) ends it with 0 and
# a "R:\: done" line a plug-in; a second watch started meanwhile ends at once with 0 and its line,
# the first one's lock held. Ctrl+C (SIGINT, which Wine hands to the console program as
# CTRL_C_EVENT) and taskkill (WM_CLOSE to the windowed .exe) stop it with 0 too.
#   wine_watch.sh PROGRAM.exe WINE_PLUG.exe WORK_FOLDER
set -euo pipefail
source "$(dirname "$0")/checks.sh"
work=$(realpath -m "$3")
rm -rf "$work" && mkdir -p "$work/app" "$work/recorder/VOICE" "$work/other"
cp "$1" "$work/app/program.exe"
cp "${1%.exe}.com" "$work/app/program.com"
cp "$2" "$work/app/wine_plug.exe"
printf 'not a recorder\n' >"$work/other/notes.txt"

wine_plug() { (cd "$work/app" && wine wine_plug.exe "$@" </dev/null); }
plug() { wine_plug "$@" || check "wine_plug $* (status $?)" false; }
pid=""
unplug_all() {
  wine_plug out R: >/dev/null 2>&1 || true
  wine_plug out S: >/dev/null 2>&1 || true
}
trap '[ -z "$pid" ] || kill "$pid" 2>/dev/null || true; unplug_all' EXIT
unplug_all

now_ms() { echo $(($(date +%s%N) / 1000000)); }
# Waits up to SECONDS for CONDITION, looking every 20 ms; false on a timeout.
wait_for() {
  local seconds=$1 condition=$2
  for _ in $(seq 1 $((seconds * 50))); do
    eval "$condition" && return 0
    sleep 0.02
  done
  return 1
}
# Starts `PROGRAM --watch` in the app folder and waits for it to watch; sets $pid.
start_watch() {
  (cd "$work/app" && exec wine "$1" --watch) >"$work/out.txt" 2>"$work/err.txt" </dev/null &
  pid=$!
  wait_for 20 'grep -q "Watching for recorders" "$work/err.txt"' ||
    check "$1 --watch starts within 20 s (got: $(cat "$work/err.txt"))" false
}
# Waits for the watch to end; sets $status to its exit status (-1 when it did not end).
end_of_watch() {
  status=-1
  if wait_for 5 '! kill -0 "$pid" 2>/dev/null'; then
    status=0
    wait "$pid" || status=$?
  else
    kill "$pid" 2>/dev/null || true
  fi
  pid=""
}
clock_file() { [ -f "$work/recorder/date_time.cfg" ]; }
# The watch's stdout without CRs, and the number of its "R:\: done" lines.
watch_output() { tr -d '\r' <"$work/out.txt"; }
lines_done() { watch_output | grep -cxF 'R:\: done' || true; }

echo "-- a recorder plugged in, with the message Windows sends"
start_watch program.com
since=$(now_ms)
plug in R: "$work/recorder" --broadcast
ok=1 && wait_for 5 clock_file || ok=0
check "date_time.cfg on R within 5 s" '[ "$ok" -eq 1 ]'
[ "$ok" -eq 0 ] || echo "date_time.cfg on R $(($(now_ms) - since)) ms after the drive was mapped"
check "its line on stdout" 'wait_for 2 "[ \$(lines_done) -eq 1 ]"'

echo "-- a removable drive that is no recorder, and the recorder again, without the message"
plug in S: "$work/other"
rm "$work/recorder/date_time.cfg"
plug out R:
sleep 2.5  # a look at the drives without R
check "nothing written while R was gone" '! clock_file'
since=$(now_ms)
plug in R: "$work/recorder"
ok=1 && wait_for 5 clock_file || ok=0
check "date_time.cfg on R again within 5 s" '[ "$ok" -eq 1 ]'
[ "$ok" -eq 0 ] ||
  echo "date_time.cfg on R $(($(now_ms) - since)) ms after the drive was mapped (a look every 2 s)"
check "S untouched" '[ "$(ls -A "$work/other")" = notes.txt ]'

echo "-- a second watch of the same user"
# R stays plugged in, written by the first watch, its clock file gone: the second would write it.
wait_for 2 '[ $(lines_done) -ge 2 ]' || true
rm "$work/recorder/date_time.cfg"
since=$(now_ms)
second_status=0
(cd "$work/app" && timeout 30 wine program.com --watch) >"$work/second-out.txt" \
  2>"$work/second-err.txt" </dev/null || second_status=$?
echo "the second watch ended $(($(now_ms) - since)) ms after its start"
check "it ends with 0 (got $second_status)" '[ "$second_status" -eq 0 ]'
check "it writes nothing" '! clock_file'
check "it says why (got: $(tr -d '\r' <"$work/second-err.txt"))" \
  '[ "$(tr -d "\r" <"$work/second-err.txt")" = "A watch is already running for this user; this one ends." ]'
check "it prints nothing on standard output" '[ ! -s "$work/second-out.txt" ]'

echo "-- \"Stop watching\""
wait_for 2 '[ $(lines_done) -ge 2 ]' || true
plug stop
end_of_watch
check "exit status 0 (got $status)" '[ "$status" -eq 0 ]'
check "stdout is \"R:\\: done\" twice (got: $(watch_output))" \
  '[ $(lines_done) -eq 2 ] && [ $(watch_output | wc -l) -eq 2 ]'
check "S still untouched" '[ "$(ls -A "$work/other")" = notes.txt ]'

echo "-- Ctrl+C, and taskkill on the windowed program"
start_watch program.com
kill -INT "$pid" || true
end_of_watch
check "Ctrl+C: exit status 0 (got $status)" '[ "$status" -eq 0 ]'
start_watch program.exe
(cd "$work/app" && wine taskkill /im program.exe </dev/null >/dev/null 2>&1) || true
end_of_watch
check "taskkill: exit status 0 (got $status)" '[ "$status" -eq 0 ]'
check "the .exe did R, plugged in at its start (got: $(watch_output))" \
  '[ $(lines_done) -eq 1 ] && [ $(watch_output | wc -l) -eq 1 ]'

[ "$failed" -eq 0 ] && echo "--watch under Wine: passed"
exit "$failed"
