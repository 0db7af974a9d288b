// ISteamApps as nimbrel calls it: the game's content settings, languages and
// downloadable content, and the one event it hears, a DLC's installation.
#pragma once

#include "steam_types.h"

class ISteamApps {
 public:
  virtual bool BIsLowViolence() = 0;
  virtual bool BIsVACBanned() = 0;
  virtual const char* GetCurrentGameLanguage() = 0;
  virtual const char* GetAvailableGameLanguages() = 0;
  virtual int GetDLCCount() = 0;
  // Writes the DLC's app id, availability and name (at most nameBufferSize bytes).
  virtual bool BGetDLCDataByIndex(int index, AppId_t* appId, bool* available, char* name, int nameBufferSize) = 0;
  virtual void InstallDLC(AppId_t appId) = 0;
  virtual void UninstallDLC(AppId_t appId) = 0;

 protected:
  // The object belongs to Steamworks; nobody deletes it through this type, and
  // a virtual destructor would add table entries the library does not have.
  ~ISteamApps() = default;
};

struct DlcInstalled_t {
  enum { k_iCallback = 1005 };
  AppId_t m_nAppID;
};
static_assert(sizeof(DlcInstalled_t) == 4, "DlcInstalled_t as Steamworks lays it out");
