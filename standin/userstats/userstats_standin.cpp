// The stand-in's statistics interface: every call is logged with its arguments
// as received and answered from the script. Results are read under the
// method's name, out-values under "Method.param"; an out-value is written
// only when the test scripted it, whatever the result, so a test can tell
// which values a native passes on. Where nothing is scripted and the built-in
// world is on, the world answers instead.
#include <algorithm>
#include <cstring>
#include <string>

#include "../../bridge/core/steamworks/isteamuserstats.h"
#include "../core/answers.h"
#include "../core/dispatcher.h"
#include "../core/events.h"
#include "../core/interfaces.h"
#include "../core/recorder.h"
#include "../core/script.h"
#include "../world/progress.h"
#include "../world/world.h"
#include "../world/world_data.h"

namespace standin {
namespace {

// A list read from memory the caller handed over, logged as "[a, b]".
struct IdList {
  const CSteamID* ids;
  int count;
};
struct DetailList {
  const int32* details;
  int count;
};

std::string describe(IdList list) {
  return describeList(list.ids, list.count);
}
std::string describe(DetailList list) {
  return describeList(list.details, list.count);
}

bool answerBool(const char* method, bool fallback = true) {
  return scriptedBool(method, fallback);
}

void fillText(const char* key, char* at, uint32 size) {
  if (at == nullptr || size == 0 || !scripted(key)) return;
  copyTerminated(at, size, scriptedBytes(key));
}

// How many days of history Steamworks holds for a statistic.
constexpr int64_t kHistoryDays = 60;

template <class T>
int32 statHistory(const char* name, T* data, uint32 cubData) {
  record("GetGlobalStatHistory", name, at(data), cubData);
  int64_t fits = static_cast<int64_t>(cubData / sizeof(T));
  int64_t written = std::min(scriptedInt("GetGlobalStatHistory.days", kHistoryDays), fits);
  for (int64_t day = 0; day < written; ++day) writeScripted("GetGlobalStatHistory.data", data + day);
  return static_cast<int32>(scriptedInt("GetGlobalStatHistory", written));
}

class UserStatsStandIn final : public ISteamUserStats {
 public:
  bool RequestCurrentStats() override {
    record("RequestCurrentStats");
    if (world::answers("RequestCurrentStats")) {
      auto received = world::blank<UserStatsReceived_t>();
      received.m_nGameID = world::kGameId;
      received.m_eResult = world::kResultOK;
      received.m_steamIDUser = CSteamID{world::player().steamId};
      world::postLater(received);
    }
    return answerBool("RequestCurrentStats");
  }
  bool GetStat(const char* name, int32* data) override {
    record("GetStat", name, out(data));
    if (world::answers("GetStat")) return world::getStat(name, data);
    writeScripted("GetStat.data", data);
    return answerBool("GetStat");
  }
  bool GetStat(const char* name, float* data) override {
    record("GetStat", name, out(data));
    if (world::answers("GetStat")) return world::getStat(name, data);
    writeScripted("GetStat.data", data);
    return answerBool("GetStat");
  }
  bool SetStat(const char* name, int32 data) override {
    record("SetStat", name, data);
    if (world::answers("SetStat")) return world::setStat(name, data);
    return answerBool("SetStat");
  }
  bool SetStat(const char* name, float data) override {
    record("SetStat", name, data);
    if (world::answers("SetStat")) return world::setStat(name, data);
    return answerBool("SetStat");
  }
  bool UpdateAvgRateStat(const char* name, float flCountThisSession, double dSessionLength) override {
    record("UpdateAvgRateStat", name, flCountThisSession, dSessionLength);
    return answerBool("UpdateAvgRateStat");
  }
  bool GetAchievement(const char* name, bool* achieved) override {
    record("GetAchievement", name, out(achieved));
    if (world::answers("GetAchievement")) return world::getAchievement(name, achieved, nullptr);
    writeScripted("GetAchievement.achieved", achieved);
    return answerBool("GetAchievement");
  }
  bool SetAchievement(const char* name) override {
    record("SetAchievement", name);
    if (world::answers("SetAchievement")) return world::setAchievement(name);
    return answerBool("SetAchievement");
  }
  bool ClearAchievement(const char* name) override {
    record("ClearAchievement", name);
    if (world::answers("ClearAchievement")) return world::clearAchievement(name);
    return answerBool("ClearAchievement");
  }
  bool GetAchievementAndUnlockTime(const char* name, bool* achieved, uint32* unlockTime) override {
    record("GetAchievementAndUnlockTime", name, out(achieved), out(unlockTime));
    if (world::answers("GetAchievementAndUnlockTime")) return world::getAchievement(name, achieved, unlockTime);
    writeScripted("GetAchievementAndUnlockTime.achieved", achieved);
    writeScripted("GetAchievementAndUnlockTime.unlockTime", unlockTime);
    return answerBool("GetAchievementAndUnlockTime");
  }
  bool StoreStats() override {
    record("StoreStats");
    if (world::answers("StoreStats")) return world::storeStats();
    return answerBool("StoreStats");
  }
  int GetAchievementIcon(const char* name) override {
    record("GetAchievementIcon", name);
    return static_cast<int>(scriptedInt("GetAchievementIcon"));
  }
  const char* GetAchievementDisplayAttribute(const char* name, const char* key) override {
    record("GetAchievementDisplayAttribute", name, key);
    return scriptedText("GetAchievementDisplayAttribute", "");
  }
  bool IndicateAchievementProgress(const char* name, uint32 curProgress, uint32 maxProgress) override {
    record("IndicateAchievementProgress", name, curProgress, maxProgress);
    return answerBool("IndicateAchievementProgress");
  }
  bool ResetAllStats(bool achievementsToo) override {
    record("ResetAllStats", achievementsToo);
    return answerBool("ResetAllStats");
  }

