# The device on prepared FAT volumes; sourced by scripts/fat-test, whose helpers (and `expect` from
# scripts/lib/checks.sh) it uses.

# Runs `inner` (a script) in UML on the image with vfat `options`, and prints its console lines
# from "inner-begin" on. A `second_image` is the kernel's /dev/ubdb, left for `inner` to mount.
volume_run() {
  local inner=$1 options=${2:-uid=0,gid=0,shortname=mixed,utf8=1,flush} second_image=${3:-}
  uml_write_init "$work/init.sh" "$mount_point" "$inner" "$options"
  (uml_boot "$image" "$work/init.sh" "$second_image") 2>&1 | tr -d '\r' |
    sed -n '/^inner-begin/,$p'
}

# A file's bytes from the host, quoted as `quoted` quotes them, or "absent".
bytes_of() {
  if has_file "$1"; then
    local bytes
    bytes=$(content_of "$1"; echo x)
    quoted "${bytes%x}"
  else
    printf absent
  fi
}

# Bytes in a form that survives a command substitution (which drops trailing line ends).
quoted() { printf '%q' "$1"; }

put() {  # put DEVICE_PATH BYTES [ATTRIBUTES...]: a file made from the host
  local path=$1 bytes=$2
  shift 2
  printf '%s' "$bytes" >"$work/put"
  mcopy -o -i "$image" "$work/put" "::/$path"
  [ $# -eq 0 ] || mattrib -i "$image" "$@" "::/$path"
}

run_volumes() {
  local clock_pattern="^[0-9]{4} [0-9]{2} [0-9]{2} [0-9]{2} [0-9]{2} [0-9]{2}"
  local line="$old_line$crlf"

  echo "== The device tests with their folders on FAT"
  # Not the watch's lock: it lives in the user's runtime folder, never on a recorder, and FAT has
  # no owners or modes of its own for it to check. Nor the mount table's volumes: their label
  # folder stands in for /dev/disk/by-label, made of symbolic links, which FAT cannot hold.
  uml_make_image "$image" 16384
  cat >"$work/inner.sh" <<INNER
echo inner-begin
TMPDIR="$mount_point" DTC_ON_FAT=1 "$fat_build/bin/device_tests" --gtest_brief=1 \
  --gtest_filter=-CrashConsistencyTest.*:DeviceFaultTest.*:ReadOnlyDeviceTest.*:FreePages/*:WatchLockTest.*:MountedVolumesTest.*
echo "device-tests-status \$?"
INNER
  local output
  output=$(volume_run "$work/inner.sh")
  grep -E "FAILED|PASSED|SKIPPED \]|tests ran|device-tests-status" <<<"$output" | sed 's/^/   /'
  grep -q "device-tests-status 0" <<<"$output" || fail "the device tests on FAT"

  echo "== Starts on volumes prepared from the host"
  uml_make_image "$image" 4096
  # 1: a normal .ini beside a hidden read-only .bak, a hidden system VOICE folder and a hidden
  # clock file (a replaced file keeps hidden).
  # The same once more for the program itself, started with --start where the build has it.
  mmd -i "$image" ::/capitals ::/read-only-clock ::/system-ini ::/folder-ini \
    ::/folder-ini/ravlen_setting.ini
  local attribute_roots=attributes root
  local program=$fat_build/bin/datetime-cfg-creator
  cmake --build "$fat_build" --target datetime-cfg-creator >/dev/null 2>&1 &&
    attribute_roots="attributes program"
  for root in $attribute_roots; do
    mmd -i "$image" "::/$root" "::/$root/VOICE"
    mattrib -i "$image" +h +s "::/$root/VOICE"
    put "$root/ravlen_setting.ini" "$line"
    put "$root/ravlen_setting.bak" "6 an older line$crlf" +h +r
    put "$root/date_time.cfg" "$old_clock$crlf" +h
  done
  # 2: names in capitals, as a recorder may write them; FAT finds names whatever their case.
  put capitals/RAVLEN_SETTING.INI "$line"
  put capitals/RAVLEN_SETTING.BAK "6 an older line$crlf" +h
  # 3: a read-only clock file refuses the Start before the settings are touched.
  put read-only-clock/ravlen_setting.ini "$line"
  put read-only-clock/date_time.cfg "$old_clock$crlf" +r
  # 4: a system .ini does not count: the hidden .bak is the settings file.
  put system-ini/ravlen_setting.ini "5 a system file$crlf" +s
  put system-ini/ravlen_setting.bak "$line" +h
  # 5: a folder named as the .ini does not count either.
  put folder-ini/system_setting.bak "$line" +h
  cat >"$work/inner.sh" <<INNER
echo inner-begin
for root in attributes capitals read-only-clock system-ini folder-ini; do
  "$fat_start" "$mount_point/\$root" >/dev/null 2>"$work/\$root.err"
  echo "status \$root \$?"
done
if [ -x "$program" ] && [ "$attribute_roots" != attributes ]; then
  XDG_STATE_HOME="$work/state" "$program" --start "$mount_point/program" >/dev/null \
    2>"$work/program.err"
  echo "status program \$?"
  # A recorder at the volume's root, whose history line names the volume.
  XDG_STATE_HOME="$work/state-root" "$program" --start "$mount_point" >/dev/null \
    2>"$work/program-root.err"
  echo "status program-root \$?"
fi
INNER
  local statuses
  statuses=$(volume_run "$work/inner.sh")
  status_of() { sed -n "s/^status $1 //p" <<<"$statuses"; }

  for root in $attribute_roots; do
    expect "$root: Start ends well" "$(status_of "$root")" 0
    expect "$root: the .bak holds the new line" "$(bytes_of "$root/ravlen_setting.bak")" \
      "$(quoted "$new_line$crlf")"
    expect "$root: the .bak is hidden alone" \
      "$(attributes_of "$root/ravlen_setting.bak" | tr -d A)" H
    expect "$root: the .ini is gone" "$(bytes_of "$root/ravlen_setting.ini")" absent
    [[ $(content_of "$root/date_time.cfg"; echo x) =~ $clock_pattern"E$new_block"$'\r\nx'$ ]] ||
      fail "$root: date_time.cfg holds $(bytes_of "$root/date_time.cfg")"
    expect "$root: the replaced clock file stays hidden" \
      "$(attributes_of "$root/date_time.cfg" | tr -d A)" H
    expect "$root: VOICE is normal again" "$(attributes_of "$root/VOICE" | tr -d A)" ""
  done
  # The program's history names a volume by the serial number that FAT gives it, for a root
  # that is the volume's own; a folder inside it is not taken for the whole volume.
  if [ "$attribute_roots" != attributes ]; then
    local serial
    serial=$(blkid -p -o value -s UUID "$image")
    expect "program at the volume's root: Start ends well" "$(status_of program-root)" 0
    grep -q "\"volume_serial\": \"$serial\"" \
      "$work/state-root/datetime-cfg-creator/history.jsonl" ||
      fail "program: the history does not name the volume $serial"
    if grep -q '"volume_serial"' "$work/state/datetime-cfg-creator/history.jsonl"; then
      fail "program: a folder inside the volume is named by the volume's serial"
    fi
  fi

  expect "capitals: Start ends well" "$(status_of capitals)" 0
  expect "capitals: the .bak holds the new line" "$(bytes_of capitals/ravlen_setting.bak)" \
    "$(quoted "$new_line$crlf")"
  expect "capitals: the .ini is gone" "$(bytes_of capitals/RAVLEN_SETTING.INI)" absent
  expect "capitals: one .bak, no .ini" "$(mdir -i "$image" -a -b ::/capitals | grep -ci ravlen)" 1

  expect "read-only clock: Start fails" "$(status_of read-only-clock)" 2
  expect "read-only clock: the clock file is kept" "$(bytes_of read-only-clock/date_time.cfg)" \
    "$(quoted "$old_clock$crlf")"
  expect "read-only clock: the .ini is kept" "$(bytes_of read-only-clock/ravlen_setting.ini)" \
    "$(quoted "$line")"
  expect "read-only clock: no .bak" "$(bytes_of read-only-clock/ravlen_setting.bak)" absent
  grep -q "date_time.cfg" "$work/read-only-clock.err" ||
    fail "read-only clock: the message names no file: $(cat "$work/read-only-clock.err")"

  expect "system .ini: Start ends well" "$(status_of system-ini)" 0
  expect "system .ini: the .bak holds the new line" "$(bytes_of system-ini/ravlen_setting.bak)" \
    "$(quoted "$new_line$crlf")"
  expect "system .ini: the system file is left alone" \
    "$(bytes_of system-ini/ravlen_setting.ini)" "$(quoted "5 a system file$crlf")"

  expect "folder .ini: Start ends well" "$(status_of folder-ini)" 0
  expect "folder .ini: the .bak holds the new line" "$(bytes_of folder-ini/system_setting.bak)" \
    "$(quoted "$new_line$crlf")"
  expect "folder .ini: no ravlen .bak" "$(bytes_of folder-ini/ravlen_setting.bak)" absent

  echo "== Leftover temporary files, and two Starts at once"
  uml_make_image "$image" 4096
  # Temporary files that interrupted writes left beside the files a Start writes, among entries
  # that only look like them; then a Start on a root that another program (flock) holds for 2 s,
  # and pairs of Starts made at the same moment on fresh roots.
  mmd -i "$image" ::/leftovers ::/leftovers/date_time.cfg.tmp1
  put leftovers/ravlen_setting.ini "$line"
  put leftovers/date_time.cfg.tmp left
  put leftovers/ravlen_setting.bak.tmp57 left +h
  put leftovers/system_setting.bak.tmp left
  put leftovers/date_time.cfg.tmpx other
  put leftovers/date_time.cfg.tmp.old other
  mmd -i "$image" ::/held
  put held/ravlen_setting.ini "$line"
  local pair pairs=10
  for pair in $(seq "$pairs"); do
    mmd -i "$image" "::/pair$pair"
    put "pair$pair/ravlen_setting.ini" "$line"
  done
  cat >"$work/inner.sh" <<INNER
echo inner-begin
"$fat_start" "$mount_point/leftovers" >/dev/null 2>"$work/leftovers.err"
echo "status leftovers \$?"
flock "$mount_point/held" sleep 2 & holder=\$!
sleep 0.5
began=\$(date +%s%N)
"$fat_start" "$mount_point/held" >/dev/null 2>"$work/held.err"
echo "status held \$? \$(((\$(date +%s%N) - began) / 1000000))"
wait \$holder
for pair in \$(seq $pairs); do
  "$fat_start" "$mount_point/pair\$pair" >/dev/null 2>"$work/pair\$pair.1" & first=\$!
  "$fat_start" "$mount_point/pair\$pair" >/dev/null 2>"$work/pair\$pair.2" & second=\$!
  wait \$first; one=\$?
  wait \$second
  echo "status pair\$pair \$one \$?"
done
INNER
  statuses=$(volume_run "$work/inner.sh")
  expect "leftovers: Start ends well" "$(status_of leftovers)" 0
  expect "leftovers: only the program's own temporary files are gone" \
    "$(mdir -i "$image" -a -b ::/leftovers | sed 's|^::/leftovers/||' | sort | tr '\n' ' ')" \
    "date_time.cfg date_time.cfg.tmp.old date_time.cfg.tmp1/ date_time.cfg.tmpx ravlen_setting.bak "
  expect "leftovers: the .bak holds the new line" "$(bytes_of leftovers/ravlen_setting.bak)" \
    "$(quoted "$new_line$crlf")"
  local held_status waited
  read -r held_status waited <<<"$(status_of held)"
  expect "held: Start ends well" "$held_status" 0
  expect "held: Start waits for the other program (${waited} ms)" \
    "$([ "${waited:-0}" -ge 1400 ] && echo waited || echo "did not wait")" waited
  local both_well=0
  for pair in $(seq "$pairs"); do
    if [ "$(status_of "pair$pair")" = "0 0" ] &&
      [ "$(bytes_of "pair$pair/ravlen_setting.bak")" = "$(quoted "$new_line$crlf")" ] &&
      [ "$(bytes_of "pair$pair/ravlen_setting.ini")" = absent ] &&
      [[ $(content_of "pair$pair/date_time.cfg"; echo x) =~ $clock_pattern"E$new_block"$'\r\nx'$ ]]; then
      both_well=$((both_well + 1))
    else
      echo "   pair $pair: statuses $(status_of "pair$pair"), $(cat "$work/pair$pair".[12])"
    fi
  done
  expect "two Starts at once: pairs where both end well and write the new line" "$both_well" \
    "$pairs"

  echo "== A volume mounted read-only"
  lay_out ini+bak
  local before after
  before=$(md5sum <"$image")
  cat >"$work/inner.sh" <<INNER
echo inner-begin
"$fat_start" "$mount_point" >/dev/null 2>"$work/read-only.err"
echo "status read-only \$?"
INNER
  statuses=$(volume_run "$work/inner.sh" ro,uid=0,gid=0,shortname=mixed,utf8=1)
  expect "read-only volume: Start fails" "$(status_of read-only)" 2
  after=$(md5sum <"$image")
  expect "read-only volume: the image is unchanged" "$after" "$before"
  echo "   message: $(cat "$work/read-only.err")"

  echo "== A full volume"
  local free_clusters
  for free_clusters in 0 1; do
    lay_out ini+bak 256
    # Fills the volume but for `free_clusters` clusters.
    local cluster free
    cluster=$(minfo -i "$image" | sed -n 's/^cluster size: \([0-9]*\) sectors/\1/p')
    cluster=$((cluster * 512))
    free=$(mdir -i "$image" ::/ | sed -n 's/^ *\([0-9 ]*\) bytes free.*/\1/p' | tr -d ' ')
    head -c $((free - free_clusters * cluster)) /dev/zero >"$work/filler"
    mcopy -i "$image" "$work/filler" ::/filler
    cat >"$work/inner.sh" <<INNER
echo inner-begin
"$fat_start" "$mount_point" >/dev/null 2>"$work/full.err"
echo "status full \$?"
INNER
    statuses=$(volume_run "$work/inner.sh")
    echo "   $free_clusters free clusters: status $(status_of full), $(cat "$work/full.err")"
    local label="full volume, $free_clusters free"
    check_after_cut "$label" ini+bak
    [ "$(status_of full)" = 0 ] || [ "$(status_of full)" = 2 ] ||
      fail "$label: status $(status_of full)"
    mdir -i "$image" -a -b ::/ | grep -qi "\.tmp" && fail "$label: a temporary file is left"
  done
}

# For the inner scripts of the watch stages, which define now_ms: clock_file_after_mount mounts the
# recorder with $options and prints the milliseconds until its clock file is there, or "none"
# after 2 s.
clock_file_after_mount_function() {
  cat <<FUNCTION
clock_file_after_mount() {
  mount -t vfat -o "$options" /dev/ubda "$mount_point" || { echo mount-failed; return; }
  mounted=\$(now_ms)
  while [ \$((\$(now_ms) - mounted)) -lt 2000 ]; do
    [ -f "$mount_point/date_time.cfg" ] && { echo \$((\$(now_ms) - mounted)); return; }
    sleep 0.01
  done
  echo none
}
FUNCTION
}

# --watch as a desktop user runs it: the Qt program, unprivileged, while volumes are mounted and
# unmounted around it. A recorder mounted a second after it began gets its clock file within 2 s,
# and again after it was unmounted and mounted again; a FAT stick without a recorder's entries and
# a tmpfs holding VOICE are left alone; the recorder unmounts while the watch runs (it holds
# nothing open there); SIGTERM ends it with 0 and a "ROOT: done" line per plug-in.
run_watch() {
  echo "== --watch while volumes are mounted and unmounted"
  local program=$fat_build/bin/datetime-cfg-creator
  if ! cmake --build "$fat_build" --target datetime-cfg-creator >/dev/null 2>&1; then
    echo "SKIPPED: this build has no Qt program (FAT_BUILD=a build with the GUI runs it)"
    return
  fi
  uml_make_image "$image" 1024
  mmd -i "$image" ::/VOICE
  local stick=$work/stick.img
  uml_make_image "$stick" 1024
  # The user who owns the volumes, as a desktop mounts them for the one logged in.
  local user=65534 options=uid=65534,gid=65534,shortname=mixed,utf8=1,flush
  local stick_point=/run/fat-stick tmpfs_point=/run/tmpfs-recorder
  cat >"$work/inner.sh" <<INNER
echo inner-begin
# The init mounted the recorder; the watch is to see it arrive.
umount "$mount_point"
mkdir -p "$stick_point" "$tmpfs_point"
[ -b /dev/ubdb ] || mknod /dev/ubdb b 98 16
now_ms() { echo \$((\$(date +%s%N) / 1000000)); }
$(clock_file_after_mount_function)
# Waits up to 2 s for the watch's "done" line number \$1: until it is out, the watch may still
# hold the volume, and an unmount would find it busy.
reported() {
  for wait in \$(seq 200); do
    [ "\$(grep -c ": done\$" "$work/watch.out")" -ge \$1 ] && return
    sleep 0.01
  done
}
setpriv --reuid=$user --regid=$user --clear-groups "$program" --watch \\
  >"$work/watch.out" 2>"$work/watch.err" &
watch=\$!
sleep 1
echo "plug-in 1 \$(clock_file_after_mount)"
reported 1
rm "$mount_point/date_time.cfg"
umount "$mount_point"
echo "unmount \$?"
# The stick and the tmpfs before the second plug-in: the scan that writes the recorder again has
# seen them too. The tmpfs is named for itself, not "tmpfs" as /run is.
mount -t tmpfs -o uid=$user recorder-tmpfs "$tmpfs_point" && mkdir "$tmpfs_point/VOICE"
mount -t vfat -o "$options" /dev/ubdb "$stick_point"
descriptors=\$(ls /proc/\$watch/fd | wc -l)
echo "plug-in 2 \$(clock_file_after_mount)"
echo "tmpfs \$(ls "$tmpfs_point" | tr '\n' ' ')"
reported 2
echo "descriptors \$descriptors \$(ls /proc/\$watch/fd | wc -l)"
umount "$stick_point"
echo "stick unmount \$?"
kill -TERM \$watch
# A watch that does not end is killed, so that its status tells it.
(sleep 5; kill -KILL \$watch 2>/dev/null) &
wait \$watch
echo "watch \$?"
INNER
  local began output failed_before=$failures
  began=$(date +%s%N)
  output=$(volume_run "$work/inner.sh" "$options" "$stick")
  report() { sed -n "s/^$1 //p" <<<"$output"; }
  local plug_in
  for plug_in in 1 2; do
    local waited
    waited=$(report "plug-in $plug_in")
    expect "watch: plug-in $plug_in writes the clock file within 2 s ($waited ms)" \
      "$([[ $waited =~ ^[0-9]+$ ]] && echo written || echo "$waited")" written
  done
  expect "watch: the recorder unmounts while the watch runs" "$(report unmount)" 0
  expect "watch: the stick unmounts while the watch runs" "$(report "stick unmount")" 0
  expect "watch: the FAT stick is left alone" "$(mdir -i "$stick" -a -b ::/ 2>/dev/null)" ""
  expect "watch: the tmpfs holding VOICE is left alone" "$(report tmpfs)" "VOICE "
  local descriptors
  read -r -a descriptors <<<"$(report descriptors)"
  expect "watch: no descriptor is left open by the volumes seen" "${descriptors[1]:-}" \
    "${descriptors[0]:-}"
  expect "watch: SIGTERM ends it with 0" "$(report watch)" 0
  expect "watch: a line per plug-in" "$(cat "$work/watch.out")" \
    "$mount_point: done"$'\n'"$mount_point: done"
  # A recorder with no settings file gets the date and time alone.
  local clock_line="^[0-9]{4}( [0-9]{2}){5}"$'\r\nx'$
  [[ $(content_of date_time.cfg; echo x) =~ $clock_line ]] ||
    fail "watch: date_time.cfg holds $(bytes_of date_time.cfg)"
  [ "$failures" -eq "$failed_before" ] ||
    sed 's/^/   /' <<<"$output"$'\n'"$(cat "$work/watch.err")"
  echo "   the watch stage took $((($(date +%s%N) - began) / 1000000)) ms"
  source "$project_root/scripts/lib/fat_watch_plugins.sh" && run_watch_plugins
  source "$project_root/scripts/lib/fat_watch_system.sh" && run_watch_system
  source "$project_root/scripts/lib/fat_watch_profile.sh" && run_watch_profile
}
