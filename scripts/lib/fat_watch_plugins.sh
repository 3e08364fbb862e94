# --watch and plug-ins on real FAT volumes; sourced by scripts/lib/fat_volumes.sh, whose run_watch
# calls run_watch_plugins with the same helpers and program.
#
# Two recorders, A (/dev/ubda) and B (/dev/ubdb), with nothing on them but VOICE:
# - the watch writes A; then B, held by another program for 4 s, becomes a recorder and the watch
#   waits for it; meanwhile A is unplugged for half a second and plugged in again, and must get its
#   clock file again once B is done (Linux 6.1 gives the new mount A's old mount ID and device
#   number);
# - A bind-mounted at a second place is written once, and not again when its first place goes;
# - B mounted so that the user may not read it gets one line, not one at every look;
# - a second watch with a --set gives A, which has no settings file, its clock file and a line
#   that names the set not applied; one with a --set that no screen has ends with 64 at once.
run_watch_plugins() {
  echo "== --watch: each plug-in once, by the volume"
  local program=$fat_build/bin/datetime-cfg-creator
  local recorder_b=$work/recorder-b.img
  uml_make_image "$image" 1024
  mmd -i "$image" ::/VOICE
  uml_make_image "$recorder_b" 1024
  local user=65534 options=uid=65534,gid=65534,shortname=mixed,utf8=1,flush
  local a=$mount_point b=/run/fat-b bind=/run/fat-bind poke=/run/fat-poke
  local out=$work/plugins.out set_out=$work/plugins-set.out
  cat >"$work/inner.sh" <<INNER
echo inner-begin
umount "$a"
mkdir -p "$b" "$bind" "$poke"
[ -b /dev/ubdb ] || mknod /dev/ubdb b 98 16
now_ms() { echo \$((\$(date +%s%N) / 1000000)); }
# Waits up to \$3 ms for \$2 lines of the watch's output \$1 that match \$4.
wait_lines() {
  began=\$(now_ms)
  while [ \$((\$(now_ms) - began)) -lt \$3 ]; do
    [ "\$(grep -c -- "\$4" "\$1")" -ge \$2 ] && return
    sleep 0.01
  done
}
# The milliseconds from \$2 (a moment in ms) until the file \$1 is there, or "none" after 8 s.
file_after() {
  while [ \$((\$(now_ms) - \$2)) -lt 8000 ]; do
    [ -f "\$1" ] && { echo \$((\$(now_ms) - \$2)); return; }
    sleep 0.01
  done
  echo none
}
mount -t vfat -o "$options" /dev/ubda "$a"
# B is no recorder yet: the watch passes over it.
mount -t vfat -o "$options" /dev/ubdb "$b"
setpriv --reuid=$user --regid=$user --clear-groups "$program" --watch >"$out" 2>"$work/plugins.err" &
watch=\$!
wait_lines "$out" 1 5000 "^$a: done\$"
# Another program holds B for 4 s; B becomes a recorder, and a mount elsewhere has the watch look.
flock "$b" sleep 4 & holder=\$!
sleep 0.2
mkdir "$b/VOICE"
mount -t tmpfs fat-poke "$poke" && umount "$poke"
# While the watch waits for B: A out of its socket for half a second.
sleep 0.5
rm "$a/date_time.cfg"
umount "$a"
echo "unplug \$?"
sleep 0.5
mount -t vfat -o "$options" /dev/ubda "$a"
replugged=\$(now_ms)
echo "lines at the re-plug \$(grep -c . "$out")"
echo "replug \$(file_after "$a/date_time.cfg" \$replugged)"
wait \$holder
wait_lines "$out" 2 3000 "^$a: done\$"
wait_lines "$out" 1 3000 "^$b: done\$"

rm "$a/date_time.cfg" "$b/date_time.cfg"
mount --bind "$a" "$bind"
sleep 1
umount "$a"
echo "first place unmounted \$?"
sleep 1
echo "bind \$([ -f "$bind/date_time.cfg" ] && echo written || echo "not written")"
umount "$bind"

umount "$b"
sleep 0.5
mount -t vfat -o uid=0,gid=0,umask=077,shortname=mixed,utf8=1 /dev/ubdb "$b"
wait_lines "$out" 1 3000 "^$b: cannot be read"
# Two more looks.
mount -t tmpfs fat-poke "$poke" && umount "$poke"
sleep 1
umount "$b"
kill -TERM \$watch
(sleep 5; kill -KILL \$watch 2>/dev/null) &
wait \$watch
echo "watch \$?"

# A watch that begins all the same is ended after 10 s, so that its status tells it.
timeout 10 setpriv --reuid=$user --regid=$user --clear-groups "$program" --watch \\
  --set "No Such Setting=1" >/dev/null 2>"$work/plugins-unknown.err"
echo "unknown \$?"
setpriv --reuid=$user --regid=$user --clear-groups "$program" --watch --set "VOS Level=+ 1" \\
  >"$set_out" 2>/dev/null &
watch=\$!
sleep 1
mount -t vfat -o "$options" /dev/ubda "$a"
echo "set-clock \$(file_after "$a/date_time.cfg" \$(now_ms))"
wait_lines "$set_out" 1 3000 "^$a: "
kill -TERM \$watch
wait \$watch
echo "set watch \$?"
INNER
  local output failed_before=$failures
  output=$(volume_run "$work/inner.sh" "$options" "$recorder_b")
  report() { sed -n "s/^$1 //p" <<<"$output"; }
  local replug
  replug=$(report replug)
  expect "watch: A plugged in again while B was held gets its clock file again ($replug ms after)" \
    "$([[ $replug =~ ^[0-9]+$ ]] && echo written || echo "$replug")" written
  expect "watch: B is still held when A is plugged in again" "$(report "lines at the re-plug")" 1
  expect "watch: B, held for 4 s, and A twice, a line each" "$(cat "$out" 2>/dev/null | sort)" \
    "$(printf '%s\n' "$a: done" "$a: done" "$b: cannot be read (Permission denied); nothing was written" "$b: done" | sort)"
  expect "watch: a bind mount of A, and A's first place unmounted, write nothing" "$(report bind)" \
    "not written"
  expect "watch: SIGTERM ends it with 0" "$(report watch)" 0
  expect "watch: B unreadable is left as it is" "$(bytes_of_in "$recorder_b" date_time.cfg)" absent
  expect "watch: a --set no screen has ends the watch at once with 64" "$(report unknown)" 64
  grep -q 'no recorder.s screen has a setting "No Such Setting"' "$work/plugins-unknown.err" ||
    fail "watch: the refused --set says $(cat "$work/plugins-unknown.err")"
  local set_written
  set_written=$(report set-clock)
  expect "watch --set: a recorder without a settings file gets its clock file ($set_written ms)" \
    "$([[ $set_written =~ ^[0-9]+$ ]] && echo written || echo "$set_written")" written
  expect "watch --set: its line names the set not applied" "$(cat "$set_out" 2>/dev/null)" \
    "$a: done; not applied: --set \"VOS Level=+ 1\": this recorder has no settings file"
  [[ $(content_of date_time.cfg; echo x) =~ ^[0-9]{4}( [0-9]{2}){5}$'\r\nx'$ ]] ||
    fail "watch --set: date_time.cfg holds $(bytes_of date_time.cfg)"
  expect "watch --set: ends with 0" "$(report "set watch")" 0
  [ "$failures" -eq "$failed_before" ] ||
    sed 's/^/   /' <<<"$output"$'\n'"$(cat "$work/plugins.err" "$out" 2>/dev/null)"
}

# bytes_of for a file on another image than the one the helpers look at.
bytes_of_in() {
  local image=$1
  bytes_of "$2"
}
