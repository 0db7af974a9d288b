// The flat functions of the Steamworks client library, the callback-slot
// contract they share with the bridge, and the interfaces they hand out.
#pragma once

#include "steam_types.h"

#if defined(_WIN32)
#  if defined(ZENTROBE_BUILDING_STEAM_API)
#    define S_API extern "C" __declspec(dllexport)
#  else
#    define S_API extern "C" __declspec(dllimport)
#  endif
#  define S_CALLTYPE __cdecl
#else
#  define S_API extern "C" __attribute__((visibility("default")))
#  define S_CALLTYPE
#endif

// A slot that the library calls when an event arrives. The virtual table
// holds exactly these three entries in this order; the library reads the two
// fields that follow the table pointer.
class CCallbackBase {
 public:
  enum { k_ECallbackFlagsRegistered = 0x01 };

  virtual void Run(void* param, bool ioFailure, SteamAPICall_t call) = 0;
  virtual void Run(void* param) = 0;
  virtual int GetCallbackSizeBytes() = 0;

  uint8 m_nCallbackFlags = 0;
  int32 m_iCallback = 0;

 protected:
  CCallbackBase() = default;
  // Slots are never deleted through this type; a virtual destructor would add
  // entries to the table that the library does not expect.
  ~CCallbackBase() = default;
  CCallbackBase(const CCallbackBase&) = delete;
  CCallbackBase& operator=(const CCallbackBase&) = delete;
};

class ISteamClient;
class ISteamUser;
class ISteamFriends;
class ISteamUtils;
class ISteamMatchmaking;
class ISteamUserStats;
class ISteamApps;
class ISteamNetworking;
class ISteamMatchmakingServers;
class ISteamRemoteStorage;

S_API bool S_CALLTYPE SteamAPI_Init();
S_API void S_CALLTYPE SteamAPI_Shutdown();
S_API bool S_CALLTYPE SteamAPI_IsSteamRunning();
S_API void S_CALLTYPE SteamAPI_RunCallbacks();

S_API ISteamClient* S_CALLTYPE SteamClient();
S_API ISteamUser* S_CALLTYPE SteamUser();
S_API ISteamFriends* S_CALLTYPE SteamFriends();
S_API ISteamUtils* S_CALLTYPE SteamUtils();
S_API ISteamMatchmaking* S_CALLTYPE SteamMatchmaking();
S_API ISteamUserStats* S_CALLTYPE SteamUserStats();
S_API ISteamApps* S_CALLTYPE SteamApps();
S_API ISteamNetworking* S_CALLTYPE SteamNetworking();
S_API ISteamMatchmakingServers* S_CALLTYPE SteamMatchmakingServers();
S_API ISteamRemoteStorage* S_CALLTYPE SteamRemoteStorage();

S_API void S_CALLTYPE SteamAPI_RegisterCallback(CCallbackBase* slot, int callbackNumber);
S_API void S_CALLTYPE SteamAPI_UnregisterCallback(CCallbackBase* slot);
S_API void S_CALLTYPE SteamAPI_RegisterCallResult(CCallbackBase* slot, SteamAPICall_t call);
S_API void S_CALLTYPE SteamAPI_UnregisterCallResult(CCallbackBase* slot, SteamAPICall_t call);
