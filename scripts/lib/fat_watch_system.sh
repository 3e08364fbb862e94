# --watch and what it meets beside the recorders, on the kernel's FAT driver; sourced and called
# at the end of run_watch (scripts/lib/fat_volumes.sh), whose helpers and program it uses.

# A recorder plugged in three times, each watch as the user who owns the volume:
# - a session bus of the test's own that stops answering (SIGSTOP) as soon as the first recorder
#   is written, before the watch's notification reaches it: the next recorders are still written,
#   and SIGTERM ends the watch within a second with status 0;
# - `--watch | head -1`: the later recorders are still written, and standard error says once that
#   the lines stop;
# - a second watch of the same user, started by hand without $XDG_RUNTIME_DIR beside one that has
#   it: it ends at once with 0 and its line and writes nothing, while the first goes on; the
#   lock goes with a watch that ends or is killed.
# The idle watch's processor time is measured beside the stopped bus and beside nothing.
run_watch_system() {
  echo "== --watch beside a bus that stops answering, a closed standard output and a second watch"
  # WATCH_PROGRAM: another build of the program, to see these cases fail on it.
  local program=${WATCH_PROGRAM:-$fat_build/bin/datetime-cfg-creator}
  uml_make_image "$image" 1024
  mmd -i "$image" ::/VOICE
  local user=65534 options=uid=65534,gid=65534,shortname=mixed,utf8=1,flush
  local runtime=/run/user/65534
  local already="A watch is already running for this user; this one ends."
  local closed="Standard output can no longer be written; the watch goes on without its lines."
  rm -f "$work"/system-*
  cat >"$work/inner.sh" <<INNER
echo inner-begin
umount "$mount_point"
# The user's runtime folder, as the system makes it at login.
mkdir -p "$runtime" && chown $user:$user "$runtime" && chmod 700 "$runtime"
now_ms() { echo \$((\$(date +%s%N) / 1000000)); }
# A simple command, so that a watch started with & is the process that \$! names.
as_user="setpriv --reuid=$user --regid=$user --clear-groups"
$(clock_file_after_mount_function)
# Once watch \$1 holds nothing on the recorder, removes its clock file (so that the next plug-in
# shows whether it is written again) and unmounts it; prints umount's status.
unplug() {
  for wait in \$(seq 200); do
    ls -l /proc/\$1/fd 2>/dev/null | grep -q "$mount_point" || break
    sleep 0.01
  done
  rm -f "$mount_point/date_time.cfg"
  for wait in \$(seq 200); do
    umount "$mount_point" 2>/dev/null && { echo 0; return; }
    sleep 0.01
  done
  echo busy
}
# Waits up to 2 s for line \$2 of the file \$1.
lines() {
  for wait in \$(seq 200); do
    [ "\$(grep -c . "\$1")" -ge \$2 ] && return
    sleep 0.01
  done
}
# Waits up to 5 s for the watch's first line on standard error (\$1): it is watching.
started() {
  for wait in \$(seq 500); do
    [ -s "\$1" ] && return
    sleep 0.01
  done
}
# The processor time of process \$1 in clock ticks, user and system.
ticks() { awk '{ print \$14 + \$15 }' /proc/\$1/stat; }
# The ticks that the idle watch \$1 takes in 3 s.
idle_ticks() {
  before=\$(ticks \$1)
  sleep 3
  echo \$((\$(ticks \$1) - before))
}
# Stops watch \$2 with SIGTERM (SIGKILL after 5 s); prints "\$1 stop", its status and the
# milliseconds until it ended. Not in a command substitution, whose shell could not wait for it.
stop() {
  (sleep 5; kill -KILL \$2 2>/dev/null) &
  killer=\$!
  began=\$(now_ms)
  kill -TERM \$2
  wait \$2
  status=\$?
  echo "\$1 stop \$status \$((\$(now_ms) - began))"
  kill \$killer 2>/dev/null
}

if command -v dbus-daemon >/dev/null; then
  \$as_user dbus-daemon --session --nofork --address=unix:path=$runtime/bus \\
    >/dev/null 2>"$work/system-daemon.err" </dev/null &
  bus=\$!
  for wait in \$(seq 500); do [ -S $runtime/bus ] && break; sleep 0.01; done
  XDG_RUNTIME_DIR=$runtime DBUS_SESSION_BUS_ADDRESS=unix:path=$runtime/bus \$as_user "$program" \\
    --watch >"$work/system-bus.out" 2>"$work/system-bus.err" &
  watch=\$!
  started "$work/system-bus.err"
  # The bus stops as soon as the first recorder is written, before its notification is sent.
  mount -t vfat -o "$options" /dev/ubda "$mount_point"
  for wait in \$(seq 200); do [ -f "$mount_point/date_time.cfg" ] && break; sleep 0.01; done
  kill -STOP \$bus
  lines "$work/system-bus.out" 1
  echo "bus unplug 1 \$(unplug \$watch)"
  echo "bus plug-in 2 \$(clock_file_after_mount)"
  echo "bus unplug 2 \$(unplug \$watch)"
  echo "bus plug-in 3 \$(clock_file_after_mount)"
  lines "$work/system-bus.out" 3
  echo "bus idle \$(idle_ticks \$watch)"
  stop bus \$watch
  echo "bus unplug 3 \$(unplug \$watch)"
  kill -CONT \$bus
  kill \$bus
  wait \$bus
else
  echo "bus skipped"
fi

mkfifo /run/watch-pipe
head -n 1 </run/watch-pipe >"$work/system-pipe.out" &
XDG_RUNTIME_DIR=$runtime \$as_user "$program" --watch >/run/watch-pipe 2>"$work/system-pipe.err" &
watch=\$!
started "$work/system-pipe.err"
for plug_in in 1 2 3; do
  echo "pipe plug-in \$plug_in \$(clock_file_after_mount)"
  # The recorder's line is out (as far as the watch can tell) before the next plug-in.
  sleep 0.3
  echo "pipe unplug \$plug_in \$(unplug \$watch)"
done
stop pipe \$watch

XDG_RUNTIME_DIR=$runtime \$as_user "$program" --watch >"$work/system-first.out" \\
  2>"$work/system-first.err" &
first=\$!
started "$work/system-first.err"
echo "first plug-in 1 \$(clock_file_after_mount)"
lines "$work/system-first.out" 1
# Still plugged in, the recorder is not written again by the first watch; the second would write it
# at once.
rm "$mount_point/date_time.cfg"
began=\$(now_ms)
timeout -k 1 5 \$as_user "$program" --watch >"$work/system-second.out" \\
  2>"$work/system-second.err"
echo "second \$? \$((\$(now_ms) - began))"
echo "second wrote \$([ -f "$mount_point/date_time.cfg" ] && echo yes || echo no)"
echo "first unplug 1 \$(unplug \$first)"
echo "first plug-in 2 \$(clock_file_after_mount)"
lines "$work/system-first.out" 2
echo "first idle \$(idle_ticks \$first)"
stop first \$first
# The lock goes with the watch: a watch started now runs; killed, it leaves the lock to the next.
for next in third fourth; do
  XDG_RUNTIME_DIR=$runtime \$as_user "$program" --watch >"$work/system-\$next.out" \\
    2>"$work/system-\$next.err" &
  watch=\$!
  started "$work/system-\$next.err"
  kill -KILL \$watch
  wait \$watch
done
echo "first unplug 2 \$(unplug 0)"
# A watch without a runtime folder of its own reached this one through hostfs: left behind there.
rmdir /tmp/datetime-cfg-creator-$user 2>/dev/null
true
INNER
  local began output failed_before=$failures
  began=$(date +%s%N)
  output=$(volume_run "$work/inner.sh" "$options")
  report() { sed -n "s/^$1 //p" <<<"$output"; }
  written() { [[ $1 =~ ^[0-9]+$ ]] && echo written || echo "$1"; }
  local status took

  if [ "$(report bus)" = skipped ]; then
    echo "SKIPPED: the bus that stops answering (no dbus-daemon)"
  else
    local plug_in
    for plug_in in 2 3; do
      expect "bus stopped: plug-in $plug_in writes the clock file within 2 s ($(report "bus plug-in $plug_in") ms)" \
        "$(written "$(report "bus plug-in $plug_in")")" written
    done
    read -r status took <<<"$(report "bus stop")"
    expect "bus stopped: SIGTERM ends the watch with 0 (in ${took:-?} ms)" "${status:-}" 0
    expect "bus stopped: SIGTERM ends the watch within 1 s" \
      "$([[ ${took:-} =~ ^[0-9]+$ ]] && [ "$took" -lt 1000 ] && echo yes || echo "no: ${took:-?} ms")" yes
    expect "bus stopped: a line per plug-in" "$(cat "$work/system-bus.out")" \
      "$mount_point: done"$'\n'"$mount_point: done"$'\n'"$mount_point: done"
    echo "   the idle watch beside the stopped bus took $(report "bus idle") clock ticks in 3 s"
  fi

  for plug_in in 1 2 3; do
    expect "closed output: plug-in $plug_in writes the clock file within 2 s ($(report "pipe plug-in $plug_in") ms)" \
      "$(written "$(report "pipe plug-in $plug_in")")" written
  done
  read -r status took <<<"$(report "pipe stop")"
  expect "closed output: SIGTERM ends the watch with 0" "${status:-}" 0
  expect "closed output: the reader got the first line" "$(cat "$work/system-pipe.out")" \
    "$mount_point: done"
  expect "closed output: standard error says so once" \
    "$(grep -cxF "$closed" "$work/system-pipe.err")" 1

  read -r status took <<<"$(report second)"
  expect "second watch: ends with 0 (in ${took:-?} ms)" "${status:-}" 0
  expect "second watch: says why on standard error" "$(cat "$work/system-second.err")" "$already"
  expect "second watch: prints nothing on standard output" "$(cat "$work/system-second.out")" ""
  expect "second watch: writes nothing" "$(report "second wrote")" no
  expect "first watch: plug-in 2 writes the clock file within 2 s ($(report "first plug-in 2") ms)" \
    "$(written "$(report "first plug-in 2")")" written
  expect "first watch: a line per plug-in" "$(cat "$work/system-first.out")" \
    "$mount_point: done"$'\n'"$mount_point: done"
  read -r status took <<<"$(report "first stop")"
  expect "first watch: SIGTERM ends it with 0" "${status:-}" 0
  local next
  for next in third fourth; do
    expect "the lock goes with the watch before it: the $next watch runs" \
      "$(head -n 1 "$work/system-$next.err")" "Watching for recorders to be plugged in; Ctrl+C stops."
  done
  echo "   the idle watch took $(report "first idle") clock ticks in 3 s"
  [ "$failures" -eq "$failed_before" ] || {
    sed 's/^/   /' <<<"$output"
    local file
    for file in "$work"/system-*.err; do
      echo "   $(basename "$file"):"
      sed 's/^/     /' "$file"
    done
  }
  echo "   the stage took $((($(date +%s%N) - began) / 1000000)) ms"
}
