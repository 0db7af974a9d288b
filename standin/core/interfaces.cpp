#include "interfaces.h"

#include <cstdint>
#include <cstdlib>
#include <map>
#include <string>

#include "recorder.h"

#if !defined(_WIN32)
#include <sys/mman.h>
#endif

namespace standin {
namespace {

constexpr std::size_t kArenaSize = 64 * 1024;

struct Arena {
  char* begin = nullptr;
  std::size_t used = 0;
};

char* highArena() {
#if !defined(_WIN32)
  if constexpr (sizeof(void*) == 4) {
    // Ask for a spot well above 2^31; the hint is honoured when it is free.
    for (std::uintptr_t hint : {0xB0000000u, 0xA0000000u, 0x90000000u, 0xC0000000u}) {
      void* at = mmap(reinterpret_cast<void*>(hint), kArenaSize, PROT_READ | PROT_WRITE,
                      MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
      if (at == MAP_FAILED) continue;
      if (reinterpret_cast<std::uintptr_t>(at) >= 0x80000000u) return static_cast<char*>(at);
      munmap(at, kArenaSize);
    }
    fault("no interface memory above 2^31");
  }
#endif
  return nullptr;
}

std::map<std::string, InterfaceFactory>& factories() {
  static std::map<std::string, InterfaceFactory> all;
  return all;
}

struct Inert {
  virtual ~Inert() = default;
};

}  // namespace

void* interfaceMemory(std::size_t size) {
  static Arena arena{highArena(), 0};
  std::size_t rounded = (size + 15) & ~std::size_t{15};
  if (arena.begin == nullptr || arena.used + rounded > kArenaSize) return std::malloc(rounded);
  void* at = arena.begin + arena.used;
  arena.used += rounded;
  return at;
}

bool provideInterface(const char* accessor, InterfaceFactory factory) {
  factories()[accessor] = factory;
  return true;
}

void* interfaceObject(const char* accessor) {
  auto found = factories().find(accessor);
  if (found != factories().end()) return found->second();
  static std::map<std::string, void*> inert;
  void*& object = inert[accessor];
  if (object == nullptr) object = new (interfaceMemory(sizeof(Inert))) Inert();
  return object;
}

}  // namespace standin
