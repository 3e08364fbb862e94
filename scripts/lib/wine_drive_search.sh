#!/usr/bin/env bash
# The removable-drive search under Wine, in the prefix and on the display of the environment:
# folders mapped as drives in the prefix (dosdevices links), marked removable ("floppy") in its
# registry and labelled by a .windows-label file. The program, started without an argument from
# a folder that is not a recorder's root, must take the one removable drive that holds a recorder;
# when none does, its own folder where that is on a removable drive, else the window that waits
# for a recorder, whose Cancel writes nothing; with several, the chooser offers them: Cancel writes
# nothing, and the drive chosen gets the Start. A fixed drive (Wine's disks report no USB bus) and the
# system drive are never searched, even when marked removable; a root given as "R:" is R's root,
# and one deeper than 260 characters gets its files from --start and from Start in the window.
#   wine_drive_search.sh PROGRAM.exe DRIVES_PROBE.exe WORK_FOLDER
set -euo pipefail
source "$(dirname "$0")/wine_display.sh"
source "$(dirname "$0")/checks.sh"
work=$(realpath -m "$3")
rm -rf "$work" && mkdir -p "$work/app" "$work/r" "$work/s" "$work/t" "$work/u"
cp "$1" "$work/app/program.exe"
cp "${1%.exe}.com" "$work/app/program.com"
probe=$(realpath "$2")
line="40111111111111111""10000000000000""#VERSION4.00ABCD"
# R and S hold a recorder's settings file and nothing the program writes.
reset_recorders() {
  local drive
  for drive in r s; do
    rm -f "$work/$drive/date_time.cfg" "$work/$drive/ravlen_setting.bak"
    printf '%s\r\n' "$line" >"$work/$drive/ravlen_setting.ini"
  done
}
reset_recorders
printf 'REC R\n' >"$work/r/.windows-label"
printf 'REC S\n' >"$work/s/.windows-label"
printf 'OTHER\n' >"$work/t/.windows-label"  # removable, but no recorder
printf '%s\r\n' "$line" >"$work/u/ravlen_setting.ini"  # a recorder on a fixed drive
drives_key='HKLM\Software\Wine\Drives'

# Maps exactly the given letters (of r, s, t, u) to their folders, removable but u, which is a
# fixed disk. Wine's mount manager reads the drives when it starts, so the server is started again.
map_drives() {
  local letter
  for letter in r s t u; do
    rm -f "$WINEPREFIX/dosdevices/$letter:"
    wine reg delete "$drives_key" /v "$letter:" /f </dev/null >/dev/null 2>&1 || true
  done
  for letter in "$@"; do
    ln -s "$work/$letter" "$WINEPREFIX/dosdevices/$letter:"
    local type=floppy
    [ "$letter" = u ] && type=hd
    wine reg add "$drives_key" /v "$letter:" /d "$type" /f </dev/null >/dev/null 2>&1
  done
  wineserver -k >/dev/null 2>&1 || true
  wineserver -p </dev/null >/dev/null 2>&1
}
# The system drive marked removable, holding a recorder's clock file (taken at the next map_drives),
# and back to normal.
mark_system_drive() {
  wine reg add "$drives_key" /v c: /d floppy /f </dev/null >/dev/null 2>&1
  touch "$WINEPREFIX/drive_c/date_time.cfg"
}
unmark_system_drive() {
  wine reg delete "$drives_key" /v c: /f </dev/null >/dev/null 2>&1 || true
  rm -f "$WINEPREFIX/drive_c/date_time.cfg"
}
trap 'unmark_system_drive; map_drives' EXIT

probe_output() { wine "$probe" "$(winepath -w "$work/app")" </dev/null 2>/dev/null | tr -d '\r'; }

# Starts the program ($program, the one in the app folder by default, with the arguments in
# $arguments, none by default) and makes the clicks, each "W H X Y": the client point (X, Y) of
# its window whose client area is W x H pixels, titled $title (the screens' title by default). A
# click on a window of another size than the click before waits for that window to go first. Sets
# $status to the program's exit status.
run_and_click() {
  local pid window="" size="" click width height x y name=${title:-date_time.cfg Creator}
  (cd "$work/app" && exec wine "${program:-program.exe}" ${arguments:-}) </dev/null &
  pid=$!
  for click in "$@"; do
    read -r width height x y <<<"$click"
    if [ "${width}x$height" != "$size" ]; then
      [ -n "$window" ] && for _ in $(seq 1 100); do
        xdotool search --onlyvisible --pid "$pid" --name "$name" 2>/dev/null |
          grep -qxF "$window" || break
        sleep 0.05
      done
      window=$(find_wine_window "$pid" "$name" 30)
      if [ -z "$window" ]; then
        echo "FAIL: no window of the program within 30 s" >&2
        kill "$pid" 2>/dev/null || true
        status=-1
        return
      fi
      size="${width}x$height"
    fi
    click_client "$window" "$width" "$height" "$x" "$y"
  done
  status=0
  wait "$pid" || status=$?
}

echo "-- one removable drive holds a recorder: it is used"
map_drives r t
out=$(probe_output)
check "the drive list is R and T with their labels (got: $out)" \
  '[ "$(grep -v ^choice= <<<"$out")" = "$(printf "R:\\\\\tREC R\nT:\\\\\tOTHER")" ]'
check "the choice is R (got: $out)" 'grep -qxF "choice=volume R:\\" <<<"$out"'
# Form12: client area 322 x 404, Start at (156, 348).
run_and_click "322 404 156 348"
check "exit status 0 (got $status)" '[ "$status" -eq 0 ]'
check "date_time.cfg on R" '[ -f "$work/r/date_time.cfg" ] && [ -f "$work/r/ravlen_setting.bak" ]'
check "nothing in the program's folder" '[ ! -e "$work/app/date_time.cfg" ]'

