#!/usr/bin/env bash
# A PC's time zone changed while the program's window is open, as on a laptop taken on a trip: in
# a private mount namespace, one zone file is bound over /etc/localtime, the window opens on an
# empty recorder folder under Xvfb, another zone file is bound over it, and Start (a key press)
# must write the new zone's time. Then --start from a PC clock whose state the kernel reports: the
# warning is on stderr exactly when the kernel says the clock is not synchronised. Skips where a
# mount namespace cannot be made (not root).
#   time_zone_check.sh PROGRAM
source "$(dirname "$0")/common.sh"
source "$(dirname "$0")/checks.sh"
program=$(realpath "$1")
if ! unshare -m true 2>/dev/null || [ ! -f /usr/share/zoneinfo/Asia/Seoul ]; then
  echo "SKIPPED: no private mount namespace or no zone files here."
  exit 0
fi
ensure_packages xvfb xdotool >/dev/null
work=$(mktemp -d)
xvfb=""
trap '[ -z "$xvfb" ] || kill "$xvfb" 2>/dev/null; rm -rf "$work"' EXIT
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
xvfb=$!
for _ in $(seq 50); do [ -s "$work/display" ] && break; sleep 0.1; done
mkdir -p "$work/recorder/VOICE"

# The minute written must be New York's just before or just after the key press.
written=$(DISPLAY=":$(cat "$work/display")" QT_QPA_PLATFORM=xcb unshare -m bash -c '
  mount --bind /usr/share/zoneinfo/Asia/Seoul /etc/localtime
  "$0" "$1" 2>/dev/null &
  window=$!
  id=$(timeout 20 xdotool search --sync --onlyvisible --pid "$window" | head -n 1)
  mount --bind /usr/share/zoneinfo/America/New_York /etc/localtime
  sleep 1.2  # the live clock ticks once in the new zone
  TZ=America/New_York date "+%Y %m %d %H %M"
  xdotool windowfocus --sync "$id" key space
  for _ in $(seq 100); do [ -s "$1/date_time.cfg" ] && break; sleep 0.05; done
  wait "$window"
  echo "status $?"
  cut -c1-16 "$1/date_time.cfg"
  TZ=America/New_York date "+%Y %m %d %H %M"' "$program" "$work/recorder")
mapfile -t lines <<<"$written"  # before, status, written, after
echo "zone changed while the window was open: wrote \"${lines[2]}\", New York \"${lines[0]}\""
check "the window ends with 0 after Start ($written)" '[ "${lines[1]}" = "status 0" ]'
check "the window writes the time of the zone set at Start" \
  '[ "${lines[2]}" = "${lines[0]}" ] || [ "${lines[2]}" = "${lines[3]}" ]'

# The warning follows what the kernel says of the clock.
rm -rf "$work/recorder/date_time.cfg"
"$program" --start "$work/recorder" 2>"$work/start.err"
shown=$("$program" --show "$work/recorder" | grep "^PC clock:" || true)
echo "this machine: ${shown:-PC clock: (not known)}"
if [ "$shown" = "PC clock: not synchronised" ]; then
  check "--start warns of a clock that no time server sets" 'grep -q "not synchronised with a time server" "$work/start.err"'
else
  check "--start warns of nothing for a clock that is not known to be unsynchronised" '[ ! -s "$work/start.err" ]'
fi
exit "$failed"
