#!/usr/bin/env bash
# The console program (.com) and the windowed .exe under Wine, in the prefix and on the display of
# the environment: typed at an interactive command prompt, the bare name finds the .com, the prompt
# waits for it and takes its exit status; on a console its text shows in any code page, a pipe or a
# file from a console session gets the console's code page (437 under Wine) and --json UTF-8; the
# ways of naming a drive's root, /? and a drive that is not there; the .exe shows a failure in a
# message box, also with options from a shortcut; the .com double-clicked leaves its console; and
# Ctrl+C while a Start waits for a busy file removes the temporary file before the program ends.
#   wine_console.sh FOLDER_WITH_EXE_AND_COM WORK_FOLDER
set -euo pipefail
source "$(dirname "$0")/checks.sh"
source "$(dirname "$0")/wine_display.sh"
bin=$(realpath "$1")
work=$(realpath -m "$2")
rm -rf "$work" && mkdir -p "$work/ü日本" "$work/recorder/VOICE"
printf '%s\r\n' "40111111111111111""10000000000000""#VERSION4.00ABCD" >"$work/ü日本/ravlen_setting.ini"
root=$(winepath -w "$work/ü日本")
missing=$(winepath -w "$work/missing")
recorder=$(winepath -w "$work/recorder")
# A drive letter that the prefix does not map.
no_drive=Q:
[ ! -e "$WINEPREFIX/dosdevices/q:" ] || no_drive=P:

# An interactive prompt reading its commands from a file, in the program's folder. Prints what
# the prompt showed, without CRs.
prompt() {
  printf '%s\r\n' "$@" exit >"$work/commands.txt"
  (cd "$bin" && wine cmd <"$work/commands.txt" 2>&1) | tr -d '\r'
}
# A command run by cmd on a pseudo-terminal, which gives it a Wine console (code page 437). Prints
# what the console showed, without CRs and terminal controls.
on_console() {
  (cd "$bin" && script -qc "wine cmd /c '$1'" /dev/null </dev/null) |
    tr -d '\r' | sed 's/\x1b\[[0-9;?]*[a-zA-Z]//g'
}
now_ms() { echo $(($(date +%s%N) / 1000000)); }

echo "-- the bare name at the prompt: the .com, waited for, its status in ERRORLEVEL"
out=$(prompt "datetime-cfg-creator --show $missing" "echo status=%ERRORLEVEL%")
check "the status is 64 (got: $out)" 'grep -qx ".*>status=64" <<<"$out"'
check "the message comes before the next prompt" \
  '[ "$(grep -n "is not a folder" <<<"$out" | cut -d: -f1)" -lt "$(grep -n "status=" <<<"$out" | cut -d: -f1)" ]'
out=$(prompt "datetime-cfg-creator --version" "echo status=%ERRORLEVEL%")
check "--version: status 0 (got: $out)" 'grep -qx ".*>status=0" <<<"$out"'

echo "-- a drive's root however it is typed, /? and a drive that is not there"
# name at the prompt|what the program takes it for|status
while IFS='|' read -r typed shown status; do
  out=$(prompt "datetime-cfg-creator --show $typed" "echo status=%ERRORLEVEL%")
  check "$typed: \"$shown\", status $status (got: $out)" \
    'grep -qF "$shown" <<<"$out" && grep -qx ".*>status=$status" <<<"$out"'
done <<EOF_CASES
"Z:\\"|Root:     Z:\\|0
Z:\\\\|Root:     Z:\\|0
\\\\?\\Z:\\|Root:     Z:\\|0
Z:|Root:     Z:\\|0
/?|Usage: datetime-cfg-creator|0
$no_drive|There is no drive $no_drive|64
$no_drive\\REC|There is no drive $no_drive|64
EOF_CASES

echo "-- text on a console, in a pipe and in a file"
# A pseudo-terminal gives the program a Wine console, whose code page (437) has ü but no 日.
out=$(cd "$bin" && script -qc "wine datetime-cfg-creator.com --show '$root' </dev/null" /dev/null |
  tr -d '\r')
check "the console shows the root's name (got: $out)" 'grep -q "ü日本" <<<"$out"'
out=$(on_console "datetime-cfg-creator --show $root | more")
check "through more, the console shows ü and ? for what 437 lacks (got: $out)" \
  'grep -qxF "Root:     ${root%日本}??" <<<"$out"'
on_console "datetime-cfg-creator --show $root > $(winepath -w "$work/show.txt")" >/dev/null
check "a file gets code page 437 (ü is 0x81)" \
  'grep -qaxF "Root:     $(iconv -f UTF-8 -t CP437 <<<"${root%日本}")??" <(tr -d "\r" <"$work/show.txt")'
on_console "datetime-cfg-creator --show --json $root > $(winepath -w "$work/show.json")" >/dev/null
check "--json gets UTF-8 (got: $(cat "$work/show.json"))" 'grep -qF "ü日本" "$work/show.json"'
# Without a console (started from Linux with no terminal) there is no code page to follow.
out=$(cd "$bin" && wine datetime-cfg-creator.com --show "$root" </dev/null | tr -d '\r')
check "without a console a pipe gets UTF-8 (got: $out)" 'grep -qxF "Root:     $root" <<<"$out"'
out=$(cd "$bin" && wine datetime-cfg-creator.com --show "$missing" </dev/null 2>&1 >/dev/null |
  tr -d '\r' || true)
