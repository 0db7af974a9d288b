# Shared by the launcher's test scripts: checks that count, a runner that keeps what a start
# printed and returned, and the expected texts.

passed=0
failed=0

check() {  # WHAT EXPECTED ACTUAL
  if [ "$2" == "$3" ]; then
    passed=$((passed + 1))
  else
    failed=$((failed + 1))
    echo "FAILED: $1" >&2
    diff <(printf '%s\n' "$2") <(printf '%s\n' "$3") | sed 's/^/    /' >&2
  fi
}

finish() {
  echo "$passed passed, $failed failed"
  [ "$failed" -eq 0 ]
}

# Runs COMMAND... in DIRECTORY; leaves its exit code in $code, its output in $out and $err. The
# error output is appended to, as several processes (wine's) may write it.
run_in() {  # DIRECTORY COMMAND...
  local directory=$1
  shift
  : >"$scratch/stderr"
  out=$(cd "$directory" && "$@" 2>>"$scratch/stderr")
  code=$?
  err=$(<"$scratch/stderr")
}

# Printable ASCII as it stands, every other byte as \xHH: the stand-in VM's way of writing bytes.
escape() {
  local LC_ALL=C text=$1 result='' character i
  for ((i = 0; i < ${#text}; i++)); do
    character=${text:i:1}
    if [[ $character == [[:print:]] ]]; then
      result+=$character
    else
      printf -v character '\\x%02x' "'$character"
      result+=$character
    fi
  done
  printf '%s' "$result"
}

# The class path option, with SEPARATOR between the archives of ARCHIVES_FILE.
class_path_option() {  # ARCHIVES_FILE SEPARATOR
  local IFS=$2
  local -a names
  mapfile -t names <"$1"
  printf '%s' "-Djava.class.path=${names[*]}"
}

# Options 2 to 14, in their order.
fixed_options() {
  printf '%s\n' -Xms64m -Xmx256m -XX:MaxGCPauseMillis=3 -Xincgc -Dorg.lwjgl.util.NoChecks=false \
    -Dnet.quorlen.applet.Launcher.resources=resources-steam.dat \
    -Dnet.quorlen.applet.Game.gameResource=game.steam -XX:+TieredCompilation \
    -XX:Tier2CompileThreshold=70000 -XX:CompileThreshold=1500 -XX:+DoEscapeAnalysis \
    -XX:+AggressiveOpts -Djava.net.preferIPv4Stack=true
}

# What the stand-in VM records for a start that runs the game: creation with CLASS_PATH, the fixed
# options and LIBRARY_PATH, which names the program DIRECTORY, the working directory, then main
# with COMMAND_LINE; all escaped.
standin_record() {  # CLASS_PATH LIBRARY_PATH DIRECTORY COMMAND_LINE
  local number=2 option
  echo "JNI_CreateJavaVM version=0x10006 nOptions=15 ignoreUnrecognized=0"
  echo "option 1 \"$1\""
  while read -r option; do
    echo "option $number \"$option\""
    number=$((number + 1))
  done < <(fixed_options)
  echo "option 15 \"-Dorg.lwjgl.librarypath=$2\""
  echo "library path names \"$3\""
  echo "working directory \"$3\""
  echo "_JAVA_OPTIONS unset"
  echo "FindClass net/quorlen/applet/Launcher"
  echo "GetStaticMethodID Launcher main ([Ljava/lang/String;)V"
  echo "NewStringUTF \"$4\" modified-UTF-8"
  echo "FindClass java/lang/String"
  echo "NewObjectArray 1 String null"
  echo "SetObjectArrayElement array 0 string"
  echo "CallStaticVoidMethodV Launcher main array"
  echo "ExceptionOccurred null"
  echo "DestroyJavaVM"
}

# A directory name of LENGTH characters or more under PARENT, in components of 90 characters.
long_directory() {  # PARENT LENGTH
  local directory=$1
  while [ ${#directory} -lt "$2" ]; do
    directory+=/$(printf 'Zentröbe Spiel-%.0s' {1..6})
  done
  printf '%s' "$directory"
}

wait_for_file() {  # PATH
  local i
  for ((i = 0; i < 600; i++)); do
    [ -e "$1" ] && return 0
    sleep 0.1
  done
  return 1
}
