#!/usr/bin/env bash
# Checks that the Linux and the Windows builds agree on the attributes of the files in one folder:
# what one side marks hidden, system or read-only, the other reads so, both through the raw
# attribute store and through device::FileSystem. Wine keeps the hidden and system attributes in
# the user.DOSATTRIB extended attribute and read-only as missing write permissions, which is what
# the Linux build reads and writes off a FAT volume.
# Usage: attributes_cross_check.sh LINUX_PROBE WINDOWS_PROBE FOLDER (FOLDER is made afresh).
# Needs WINEPREFIX and wine on the path, and getfattr.
set -euo pipefail

if [ $# -ne 3 ]; then
  echo "usage: attributes_cross_check.sh LINUX_PROBE WINDOWS_PROBE FOLDER" >&2
  exit 64
fi
linux_probe=$1
windows_probe=$2
folder=$3
rm -rf "$folder"
mkdir -p "$folder"
folder=$(cd "$folder" && pwd)
# Wine's drive Z: is the Linux root.
windows_folder="Z:${folder//\//\\}"

linux() { "$linux_probe" "$folder" "$@"; }
windows() { wine "$windows_probe" "$windows_folder" "$@" | tr -d '\r'; }
fresh() { printf 'old line\r\n' >"$folder/$1"; }
# The stored text of user.DOSATTRIB, or "none".
stored() { getfattr --only-values -n user.DOSATTRIB "$folder/$1" 2>/dev/null || echo none; }
source "$(dirname "$0")/checks.sh"

hidden_file="file=1 entry=1 hidden=1 system=0 read-only=0"
hidden_system="file=0 entry=1 hidden=1 system=1 read-only=0"
normal_file="file=1 entry=1 hidden=0 system=0 read-only=0"

# Linux marks, Windows reads.
fresh a
linux a mark 2
expect "user.DOSATTRIB 0x2 set on Linux, read on Windows" "$(windows a report)" "$hidden_file"
fresh b
linux b mark 6
expect "user.DOSATTRIB 0x6 set on Linux, read on Windows" "$(windows b report)" "$hidden_system"
fresh c
linux c hide
expect "hidden by Linux FileSystem, read on Windows" "$(windows c report)" "$hidden_file"
fresh d
linux d read-only
expect "read-only on Linux, read on Windows" "$(windows d report)" \
  "file=1 entry=1 hidden=0 system=0 read-only=1"
mkdir "$folder/VOICE"
linux VOICE mark 6
expect "hidden system folder on Linux, read on Windows" "$(windows VOICE report)" \
  "file=0 entry=1 hidden=1 system=1 read-only=0"

# Windows marks, Linux reads.
fresh e
windows e hide
expect "hidden by Windows FileSystem, stored" "$(stored e)" "0x2"
expect "hidden by Windows FileSystem, read on Linux" "$(linux e report)" "$hidden_file"
fresh f
windows f mark 6
expect "hidden and system set on Windows, stored" "$(stored f)" "0x6"
expect "hidden and system set on Windows, read on Linux" "$(linux f report)" "$hidden_system"
windows b normal
expect "Linux's 0x6 made normal by Windows FileSystem, stored" "$(stored b)" "none"
expect "Linux's 0x6 made normal by Windows FileSystem, read on Linux" "$(linux b report)" \
  "$normal_file"
windows VOICE normal
expect "Linux's hidden system folder made normal by Windows" "$(stored VOICE)" "none"
fresh g
windows g read-only
expect "read-only on Windows, read on Linux" "$(linux g report)" \
  "file=1 entry=1 hidden=0 system=0 read-only=1"

# A file replaced by one side keeps the attributes that the other side gave it.
fresh h
linux h mark 6
windows h write "new line"
expect "Linux's hidden system file rewritten on Windows, contents" "$(tr -d '\r' <"$folder/h")" \
  "new line"
expect "Linux's hidden system file rewritten on Windows, stored" "$(stored h)" "0x6"
fresh i
windows i hide
linux i write "new line"
expect "Windows' hidden file rewritten on Linux, read on Windows" "$(windows i report)" \
  "$hidden_file"

echo "cross-check: $((checks - failures)) of $checks agree"
[ "$failures" -eq 0 ]
