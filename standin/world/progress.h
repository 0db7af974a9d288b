// The player's progress in the world: statistics and achievements as the game
// sets and stores them, and the player's leaderboard scores. What is stored
// (StoreStats, an uploaded score) is saved and read back by the next run.
#pragma once

#include "../../bridge/core/steamworks/isteamuserstats.h"

namespace standin::world {

// False for a name the world does not define, or of the other kind (int/float).
bool getStat(const char* name, int32* value);
bool getStat(const char* name, float* value);
bool setStat(const char* name, int32 value);
bool setStat(const char* name, float value);
bool getAchievement(const char* name, bool* achieved, uint32* unlockTime);
bool setAchievement(const char* name);
bool clearAchievement(const char* name);
// Saves the stats and achievements and posts UserStatsStored_t, and one
// UserAchievementStored_t per achievement unlocked since the last store.
bool storeStats();

LeaderboardFindResult_t findLeaderboard(const char* name);
int leaderboardEntryCount(SteamLeaderboard_t board);
LeaderboardScoresDownloaded_t downloadEntries(SteamLeaderboard_t board, ELeaderboardDataRequest request, int start,
                                              int end);
LeaderboardScoresDownloaded_t downloadEntriesForUsers(SteamLeaderboard_t board, const CSteamID* users, int count);
bool downloadedEntry(SteamLeaderboardEntries_t entries, int index, LeaderboardEntry_t* entry);
LeaderboardScoreUploaded_t uploadScore(SteamLeaderboard_t board, ELeaderboardUploadScoreMethod method, int32 score);

// The achievements, most achieved first: fills in the one at `iterator` and
// returns it, or returns -1 past the last.
int mostAchieved(int iterator, char* name, uint32 nameSize, float* percent, bool* achieved);
bool achievedPercent(const char* name, float* percent);

}  // namespace standin::world
