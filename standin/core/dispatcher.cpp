#include "dispatcher.h"

#include <algorithm>
#include <deque>
#include <utility>

#include "events.h"
#include "recorder.h"
#include "script.h"

namespace standin {
namespace {

struct CallResultRegistration {
  CCallbackBase* slot;
  SteamAPICall_t call;
};

struct PendingEvent {
  int number;
  bool isCallResult;
  SteamAPICall_t call;
  bool ioFailure;
  std::vector<std::uint8_t> data;
};

struct State {
  std::vector<CCallbackBase*> callbacks;  // in registration order
  std::vector<CallResultRegistration> callResults;
  std::deque<PendingEvent> pending;
  SteamAPICall_t nextCall = 0x1000;
  SteamAPICall_t last = 0;
};

State& state() {
  static State s;
  return s;
}

bool sizeMatches(CCallbackBase* slot, int number, std::size_t size) {
  int reported = slot->GetCallbackSizeBytes();
  if (reported == static_cast<int>(size)) return true;
  fault("slot for " + std::to_string(number) + " reports " + std::to_string(reported) + " bytes, the structure has " +
        std::to_string(size));
  return false;
}

void deliverCallback(PendingEvent& event) {
  // A slot may register or unregister slots while it runs; deliver to those
  // registered when the event is dispatched and still registered when reached.
  std::vector<CCallbackBase*> targets;
  for (CCallbackBase* slot : state().callbacks) {
    if (slot->m_iCallback == event.number) targets.push_back(slot);
  }
  for (CCallbackBase* slot : targets) {
    auto& live = state().callbacks;
    if (std::find(live.begin(), live.end(), slot) == live.end()) continue;
    if (!sizeMatches(slot, event.number, event.data.size())) continue;
    slot->Run(event.data.data());
  }
}

void deliverCallResult(PendingEvent& event) {
  auto& live = state().callResults;
  auto found = std::find_if(live.begin(), live.end(),
                            [&](const CallResultRegistration& r) { return r.call == event.call; });
  if (found == live.end()) return;  // nobody waits for it any more
  CCallbackBase* slot = found->slot;
  live.erase(found);  // one delivery per call: the registration goes as it is delivered
  if (slot->m_iCallback != event.number) {
    fault("call " + std::to_string(event.call) + " completed as " + std::to_string(event.number) +
          " but its slot expects " + std::to_string(slot->m_iCallback));
    return;
  }
  if (!sizeMatches(slot, event.number, event.data.size())) return;
  slot->Run(event.data.data(), event.ioFailure, event.call);
}

}  // namespace

SteamAPICall_t newCall(const char* method) {
  SteamAPICall_t call = scripted(method) ? static_cast<SteamAPICall_t>(scriptedInt(method)) : state().nextCall++;
  state().last = call;
  return call;
}

SteamAPICall_t lastCall() {
  return state().last;
}

void postCallback(int number, std::vector<std::uint8_t> data) {
  state().pending.push_back(PendingEvent{number, false, 0, false, std::move(data)});
}

void completeCall(int number, SteamAPICall_t call, bool ioFailure, std::vector<std::uint8_t> data) {
  state().pending.push_back(PendingEvent{number, true, call, ioFailure, std::move(data)});
}

int liveRegistrations() {
  return static_cast<int>(state().callbacks.size() + state().callResults.size());
}

void clearPending() {
  state().pending.clear();
}

void registerCallback(CCallbackBase* slot, int number) {
  record("RegisterCallback", number);
  slot->m_iCallback = number;
  slot->m_nCallbackFlags |= CCallbackBase::k_ECallbackFlagsRegistered;
  state().callbacks.push_back(slot);
}

void unregisterCallback(CCallbackBase* slot) {
  record("UnregisterCallback", static_cast<int>(slot->m_iCallback));
  auto& live = state().callbacks;
  live.erase(std::remove(live.begin(), live.end(), slot), live.end());
  slot->m_nCallbackFlags &= static_cast<uint8>(~CCallbackBase::k_ECallbackFlagsRegistered);
}

void registerCallResult(CCallbackBase* slot, SteamAPICall_t call) {
  record("RegisterCallResult", static_cast<int>(slot->m_iCallback), call);
  if (call == 0) fault("call result registered for handle 0");
  state().callResults.push_back(CallResultRegistration{slot, call});
}

void unregisterCallResult(CCallbackBase* slot, SteamAPICall_t call) {
  record("UnregisterCallResult", static_cast<int>(slot->m_iCallback), call);
  auto& live = state().callResults;
  auto found = std::find_if(live.begin(), live.end(),
                            [&](const CallResultRegistration& r) { return r.slot == slot && r.call == call; });
  if (found == live.end()) {
    fault("unregistered a call result that was not registered: " + std::to_string(call));
    return;
  }
  live.erase(found);
}

void runCallbacks() {
  // Events queued while these are delivered wait for the next pump.
  std::deque<PendingEvent> batch = std::exchange(state().pending, {});
  for (PendingEvent& event : batch) {
    if (event.isCallResult) {
      deliverCallResult(event);
    } else {
      deliverCallback(event);
    }
  }
}

}  // namespace standin
