// The client library's flat functions, as the stand-in answers them.
#include "../../bridge/core/steamworks/steam_api.h"
#include "dispatcher.h"
#include "interfaces.h"
#include "recorder.h"
#include "script.h"

namespace {

// An accessor hands out its interface, or null when a test scripted 0.
template <class Interface>
Interface* accessor(const char* name) {
  standin::record(name);
  if (standin::scripted(name) && standin::scriptedInt(name) == 0) return nullptr;
  return static_cast<Interface*>(standin::interfaceObject(name));
}

}  // namespace

S_API bool S_CALLTYPE SteamAPI_Init() {
  standin::record("SteamAPI_Init");
  return standin::scriptedBool("SteamAPI_Init", true);
}

S_API void S_CALLTYPE SteamAPI_Shutdown() {
  standin::record("SteamAPI_Shutdown");
}

S_API bool S_CALLTYPE SteamAPI_IsSteamRunning() {
  standin::record("SteamAPI_IsSteamRunning");
  return standin::scriptedBool("SteamAPI_IsSteamRunning", true);
}

S_API void S_CALLTYPE SteamAPI_RunCallbacks() {
  standin::runCallbacks();
}

S_API ISteamClient* S_CALLTYPE SteamClient() {
  return accessor<ISteamClient>("SteamClient");
}
S_API ISteamUser* S_CALLTYPE SteamUser() {
  return accessor<ISteamUser>("SteamUser");
}
S_API ISteamFriends* S_CALLTYPE SteamFriends() {
  return accessor<ISteamFriends>("SteamFriends");
}
S_API ISteamUtils* S_CALLTYPE SteamUtils() {
  return accessor<ISteamUtils>("SteamUtils");
}
S_API ISteamMatchmaking* S_CALLTYPE SteamMatchmaking() {
  return accessor<ISteamMatchmaking>("SteamMatchmaking");
}
S_API ISteamUserStats* S_CALLTYPE SteamUserStats() {
  return accessor<ISteamUserStats>("SteamUserStats");
}
S_API ISteamApps* S_CALLTYPE SteamApps() {
  return accessor<ISteamApps>("SteamApps");
}
S_API ISteamNetworking* S_CALLTYPE SteamNetworking() {
  return accessor<ISteamNetworking>("SteamNetworking");
}
S_API ISteamMatchmakingServers* S_CALLTYPE SteamMatchmakingServers() {
  return accessor<ISteamMatchmakingServers>("SteamMatchmakingServers");
}
S_API ISteamRemoteStorage* S_CALLTYPE SteamRemoteStorage() {
  return accessor<ISteamRemoteStorage>("SteamRemoteStorage");
}

S_API void S_CALLTYPE SteamAPI_RegisterCallback(CCallbackBase* slot, int callbackNumber) {
  standin::registerCallback(slot, callbackNumber);
}
S_API void S_CALLTYPE SteamAPI_UnregisterCallback(CCallbackBase* slot) {
  standin::unregisterCallback(slot);
}
S_API void S_CALLTYPE SteamAPI_RegisterCallResult(CCallbackBase* slot, SteamAPICall_t call) {
  standin::registerCallResult(slot, call);
}
S_API void S_CALLTYPE SteamAPI_UnregisterCallResult(CCallbackBase* slot, SteamAPICall_t call) {
  standin::unregisterCallResult(slot, call);
}
