// The statistics interface of the client library, as far as the bridge uses
// it: the local player's stats and achievements, other users' stats,
// leaderboards and the global statistics, and the events they raise.
#pragma once

#include "steam_api.h"

// Passed to and from Java as plain ints; any value travels unchanged.
enum ELeaderboardSortMethod : int32 {
  k_ELeaderboardSortMethodNone = 0,
  k_ELeaderboardSortMethodAscending = 1,
  k_ELeaderboardSortMethodDescending = 2,
};

enum ELeaderboardDisplayType : int32 {
  k_ELeaderboardDisplayTypeNone = 0,
  k_ELeaderboardDisplayTypeNumeric = 1,
  k_ELeaderboardDisplayTypeTimeSeconds = 2,
  k_ELeaderboardDisplayTypeTimeMilliSeconds = 3,
};

enum ELeaderboardDataRequest : int32 {
  k_ELeaderboardDataRequestGlobal = 0,
  k_ELeaderboardDataRequestGlobalAroundUser = 1,
  k_ELeaderboardDataRequestFriends = 2,
  k_ELeaderboardDataRequestUsers = 3,
};

enum ELeaderboardUploadScoreMethod : int32 {
  k_ELeaderboardUploadScoreMethodNone = 0,
  k_ELeaderboardUploadScoreMethodKeepBest = 1,
  k_ELeaderboardUploadScoreMethodForceUpdate = 2,
};

// One downloaded leaderboard entry.
struct LeaderboardEntry_t {
  CSteamID m_steamIDUser;
  int32 m_nGlobalRank;
  int32 m_nScore;
  int32 m_cDetails;
  STEAM_U64 m_hUGC;
};
static_assert(sizeof(LeaderboardEntry_t) == 32, "LeaderboardEntry_t layout");

class ISteamUserStats {
 public:
  // The local player's statistics and achievements.
  virtual bool RequestCurrentStats() = 0;
  virtual bool GetStat(const char* name, int32* data) = 0;
  virtual bool GetStat(const char* name, float* data) = 0;
  virtual bool SetStat(const char* name, int32 data) = 0;
  virtual bool SetStat(const char* name, float data) = 0;
  virtual bool UpdateAvgRateStat(const char* name, float flCountThisSession, double dSessionLength) = 0;
  virtual bool GetAchievement(const char* name, bool* achieved) = 0;
  virtual bool SetAchievement(const char* name) = 0;
  virtual bool ClearAchievement(const char* name) = 0;
  virtual bool GetAchievementAndUnlockTime(const char* name, bool* achieved, uint32* unlockTime) = 0;
  virtual bool StoreStats() = 0;
  virtual int GetAchievementIcon(const char* name) = 0;
  virtual const char* GetAchievementDisplayAttribute(const char* name, const char* key) = 0;
  virtual bool IndicateAchievementProgress(const char* name, uint32 curProgress, uint32 maxProgress) = 0;
  virtual bool ResetAllStats(bool achievementsToo) = 0;

  // Other users' statistics.
  virtual SteamAPICall_t RequestUserStats(CSteamID user) = 0;
  virtual bool GetUserStat(CSteamID user, const char* name, int32* data) = 0;
  virtual bool GetUserStat(CSteamID user, const char* name, float* data) = 0;
  virtual bool GetUserAchievement(CSteamID user, const char* name, bool* achieved) = 0;
  virtual bool GetUserAchievementAndUnlockTime(CSteamID user, const char* name, bool* achieved,
                                               uint32* unlockTime) = 0;

  // Leaderboards.
  virtual SteamAPICall_t FindOrCreateLeaderboard(const char* name, ELeaderboardSortMethod sortMethod,
                                                 ELeaderboardDisplayType displayType) = 0;
  virtual SteamAPICall_t FindLeaderboard(const char* name) = 0;
  virtual const char* GetLeaderboardName(SteamLeaderboard_t leaderboard) = 0;
  virtual int GetLeaderboardEntryCount(SteamLeaderboard_t leaderboard) = 0;
  virtual ELeaderboardSortMethod GetLeaderboardSortMethod(SteamLeaderboard_t leaderboard) = 0;
  virtual ELeaderboardDisplayType GetLeaderboardDisplayType(SteamLeaderboard_t leaderboard) = 0;
  virtual SteamAPICall_t DownloadLeaderboardEntries(SteamLeaderboard_t leaderboard, ELeaderboardDataRequest request,
                                                    int rangeStart, int rangeEnd) = 0;
  virtual SteamAPICall_t DownloadLeaderboardEntriesForUsers(SteamLeaderboard_t leaderboard, CSteamID* users,
                                                            int userCount) = 0;
  virtual bool GetDownloadedLeaderboardEntry(SteamLeaderboardEntries_t entries, int index, LeaderboardEntry_t* entry,
                                             int32* details, int cDetailsMax) = 0;
  virtual SteamAPICall_t UploadLeaderboardScore(SteamLeaderboard_t leaderboard, ELeaderboardUploadScoreMethod method,
                                                int32 score, const int32* details, int detailCount) = 0;
  virtual SteamAPICall_t AttachLeaderboardUGC(SteamLeaderboard_t leaderboard, UGCHandle_t ugc) = 0;

