#!/usr/bin/env bash
# The Linux launcher against the stand-in VM: what it hands the VM, byte for byte, and every way a
# start ends.
#
# Usage: standin_linux.sh LAUNCHER STANDIN_VM VM_WITHOUT_ENTRY ARCHIVES_FILE WORK_DIRECTORY
set -u
here=$(dirname "$(realpath "$0")")
source "$here/lib.sh"
launcher=$1 standin=$2 without_entry=$3 archives=$4 work=$5
assemble=$here/../assemble-game-folder.sh

rm -rf "$work"
mkdir -p "$work/elsewhere"
# As the launcher sees its own directory: with every link resolved.
work=$(realpath "$work")
scratch=$work
record=$work/record
class_path=$(class_path_option "$archives" :)

game="$work/Zentröbe Spiel"
long_game=$(long_directory "$work/long" 300)
for folder in "$game" "$long_game"; do
  "$assemble" "$folder" "$launcher" "$standin"
done
"$assemble" "$work/no-vm" "$launcher" -
"$assemble" "$work/no-entry" "$launcher" "$without_entry"

# Started from elsewhere, with _JAVA_OPTIONS set; a quoted argument, two characters beyond ASCII
# (one beyond U+FFFF) and a byte that is not UTF-8.
arguments=('"a  b"' ö 🎮 $'\xff')
line='"a  b" \xc3\xb6 \xed\xa0\xbc\xed\xbe\xae \xef\xbf\xbd'
declare -A folders=([non-ASCII]=$game [long]=$long_game)
for kind in "${!folders[@]}"; do
  folder=${folders[$kind]}
  rm -f "$record"
  ZENTROBE_STANDIN_RECORD=$record _JAVA_OPTIONS=-Dzentrobe.leak=yes run_in "$work/elsewhere" "$folder/launcher" "${arguments[@]}"
  check "game in the $kind folder: exit code" 0 "$code"
  check "game in the $kind folder: messages" "" "$err"
  check "game in the $kind folder: record" \
    "$(standin_record "$class_path" "$(escape "$folder")" "$(escape "$folder")" "$line")" "$(cat "$record")"
done

rm -f "$record"
ZENTROBE_STANDIN_RECORD=$record run_in "$work/elsewhere" "$game/launcher"
check "no arguments: exit code" 0 "$code"
check "no arguments: one empty string" 'NewStringUTF "" modified-UTF-8' "$(grep NewStringUTF "$record")"

# A second copy while the first runs; the first is not disturbed.
hold=$work/hold
mkdir -p "$hold"
ZENTROBE_STANDIN_RECORD=$work/first-record ZENTROBE_STANDIN_HOLD=$hold "$game/launcher" first \
  >"$work/first-out" 2>"$work/first-err" &
first=$!
if wait_for_file "$hold/running"; then
  rm -f "$record"
  ZENTROBE_STANDIN_RECORD=$record run_in "$work/elsewhere" "$game/launcher" second
  check "second copy: exit code" 6 "$code"
  check "second copy: message" "Zentrobe: Zentrobe is already running." "$err"
  check "second copy: loads no VM" "" "$(cat "$record" 2>/dev/null)"
  check "first copy: still running" running "$(kill -0 "$first" && echo running)"
else
  check "first copy: main started" started "never"
fi
touch "$hold/release"
wait "$first"
check "first copy: exit code" 0 "$?"
check "first copy: messages" "" "$(cat "$work/first-err")"
check "first copy: the VM ends" DestroyJavaVM "$(tail -n 1 "$work/first-record")"

# A copy that dies without ending properly leaves no lock behind.
rm -f "$hold"/*
ZENTROBE_STANDIN_HOLD=$hold "$game/launcher" &
crashing=$!
wait_for_file "$hold/running"
kill -KILL "$crashing"
wait "$crashing" 2>/dev/null
run_in "$work/elsewhere" "$game/launcher"
check "start after a copy was killed: exit code" 0 "$code"

failure_case() {  # WHAT FOLDER STANDIN_FAILURE EXIT_CODE MESSAGES LAST_RECORD_LINES
  rm -f "$record"
  ZENTROBE_STANDIN_RECORD=$record ZENTROBE_STANDIN_FAIL=$3 run_in "$work/elsewhere" "$2/launcher"
  check "$1: exit code" "$4" "$code"
  check "$1: messages" "$5" "$err"
  check "$1: record ends" "$6" "$(tail -n "$(printf '%s\n' "$6" | wc -l)" "$record" 2>/dev/null)"
}
failure_case "no VM library" "$work/no-vm" "" 1 "Zentrobe: Failed to load Java dll." ""
failure_case "no JNI_CreateJavaVM" "$work/no-entry" "" 1 "Zentrobe: Failed to load Java dll." ""
failure_case "VM rejects an option" "$game" create 2 "Zentrobe: Failed to create Java virtual machine." \
  "_JAVA_OPTIONS unset"
failure_case "no main class" "$game" class 3 "Zentrobe: Failed to find the main class." \
  "FindClass net/quorlen/applet/Launcher"
failure_case "no main method" "$game" method 4 "Zentrobe: Failed to find the main method." \
  "GetStaticMethodID Launcher main ([Ljava/lang/String;)V"
failure_case "main throws" "$game" throw 5 "" \
  $'CallStaticVoidMethodV Launcher main array\nExceptionOccurred RuntimeException\nExceptionDescribe RuntimeException\nDestroyJavaVM'

# A program directory that cannot be entered (it is gone once the program runs): the start is told
# and goes on.
vanishing=$work/vanishing
"$assemble" "$vanishing" "$launcher" "$standin"
run_in "$work/elsewhere" bash -c 'exec 3<"$1" && rm -rf "$2" && exec /proc/self/fd/3' - "$vanishing/launcher" "$vanishing"
check "no working directory: exit code" 1 "$code"
check "no working directory: messages" \
  $'Zentrobe: Failed to change working directory.\nZentrobe: Failed to load Java dll.' "$err"

finish
