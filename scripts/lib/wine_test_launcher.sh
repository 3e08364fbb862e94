#!/usr/bin/env bash
# Runs one Windows test program under Wine for CTest (the toolchain file's emulator):
#   wine_test_launcher.sh PROGRAM.exe [ARGUMENTS...]
# The program's output passes through as it comes. Wine's own messages (its error channel) are
# kept aside and shown only when the program fails. A start that failed without printing anything,
# which is Wine failing to start the process rather than a test failing, is run once more, and
# the log says so with Wine's messages; a failure with any output is never run again.
set -uo pipefail

# "-all" first: it also keeps Debian's wine script from printing its wine32 hint.
export WINEDEBUG="-all,err+all"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Wine's message lines: "0123:err:channel:function ..." and its loader's "wine: ..." lines.
wine_line='^([0-9a-f]{4,8}:)?(err|fixme|warn|trace):|^wine: |^wine client error'

# One start: stdout through as it comes (and counted), stderr split into the program's lines,
# passed on, and Wine's, kept in $work/wine. Sets $status; $work/printed counts what the program
# printed.
run() {
  : >"$work/wine"
  local out_bytes
  {
    wine "$@" 2>&1 1>&3 3>&- | while IFS= read -r line || [ -n "$line" ]; do
      if [[ $line =~ $wine_line ]]; then
        printf '%s\n' "$line" >>"$work/wine"
      else
        printf '%s\n' "$line" >&2
        printf x >>"$work/err_bytes"
      fi
    done
    echo "${PIPESTATUS[0]}" >"$work/status"
  } 3> >(tee "$work/out")
  status=$(cat "$work/status")
  wait $! 2>/dev/null || true  # tee has written everything
  out_bytes=$(($(stat -c %s "$work/out") + $(stat -c %s "$work/err_bytes" 2>/dev/null || echo 0)))
  rm -f "$work/err_bytes"
  printed=$out_bytes
}

show_wine_messages() {
  if [ -s "$work/wine" ]; then
    echo "Wine's messages:"
    sed 's/^/  /' "$work/wine"
  else
    echo "Wine printed no message."
  fi
}

run "$@"
if [ "$status" -ne 0 ] && [ "$printed" -eq 0 ]; then
  echo "wine_test_launcher: $1 ended with status $status before printing anything, so Wine did" \
    "not start it; starting it once more."
  show_wine_messages
  run "$@"
fi
[ "$status" -ne 0 ] && show_wine_messages
exit "$status"