  SteamAPICall_t RequestUserStats(CSteamID user) override {
    record("RequestUserStats", user);
    SteamAPICall_t call = newCall("RequestUserStats");
    if (world::answers("RequestUserStats")) {
      auto received = world::blank<UserStatsReceived_t>();
      received.m_nGameID = world::kGameId;
      received.m_eResult = world::person(user.value) ? world::kResultOK : world::kResultFail;
      received.m_steamIDUser = user;
      world::completeLater(call, received);
    }
    return call;
  }
  bool GetUserStat(CSteamID user, const char* name, int32* data) override {
    record("GetUserStat", user, name, out(data));
    writeScripted("GetUserStat.data", data);
    return answerBool("GetUserStat");
  }
  bool GetUserStat(CSteamID user, const char* name, float* data) override {
    record("GetUserStat", user, name, out(data));
    writeScripted("GetUserStat.data", data);
    return answerBool("GetUserStat");
  }
  bool GetUserAchievement(CSteamID user, const char* name, bool* achieved) override {
    record("GetUserAchievement", user, name, out(achieved));
    writeScripted("GetUserAchievement.achieved", achieved);
    return answerBool("GetUserAchievement");
  }
  bool GetUserAchievementAndUnlockTime(CSteamID user, const char* name, bool* achieved,
                                       uint32* unlockTime) override {
    record("GetUserAchievementAndUnlockTime", user, name, out(achieved), out(unlockTime));
    writeScripted("GetUserAchievementAndUnlockTime.achieved", achieved);
    writeScripted("GetUserAchievementAndUnlockTime.unlockTime", unlockTime);
    return answerBool("GetUserAchievementAndUnlockTime");
  }

