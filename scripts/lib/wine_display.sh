# Shared by the scripts that run the Windows program under Wine: a virtual display and a Wine
# prefix ready on it.
#   start_wine_display PREFIX
# starts Xvfb, exports DISPLAY, WINEPREFIX and Wine's quiet settings, starts a persistent Wine
# server in PREFIX and leaves its windows unmanaged; stop_wine_display ends both again.

wine_display_xvfb_pid=""

start_wine_display() {
  # The display comes first: Wine's desktop process keeps the display it was first started with.
  local display_file
  display_file=$(mktemp)
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$display_file" >/dev/null 2>&1 &
  wine_display_xvfb_pid=$!
  for _ in $(seq 1 100); do [ -s "$display_file" ] && break; sleep 0.1; done
  export DISPLAY=":$(cat "$display_file")"
  rm -f "$display_file"
  export WINEPREFIX="$1" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
  mkdir -p "$WINEPREFIX"
  # A server left running in this prefix would keep the display it was started with.
  wineserver -k >/dev/null 2>&1 || true
  wineserver -p </dev/null >/dev/null 2>&1
  wine cmd /c exit </dev/null >/dev/null 2>&1
  # Without a window manager a managed window waits a second for one on every hide; the windows
  # are left unmanaged instead (Wine then draws their captions itself).
  wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f </dev/null >/dev/null 2>&1
}

stop_wine_display() {
  # Nothing started yet: no server of another prefix is ended.
  [ -n "$wine_display_xvfb_pid" ] || return 0
  wineserver -k >/dev/null 2>&1 || true
  kill "$wine_display_xvfb_pid" 2>/dev/null || true
}

# The first visible window of process PID titled NAME within SECONDS, whose width is WIDTH when
# given; prints its X window id, or nothing.
find_wine_window() {
  local pid=$1 name=$2 seconds=$3 width=${4:-} window
  local tries=$((seconds * 20))
  for _ in $(seq 1 "$tries"); do
    for window in $(xdotool search --onlyvisible --pid "$pid" --name "$name" 2>/dev/null); do
      if [ -z "$width" ] ||
        [ "$(xdotool getwindowgeometry --shell "$window" | sed -n 's/^WIDTH=//p')" = "$width" ]; then
        echo "$window"
        return 0
      fi
    done
    sleep 0.05
  done
}

# Clicks the client point (X, Y) of an unmanaged Wine window whose client area is W x H pixels:
# Wine draws the caption and borders inside the X window.
#   click_client WINDOW W H X Y
click_client() {
  local window=$1 width=$2 height=$3 x=$4 y=$5 WINDOW X Y WIDTH HEIGHT SCREEN
  eval "$(xdotool getwindowgeometry --shell "$window")"
  local border=$(((WIDTH - width) / 2))
  xdotool mousemove --window "$window" $((border + x)) $((HEIGHT - height - border + y)) click 1
}
