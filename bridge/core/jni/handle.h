// Addresses travel to Java as jlong. A 32-bit build widens the address as a
// signed 32-bit integer (so addresses from 2^31 up read as negative numbers)
// and reads back only the low 32 bits; a 64-bit build carries the whole address.
#pragma once

#include <jni.h>

#include <cstdint>

namespace nimbrel {

inline jlong toHandle(const void* address) {
  return static_cast<jlong>(reinterpret_cast<std::intptr_t>(address));
}

template <class T>
T* fromHandle(jlong handle) {
  if constexpr (sizeof(void*) == 4) {
    return reinterpret_cast<T*>(static_cast<std::uintptr_t>(static_cast<std::uint32_t>(handle)));
  } else {
    return reinterpret_cast<T*>(static_cast<std::uintptr_t>(handle));
  }
}

}  // namespace nimbrel