  SteamAPICall_t FindOrCreateLeaderboard(const char* name, ELeaderboardSortMethod sortMethod,
                                         ELeaderboardDisplayType displayType) override {
    record("FindOrCreateLeaderboard", name, sortMethod, displayType);
    SteamAPICall_t call = newCall("FindOrCreateLeaderboard");
    if (world::answers("FindOrCreateLeaderboard")) world::completeLater(call, world::findLeaderboard(name));
    return call;
  }
  SteamAPICall_t FindLeaderboard(const char* name) override {
    record("FindLeaderboard", name);
    SteamAPICall_t call = newCall("FindLeaderboard");
    if (world::answers("FindLeaderboard")) world::completeLater(call, world::findLeaderboard(name));
    return call;
  }
  const char* GetLeaderboardName(SteamLeaderboard_t leaderboard) override {
    record("GetLeaderboardName", leaderboard);
    if (world::answers("GetLeaderboardName")) {
      const world::Leaderboard* board = world::leaderboard(leaderboard);
      return board ? board->name : "";
    }
    return scriptedText("GetLeaderboardName", "");
  }
  int GetLeaderboardEntryCount(SteamLeaderboard_t leaderboard) override {
    record("GetLeaderboardEntryCount", leaderboard);
    if (world::answers("GetLeaderboardEntryCount")) return world::leaderboardEntryCount(leaderboard);
    return static_cast<int>(scriptedInt("GetLeaderboardEntryCount"));
  }
  ELeaderboardSortMethod GetLeaderboardSortMethod(SteamLeaderboard_t leaderboard) override {
    record("GetLeaderboardSortMethod", leaderboard);
    if (world::answers("GetLeaderboardSortMethod")) {
      const world::Leaderboard* board = world::leaderboard(leaderboard);
      return static_cast<ELeaderboardSortMethod>(board ? board->sortMethod : 0);
    }
    return static_cast<ELeaderboardSortMethod>(scriptedInt("GetLeaderboardSortMethod"));
  }
  ELeaderboardDisplayType GetLeaderboardDisplayType(SteamLeaderboard_t leaderboard) override {
    record("GetLeaderboardDisplayType", leaderboard);
    if (world::answers("GetLeaderboardDisplayType")) {
      const world::Leaderboard* board = world::leaderboard(leaderboard);
      return static_cast<ELeaderboardDisplayType>(board ? board->displayType : 0);
    }
    return static_cast<ELeaderboardDisplayType>(scriptedInt("GetLeaderboardDisplayType"));
  }
  SteamAPICall_t DownloadLeaderboardEntries(SteamLeaderboard_t leaderboard, ELeaderboardDataRequest request,
                                            int rangeStart, int rangeEnd) override {
    record("DownloadLeaderboardEntries", leaderboard, request, rangeStart, rangeEnd);
    SteamAPICall_t call = newCall("DownloadLeaderboardEntries");
    if (world::answers("DownloadLeaderboardEntries")) {
      world::completeLater(call, world::downloadEntries(leaderboard, request, rangeStart, rangeEnd));
    }
    return call;
  }
  SteamAPICall_t DownloadLeaderboardEntriesForUsers(SteamLeaderboard_t leaderboard, CSteamID* users,
                                                    int userCount) override {
    record("DownloadLeaderboardEntriesForUsers", leaderboard, IdList{users, userCount}, userCount);
    SteamAPICall_t call = newCall("DownloadLeaderboardEntriesForUsers");
    if (world::answers("DownloadLeaderboardEntriesForUsers")) {
      world::completeLater(call, world::downloadEntriesForUsers(leaderboard, users, userCount));
    }
    return call;
  }
  bool GetDownloadedLeaderboardEntry(SteamLeaderboardEntries_t entries, int index, LeaderboardEntry_t* entry,
                                     int32* details, int cDetailsMax) override {
    record("GetDownloadedLeaderboardEntry", entries, index, out(entry), out(details), cDetailsMax);
    if (world::answers("GetDownloadedLeaderboardEntry")) return world::downloadedEntry(entries, index, entry);
    if (!answerBool("GetDownloadedLeaderboardEntry")) return false;
    entry->m_steamIDUser = CSteamID{static_cast<uint64>(scriptedInt("GetDownloadedLeaderboardEntry.steamIDUser"))};
    entry->m_nGlobalRank = static_cast<int32>(scriptedInt("GetDownloadedLeaderboardEntry.globalRank"));
    entry->m_nScore = static_cast<int32>(scriptedInt("GetDownloadedLeaderboardEntry.score"));
    entry->m_cDetails = static_cast<int32>(scriptedInt("GetDownloadedLeaderboardEntry.details"));
    entry->m_hUGC = static_cast<uint64>(scriptedInt("GetDownloadedLeaderboardEntry.ugc"));
    int written = std::min(entry->m_cDetails, static_cast<int32>(cDetailsMax));
    for (int i = 0; i < written; ++i) writeScripted("GetDownloadedLeaderboardEntry.detail", details + i);
    return true;
  }
  SteamAPICall_t UploadLeaderboardScore(SteamLeaderboard_t leaderboard, ELeaderboardUploadScoreMethod method,
                                        int32 score, const int32* details, int detailCount) override {
    record("UploadLeaderboardScore", leaderboard, method, score, DetailList{details, detailCount}, detailCount);
    SteamAPICall_t call = newCall("UploadLeaderboardScore");
    if (world::answers("UploadLeaderboardScore")) world::completeLater(call, world::uploadScore(leaderboard, method, score));
    return call;
  }
  SteamAPICall_t AttachLeaderboardUGC(SteamLeaderboard_t leaderboard, UGCHandle_t ugc) override {
    record("AttachLeaderboardUGC", leaderboard, ugc);
    return newCall("AttachLeaderboardUGC");
  }

