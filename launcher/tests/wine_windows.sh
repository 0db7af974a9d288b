#!/usr/bin/env bash
# The Windows launcher under wine64 with the stand-in jvm.dll: the same start on the real Win32
# calls (the named mutex, the module path, the directory change, the environment, the loading of
# bin\server\jvm.dll, the message boxes), every exit code, the ANSI code page and 8.3 forms of the
# program directory, and the wide command line.
#
# Usage: wine_windows.sh LAUNCHER_EXE STANDIN_DLL DLL_WITHOUT_ENTRY ARCHIVES_FILE WORK_DIRECTORY
set -u
here=$(dirname "$(realpath "$0")")
source "$here/lib.sh"
launcher=$1 standin=$2 without_entry=$3 archives=$4 work=$5
assemble=$here/../assemble-game-folder.sh
wine=/usr/lib/wine/wine64
wineserver=/usr/lib/wine/wineserver

rm -rf "$work"
mkdir -p "$work/elsewhere"
# As the launcher sees its own directory: with every link resolved.
work=$(realpath "$work")
scratch=$work
record=$work/record
relay=$work/relay

# One prefix per build directory, made once (slow), and one server for all the runs of this test.
export WINEPREFIX=$(dirname "$work")/wine-prefix
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree=;mshtml="
[ -d "$WINEPREFIX" ] || "$wine" wineboot --init >/dev/null 2>&1
"$wineserver" -p
trap '"$wineserver" -k' EXIT
# The launcher's own Win32 calls, traced with their arguments.
"$wine" reg add 'HKCU\Software\Wine\Debug' /v RelayInclude /t REG_SZ /f \
  /d 'kernel32.CreateMutexW;msvcrt._wchdir;kernel32.SetEnvironmentVariableA;kernel32.LoadLibraryA;user32.MessageBoxA' \
  >/dev/null 2>&1

