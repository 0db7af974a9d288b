// How the stand-in hands a scripted answer back through a caller's pointer or
// buffer, the way Steamworks fills them.
#pragma once

#include <cstddef>
#include <string>
#include <type_traits>

#include "../../bridge/core/steamworks/steam_types.h"
#include "script.h"

namespace standin {

// Copies `bytes`, from `offset` on, into a region of `size` bytes (none when
// the region is null); the number of bytes copied.
std::size_t copyBytes(void* region, std::size_t size, const std::string& bytes, std::size_t offset = 0);

// Copies text into a character buffer as Steamworks fills one: terminated
// when it fits, cut at the buffer's end (and then unterminated) when it does
// not. The number of text bytes copied.
std::size_t copyText(char* buffer, std::size_t size, const std::string& text);

// Copies text cut short enough to be always terminated.
void copyTerminated(char* buffer, std::size_t size, const std::string& text);

// Writes a scripted out-value, only when the test scripted one, so an
// unscripted call shows what the caller had put there.
template <class T>
void writeScripted(const char* key, T* out) {
  if (out == nullptr || !scripted(key)) return;
  if constexpr (std::is_same_v<T, CSteamID>) {
    *out = CSteamID{static_cast<uint64>(scriptedInt(key))};
  } else if constexpr (std::is_same_v<T, bool>) {
    *out = scriptedBool(key);
  } else if constexpr (std::is_floating_point_v<T>) {
    *out = static_cast<T>(scriptedReal(key));
  } else {
    *out = static_cast<T>(scriptedInt(key));
  }
}

}  // namespace standin