  SteamAPICall_t GetNumberOfCurrentPlayers() override {
    record("GetNumberOfCurrentPlayers");
    SteamAPICall_t call = newCall("GetNumberOfCurrentPlayers");
    if (world::answers("GetNumberOfCurrentPlayers")) {
      auto players = world::blank<NumberOfCurrentPlayers_t>();
      players.m_bSuccess = 1;
      players.m_cPlayers = world::kPlayersOnline;
      world::completeLater(call, players);
    }
    return call;
  }
  SteamAPICall_t RequestGlobalAchievementPercentages() override {
    record("RequestGlobalAchievementPercentages");
    SteamAPICall_t call = newCall("RequestGlobalAchievementPercentages");
    if (world::answers("RequestGlobalAchievementPercentages")) {
      auto ready = world::blank<GlobalAchievementPercentagesReady_t>();
      ready.m_nGameID = world::kGameId;
      ready.m_eResult = world::kResultOK;
      world::completeLater(call, ready);
    }
    return call;
  }
  int GetMostAchievedAchievementInfo(char* name, uint32 unNameBufLen, float* percent, bool* achieved) override {
    record("GetMostAchievedAchievementInfo", out(name), unNameBufLen, out(percent), out(achieved));
    if (world::answers("GetMostAchievedAchievementInfo")) return world::mostAchieved(0, name, unNameBufLen, percent, achieved);
    return mostAchieved("GetMostAchievedAchievementInfo", name, unNameBufLen, percent, achieved);
  }
  int GetNextMostAchievedAchievementInfo(int previous, char* name, uint32 unNameBufLen, float* percent,
                                         bool* achieved) override {
    record("GetNextMostAchievedAchievementInfo", previous, out(name), unNameBufLen, out(percent), out(achieved));
    if (world::answers("GetNextMostAchievedAchievementInfo")) {
      return world::mostAchieved(previous + 1, name, unNameBufLen, percent, achieved);
    }
    return mostAchieved("GetNextMostAchievedAchievementInfo", name, unNameBufLen, percent, achieved);
  }
  bool GetAchievementAchievedPercent(const char* name, float* percent) override {
    record("GetAchievementAchievedPercent", name, out(percent));
    if (world::answers("GetAchievementAchievedPercent")) return world::achievedPercent(name, percent);
    writeScripted("GetAchievementAchievedPercent.percent", percent);
    return answerBool("GetAchievementAchievedPercent");
  }
  SteamAPICall_t RequestGlobalStats(int historyDays) override {
    record("RequestGlobalStats", historyDays);
    return newCall("RequestGlobalStats");
  }
  bool GetGlobalStat(const char* name, int64* data) override {
    record("GetGlobalStat", name, out(data));
    writeScripted("GetGlobalStat.data", data);
    return answerBool("GetGlobalStat");
  }
  bool GetGlobalStat(const char* name, double* data) override {
    record("GetGlobalStat", name, out(data));
    writeScripted("GetGlobalStat.data", data);
    return answerBool("GetGlobalStat");
  }
  int32 GetGlobalStatHistory(const char* name, int64* data, uint32 cubData) override {
    return statHistory(name, data, cubData);
  }
  int32 GetGlobalStatHistory(const char* name, double* data, uint32 cubData) override {
    return statHistory(name, data, cubData);
  }