  // Global statistics and player counts.
  virtual SteamAPICall_t GetNumberOfCurrentPlayers() = 0;
  virtual SteamAPICall_t RequestGlobalAchievementPercentages() = 0;
  virtual int GetMostAchievedAchievementInfo(char* name, uint32 unNameBufLen, float* percent, bool* achieved) = 0;
  virtual int GetNextMostAchievedAchievementInfo(int previous, char* name, uint32 unNameBufLen, float* percent,
                                                 bool* achieved) = 0;
  virtual bool GetAchievementAchievedPercent(const char* name, float* percent) = 0;
  virtual SteamAPICall_t RequestGlobalStats(int historyDays) = 0;
  virtual bool GetGlobalStat(const char* name, int64* data) = 0;
  virtual bool GetGlobalStat(const char* name, double* data) = 0;
  // cubData is the size of the region in bytes.
  virtual int32 GetGlobalStatHistory(const char* name, int64* data, uint32 cubData) = 0;
  virtual int32 GetGlobalStatHistory(const char* name, double* data, uint32 cubData) = 0;

 protected:
  ~ISteamUserStats() = default;
};

// Call results.

struct UserStatsReceived_t {
  enum { k_iCallback = 1101 };
  STEAM_U64 m_nGameID;
  EResult m_eResult;
  CSteamID m_steamIDUser;
};
static_assert(sizeof(UserStatsReceived_t) == 24, "UserStatsReceived_t layout");

struct LeaderboardFindResult_t {
  enum { k_iCallback = 1104 };
  STEAM_U64 m_hSteamLeaderboard;
  uint8 m_bLeaderboardFound;
};
static_assert(sizeof(LeaderboardFindResult_t) == 16, "LeaderboardFindResult_t layout");

struct LeaderboardScoresDownloaded_t {
  enum { k_iCallback = 1105 };
  STEAM_U64 m_hSteamLeaderboard;
  STEAM_U64 m_hSteamLeaderboardEntries;
  int32 m_cEntryCount;
};
static_assert(sizeof(LeaderboardScoresDownloaded_t) == 24, "LeaderboardScoresDownloaded_t layout");

struct LeaderboardScoreUploaded_t {
  enum { k_iCallback = 1106 };
  uint8 m_bSuccess;
  STEAM_U64 m_hSteamLeaderboard;
  int32 m_nScore;
  uint8 m_bScoreChanged;
  int32 m_nGlobalRankNew;
  int32 m_nGlobalRankPrevious;
};
static_assert(sizeof(LeaderboardScoreUploaded_t) == 32, "LeaderboardScoreUploaded_t layout");

struct LeaderboardUGCSet_t {
  enum { k_iCallback = 1111 };
  EResult m_eResult;
  STEAM_U64 m_hSteamLeaderboard;
};
static_assert(sizeof(LeaderboardUGCSet_t) == 16, "LeaderboardUGCSet_t layout");

struct NumberOfCurrentPlayers_t {
  enum { k_iCallback = 1107 };
  uint8 m_bSuccess;
  int32 m_cPlayers;
};
static_assert(sizeof(NumberOfCurrentPlayers_t) == 8, "NumberOfCurrentPlayers_t layout");

struct GlobalAchievementPercentagesReady_t {
  enum { k_iCallback = 1110 };
  STEAM_U64 m_nGameID;
  EResult m_eResult;
};
static_assert(sizeof(GlobalAchievementPercentagesReady_t) == 16, "GlobalAchievementPercentagesReady_t layout");

struct GlobalStatsReceived_t {
  enum { k_iCallback = 1112 };
  STEAM_U64 m_nGameID;
  EResult m_eResult;
};
static_assert(sizeof(GlobalStatsReceived_t) == 16, "GlobalStatsReceived_t layout");

// Callbacks.

struct UserStatsStored_t {
  enum { k_iCallback = 1102 };
  STEAM_U64 m_nGameID;
  EResult m_eResult;
};
static_assert(sizeof(UserStatsStored_t) == 16, "UserStatsStored_t layout");

struct UserAchievementStored_t {
  enum { k_iCallback = 1103 };
  STEAM_U64 m_nGameID;
  uint8 m_bGroupAchievement;
  char m_rgchAchievementName[128];
  uint32 m_nCurProgress;
  uint32 m_nMaxProgress;
};
static_assert(sizeof(UserAchievementStored_t) == 152, "UserAchievementStored_t layout");

struct UserStatsUnloaded_t {
  enum { k_iCallback = 1108 };
  CSteamID m_steamIDUser;
};
static_assert(sizeof(UserStatsUnloaded_t) == 8, "UserStatsUnloaded_t layout");

struct UserAchievementIconFetched_t {
  enum { k_iCallback = 1109 };
  STEAM_U64 m_nGameID;
  char m_rgchAchievementName[128];
  uint8 m_bAchieved;
  int32 m_nIconHandle;
};
static_assert(sizeof(UserAchievementIconFetched_t) == 144, "UserAchievementIconFetched_t layout");
