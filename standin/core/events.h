// The event structures the stand-in can deliver, each described by its fields
// so that a test can fill one by field name whatever the platform's layout.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <type_traits>
#include <vector>

#include "../../bridge/core/steamworks/steam_types.h"
#include "visibility.h"

namespace standin {

enum class FieldKind { Signed, Unsigned, Real, Text, SteamId, SteamIdArray };

struct FieldInfo {
  const char* name;
  std::size_t offset;
  std::size_t size;
  FieldKind kind;
};

struct EventInfo {
  int number;
  const char* name;
  std::size_t size;
  std::vector<FieldInfo> fields;
};

template <class T>
FieldInfo describeField(const char* name, std::size_t offset) {
  using Element = std::remove_all_extents_t<T>;
  FieldKind kind;
  if constexpr (std::is_same_v<T, CSteamID>) {
    kind = FieldKind::SteamId;
  } else if constexpr (std::is_array_v<T> && std::is_same_v<Element, CSteamID>) {
    kind = FieldKind::SteamIdArray;
  } else if constexpr (std::is_array_v<T> && std::is_same_v<Element, char>) {
    kind = FieldKind::Text;
  } else if constexpr (std::is_floating_point_v<T>) {
    kind = FieldKind::Real;
  } else if constexpr (std::is_enum_v<T> || std::is_signed_v<T>) {
    kind = FieldKind::Signed;
  } else {
    static_assert(std::is_unsigned_v<T>, "no field kind for this type");
    kind = FieldKind::Unsigned;
  }
  return FieldInfo{name, offset, sizeof(T), kind};
}

#define STANDIN_FIELD(Struct, member) ::standin::describeField<decltype(Struct::member)>(#member, offsetof(Struct, member))
#define STANDIN_EVENT(Struct, ...) \
  ::standin::EventInfo { Struct::k_iCallback, #Struct, sizeof(Struct), { __VA_ARGS__ } }

// Makes the events of one interface known; called from a static initialiser
// of each interface file: `static const bool known = standin::describeEvents({...});`
STANDIN_API bool describeEvents(std::vector<EventInfo> events);
STANDIN_API const EventInfo* findEvent(int number);

}  // namespace standin
