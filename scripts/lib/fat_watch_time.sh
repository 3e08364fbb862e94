# Sourced by scripts/fat-test after fat_volumes.sh.
#
# The watch runs for days, across a change of the PC's time zone and of its clock's state. It
# starts with Seoul's zone bound over /etc/localtime and the kernel's clock marked as not
# synchronised: the recorder gets Seoul's time and a warning on stderr. Then New York's zone is
# bound over it and the clock marked as synchronised: the recorder plugged in again gets New
# York's time and no second warning.
run_watch_time() {
  echo "== --watch across a change of time zone and of the clock's state"
  local program=$fat_build/bin/datetime-cfg-creator clock_status=$fat_build/bin/clock_status
  if ! cmake --build "$fat_build" --target datetime-cfg-creator clock_status >/dev/null 2>&1; then
    echo "SKIPPED: this build has no Qt program (FAT_BUILD=a build with the GUI runs it)"
    return
  fi
  uml_make_image "$image" 1024
  mmd -i "$image" ::/VOICE
  local user=65534 options=uid=65534,gid=65534,shortname=mixed,utf8=1,flush
  cat >"$work/inner.sh" <<INNER
echo inner-begin
umount "$mount_point"
# Writes the clock file's minutes and the zone's own, read just before and after it appears.
plug_in() {
  before=\$(TZ=\$1 date "+%Y %m %d %H %M")
  mount -t vfat -o "$options" /dev/ubda "$mount_point" || { echo "\$1 mount-failed"; return; }
  for wait in \$(seq 200); do
    [ "\$(grep -c ": done\$" "$work/watch.out")" -ge \$2 ] && break
    sleep 0.01
  done
  echo "\$1 \$(cut -c1-16 "$mount_point/date_time.cfg") | \$before | \$(TZ=\$1 date "+%Y %m %d %H %M")"
  umount "$mount_point"
}
mount --bind /usr/share/zoneinfo/Asia/Seoul /etc/localtime
"$clock_status" set
setpriv --reuid=$user --regid=$user --clear-groups "$program" --watch \\
  >"$work/watch.out" 2>"$work/watch.err" &
watch=\$!
sleep 1
plug_in Asia/Seoul 1
mount --bind /usr/share/zoneinfo/America/New_York /etc/localtime
"$clock_status" clear
plug_in America/New_York 2
kill -TERM \$watch
wait \$watch
echo "watch \$?"
INNER
  local output failed_before=$failures zone
  output=$(volume_run "$work/inner.sh" "$options")
  for zone in Asia/Seoul America/New_York; do
    local line written before after
    line=$(sed -n "s|^$zone ||p" <<<"$output")
    IFS='|' read -r written before after <<<"$line"
    written=${written% } before=${before# } before=${before% } after=${after# }
    expect "watch: the clock file holds the time of the zone set at the plug-in ($zone: $written)" \
      "$([ "$written" = "$before" ] || [ "$written" = "$after" ] && echo yes)" yes
  done
  expect "watch: one warning, for the plug-in while the clock was not synchronised" \
    "$(grep -c "not synchronised with a time server" "$work/watch.err")" 1
  expect "watch: SIGTERM ends it with 0" "$(sed -n 's/^watch //p' <<<"$output")" 0
  [ "$failures" -eq "$failed_before" ] ||
    sed 's/^/   /' <<<"$output"$'\n'"$(cat "$work/watch.err")"
}
