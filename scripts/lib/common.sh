# Sourced by every script: the project root, the Debian packages installed when missing
# (ensure_packages), and the build of the program and its tests in build/.
set -euo pipefail

project_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
build_dir="$project_root/build"

build_packages=(cmake ninja-build g++ gettext qt6-base-dev libgl-dev libgtest-dev fonts-liberation fonts-noto-cjk desktop-file-utils
  help2man lintian dbus-daemon dbus-bin)

# Installs the missing Debian packages as root; otherwise prints the one command that does.
ensure_packages() {
  local missing=()
  local package
  for package in "$@"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
      missing+=("$package")
    fi
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  if [ "$(id -u)" -ne 0 ]; then
    echo "Missing packages. Install them with: sudo apt-get install -y ${missing[*]}" >&2
    exit 1
  fi
  echo "Installing ${missing[*]} ..."
  DEBIAN_FRONTEND=noninteractive apt-get update -qq
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
}

# Runs CTest in a build folder, every test printed as it ends; sets `summary` to CTest's summary
# line and `skipped` to the number of skipped tests. Fails when a test failed, when CTest printed no
# summary, or on any sanitizer report, even one that a test did not turn into a failure.
run_suite() {
  local folder=$1 log status=0
  log=$(mktemp)
  (cd "$folder" && ctest --output-on-failure --timeout 300 -j "$(nproc)") 2>&1 | tee "$log" || status=1
  grep -qE "tests passed|tests failed" "$log" || status=1
  if grep -qE "ERROR: (Address|Leak)Sanitizer|runtime error:" "$log"; then
    echo "A sanitizer reported an error (see above)."
    status=1
  fi
  summary=$(grep -E "tests passed|tests failed" "$log" | tail -n 1)
  skipped=$(grep -c "\*\*\*Skipped" "$log" || true)
  rm -f "$log"
  return "$status"
}

# Configures (once) and builds the program and its tests in build/.
build_project() {
  if [ ! -f "$build_dir/build.ninja" ]; then
    cmake -S "$project_root" -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
  fi
  cmake --build "$build_dir"
}
