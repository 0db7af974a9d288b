#include "world.h"

#include <cstdio>
#include <map>

#include "save_folder.h"

namespace standin::world {
namespace {

struct Switch {
  bool on = true;
  bool loaded = false;
  std::string folder;  // "" until first needed: then beside the library
};

Switch& state() {
  static Switch s;
  return s;
}

std::map<std::string, Loader>& keepers() {
  static std::map<std::string, Loader> all;
  return all;
}

std::string& folder() {
  Switch& s = state();
  if (s.folder.empty()) s.folder = defaultSaveFolder();
  return s.folder;
}

}  // namespace

bool active() {
  Switch& s = state();
  if (s.on && !s.loaded) {
    // Set first: a loader that asks whether the world is on must not load again.
    s.loaded = true;
    for (const auto& [file, load] : keepers()) load(readSaved(folder(), file));
  }
  return s.on;
}

void activate(const std::string& saveFolder) {
  state() = Switch{true, false, saveFolder};
}

void deactivate() {
  state().on = false;
}

bool keepSaved(const char* file, Loader load) {
  keepers()[file] = load;
  return true;
}

void save(const char* file, const std::string& text) {
  if (!active()) return;
  // A failed save leaves the previous one in place; the game plays on, as it
  // would with Steam's cloud out of reach.
  if (!writeSaved(folder(), file, text)) std::fprintf(stderr, "steam stand-in: could not save %s\n", file);
}

}  // namespace standin::world
