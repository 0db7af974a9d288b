#!/usr/bin/env bash
# The Linux launcher with the real OpenJDK VM and a test game: what the game's main receives, where
# it runs, and how the start ends when the VM refuses, when main throws, when game threads outlive
# main, and when a second copy starts.
#
# Usage: real_vm_linux.sh LAUNCHER LIBJVM ARCHIVES_FILE GAME_ARCHIVE_DIRECTORY WORK_DIRECTORY
set -u
here=$(dirname "$(realpath "$0")")
source "$here/lib.sh"
launcher=$1 libjvm=$2 archives=$3 archive_directory=$4 work=$5
assemble=$here/../assemble-game-folder.sh

rm -rf "$work"
mkdir -p "$work/elsewhere"
# As the launcher sees its own directory: with every link resolved.
work=$(realpath "$work")
scratch=$work
# The VM reads file names and option text in the locale's encoding.
export LC_ALL=C.UTF-8
unset JAVA_TOOL_OPTIONS _JAVA_OPTIONS JDK_JAVA_OPTIONS
# OpenJDK 17 no longer knows -Xincgc and -XX:+AggressiveOpts.
tolerant="-XX:+IgnoreUnrecognizedVMOptions -Xcheck:jni"
picked_up="Picked up JAVA_TOOL_OPTIONS: $tolerant"

mapfile -t names <"$archives"
game="$work/Zentröbe Spiel"
long_game=$(long_directory "$work/long" 300)
for folder in "$game" "$long_game"; do
  "$assemble" "$folder" "$launcher" "$libjvm" "${names[@]/#/$archive_directory/}"
done

# Characters outside printable ASCII as \uXXXX, as the test game reports them.
java_escape() {
  local LC_ALL=C.UTF-8 text=$1 result='' character i
  for ((i = 0; i < ${#text}; i++)); do
    character=${text:i:1}
    if [[ $character == [\ -~] ]]; then
      result+=$character
    else
      printf -v character '\\u%04x' "'$character"
      result+=$character
    fi
  done
  printf '%s' "$result"
}

game_report() {  # FOLDER ARGUMENT
  local folder name
  folder=$(java_escape "$1")
  echo "args.length=1"
  echo "arg=$2"
  echo "java.class.path=$(class_path_option "$archives" : | sed 's/^-Djava.class.path=//')"
  echo "org.lwjgl.util.NoChecks=false"
  echo "net.quorlen.applet.Launcher.resources=resources-steam.dat"
  echo "net.quorlen.applet.Game.gameResource=game.steam"
  echo "java.net.preferIPv4Stack=true"
  echo "org.lwjgl.librarypath=$folder"
  echo "user.dir=$folder"
  echo "zentrobe.leak=(null)"
  for option in $tolerant; do echo "vm.option=$option"; done
  fixed_options | sed 's/^/vm.option=/'
  echo "vm.option=-Dorg.lwjgl.librarypath=$folder"
  for name in "${names[@]}"; do echo "archive=$folder/$name"; done
  echo "main=returned"
}

# As shipped, the VM rejects an option that it no longer knows.
run_in "$work/elsewhere" "$game/launcher"
check "VM as shipped: exit code" 2 "$code"
check "VM as shipped: messages" $'Unrecognized option: -Xincgc\nZentrobe: Failed to create Java virtual machine.' "$err"

# The game runs, started from elsewhere with _JAVA_OPTIONS set, in both folders.
declare -A folders=([non-ASCII]=$game [long]=$long_game)
for kind in "${!folders[@]}"; do
  folder=${folders[$kind]}
  JAVA_TOOL_OPTIONS=$tolerant _JAVA_OPTIONS=-Dzentrobe.leak=yes run_in "$work/elsewhere" "$folder/launcher" '"a  b"' ö 🎮
  check "game in the $kind folder: exit code" 0 "$code"
  check "game in the $kind folder: report" "$(game_report "$folder" '"a  b" \u00f6 \ud83c\udfae')" "$out"
  check "game in the $kind folder: messages" "$picked_up" "$err"
done

JAVA_TOOL_OPTIONS=$tolerant run_in "$work/elsewhere" "$game/launcher"
check "no arguments: one empty string" $'args.length=1\narg=' "$(head -n 2 <<<"$out")"

JAVA_TOOL_OPTIONS=$tolerant run_in "$work/elsewhere" "$game/launcher" throw
check "main throws: exit code" 5 "$code"
check "main throws: main did not return" "" "$(grep '^main=' <<<"$out")"
check "main throws: described, and nothing else" \
  "$(printf '%s\n' "$picked_up" 'Exception in thread "main" java.lang.IllegalStateException: thrown by the test game')" \
  "$(grep -v $'^\tat ' <<<"$err")"

JAVA_TOOL_OPTIONS=$tolerant run_in "$work/elsewhere" "$game/launcher" thread
check "game thread outlives main: exit code" 0 "$code"
check "game thread outlives main: awaited" $'main=returned\nthread=finished' "$(tail -n 2 <<<"$out")"

# A second copy while the first runs; the first is not disturbed.
hold=$work/hold
mkdir -p "$hold"
JAVA_TOOL_OPTIONS=$tolerant "$game/launcher" "hold=$hold" >"$work/first-out" 2>"$work/first-err" &
first=$!
if wait_for_file "$hold/running"; then
  JAVA_TOOL_OPTIONS=$tolerant run_in "$work/elsewhere" "$game/launcher"
  check "second copy: exit code" 6 "$code"
  check "second copy: message" "Zentrobe: Zentrobe is already running." "$err"
  check "second copy: no game" "" "$out"
else
  check "first copy: main started" started never
fi
touch "$hold/release"
wait "$first"
check "first copy: exit code" 0 "$?"
check "first copy: main returned" "main=returned" "$(tail -n 1 "$work/first-out")"
check "first copy: messages" "$picked_up" "$(cat "$work/first-err")"

finish
