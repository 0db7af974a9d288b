// The stand-in's built-in world: a player with friends, a clan, statistics,
// leaderboards, DLC and an avatar, whose progress (stats, achievements,
// leaderboard scores, cloud files) is kept in a save folder beside the library,
// so a game runs against it with nothing scripted. Each interface's stand-in
// asks `answers(key)` where it would otherwise give its plain default: the world
// answers only what no test scripted, and only while it is on. It is on when the
// library loads; tests turn it off (StandIn.reset), so they see the plain
// stand-in and never write a save.
#pragma once

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "../core/dispatcher.h"
#include "../core/script.h"
#include "../core/visibility.h"

namespace standin::world {

STANDIN_API bool active();
// Turns the world on, its save in `saveFolder` ("" for steam-save beside the
// library); what is saved there is read before the world next answers.
STANDIN_API void activate(const std::string& saveFolder);
STANDIN_API void deactivate();

inline bool answers(const char* key) {
  return !scripted(key) && active();
}

// An event structure with every byte zero, padding included.
template <class Event>
Event blank() {
  Event event;
  std::memset(static_cast<void*>(&event), 0, sizeof event);
  return event;
}

template <class Event>
std::vector<std::uint8_t> bytesOf(const Event& event) {
  const auto* first = reinterpret_cast<const std::uint8_t*>(&event);
  return std::vector<std::uint8_t>(first, first + sizeof event);
}

// As Steamworks does, results and callbacks arrive at a later pump, never
// inside the call that caused them.
template <class Event>
void completeLater(SteamAPICall_t call, const Event& event) {
  if (call != 0) completeCall(Event::k_iCallback, call, false, bytesOf(event));
}

template <class Event>
void postLater(const Event& event) {
  postCallback(Event::k_iCallback, bytesOf(event));
}

// The saved state of one owner, in one file of the save folder: `load` gets
// the file's text ("" when there is none) whenever the world is switched on
// or first consulted; `save` replaces the file as a whole, and only while the
// world is on.
using Loader = void (*)(const std::string& text);
STANDIN_API bool keepSaved(const char* file, Loader load);
void save(const char* file, const std::string& text);

}  // namespace standin::world