 private:
  // The iteration answers -1 (no achievement) unless a test scripted one; the
  // name, percentage and flag are keyed by the method, so each query of an
  // iteration can be told apart.
  static int mostAchieved(const std::string& method, char* name, uint32 size, float* percent, bool* achieved) {
    fillText((method + ".name").c_str(), name, size);
    writeScripted((method + ".percent").c_str(), percent);
    writeScripted((method + ".achieved").c_str(), achieved);
    return static_cast<int>(scriptedInt(method.c_str(), -1));
  }
};

const bool provided = provideInterface("SteamUserStats", &placeInterface<UserStatsStandIn>);

const bool known = describeEvents({
    STANDIN_EVENT(UserStatsReceived_t, STANDIN_FIELD(UserStatsReceived_t, m_nGameID),
                  STANDIN_FIELD(UserStatsReceived_t, m_eResult), STANDIN_FIELD(UserStatsReceived_t, m_steamIDUser)),
    STANDIN_EVENT(LeaderboardFindResult_t, STANDIN_FIELD(LeaderboardFindResult_t, m_hSteamLeaderboard),
                  STANDIN_FIELD(LeaderboardFindResult_t, m_bLeaderboardFound)),
    STANDIN_EVENT(LeaderboardScoresDownloaded_t,
                  STANDIN_FIELD(LeaderboardScoresDownloaded_t, m_hSteamLeaderboard),
                  STANDIN_FIELD(LeaderboardScoresDownloaded_t, m_hSteamLeaderboardEntries),
                  STANDIN_FIELD(LeaderboardScoresDownloaded_t, m_cEntryCount)),
    STANDIN_EVENT(LeaderboardScoreUploaded_t, STANDIN_FIELD(LeaderboardScoreUploaded_t, m_bSuccess),
                  STANDIN_FIELD(LeaderboardScoreUploaded_t, m_hSteamLeaderboard),
                  STANDIN_FIELD(LeaderboardScoreUploaded_t, m_nScore),
                  STANDIN_FIELD(LeaderboardScoreUploaded_t, m_bScoreChanged),
                  STANDIN_FIELD(LeaderboardScoreUploaded_t, m_nGlobalRankNew),
                  STANDIN_FIELD(LeaderboardScoreUploaded_t, m_nGlobalRankPrevious)),
    STANDIN_EVENT(LeaderboardUGCSet_t, STANDIN_FIELD(LeaderboardUGCSet_t, m_eResult),
                  STANDIN_FIELD(LeaderboardUGCSet_t, m_hSteamLeaderboard)),
    STANDIN_EVENT(NumberOfCurrentPlayers_t, STANDIN_FIELD(NumberOfCurrentPlayers_t, m_bSuccess),
                  STANDIN_FIELD(NumberOfCurrentPlayers_t, m_cPlayers)),
    STANDIN_EVENT(GlobalAchievementPercentagesReady_t,
                  STANDIN_FIELD(GlobalAchievementPercentagesReady_t, m_nGameID),
                  STANDIN_FIELD(GlobalAchievementPercentagesReady_t, m_eResult)),
    STANDIN_EVENT(GlobalStatsReceived_t, STANDIN_FIELD(GlobalStatsReceived_t, m_nGameID),
                  STANDIN_FIELD(GlobalStatsReceived_t, m_eResult)),
    STANDIN_EVENT(UserStatsStored_t, STANDIN_FIELD(UserStatsStored_t, m_nGameID),
                  STANDIN_FIELD(UserStatsStored_t, m_eResult)),
    STANDIN_EVENT(UserAchievementStored_t, STANDIN_FIELD(UserAchievementStored_t, m_nGameID),
                  STANDIN_FIELD(UserAchievementStored_t, m_bGroupAchievement),
                  STANDIN_FIELD(UserAchievementStored_t, m_rgchAchievementName),
                  STANDIN_FIELD(UserAchievementStored_t, m_nCurProgress),
                  STANDIN_FIELD(UserAchievementStored_t, m_nMaxProgress)),
    STANDIN_EVENT(UserStatsUnloaded_t, STANDIN_FIELD(UserStatsUnloaded_t, m_steamIDUser)),
    STANDIN_EVENT(UserAchievementIconFetched_t, STANDIN_FIELD(UserAchievementIconFetched_t, m_nGameID),
                  STANDIN_FIELD(UserAchievementIconFetched_t, m_rgchAchievementName),
                  STANDIN_FIELD(UserAchievementIconFetched_t, m_bAchieved),
                  STANDIN_FIELD(UserAchievementIconFetched_t, m_nIconHandle)),
});

}  // namespace
}  // namespace standin