windows_path() {  # UNIX_PATH
  local path=${1//\//\\}
  printf 'Z:%s' "$path"
}

# Runs the launcher of FOLDER from elsewhere with the environment's stand-in settings; traces its
# calls into $relay, its record into $record.
run_launcher() {  # FOLDER ARGUMENT...
  local folder=$1
  shift
  rm -f "$record"
  WINEDEBUG=+relay ZENTROBE_STANDIN_RECORD=$(windows_path "$record") \
    run_in "$work/elsewhere" "$wine" "$folder/launcher.exe" "$@"
  printf '%s\n' "$err" >"$relay"
}

# The traced calls of the launcher's thread, without addresses.
launcher_calls() {
  local thread
  thread=$(grep -a -m 1 'Call KERNEL32.CreateMutexW(.*L"Zentrobe")' "$relay" | cut -d: -f1)
  grep -a -E "^$thread:Call [A-Za-z0-9_]+\.[A-Za-z0-9_]+\(" "$relay" | sed -E 's/^[0-9a-f]+://; s/ ret=[0-9a-f]+$//; s/[0-9a-f]+ (L?")/\1/g'
}

messages() { launcher_calls | grep MessageBoxA; }

message_call() {  # TEXT
  printf 'Call user32.MessageBoxA(00000000,"%s","Zentrobe",00000000)' "$1"
}

class_path=$(class_path_option "$archives" ';')
game="$work/Zentröbe Spiel"
foreign="$work/Ζεντρόμπε 游戏"
long_game=$(long_directory "$work/long" 300)
for folder in "$game" "$foreign" "$long_game"; do
  "$assemble" "$folder" "$launcher" "$standin"
done
"$assemble" "$work/no-vm" "$launcher" -
"$assemble" "$work/no-entry" "$launcher" "$without_entry"

# The program name is quoted (its path has blanks); the arguments reach the launcher as wine
# writes them into the command line: the one with blanks quoted.
arguments=('C:\My Saves\a  b.sav' word ö 🎮)
line='"C:\My Saves\a  b.sav" word \xc3\xb6 \xed\xa0\xbc\xed\xbe\xae'

# Where the ANSI code page holds the directory, option 15 carries it in that code page.
_JAVA_OPTIONS=-Dzentrobe.leak=yes run_launcher "$game" "${arguments[@]}"
ansi=$(windows_path "$game" | iconv -f UTF-8 -t CP1252)
check "non-ASCII folder: exit code" 0 "$code"
check "non-ASCII folder: record" \
  "$(standin_record "$class_path" "$(escape "$ansi")" "$(escape "$(windows_path "$game")")" "$line")" "$(cat "$record")"
check "non-ASCII folder: Win32 calls" "$(printf '%s\n' \
  'Call KERNEL32.CreateMutexW(00000000,00000001,L"Zentrobe")' \
  "Call msvcrt._wchdir(L\"$(windows_path "$game" | sed 's/\\/\\\\/g; s/ö/\\00f6/')\")" \
  'Call KERNEL32.SetEnvironmentVariableA("_JAVA_OPTIONS",00000000)' \
  'Call KERNEL32.LoadLibraryA("bin\\server\\jvm.dll")')" "$(launcher_calls)"

# Where it does not, option 15 carries the directory's 8.3 form, which names the same directory.
run_launcher "$foreign" "${arguments[@]}"
check "folder outside the code page: exit code" 0 "$code"
option=$(grep '^option 15 ' "$record")
check "folder outside the code page: option 15 in ASCII" yes \
  "$([[ $option == *'~'* && $option != *'\x'* ]] && echo yes || echo "no: $option")"
check "folder outside the code page: record" \
  "$(standin_record "$class_path" "" "$(escape "$(windows_path "$foreign")")" "$line" | grep -v '^option 15 ')" \
  "$(grep -v '^option 15 ' "$record")"

run_launcher "$long_game" "${arguments[@]}"
check "long folder: exit code" 0 "$code"
ansi=$(windows_path "$long_game" | iconv -f UTF-8 -t CP1252)
check "long folder: record" \
  "$(standin_record "$class_path" "$(escape "$ansi")" "$(escape "$(windows_path "$long_game")")" "$line")" \
  "$(cat "$record")"

run_launcher "$game"
check "no arguments: one empty string" 'NewStringUTF "" modified-UTF-8' "$(grep NewStringUTF "$record")"

# A second copy while the first runs; the first is not disturbed.
hold=$work/hold
mkdir -p "$hold"
ZENTROBE_STANDIN_RECORD=$(windows_path "$work/first-record") ZENTROBE_STANDIN_HOLD=$(windows_path "$hold") \
  "$wine" "$game/launcher.exe" first >/dev/null 2>&1 &
first=$!
if wait_for_file "$hold/running"; then
  run_launcher "$game" second
  check "second copy: exit code" 6 "$code"
  check "second copy: message" "$(message_call "Zentrobe is already running.")" "$(messages)"
  check "second copy: loads no VM" "" "$(cat "$record" 2>/dev/null)"
else
  check "first copy: main started" started never
fi
touch "$hold/release"
wait "$first"
check "first copy: exit code" 0 "$?"
check "first copy: the VM ends" DestroyJavaVM "$(tail -n 1 "$work/first-record")"

failure_case() {  # WHAT FOLDER STANDIN_FAILURE EXIT_CODE MESSAGE LAST_RECORD_LINE
  ZENTROBE_STANDIN_FAIL=$3 run_launcher "$2"
  check "$1: exit code" "$4" "$code"
  check "$1: message" "$([ -n "$5" ] && message_call "$5")" "$(messages)"
  check "$1: record ends" "$6" "$(tail -n 1 "$record" 2>/dev/null)"
}
failure_case "no VM library" "$work/no-vm" "" 1 "Failed to load Java dll." ""
failure_case "no JNI_CreateJavaVM" "$work/no-entry" "" 1 "Failed to load Java dll." ""
failure_case "VM rejects an option" "$game" create 2 "Failed to create Java virtual machine." "_JAVA_OPTIONS unset"
failure_case "no main class" "$game" class 3 "Failed to find the main class." "FindClass net/quorlen/applet/Launcher"
failure_case "no main method" "$game" method 4 "Failed to find the main method." \
  "GetStaticMethodID Launcher main ([Ljava/lang/String;)V"
failure_case "main throws" "$game" throw 5 "" "DestroyJavaVM"

finish
