// The stand-in's ISteamApps: logs each call as it arrives and answers from the
// test's script (result under the method's name, out-values under
// "Method.parameter"), else from the built-in world while it is on, else with
// an app that has no DLC.
#include <algorithm>
#include <cstring>
#include <string>

#include "../core/answers.h"
#include "../core/events.h"
#include "../core/interfaces.h"
#include "../core/recorder.h"
#include "../core/script.h"
#include "../world/world.h"
#include "../world/world_data.h"
#include "steamworks/isteamapps.h"

namespace {

using standin::out;
using standin::copyText;
using standin::record;
using standin::writeScripted;
using standin::scripted;
using standin::scriptedBool;
using standin::scriptedBytes;
using standin::scriptedInt;
using standin::scriptedText;

class StandInApps final : public ISteamApps {
 public:
  bool BIsLowViolence() override {
    record("BIsLowViolence");
    return scriptedBool("BIsLowViolence", false);
  }

  bool BIsVACBanned() override {
    record("BIsVACBanned");
    return scriptedBool("BIsVACBanned", false);
  }

  const char* GetCurrentGameLanguage() override {
    record("GetCurrentGameLanguage");
    bool world = standin::world::answers("GetCurrentGameLanguage");
    return scriptedText("GetCurrentGameLanguage", world ? standin::world::currentLanguage() : "english");
  }

  const char* GetAvailableGameLanguages() override {
    record("GetAvailableGameLanguages");
    bool world = standin::world::answers("GetAvailableGameLanguages");
    return scriptedText("GetAvailableGameLanguages", world ? standin::world::availableLanguages() : "english");
  }

  int GetDLCCount() override {
    record("GetDLCCount");
    return dlcCount();
  }

  // The out-values are written whenever a test scripted them, whatever the
  // result, so that a test can see the bridge ignore them on false.
  bool BGetDLCDataByIndex(int index, AppId_t* appId, bool* available, char* name, int nameBufferSize) override {
    record("BGetDLCDataByIndex", index, out(appId), out(available), out(name), nameBufferSize);
    if (standin::world::answers("BGetDLCDataByIndex")) {
      const auto& all = standin::world::dlc();
      if (index < 0 || index >= static_cast<int>(all.size())) return false;
      const standin::world::Dlc& row = all[static_cast<std::size_t>(index)];
      *appId = row.appId;
      *available = row.available;
      copyText(name, static_cast<std::size_t>(std::max(nameBufferSize, 0)), row.name);
      return true;
    }
    bool found = scripted("BGetDLCDataByIndex") ? scriptedBool("BGetDLCDataByIndex")
                                                 : index >= 0 && index < dlcCount();
    writeScripted("BGetDLCDataByIndex.appId", appId);
    writeScripted("BGetDLCDataByIndex.available", available);
    if (scripted("BGetDLCDataByIndex.name")) {
      copyText(name, static_cast<std::size_t>(std::max(nameBufferSize, 0)), scriptedBytes("BGetDLCDataByIndex.name"));
    }
    return found;
  }

  void InstallDLC(AppId_t appId) override {
    record("InstallDLC", appId);
  }

  void UninstallDLC(AppId_t appId) override {
    record("UninstallDLC", appId);
  }

 private:
  static int dlcCount() {
    bool world = standin::world::answers("GetDLCCount");
    return static_cast<int>(scriptedInt("GetDLCCount", world ? static_cast<int>(standin::world::dlc().size()) : 0));
  }
};

const bool provided = standin::provideInterface("SteamApps", &standin::placeInterface<StandInApps>);

const bool known = standin::describeEvents({
    STANDIN_EVENT(DlcInstalled_t, STANDIN_FIELD(DlcInstalled_t, m_nAppID)),
});

}  // namespace
