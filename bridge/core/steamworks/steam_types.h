// Steamworks' scalar types and the Steam ID as the client library lays them out.
#pragma once

#include <cstdint>

using uint8 = std::uint8_t;
using int32 = std::int32_t;
using uint32 = std::uint32_t;
using int64 = std::int64_t;
using uint64 = std::uint64_t;

using SteamAPICall_t = uint64;
using AppId_t = uint32;
using DepotId_t = uint32;
using HAuthTicket = uint32;
using UGCHandle_t = uint64;
using SteamLeaderboard_t = uint64;
using SteamLeaderboardEntries_t = uint64;
using EResult = int32;

constexpr SteamAPICall_t k_uAPICallInvalid = 0;

// The client library packs the Steam ID to one-byte alignment, so in callback
// structures it sits without padding even where a uint64 would be aligned to 8.
#pragma pack(push, 1)
struct CSteamID {
  uint64 value;
};
#pragma pack(pop)
static_assert(sizeof(CSteamID) == 8 && alignof(CSteamID) == 1, "CSteamID is packed");

// Callback structures are laid out with 8-byte packing on every target; the
// uint64 fields (game IDs, handles) use this type so that i386, whose ABI would
// align them to 4, gets the same layout as Windows x86.
#define STEAM_U64 alignas(8) uint64
