#!/usr/bin/env bash
# The Windows program's language under Wine, in the prefix of the environment: with a Japanese and
# with a Korean user language the console program's message for a root that is not a folder is the
# catalogue's Japanese and Korean one, with an English one (C, en_US) the English text; --language
# goes before the user's language; --watch says that it watches in Japanese, and a second watch
# that it ends in Korean; and, where there is a display, the windowed program's "Plug in
# the recorder" window has its title in Japanese. Wine takes the user's language from LC_ALL even
# where the system has no such locale (its LANG is read only for a locale that exists), so LC_ALL
# sets it here. Opens no message box: the failing commands run through the .com.
#   wine_languages.sh FOLDER_WITH_EXE_AND_COM WORK_FOLDER
set -euo pipefail
source "$(dirname "$0")/checks.sh"
source "$(dirname "$0")/wine_display.sh"
bin=$(realpath "$1")
# After a Japanese window and a Japanese watch, Wine creates no further window in the same session
# (the stages after this one found none), so the stage ends its Wine session: the next program
# starts a fresh one in the same prefix.
trap 'wineserver -k 2>/dev/null; wineserver -w 2>/dev/null || true' EXIT
work=$(realpath -m "$2")
rm -rf "$work" && mkdir -p "$work/folder"
: >"$work/not-a-folder"
root=$(winepath -w "$work/not-a-folder")

# LOCALE ARGUMENTS...: the console program with LOCALE as the user's; prints its standard error
# without CRs, and its exit status after it as "status=N".
in_locale() {
  local locale=$1 status=0 err
  shift
  err=$(cd "$bin" && env -u LANGUAGE -u LC_MESSAGES LC_ALL="$locale" LANG="$locale" \
    timeout 30 wine datetime-cfg-creator.com "$@" </dev/null 2>&1 >/dev/null) || status=$?
  printf '%s\nstatus=%s\n' "$(tr -d '\r' <<<"$err")" "$status"
}

# WINDOW KEY: presses KEY in WINDOW once it has settled, given the keyboard's focus first: the
# windows are unmanaged, and no window manager gives it to a new one.
press() {
  sleep 0.5
  xdotool windowfocus "$1" 2>/dev/null || true
  xdotool key --window "$1" "$2" 2>/dev/null || true
}

echo "-- the user's language"
# locale|the message for a root that is not a folder
while IFS='|' read -r locale message; do
  out=$(in_locale "$locale" --show "$root")
  check "$locale: \"$message\", status 64 (got: $out)" \
    'grep -qxF "$message" <<<"$out" && grep -qx "status=64" <<<"$out"'
done <<EOF_CASES
ja_JP.UTF-8|デバイスのルート「$root」はフォルダーではありません。
ko_KR.UTF-8|장치 루트 "$root"은(는) 폴더가 아닙니다.
C|The device root "$root" is not a folder.
en_US.UTF-8|The device root "$root" is not a folder.
EOF_CASES

echo "-- --language before the user's language"
out=$(in_locale ja_JP.UTF-8 --language ko --show "$root")
check "--language ko in Japanese: Korean (got: $out)" 'grep -qF "폴더가 아닙니다" <<<"$out"'
out=$(in_locale ko_KR.UTF-8 --language en --show "$root")
check "--language en in Korean: English (got: $out)" 'grep -qF "is not a folder" <<<"$out"'

if [ -n "${DISPLAY:-}" ]; then
  echo "-- the windowed program's own window"
  # Started in a folder that is no recorder's, on a prefix without removable drives: the window
  # that waits for a recorder opens. Escape closes it.
  cp "$bin/datetime-cfg-creator.exe" "$work/folder/"
  (cd "$work/folder" && exec env LC_ALL=ja_JP.UTF-8 LANG=ja_JP.UTF-8 \
    wine datetime-cfg-creator.exe </dev/null >/dev/null 2>&1) &
  pid=$!
  window=$(find_wine_window "$pid" "^レコーダーを接続してください$" 20)
  check "the window waiting for a recorder has its Japanese title" '[ -n "$window" ]'
  # Escape once the window has settled; whatever it shows instead (a message box would wait for
  # ever) ends after 10 s.
  if [ -n "$window" ]; then
    press "$window" Escape
  fi
  for _ in $(seq 1 200); do kill -0 "$pid" 2>/dev/null || break; sleep 0.05; done
  kill "$pid" 2>/dev/null || true
  status=0
  wait "$pid" || status=$?
  check "Escape ends it with 0 (got $status)" '[ "$status" -eq 0 ]'
fi

echo "-- --watch in Japanese, a second one in Korean"
(cd "$bin" && exec env LC_ALL=ja_JP.UTF-8 wine datetime-cfg-creator.com --watch) \
  >"$work/watch-out.txt" 2>"$work/watch-err.txt" </dev/null &
pid=$!
for _ in $(seq 1 400); do grep -q . "$work/watch-err.txt" && break; sleep 0.05; done
check "its first line is Japanese (got: $(cat "$work/watch-err.txt"))" \
  'grep -qxF "レコーダーの接続を監視しています。Ctrl+C で停止します。" <(tr -d "\r" <"$work/watch-err.txt")'
out=$(in_locale ko_KR.UTF-8 --watch)
check "a second watch ends with 0, saying why in Korean (got: $out)" \
  '[ "$out" = "$(printf "%s\nstatus=0" "이 사용자의 감시가 이미 실행 중입니다. 이 감시는 끝납니다.")" ]'
(cd "$bin" && wine wine_plug.exe stop </dev/null >/dev/null 2>&1) || true
for _ in $(seq 1 100); do kill -0 "$pid" 2>/dev/null || break; sleep 0.05; done
kill "$pid" 2>/dev/null || true
status=0
wait "$pid" || status=$?
check "\"Stop watching\" ends the first with 0 (got $status)" '[ "$status" -eq 0 ]'

[ "$failed" -eq 0 ] && echo "The program in Japanese and Korean under Wine: passed"
exit "$failed"
