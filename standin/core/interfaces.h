// The interface objects the stand-in hands out. Each interface file makes its
// object known under its accessor's name ("SteamUserStats"); accessors of
// interfaces the stand-in does not implement hand out an inert object.
#pragma once

#include <cstddef>
#include <new>

#include "visibility.h"

namespace standin {

// Memory for an interface object. On a 32-bit build the objects are placed at
// addresses of 2^31 and above, where their handles read as negative numbers in
// Java, so that path is exercised for real.
void* interfaceMemory(std::size_t size);

using InterfaceFactory = void* (*)();
STANDIN_API bool provideInterface(const char* accessor, InterfaceFactory factory);
void* interfaceObject(const char* accessor);

// Builds `Implementation` once, in interface memory, and hands out the same object each time.
template <class Implementation>
void* placeInterface() {
  static void* object = new (interfaceMemory(sizeof(Implementation))) Implementation();
  return object;
}

}  // namespace standin
