#include "events.h"

#include <map>

namespace standin {
namespace {

std::map<int, EventInfo>& known() {
  static std::map<int, EventInfo> events;
  return events;
}

}  // namespace

bool describeEvents(std::vector<EventInfo> events) {
  for (auto& event : events) known()[event.number] = std::move(event);
  return true;
}

const EventInfo* findEvent(int number) {
  auto found = known().find(number);
  return found == known().end() ? nullptr : &found->second;
}

}  // namespace standin
