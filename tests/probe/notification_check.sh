#!/bin/sh
# notification_check.sh NOTIFY_PROBE: a notification reaches the session bus as a Notify call
# with the program's name, title and UTF-8 text; with no notification service, and with no
# session bus at all, it is dropped within two seconds and the program goes on.
probe=$1
command -v dbus-run-session >/dev/null && command -v dbus-monitor >/dev/null || exit 77
log=$(mktemp)
trap 'rm -f "$log"' EXIT

DBUS_LOG=$log dbus-run-session -- sh -c '
  dbus-monitor --session "interface=org.freedesktop.Notifications" >"$DBUS_LOG" 2>/dev/null &
  monitor=$!
  sleep 0.5
  timeout 2 "$0" "Title" "Recorder ü set" || echo "probe-failed $?" >>"$DBUS_LOG"
  sleep 0.3
  kill $monitor' "$probe" 2>/dev/null
grep -A5 "member=Notify" "$log" | tr -d "\n" | tr -s " " |
  grep -q 'string "datetime-cfg-creator" uint32 0 string "datetime-cfg-creator" string "Title" string "Recorder ü set"' ||
  { echo "no Notify call with the texts:"; cat "$log"; exit 1; }
! grep -q probe-failed "$log" || { echo "the probe failed or hung with the bus"; exit 1; }

env -u DBUS_SESSION_BUS_ADDRESS -u DISPLAY -u WAYLAND_DISPLAY timeout 2 "$probe" "Title" "Text" ||
  { echo "the probe failed or hung without a bus"; exit 1; }
echo "ok: Notify on the bus, dropped without a service or a bus"
