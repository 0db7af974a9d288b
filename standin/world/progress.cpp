#include "progress.h"

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "world.h"
#include "world_data.h"

namespace standin::world {
namespace {

struct StatValue {
  int32 integer = 0;
  float real = 0;
};

struct Unlock {
  bool achieved = false;
  uint32 time = 0;
};

struct Progress {
  std::map<std::string, StatValue> stats;
  std::map<std::string, Unlock> achievements;
  std::set<std::string> unlockedSinceStore;
  std::map<SteamLeaderboard_t, int32> scores;
  std::map<SteamLeaderboardEntries_t, std::vector<LeaderboardEntry_t>> downloads;
  SteamLeaderboardEntries_t nextDownload = 0xE0001;
};

Progress& progress() {
  static Progress p;
  return p;
}

constexpr const char* kStatsFile = "stats.txt";
constexpr const char* kScoresFile = "leaderboards.txt";

// Lines of "kind name value"; unknown kinds and names are passed over, so a
// save outlives a change of the world's definitions.
void loadStats(const std::string& text) {
  Progress& p = progress();
  p.stats.clear();
  p.achievements.clear();
  p.unlockedSinceStore.clear();
  std::istringstream lines(text);
  std::string kind, name;
  while (lines >> kind >> name) {
    const StatDefinition* stat = statDefinition(name.c_str());
    if (kind == "stat" && stat != nullptr) {
      if (stat->isFloat) {
        lines >> p.stats[name].real;
      } else {
        lines >> p.stats[name].integer;
      }
    } else if (kind == "achievement" && achievementDefinition(name.c_str()) != nullptr) {
      Unlock& unlock = p.achievements[name];
      unlock.achieved = true;
      lines >> unlock.time;
    }
    lines.clear();
    lines.ignore(1 << 20, '\n');
  }
}

void loadScores(const std::string& text) {
  Progress& p = progress();
  p.scores.clear();
  std::istringstream lines(text);
  std::string kind;
  SteamLeaderboard_t board = 0;
  int32 score = 0;
  while (lines >> kind >> board >> score) {
    if (kind == "score" && leaderboard(board) != nullptr) p.scores[board] = score;
  }
}

const bool kept = keepSaved(kStatsFile, &loadStats) && keepSaved(kScoresFile, &loadScores);

void saveStats() {
  std::ostringstream text;
  for (const StatDefinition& stat : statDefinitions()) {
    StatValue value = progress().stats[stat.name];
    char number[32];
    if (stat.isFloat) {
      std::snprintf(number, sizeof number, "%.9g", static_cast<double>(value.real));
    } else {
      std::snprintf(number, sizeof number, "%d", value.integer);
    }
    text << "stat " << stat.name << ' ' << number << '\n';
  }
  for (const auto& [name, unlock] : progress().achievements) {
    if (unlock.achieved) text << "achievement " << name << ' ' << unlock.time << '\n';
  }
  save(kStatsFile, text.str());
}

void saveScores() {
  std::ostringstream text;
  for (const auto& [board, score] : progress().scores) text << "score " << board << ' ' << score << '\n';
  save(kScoresFile, text.str());
}

template <class T>
bool readStat(const char* name, T* value) {
  const StatDefinition* stat = statDefinition(name);
  if (stat == nullptr || stat->isFloat != std::is_floating_point_v<T>) return false;
  const StatValue& held = progress().stats[stat->name];
  if (value != nullptr) {
    if constexpr (std::is_floating_point_v<T>) {
      *value = held.real;
    } else {
      *value = held.integer;
    }
  }
  return true;
}

template <class T>
bool writeStat(const char* name, T value) {
  const StatDefinition* stat = statDefinition(name);
  if (stat == nullptr || stat->isFloat != std::is_floating_point_v<T>) return false;
  StatValue& held = progress().stats[stat->name];
  if constexpr (std::is_floating_point_v<T>) {
    held.real = value;
  } else {
    held.integer = value;
  }
  return true;
}

bool better(const Leaderboard& board, int32 score, int32 than) {
  return board.sortMethod == k_ELeaderboardSortMethodAscending ? score < than : score > than;
}

// Every entry of the board, the player's included, best first.
std::vector<BoardEntry> ranking(const Leaderboard& board) {
  std::vector<BoardEntry> entries = board.others;
  auto own = progress().scores.find(board.handle);
  if (own != progress().scores.end()) entries.push_back({player().steamId, own->second});
  std::stable_sort(entries.begin(), entries.end(),
                   [&](const BoardEntry& a, const BoardEntry& b) { return better(board, a.score, b.score); });
  return entries;
}

int rankOfPlayer(const std::vector<BoardEntry>& entries) {
  for (std::size_t i = 0; i < entries.size(); ++i) {
    if (entries[i].steamId == player().steamId) return static_cast<int>(i) + 1;
  }
  return 0;
}

template <class Keep>
LeaderboardScoresDownloaded_t download(SteamLeaderboard_t handle, Keep keep) {
  auto result = blank<LeaderboardScoresDownloaded_t>();
  result.m_hSteamLeaderboard = handle;
  const Leaderboard* board = leaderboard(handle);
  if (board == nullptr) return result;
  std::vector<BoardEntry> entries = ranking(*board);
  std::vector<LeaderboardEntry_t> kept;
  for (std::size_t i = 0; i < entries.size(); ++i) {
    int rank = static_cast<int>(i) + 1;
    if (!keep(entries[i], rank, entries)) continue;
    LeaderboardEntry_t entry{};
    entry.m_steamIDUser = CSteamID{entries[i].steamId};
    entry.m_nGlobalRank = rank;
    entry.m_nScore = entries[i].score;
    kept.push_back(entry);
  }
  Progress& p = progress();
  result.m_hSteamLeaderboardEntries = p.nextDownload++;
  result.m_cEntryCount = static_cast<int32>(kept.size());
  p.downloads[result.m_hSteamLeaderboardEntries] = std::move(kept);
  return result;
}

std::vector<const AchievementDefinition*> byPercent() {
  std::vector<const AchievementDefinition*> order;
  for (const AchievementDefinition& a : achievementDefinitions()) order.push_back(&a);
  std::stable_sort(order.begin(), order.end(), [](const AchievementDefinition* a, const AchievementDefinition* b) {
    return a->globalPercent > b->globalPercent;
  });
  return order;
}

}  // namespace

bool getStat(const char* name, int32* value) { return readStat(name, value); }
bool getStat(const char* name, float* value) { return readStat(name, value); }
bool setStat(const char* name, int32 value) { return writeStat(name, value); }
bool setStat(const char* name, float value) { return writeStat(name, value); }

bool getAchievement(const char* name, bool* achieved, uint32* unlockTime) {
  const AchievementDefinition* definition = achievementDefinition(name);
  if (definition == nullptr) return false;
  Unlock unlock = progress().achievements[definition->name];
  if (achieved != nullptr) *achieved = unlock.achieved;
  if (unlockTime != nullptr) *unlockTime = unlock.time;
  return true;
}

bool setAchievement(const char* name) {
  const AchievementDefinition* definition = achievementDefinition(name);
  if (definition == nullptr) return false;
  Unlock& unlock = progress().achievements[definition->name];
  if (!unlock.achieved) {
    unlock = Unlock{true, static_cast<uint32>(std::time(nullptr))};
    progress().unlockedSinceStore.insert(definition->name);
  }
  return true;
}

bool clearAchievement(const char* name) {
  const AchievementDefinition* definition = achievementDefinition(name);
  if (definition == nullptr) return false;
  progress().achievements[definition->name] = Unlock{};
  progress().unlockedSinceStore.erase(definition->name);
  return true;
}

bool storeStats() {
  saveStats();
  auto stored = blank<UserStatsStored_t>();
  stored.m_nGameID = kGameId;
  stored.m_eResult = kResultOK;
  postLater(stored);
  for (const std::string& name : progress().unlockedSinceStore) {
    auto unlocked = blank<UserAchievementStored_t>();
    unlocked.m_nGameID = kGameId;
    std::snprintf(unlocked.m_rgchAchievementName, sizeof unlocked.m_rgchAchievementName, "%s", name.c_str());
    postLater(unlocked);
  }
  progress().unlockedSinceStore.clear();
  return true;
}

LeaderboardFindResult_t findLeaderboard(const char* name) {
  auto result = blank<LeaderboardFindResult_t>();
  if (const Leaderboard* board = leaderboard(name)) {
    result.m_hSteamLeaderboard = board->handle;
    result.m_bLeaderboardFound = 1;
  }
  return result;
}

int leaderboardEntryCount(SteamLeaderboard_t handle) {
  const Leaderboard* board = leaderboard(handle);
  return board == nullptr ? 0 : static_cast<int>(ranking(*board).size());
}

LeaderboardScoresDownloaded_t downloadEntries(SteamLeaderboard_t board, ELeaderboardDataRequest request, int start,
                                              int end) {
  return download(board, [&](const BoardEntry& entry, int rank, const std::vector<BoardEntry>& all) {
    switch (request) {
      case k_ELeaderboardDataRequestGlobal:
        return rank >= start && rank <= end;
      case k_ELeaderboardDataRequestGlobalAroundUser: {
        int own = rankOfPlayer(all);
        return own != 0 && rank >= own + start && rank <= own + end;
      }
      case k_ELeaderboardDataRequestFriends:
        return person(entry.steamId) != nullptr;
      default:
        return false;
    }
  });
}

LeaderboardScoresDownloaded_t downloadEntriesForUsers(SteamLeaderboard_t board, const CSteamID* users, int count) {
  return download(board, [&](const BoardEntry& entry, int, const std::vector<BoardEntry>&) {
    for (int i = 0; users != nullptr && i < count; ++i) {
      if (users[i].value == entry.steamId) return true;
    }
    return false;
  });
}

bool downloadedEntry(SteamLeaderboardEntries_t entries, int index, LeaderboardEntry_t* entry) {
  auto found = progress().downloads.find(entries);
  if (found == progress().downloads.end() || index < 0 || index >= static_cast<int>(found->second.size())) {
    return false;
  }
  if (entry != nullptr) *entry = found->second[static_cast<std::size_t>(index)];
  return true;
}

LeaderboardScoreUploaded_t uploadScore(SteamLeaderboard_t handle, ELeaderboardUploadScoreMethod method, int32 score) {
  auto result = blank<LeaderboardScoreUploaded_t>();
  result.m_hSteamLeaderboard = handle;
  result.m_nScore = score;
  const Leaderboard* board = leaderboard(handle);
  if (board == nullptr) return result;
  result.m_bSuccess = 1;
  result.m_nGlobalRankPrevious = rankOfPlayer(ranking(*board));
  auto& scores = progress().scores;
  auto own = scores.find(handle);
  bool replace = own == scores.end() || method == k_ELeaderboardUploadScoreMethodForceUpdate ||
                 better(*board, score, own->second);
  if (replace && (own == scores.end() || own->second != score)) {
    scores[handle] = score;
    result.m_bScoreChanged = 1;
    saveScores();
  }
  result.m_nGlobalRankNew = rankOfPlayer(ranking(*board));
  return result;
}

int mostAchieved(int iterator, char* name, uint32 nameSize, float* percent, bool* achieved) {
  std::vector<const AchievementDefinition*> order = byPercent();
  if (iterator < 0 || iterator >= static_cast<int>(order.size())) return -1;
  const AchievementDefinition& definition = *order[static_cast<std::size_t>(iterator)];
  if (name != nullptr && nameSize > 0) std::snprintf(name, nameSize, "%s", definition.name);
  if (percent != nullptr) *percent = definition.globalPercent;
  getAchievement(definition.name, achieved, nullptr);
  return iterator;
}

bool achievedPercent(const char* name, float* percent) {
  const AchievementDefinition* definition = achievementDefinition(name);
  if (definition == nullptr) return false;
  if (percent != nullptr) *percent = definition->globalPercent;
  return true;
}

}  // namespace standin::world
