#!/usr/bin/env bash
# The console program (.com) under Wine, in the prefix and on the display of the environment: typed
# at an interactive command prompt, the bare name finds the .com, the prompt waits for it and takes
# its exit status (the windowed .exe shows what goes wrong without it); on a console its text shows
# in any code page, and a pipe gets UTF-8.
#   wine_console.sh FOLDER_WITH_EXE_AND_COM WORK_FOLDER
set -euo pipefail
source "$(dirname "$0")/checks.sh"
bin=$(realpath "$1")
work=$(realpath -m "$2")
rm -rf "$work" && mkdir -p "$work/ü日本"
printf '%s\r\n' "40111111111111111""10000000000000""#VERSION4.00ABCD" >"$work/ü日本/ravlen_setting.ini"
root=$(winepath -w "$work/ü日本")
missing=$(winepath -w "$work/missing")

# An interactive prompt reading its commands from a file, in the program's folder. Prints what
# the prompt showed, without CRs.
prompt() {
  printf '%s\r\n' "$@" exit >"$work/commands.txt"
  (cd "$bin" && wine cmd <"$work/commands.txt" 2>&1) | tr -d '\r'
}

echo "-- the bare name at the prompt: the .com, waited for, its status in ERRORLEVEL"
out=$(prompt "datetime-cfg-creator --show $missing" "echo status=%ERRORLEVEL%")
check "the status is 64 (got: $out)" 'grep -qx ".*>status=64" <<<"$out"'
check "the message comes before the next prompt" \
  '[ "$(grep -n "is not a folder" <<<"$out" | cut -d: -f1)" -lt "$(grep -n "status=" <<<"$out" | cut -d: -f1)" ]'
out=$(prompt "datetime-cfg-creator --version" "echo status=%ERRORLEVEL%")
check "--version: status 0 (got: $out)" 'grep -qx ".*>status=0" <<<"$out"'

echo "-- text on a console and in a pipe"
# A pseudo-terminal gives the program a Wine console, whose code page (437) has no 日.
out=$(cd "$bin" && script -qc "wine datetime-cfg-creator.com --show '$root' </dev/null" /dev/null |
  tr -d '\r')
check "the console shows the root's name (got: $out)" 'grep -q "ü日本" <<<"$out"'
out=$(cd "$bin" && wine datetime-cfg-creator.com --show "$root" </dev/null | tr -d '\r')
check "a pipe gets UTF-8 (got: $out)" 'grep -qxF "Root:     $root" <<<"$out"'
out=$(cd "$bin" && wine datetime-cfg-creator.com --show "$missing" </dev/null 2>&1 >/dev/null |
  tr -d '\r' || true)
check "standard error too (got: $out)" 'grep -qF "\"$missing\" is not a folder" <<<"$out"'

[ "$failed" -eq 0 ] && echo "The console program under Wine: passed"
exit "$failed"
