// ISteamUtils as nimbrel calls it: idle and server times, country, images,
// battery, overlay, and the client's own events.
#pragma once

#include "steam_types.h"

// Steamworks enumerations cross as their 32-bit values; the bridge reads none of them.
using EUniverse = int32;
using ENotificationPosition = int32;
using ECheckFileSignature = int32;

class ISteamUtils {
 public:
  virtual uint32 GetSecondsSinceAppActive() = 0;
  virtual uint32 GetSecondsSinceComputerActive() = 0;
  virtual EUniverse GetConnectedUniverse() = 0;
  virtual uint32 GetServerRealTime() = 0;
  virtual const char* GetIPCountry() = 0;
  virtual bool GetImageSize(int image, uint32* width, uint32* height) = 0;
  // Writes the image's RGBA pixels to destination, at most destinationSize bytes.
  virtual bool GetImageRGBA(int image, uint8* destination, int destinationSize) = 0;
  virtual uint8 GetCurrentBatteryPower() = 0;
  virtual uint32 GetAppID() = 0;
  virtual void SetOverlayNotificationPosition(ENotificationPosition position) = 0;
  virtual bool IsOverlayEnabled() = 0;
  virtual uint32 GetIPCCallCount() = 0;

 protected:
  // The object belongs to Steamworks; nobody deletes it through this type, and
  // a virtual destructor would add table entries the library does not have.
  ~ISteamUtils() = default;
};

struct IPCountry_t {
  enum { k_iCallback = 701 };
};
static_assert(sizeof(IPCountry_t) == 1, "IPCountry_t as Steamworks lays it out");

struct LowBatteryPower_t {
  enum { k_iCallback = 702 };
  uint8 m_nMinutesBatteryLeft;
};
static_assert(sizeof(LowBatteryPower_t) == 1, "LowBatteryPower_t as Steamworks lays it out");

struct SteamAPICallCompleted_t {
  enum { k_iCallback = 703 };
  STEAM_U64 m_hAsyncCall;
};
static_assert(sizeof(SteamAPICallCompleted_t) == 8, "SteamAPICallCompleted_t as Steamworks lays it out");

struct SteamShutdown_t {
  enum { k_iCallback = 704 };
};
static_assert(sizeof(SteamShutdown_t) == 1, "SteamShutdown_t as Steamworks lays it out");

struct CheckFileSignature_t {
  enum { k_iCallback = 705 };
  ECheckFileSignature m_eCheckFileSignature;
};
static_assert(sizeof(CheckFileSignature_t) == 4, "CheckFileSignature_t as Steamworks lays it out");
