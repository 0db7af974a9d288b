#include "world_data.h"

#include <algorithm>
#include <cstring>

namespace standin::world {
namespace {

constexpr int kAvatar = 1;

template <class Row, class Key, class Match>
const Row* findRow(const std::vector<Row>& rows, Key key, Match match) {
  auto found = std::find_if(rows.begin(), rows.end(), [&](const Row& row) { return match(row, key); });
  return found == rows.end() ? nullptr : &*found;
}

bool sameName(const char* a, const char* b) {
  return a != nullptr && b != nullptr && std::strcmp(a, b) == 0;
}

}  // namespace

const Person& player() {
  static const Person me{76561197960287930ull, "Ilka Vantreu", 1, kAvatar};
  return me;
}

const std::vector<Person>& friendsOfPlayer() {
  static const std::vector<Person> all{
      {76561197960287931ull, "Oskar Brenn", 1, kAvatar},
      {76561197960287932ull, "Tamsin Oyelaran", 3, kAvatar},
      {76561197960287933ull, "Jun Haraldsen", 0, kAvatar},
  };
  return all;
}

const Person* person(uint64 steamId) {
  if (steamId == player().steamId) return &player();
  return findRow(friendsOfPlayer(), steamId, [](const Person& p, uint64 id) { return p.steamId == id; });
}

const std::vector<Clan>& clans() {
  static const std::vector<Clan> all{
      {103582791429521412ull, "Quorlen Cartographers", "QRLN", 76561197960287931ull,
       {76561197960287931ull, 76561197960287932ull}, 42, 7, 3},
  };
  return all;
}

const Clan* clan(uint64 steamId) {
  return findRow(clans(), steamId, [](const Clan& c, uint64 id) { return c.steamId == id; });
}

const std::vector<StatDefinition>& statDefinitions() {
  static const std::vector<StatDefinition> all{
      {"runs_started", false},
      {"levels_cleared", false},
      {"longest_run_km", true},
  };
  return all;
}

const StatDefinition* statDefinition(const char* name) {
  return findRow(statDefinitions(), name, [](const StatDefinition& s, const char* n) { return sameName(s.name, n); });
}

const std::vector<AchievementDefinition>& achievementDefinitions() {
  static const std::vector<AchievementDefinition> all{
      {"FIRST_STEPS", 81.5f},
      {"RETURNING_RUNNER", 34.2f},
      {"MARATHON", 4.7f},
  };
  return all;
}

const AchievementDefinition* achievementDefinition(const char* name) {
  return findRow(achievementDefinitions(), name,
                 [](const AchievementDefinition& a, const char* n) { return sameName(a.name, n); });
}

const std::vector<Leaderboard>& leaderboards() {
  static const std::vector<Leaderboard> all{
      {0x5A01, "Fastest Descent", 1, 3,
       {{76561197960287931ull, 61250}, {76561197960287932ull, 58990}, {76561197960287940ull, 55020},
        {76561197960287941ull, 70400}}},
      {0x5A02, "Longest Run", 2, 1,
       {{76561197960287933ull, 4200}, {76561197960287931ull, 3100}, {76561197960287942ull, 9800}}},
  };
  return all;
}

const Leaderboard* leaderboard(const char* name) {
  return findRow(leaderboards(), name, [](const Leaderboard& b, const char* n) { return sameName(b.name, n); });
}

const Leaderboard* leaderboard(SteamLeaderboard_t handle) {
  return findRow(leaderboards(), handle, [](const Leaderboard& b, SteamLeaderboard_t h) { return b.handle == h; });
}

const std::vector<Dlc>& dlc() {
  static const std::vector<Dlc> all{
      {22210, true, "Zentrobe Soundtrack"},
      {22211, false, "Frostline Expedition"},
  };
  return all;
}

const char* currentLanguage() {
  return "english";
}

const char* availableLanguages() {
  return "english,german,french,japanese";
}

const Image* image(int handle) {
  static const std::vector<Image> all{{kAvatar, 32, 32}};
  return findRow(all, handle, [](const Image& i, int h) { return i.handle == h; });
}

std::string imagePixels(const Image& image) {
  // A diagonal gradient: enough for a game to show that pixels arrived.
  std::string pixels;
  pixels.reserve(static_cast<std::size_t>(image.width) * image.height * 4);
  for (uint32 y = 0; y < image.height; ++y) {
    for (uint32 x = 0; x < image.width; ++x) {
      pixels += static_cast<char>(x * 255 / (image.width - 1));
      pixels += static_cast<char>(y * 255 / (image.height - 1));
      pixels += static_cast<char>(0x80);
      pixels += static_cast<char>(0xFF);
    }
  }
  return pixels;
}

}  // namespace standin::world
