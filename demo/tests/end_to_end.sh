#!/usr/bin/env bash
# The game end to end: a fresh copy of the game folder as the build lays it out, started through the
# launcher twice against the stand-in's built-in world, in the VM with -Xcheck:jni. Checks how each
# run ends, the events the game printed in their order, and that the second run reads back the
# stats, achievement, leaderboard score and cloud file that the first one stored.
#
# Usage: end_to_end.sh GAME_FOLDER WORK_DIRECTORY
set -u
here=$(dirname "$(realpath "$0")")
source "$here/../../launcher/tests/lib.sh"
built=$1 work=$2

rm -rf "$work"
mkdir -p "$work/elsewhere"
work=$(realpath "$work")
scratch=$work
game=$work/game
cp -a "$built" "$game"
# A player who has never played: nothing saved yet.
rm -rf "$game/steam-save"

export LC_ALL=C.UTF-8
unset _JAVA_OPTIONS JDK_JAVA_OPTIONS
# OpenJDK 17 no longer knows two of the launcher's options; -Xcheck:jni as in every test VM.
export JAVA_TOOL_OPTIONS="-XX:+IgnoreUnrecognizedVMOptions -Xcheck:jni"

player=76561197960287930
clan=103582791429521412
board=23041
shared=13262840135681

# The events of a run, in the order the game hears them: FIRST is the achievement the run unlocks,
# SCORE its leaderboard time and PREVIOUS the player's rank before the upload.
expected_events() {  # ACHIEVEMENT SCORE PREVIOUS_RANK
  cat <<EVENTS
event onClanOfficerListResponse($clan, 2, true)
event onUserStatsReceived(22202, 1, $player)
event onUserStatsStored(22202, 1)
event onUserAchievementStored(22202, false, $1, 0, 0)
event onLeaderboardFindResult($board, true)
event onLeaderboardScoreUploaded(true, $board, $2, true, 2, $3)
event onLeaderboardScoresDownloaded($board, 917505, 5)
event onNumberOfCurrentPlayers(true, 1337)
event onGlobalAchievementPercentagesReady(22202, 1)
event onRemoteStorageFileShareResult(1, $shared)
event onRemoteStorageDownloadUGCResult(1, $shared, 22202, 26, savegame.txt, $player)
event onOverlayActivated(true)
event onOverlayActivated(false)
EVENTS
}

lines_of() {  # PATTERN
  grep -E "$1" <<<"$out"
}

play() {  # RUN
  run_in "$work/elsewhere" "$game/launcher"
  check "run $1: exit code" 0 "$code"
  # Any JNI warning, VM error or exception described by a listener call shows up here.
  check "run $1: error output" "Picked up JAVA_TOOL_OPTIONS: $JAVA_TOOL_OPTIONS" "$err"
  check "run $1: no JNI warnings" "" "$(lines_of 'WARNING|FATAL|Can.t find')"
  check "run $1: started and stopped Steam" $'call  SteamAPI_Init -> true\ncall  SteamAPI_Shutdown -> done' \
    "$(lines_of '^call  SteamAPI_(Init|Shutdown)')"
}

play 1
check "run 1: events" "$(expected_events FIRST_STEPS 57000 0)" "$(lines_of '^event ')"
check "run 1: nothing stored before" \
  "$(printf '%s\n' 'call  GetStat runs_started -> true 0' 'call  GetAchievement FIRST_STEPS -> locked' \
    'call  FileExists savegame.txt -> false')" \
  "$(lines_of '^call  (GetStat runs_started|GetAchievement FIRST_STEPS|FileExists)')"
check "run 1: the cloud file written, listed, read back and shared" \
  "$(printf '%s\n' 'call  FileWrite savegame.txt -> true' 'call  GetFileNameAndSize 0 -> savegame.txt 26 bytes' \
    'call  FileRead savegame.txt -> "runs=1; last time=57000 ms"' 'call  UGCRead -> "runs=1; last time=57000 ms"')" \
  "$(lines_of '^call  (FileWrite|GetFileNameAndSize|FileRead|UGCRead)')"
check "run 1: saved, with no temporary file left" "cloud.txt leaderboards.txt stats.txt" \
  "$(cd "$game/steam-save" && echo *)"

# A save interrupted while it was written leaves its temporary file; the stored one still counts.
printf 'stat runs_started 99\n' >"$game/steam-save/stats.txt.new"

play 2
check "run 2: events" "$(expected_events RETURNING_RUNNER 56000 2)" "$(lines_of '^event ')"
check "run 2: stats and cloud file of run 1 read back" \
  "$(printf '%s\n' 'call  GetStat runs_started -> true 1' 'call  GetStat levels_cleared -> true 2' \
    'call  GetStat longest_run_km -> true 4.5' 'call  FileRead savegame.txt (last time) -> "runs=1; last time=57000 ms"')" \
  "$(lines_of '^call  (GetStat|FileRead savegame.txt \(last)')"
check "run 2: achievement of run 1 unlocked" 1 "$(lines_of '^call  GetAchievement FIRST_STEPS -> unlocked 20[0-9]{2}-' | wc -l)"
check "run 2: own leaderboard entry improved" "call  GetDownloadedLeaderboardEntry 1 -> #2 56000 ms (you)" \
  "$(lines_of '\(you\)$')"

finish
