// Steam IDs cross the boundary as jlong, all 64 bits unchanged.
#pragma once

#include <jni.h>

#include "../steamworks/steam_types.h"

namespace nimbrel {

inline CSteamID steamId(jlong value) {
  return CSteamID{static_cast<uint64>(value)};
}

inline jlong javaId(CSteamID id) {
  return static_cast<jlong>(id.value);
}

}  // namespace nimbrel
