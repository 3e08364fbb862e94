#!/usr/bin/env bash
# What a screen reader meets in the program's window on Linux: the program runs on a model 6 and a
# model 4 recorder's folder under Xvfb, in a private D-Bus session with its accessibility bus, and
# the window's tree is read over AT-SPI. Each list and the version box must be labelled by their
# caption, each list's description and the checked option buttons must be the choices that
# `--show --json` gives, and every push button and option button must have a name. Prints what it
# found; skips where the packages cannot be installed.
#   atspi_check.sh PROGRAM
source "$(dirname "$0")/common.sh"
source "$(dirname "$0")/checks.sh"
program=$(realpath "$1")
packages=(xvfb xauth dbus-bin dbus-daemon at-spi2-core python3-pyatspi)

if ! (ensure_packages "${packages[@]}") >/dev/null 2>&1; then
  echo "SKIPPED: the AT-SPI check needs ${packages[*]}, which cannot be installed here."
  exit 0
fi

work=$(mktemp -d)
xvfb=""
session=""
cleanup() {
  # The session's process group holds the bus launcher, the buses, the registry and the program.
  [ -n "$session" ] && kill -TERM -- "-$session" 2>/dev/null
  [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null
  wait 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
xvfb=$!
for _ in $(seq 50); do [ -s "$work/display" ] && break; sleep 0.1; done
DISPLAY=":$(cat "$work/display")"
export DISPLAY
export XDG_RUNTIME_DIR=$work/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"

# Reads the tree of the window whose application is named $1 and compares it with the settings
# in the JSON file $2: a line per control found, "PROBLEM ..." per mismatch.
cat >"$work/tree.py" <<'EOF'
import json, sys, time
import pyatspi

app_name, expected = sys.argv[1], json.load(open(sys.argv[2]))
lists = {s["name"]: s["value"] for s in expected["settings"] if s["control"].startswith("Combo")}
groups = {s["name"]: s["value"] for s in expected["settings"] if s["control"].startswith("Frame")}

def find_window():
    for _ in range(100):
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.name == app_name and app.childCount > 0:
                return app[0]
        time.sleep(0.1)
    return None

def labelled_by(node):
    for relation in node.getRelationSet():
        if relation.getRelationType() == pyatspi.RELATION_LABELLED_BY:
            return [relation.getTarget(i).name for i in range(relation.getNTargets())]
    return []

def walk(node):
    yield node
    for child in node:
        yield from walk(child)

window = find_window()
if window is None:
    print("PROBLEM window: no window of %r on the accessibility bus" % app_name)
    sys.exit()
labelled, checked = set(), set()
for node in walk(window):
    role, name = node.getRoleName(), node.name
    if role not in ("combo box", "text", "push button", "radio button"):
        continue
    labels = labelled_by(node)
    print("%-12s name=%r labelled-by=%r description=%r" % (role, name, labels, node.description))
    if role in ("push button", "radio button") and not name.strip():
        print("PROBLEM button: a %s without a name" % role)
    if role == "radio button" and node.getState().contains(pyatspi.STATE_CHECKED):
        checked.add(name.strip())
    if role == "text":
        text = node.queryText().getText(0, -1)
        if "Version." not in labels + [name] or text != expected["version"]:
            print("PROBLEM version: %r labelled %r shows %r" % (name, labels, text))
    if role == "combo box":
        caption = next((label for label in labels + [name] if label in lists), None)
        labelled.add(caption)
        if caption is None:
            print("PROBLEM list: %r is labelled by no caption (%r)" % (name, labels))
        elif node.description.strip() != lists[caption]:
            print("PROBLEM list: %s describes %r, its choice is %r"
                  % (caption, node.description, lists[caption]))
for caption in lists.keys() - labelled:
    print("PROBLEM list: no list labelled %r" % caption)
for caption, value in groups.items():
    if value not in checked:
        print("PROBLEM button: no checked option button %r for %s" % (value, caption))
EOF

# check_recorder NAME SETTINGS_LINE
check_recorder() {
  local name=$1 root=$work/$1
  mkdir -p "$root"
  printf '%s\r\n' "$2" >"$root/ravlen_setting.ini"
  "$program" --show --json "$root" >"$work/$name.json"
  echo "== $name: $(head -c 60 "$work/$name.json")..."
  # A session of its own, in a process group of its own that cleanup ends as one.
  setsid dbus-run-session -- bash -c '
    /usr/libexec/at-spi-bus-launcher --launch-immediately &
    QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$1" "$2" &
    timeout 20 /usr/bin/python3 "$3" "$4" "$5" >"$6"
    kill $(jobs -p)' atspi "$program" "$root" "$work/tree.py" "date_time.cfg Creator" \
    "$work/$name.json" "$work/$name.tree" >"$work/$name.log" 2>&1 &
  session=$!
  wait "$session" || true
  kill -TERM -- "-$session" 2>/dev/null || true
  session=""
  grep -v '^PROBLEM' "$work/$name.tree" | sed 's/^/  /'
  grep '^PROBLEM' "$work/$name.tree" >&2 || true
  check "$name: the window is on the accessibility bus" "grep -q '^push button' '$work/$name.tree'"
  check "$name: each list and the version box are labelled by their captions, each list describes its choice" \
    "! grep -qE '^PROBLEM (list|version)' '$work/$name.tree'"
  check "$name: every button has a name, the checked option buttons are the choices" "! grep -q '^PROBLEM button' '$work/$name.tree'"
  if grep -q '^PROBLEM window' "$work/$name.tree"; then sed 's/^/  log: /' "$work/$name.log" >&2; fi
}

start=$SECONDS
check_recorder model-6 "60111111111111110221110000120000FW 6.00 MODEL-6"
check_recorder model-4 "4011111111111111121111111111111#FW 4.01 TEST-XY"
echo "AT-SPI check: $((SECONDS - start)) s"
exit "$failed"
