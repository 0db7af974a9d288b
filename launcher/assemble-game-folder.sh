#!/usr/bin/env bash
# Lays out a game folder as it ships: the launcher, the Java runtime's VM library where the launcher
# loads it, and the game's files beside the launcher.
#
# Usage: assemble-game-folder.sh FOLDER LAUNCHER VM_LIBRARY [FILE...]
#   LAUNCHER    the built launcher, copied (a link would make the launcher's own directory the one
#               the link points into): `launcher` or `launcher.exe`
#   VM_LIBRARY  the runtime's VM library, linked in as lib/server/libjvm.so beside `launcher` or as
#               bin/server/jvm.dll beside `launcher.exe`; a link, so that the VM finds the rest of
#               its runtime where that is installed. "-" leaves it out.
#   FILE        copied beside the launcher: the game's archives, its native libraries
# An existing folder is brought up to date in place.
set -euo pipefail

if [ $# -lt 3 ]; then
  sed -n '2,12p' "$0" >&2
  exit 2
fi
folder=$1 launcher=$2 vm_library=$3
shift 3

mkdir -p "$folder"
cp -f "$launcher" "$folder/"
case "$launcher" in
  *.exe) vm_place=bin/server/jvm.dll ;;
  *) vm_place=lib/server/libjvm.so ;;
esac
rm -f "$folder/$vm_place"
if [ "$vm_library" != - ]; then
  mkdir -p "$folder/$(dirname "$vm_place")"
  ln -s "$(realpath "$vm_library")" "$folder/$vm_place"
fi
for file in "$@"; do
  cp -f "$file" "$folder/"
done