check "standard error too (got: $out)" 'grep -qF "\"$missing\" is not a folder" <<<"$out"'

echo "-- the windowed .exe shows a failure in a message box"
# The first visible window whose title matches NAME_PATTERN, waited for up to 20 s while PID runs;
# nothing when none came.
wait_for_window() {
  local found=""
  for _ in $(seq 1 200); do
    found=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1 || true)
    [ -z "$found" ] && kill -0 "$2" 2>/dev/null || break
    sleep 0.1
  done
  echo "$found"
}
# WINDOW KEY PID: presses KEY in WINDOW (where there is one) once it has settled, then waits for
# PID to end; sets $status.
press_then_wait() {
  if [ -n "$1" ]; then
    sleep 0.5
    xdotool key --window "$1" "$2" 2>/dev/null || true
  fi
  status=0
  wait "$3" || status=$?
}
# ARGUMENTS...: runs wine with them in the program's folder, waits for the program's message box,
# presses Enter once it has settled; sets $status. An Enter too many would go to the next box,
# which Wine makes with the same X window.
answer_box() {
  (cd "$bin" && exec wine "$@" </dev/null >/dev/null 2>&1) &
  local pid=$! box
  box=$(wait_for_window "^date_time.cfg Creator$" "$pid")
  check "$* shows a message box" '[ -n "$box" ]'
  press_then_wait "$box" Return "$pid"
  sleep 1
}
answer_box datetime-cfg-creator.exe "$root\\ravlen_setting.ini"
check "a settings file dropped on it: status 64 after the box (got $status)" '[ "$status" -eq 64 ]'
# As Explorer starts a shortcut: from a process without a console, with no standard handles.
answer_box start_detached.exe datetime-cfg-creator.exe --start "$no_drive"
check "--start on a missing drive from a shortcut: status 64 after the box (got $status)" \
  '[ "$status" -eq 64 ]'

echo "-- the .com double-clicked leaves its console"
console_windows() { xdotool search --onlyvisible --name 'datetime-cfg-creator\.com' 2>/dev/null || true; }
# start gives a console program a console of its own, as Explorer does; with an option it stays.
(cd "$bin" && exec wine start datetime-cfg-creator.com --watch </dev/null >/dev/null 2>&1)
for _ in $(seq 1 100); do [ -z "$(console_windows)" ] || break; sleep 0.1; done
check "the console of a .com that stays on it shows (the check below sees one)" \
  '[ -n "$(console_windows)" ]'
(cd "$bin" && wine wine_plug.exe stop </dev/null) || true
for _ in $(seq 1 100); do [ -n "$(console_windows)" ] || break; sleep 0.1; done
(cd "$bin" && exec wine start /wait datetime-cfg-creator.com "$root" </dev/null >/dev/null 2>&1) &
pid=$!
window=$(wait_for_window "date_time.cfg Creator V" "$pid")
check "its window opens" '[ -n "$window" ]'
check "no console stays beside it (got: $(console_windows))" '[ -z "$(console_windows)" ]'
press_then_wait "$window" Escape "$pid"
check "closed, it ends with 0 (got $status)" '[ "$status" -eq 0 ]'

echo "-- Ctrl+C while a Start waits for a busy file"
printf 'old\r\n' >"$work/recorder/date_time.cfg"
(cd "$bin" && exec wine hold_file.exe "$recorder\\date_time.cfg" 6000 </dev/null >"$work/held.txt") &
holder=$!
for _ in $(seq 1 200); do grep -q held "$work/held.txt" && break; sleep 0.1; done
(cd "$bin" && exec wine datetime-cfg-creator.com --start "$recorder" </dev/null >/dev/null 2>&1) &
pid=$!
for _ in $(seq 1 300); do [ ! -e "$work/recorder/date_time.cfg.tmp" ] || break; sleep 0.02; done
check "the Start waits with date_time.cfg.tmp written" '[ -e "$work/recorder/date_time.cfg.tmp" ]'
sleep 0.3
since=$(now_ms)
kill -INT "$pid"
wait "$pid" || true
took=$(($(now_ms) - since))
echo "ended $took ms after Ctrl+C"
check "it ends at once, not after the 3 s of waiting (took $took ms)" '[ "$took" -lt 1500 ]'
check "date_time.cfg.tmp is gone (got: $(ls -A "$work/recorder"))" \
  '[ "$(ls -A "$work/recorder" | tr "\n" " ")" = "VOICE date_time.cfg " ]'
check "date_time.cfg is as it was" '[ "$(cat "$work/recorder/date_time.cfg")" = $'"'"'old\r'"'"' ]'
# The holder lets the file go by itself: a Wine process killed from outside can leave the
# session unsettled for the window tests that follow.
wait "$holder" 2>/dev/null || true

[ "$failed" -eq 0 ] && echo "The console program under Wine: passed"
exit "$failed"