echo "-- a root given as a bare drive letter is that drive's root"
reset_recorders
out=$(cd "$work/app" && wine program.com --show R: </dev/null | tr -d '\r' || true)
check "--show R: reads R's settings file (got: $out)" 'grep -qx "Model: *4 (Form12)" <<<"$out"'
arguments=R: run_and_click "322 404 156 348"
check "the window on R: exit status 0 (got $status)" '[ "$status" -eq 0 ]'
check "the window on R: date_time.cfg on R" '[ -f "$work/r/date_time.cfg" ]'

echo "-- a root deeper than 260 characters, past Windows' plain path limit"
deep="$work/deep"
while [ ${#deep} -le 300 ]; do deep="$deep/recorder_folder_${#deep}"; done
mkdir -p "$deep"
printf '%s\r\n' "$line" >"$deep/ravlen_setting.ini"
# Z: is the Unix root in every prefix; winepath cuts paths at 260 characters.
deep_root="Z:${deep//\//\\}"
status=0
err=$(cd "$work/app" && wine program.com --start "$deep_root" </dev/null 2>&1 >/dev/null) ||
  status=$?
check "--start on a root of ${#deep_root} characters: exit status 0 (got $status: $err)" \
  '[ "$status" -eq 0 ]'
check "--start on the deep root: date_time.cfg and the .bak there" \
  '[ -f "$deep/date_time.cfg" ] && [ -f "$deep/ravlen_setting.bak" ]'
rm -f "$deep/date_time.cfg"
printf '%s\r\n' "$line" >"$deep/ravlen_setting.ini"
arguments=$deep_root run_and_click "322 404 156 348"
check "the window on the deep root: exit status 0 (got $status)" '[ "$status" -eq 0 ]'
check "the window on the deep root: date_time.cfg there" '[ -f "$deep/date_time.cfg" ]'
rm -rf "$work/deep"

echo "-- no removable drive holds a recorder: the waiting window, or the program's removable drive"
mark_system_drive
map_drives t u
out=$(probe_output)
check "neither the fixed drive U nor the system drive C is searched (got: $out)" \
  '[ "$(grep -v ^choice= <<<"$out" | cut -f 1)" = "T:\\" ]'
check "the choice is the program's folder (got: $out)" \
  'grep -qxF "choice=fallback $(winepath -w "$work/app")" <<<"$out"'
status=0
err=$(cd "$work/app" && wine program.com --start </dev/null 2>&1 >/dev/null) || status=$?
check "--start from a fixed drive: 64, no recorder (got $status: $err)" \
  '[ "$status" -eq 64 ] && grep -q "No recorder is plugged in." <<<"$err"'
check "--start from a fixed drive: nothing written" '[ ! -e "$work/app/date_time.cfg" ]'
# The waiting window: client area 360 x 180 at 96 DPI, Cancel at (294, 150).
title="Plug in the recorder" run_and_click "360 180 294 150"
check "the waiting window's Cancel: exit status 0 (got $status)" '[ "$status" -eq 0 ]'
check "the waiting window's Cancel: nothing written" \
  '[ -z "$(find "$work/app" "$work/t" "$work/u" -name date_time.cfg -o -name "*.bak")" ]'
# Started from the removable drive T, which holds no recorder yet: T is the root. The start screen:
# client area 312 x 199, Start at (148, 148).
cp "$work/app/program.exe" "$work/t/program.exe"
program='T:\program.exe' run_and_click "312 199 148 148"
check "from T: exit status 0 (got $status)" '[ "$status" -eq 0 ]'
check "from T: date_time.cfg on T" '[ -f "$work/t/date_time.cfg" ]'
check "from T: nothing in the app folder" '[ ! -e "$work/app/date_time.cfg" ]'
rm -f "$work/t/program.exe" "$work/t/date_time.cfg"

unmark_system_drive

echo "-- several removable drives hold a recorder: the chooser offers them"
map_drives r s t
rm -f "$work/app/date_time.cfg"  # the folder is a recorder's root no more
out=$(probe_output)
check "the drive list is R, S and T (got: $out)" \
  '[ "$(grep -v ^choice= <<<"$out" | cut -f 1 | tr "\n" " ")" = "R:\\ S:\\ T:\\ " ]'
check "the choice is between R and S (got: $out)" 'grep -qxF "choice=choose R:\\ S:\\" <<<"$out"'

# The chooser: client area 360 x 206 at 96 DPI; its second row (S) at (100, 60), OK at
# (220, 181), Cancel at (308, 181). Then Form12's Start.
reset_recorders
run_and_click "360 206 308 181"
check "Cancel: exit status 0 (got $status)" '[ "$status" -eq 0 ]'
check "Cancel: nothing written" \
  '[ -z "$(find "$work" -name date_time.cfg -o -name "*.bak")" ]'
run_and_click "360 206 100 60" "360 206 220 181" "322 404 156 348"
check "S chosen: exit status 0 (got $status)" '[ "$status" -eq 0 ]'
check "S chosen: date_time.cfg and the .bak on S" \
  '[ -f "$work/s/date_time.cfg" ] && [ -f "$work/s/ravlen_setting.bak" ]'
check "S chosen: nothing on R" '[ ! -e "$work/r/date_time.cfg" ]'

[ "$failed" -eq 0 ] && echo "Drive search under Wine: passed"
exit "$failed"
