#!/usr/bin/env bash
# Two Starts at once on one recorder, as two windows or two scripts would make them: PAIRS pairs
# of `--start` on a fresh model 6 recorder's folder with the same choices, and PAIRS pairs with
# different ones. Each Start of a pair must end with status 0, or with status 2 and the message
# that another program is writing, and the block that the clock file holds after "E" must be the
# one in the .bak's settings line (characters 18 to 31). Every Start, done or busy, adds one whole
# line to the history of writes, however the appends of a pair interleave.
#   simultaneous_starts.sh PROGRAM [PAIRS]    (PAIRS: 50)
set -uo pipefail
program=$(realpath "$1")
pairs=${2:-50}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export XDG_STATE_HOME=$work/state
line="60111111111111110221110000120000FW 6.00 MODEL-6"
busy="Another program is writing to this recorder. Try again when it has finished."
failed=0

# One Start's outcome: "ok", "busy" or what went wrong.
outcome() {
  local status=$1 errors=$2
  if [ "$status" -eq 0 ]; then
    echo ok
  elif [ "$status" -eq 2 ] && [ "$(cat "$errors")" = "$busy" ]; then
    echo busy
  else
    echo "status $status: $(head -c 200 "$errors")"
  fi
}

# run_pairs NAME "ARGS OF THE FIRST" "ARGS OF THE SECOND"
run_pairs() {
  local name=$1 first=$2 second=$3 i
  local false_failures=0 disagreements=0 both_busy=0 one_busy=0
  for i in $(seq "$pairs"); do
    local root=$work/$name-$i
    mkdir -p "$root"
    printf '%s\r\n' "$line" >"$root/ravlen_setting.ini"
    eval "\"$program\" --start $first \"$root\"" >/dev/null 2>"$root.1" &
    local one=$!
    eval "\"$program\" --start $second \"$root\"" >/dev/null 2>"$root.2" &
    local two=$!
    wait "$one"
    local status_one=$?
    wait "$two"
    local status_two=$?
    local a b
    a=$(outcome "$status_one" "$root.1")
    b=$(outcome "$status_two" "$root.2")
    if [ "$a" = busy ] && [ "$b" = busy ]; then
      both_busy=$((both_busy + 1))
    elif [ "$a" = busy ] || [ "$b" = busy ]; then
      one_busy=$((one_busy + 1))
    fi
    local result pair_failed=0
    for result in "$a" "$b"; do
      if [ "$result" != ok ] && [ "$result" != busy ]; then
        pair_failed=1
        echo "  $name pair $i: $result"
      fi
    done
    false_failures=$((false_failures + pair_failed))
    local clock_block bak_block
    clock_block=$(head -n 1 "$root/date_time.cfg" 2>/dev/null | sed -n 's/^.\{19\}E\(.\{14\}\).*/\1/p')
    bak_block=$(head -n 1 "$root/ravlen_setting.bak" 2>/dev/null | cut -c18-31)
    if [ -z "$clock_block" ] || [ "$clock_block" != "$bak_block" ]; then
      disagreements=$((disagreements + 1))
      echo "  $name pair $i: date_time.cfg holds ${clock_block:-no block}, the .bak ${bak_block:-none}"
    fi
  done
  echo "$name: $pairs pairs, $false_failures with a false failure, $disagreements whose blocks" \
    "disagree, $one_busy with one Start busy, $both_busy with both busy"
  [ "$false_failures" -eq 0 ] && [ "$disagreements" -eq 0 ] && [ "$both_busy" -eq 0 ] || failed=1
}

started=$(date +%s)
run_pairs "same choices" "" ""
run_pairs "different choices" "--set 'Mode (Record Quality)=SP'" "--set 'Mode (Record Quality)=LP'"
history=$XDG_STATE_HOME/datetime-cfg-creator/history.jsonl
lines=$(wc -l <"$history")
whole=$(grep -c '^{"kind": "start", .*"outcome": "\(done\|failed\)"[^{]*}$' "$history")
echo "history: $lines lines for $((4 * pairs)) Starts, $whole of them whole"
[ "$lines" -eq $((4 * pairs)) ] && [ "$whole" -eq "$lines" ] || failed=1
echo "simultaneous Starts: $(($(date +%s) - started)) s"
exit "$failed"
