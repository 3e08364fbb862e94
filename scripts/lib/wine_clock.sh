#!/usr/bin/env bash
# The Windows program's clock under Wine, in the prefix and on the display of the environment:
# (1) the zone changed while its window is open: in a private mount namespace, Seoul's zone file
# is bound over /etc/localtime (which Wine takes as the system's zone), the window opens on an
# empty recorder folder, New York's is bound over it, and Start (a key press) must write New
# York's time; skipped where no mount namespace can be made. (2) The time service set not to
# synchronise ("NoSync" in its registry key): --show names the clock "not synchronised" and
# --start warns on stderr; without the key, neither says anything.
#   wine_clock.sh PROGRAM.exe WORK_FOLDER
set -euo pipefail
source "$(dirname "$0")/checks.sh"
exe=$(realpath "$1")
com=${exe%.exe}.com
work=$(realpath -m "$2")
rm -rf "$work" && mkdir -p "$work/recorder/VOICE"
recorder=$(winepath -w "$work/recorder" 2>/dev/null)
parameters='HKLM\SYSTEM\CurrentControlSet\Services\W32Time\Parameters'

if unshare -m true 2>/dev/null && [ -f /usr/share/zoneinfo/Asia/Seoul ]; then
  mapfile -t lines < <(unshare -m bash -c '
    mount --bind /usr/share/zoneinfo/Asia/Seoul /etc/localtime
    wine "$0" "$1" 2>/dev/null &
    window=$!
    id=$(timeout 30 xdotool search --sync --onlyvisible --name "date_time" | head -n 1)
    mount --bind /usr/share/zoneinfo/America/New_York /etc/localtime
    sleep 1.2
    TZ=America/New_York date "+%Y %m %d %H %M"
    xdotool windowfocus --sync "$id" key space
    for _ in $(seq 200); do [ -s "$2/date_time.cfg" ] && break; sleep 0.05; done
    wait "$window" || true
    cut -c1-16 "$2/date_time.cfg" 2>/dev/null || echo none
    TZ=America/New_York date "+%Y %m %d %H %M"' "$exe" "$recorder" "$work/recorder")
  echo "zone changed while the window was open: wrote \"${lines[1]:-}\", New York \"${lines[0]:-}\""
  check "the window writes the time of the zone set at Start" \
    '[ "${lines[1]:-}" = "${lines[0]:-}" ] || [ "${lines[1]:-}" = "${lines[2]:-}" ]'
else
  echo "SKIPPED: the zone change needs a private mount namespace (root)."
fi

wine reg delete "$parameters" /v Type /f >/dev/null 2>&1 || true
check "--show names no clock state without the time service's key" \
  '! wine "$com" --show "$recorder" 2>&1 | grep -q "PC clock"'
wine reg add "$parameters" /v Type /t REG_SZ /d NoSync /f >/dev/null 2>&1
shown=$(wine "$com" --show "$recorder" 2>&1 | tr -d '\r' | grep "^PC clock" || true)
echo "time service set to NoSync: $shown"
check "--show names a clock that the time service does not set" \
  '[ "$shown" = "PC clock: not synchronised" ]'
check "--start warns of it" \
  'wine "$com" --start "$recorder" 2>&1 | grep -q "not synchronised with a time server"'
wine reg delete "$parameters" /v Type /f >/dev/null 2>&1 || true
exit "$failed"
