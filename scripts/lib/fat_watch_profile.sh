# --watch --profile on the kernel's FAT driver; sourced and called at the end of run_watch
# (scripts/lib/fat_volumes.sh), whose helpers and program it uses, or alone by
# `scripts/fat-test watch-profile`.
#
# One text profile for two recorders of different models, A (model 3, /dev/ubda) and B (model 6,
# /dev/ubdb), plugged in while the watch runs as the user who owns the volumes: each gets the
# clock and the profile's settings that its screen shows, and A's line on stderr names the one it
# does not show. (A broken profile, which ends the watch before it looks at a drive, is left to
# tests/cli/profile_test.cpp.)
run_watch_profile() {
  echo "== --watch --profile: one profile for recorders of two models"
  local program=$fat_build/bin/datetime-cfg-creator began
  began=$(date +%s%N)
  local recorder_b=$work/recorder-b.img files=$work/profile-files
  rm -rf "$files" && mkdir -p "$files"
  printf '30111111111111110410000010000000FW 3\r\n' >"$files/a.ini"
  printf '60111111111111110421031510241000FW 6\r\n' >"$files/b.ini"
  uml_make_image "$image" 1024
  mmd -i "$image" ::/VOICE
  mcopy -i "$image" "$files/a.ini" ::/ravlen_setting.ini
  uml_make_image "$recorder_b" 1024
  mmd -i "$recorder_b" ::/VOICE
  mcopy -i "$recorder_b" "$files/b.ini" ::/ravlen_setting.ini
  local user=65534 options=uid=65534,gid=65534,shortname=mixed,utf8=1,flush b=/run/fat-b
  local out=$work/profile.out err=$work/profile.err
  cat >"$work/inner.sh" <<INNER
echo inner-begin
umount "$mount_point"
mkdir -p "$b"
[ -b /dev/ubdb ] || mknod /dev/ubdb b 98 16
printf 'Language = English\n# the office\nVOS Level=4\nMode (Record Quality)=SP\n' >/run/office.txt
chmod 644 /run/office.txt
setpriv --reuid=$user --regid=$user --clear-groups "$program" --watch --profile /run/office.txt \\
  >"$out" 2>"$err" &
watch=\$!
for wait in \$(seq 500); do grep -q "Watching for recorders" "$err" && break; sleep 0.01; done
mount -t vfat -o "$options" /dev/ubda "$mount_point"
mount -t vfat -o "$options" /dev/ubdb "$b"
for wait in \$(seq 2000); do [ "\$(grep -c ": done" "$out")" -ge 2 ] && break; sleep 0.01; done
kill -TERM \$watch
wait \$watch
echo "watch \$?"
INNER
  local output failed_before=$failures
  output=$(volume_run "$work/inner.sh" "$options" "$recorder_b")
  report() { sed -n "s/^$1 //p" <<<"$output"; }
  local a=$mount_point clock="[0-9]{4}( [0-9]{2}){5}"
  expect "watch --profile: a line a recorder" "$(sort "$out")" "$(printf '%s\n' "$b: done" "$a: done" | sort)"
  expect "watch --profile: A does not show Language" \
    "$(grep -c "^$a: profile settings this recorder does not show: \"Language\"$" "$err")" 1
  expect "watch --profile: B shows every setting of the profile" "$(grep -c "^$b: profile" "$err")" 0
  expect "watch --profile: A's settings line" "$(mtype -i "$image" ::/ravlen_setting.bak | tr -d '\r')" \
    "30111111111111110340000010000000FW 3"
  expect "watch --profile: B's settings line" \
    "$(mtype -i "$recorder_b" ::/ravlen_setting.bak | tr -d '\r')" "60111111111111110341031510141000FW 6"
  [[ $(mtype -i "$image" ::/date_time.cfg) =~ ^${clock}E34000001000000$'\r'$ ]] ||
    fail "watch --profile: A's date_time.cfg holds $(bytes_of date_time.cfg)"
  [[ $(mtype -i "$recorder_b" ::/date_time.cfg) =~ ^${clock}E34103151014100$'\r'$ ]] ||
    fail "watch --profile: B's date_time.cfg holds $(quoted "$(mtype -i "$recorder_b" ::/date_time.cfg)")"
  expect "watch --profile: SIGTERM ends it with 0" "$(report watch)" 0
  [ "$failures" -eq "$failed_before" ] || sed 's/^/   /' <<<"$output"$'\n'"$(cat "$err")"
  echo "   the profile stage took $((($(date +%s%N) - began) / 1000000)) ms"
}
