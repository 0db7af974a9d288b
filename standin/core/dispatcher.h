// Registration of callback and call-result slots, and the delivery of posted
// callbacks and completed calls inside SteamAPI_RunCallbacks, as the client
// library does it: only on the thread that pumps, each call result once.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "../../bridge/core/steamworks/steam_api.h"
#include "visibility.h"

namespace standin {

// The handle of a new asynchronous call of `method`: the scripted value when
// the test set one (0 for a call that does not start), else a fresh non-zero
// handle. Both are remembered as the last call.
STANDIN_API SteamAPICall_t newCall(const char* method);
STANDIN_API SteamAPICall_t lastCall();

// Queues an event for the next pump. `data` holds the structure of `number`.
STANDIN_API void postCallback(int number, std::vector<std::uint8_t> data);
STANDIN_API void completeCall(int number, SteamAPICall_t call, bool ioFailure, std::vector<std::uint8_t> data);

STANDIN_API int liveRegistrations();
STANDIN_API void clearPending();

void registerCallback(CCallbackBase* slot, int number);
void unregisterCallback(CCallbackBase* slot);
void registerCallResult(CCallbackBase* slot, SteamAPICall_t call);
void unregisterCallResult(CCallbackBase* slot, SteamAPICall_t call);
void runCallbacks();

}  // namespace standin
