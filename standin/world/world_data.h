// What the world holds that the player cannot change: people, the clan, the
// definitions of stats and achievements, leaderboards with other players'
// entries, DLC, languages and the avatar image.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "../../bridge/core/steamworks/steam_types.h"

namespace standin::world {

constexpr AppId_t kAppId = 22202;
constexpr uint64 kGameId = kAppId;
constexpr EResult kResultOK = 1;
constexpr EResult kResultFail = 2;
constexpr EResult kResultFileNotFound = 9;

struct Person {
  uint64 steamId;
  const char* name;
  int32 personaState;  // 0 offline, 1 online, 3 away
  int avatar;          // image handle of the medium avatar
};

struct Clan {
  uint64 steamId;
  const char* name;
  const char* tag;
  uint64 owner;
  std::vector<uint64> officers;
  int online, inGame, chatting;
};

struct StatDefinition {
  const char* name;
  bool isFloat;
};

struct AchievementDefinition {
  const char* name;
  float globalPercent;  // of all players who unlocked it
};

struct BoardEntry {
  uint64 steamId;
  int32 score;
};

struct Leaderboard {
  SteamLeaderboard_t handle;
  const char* name;
  int32 sortMethod;   // 1 ascending (lower is better), 2 descending
  int32 displayType;  // 1 numeric, 2 seconds, 3 milliseconds
  std::vector<BoardEntry> others;
};

struct Dlc {
  AppId_t appId;
  bool available;
  const char* name;
};

struct Image {
  int handle;
  uint32 width, height;
};

const Person& player();
const std::vector<Person>& friendsOfPlayer();
// The player or one of the friends, else null.
const Person* person(uint64 steamId);

const std::vector<Clan>& clans();
const Clan* clan(uint64 steamId);

const std::vector<StatDefinition>& statDefinitions();
const StatDefinition* statDefinition(const char* name);
const std::vector<AchievementDefinition>& achievementDefinitions();
const AchievementDefinition* achievementDefinition(const char* name);

const std::vector<Leaderboard>& leaderboards();
const Leaderboard* leaderboard(const char* name);
const Leaderboard* leaderboard(SteamLeaderboard_t handle);

const std::vector<Dlc>& dlc();
const char* currentLanguage();
const char* availableLanguages();
constexpr int32 kPlayersOnline = 1337;

const Image* image(int handle);
// The image's pixels, RGBA, row by row.
std::string imagePixels(const Image& image);

}  // namespace standin::world
