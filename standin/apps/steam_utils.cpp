// The stand-in's ISteamUtils: logs each call as it arrives and answers from the
// test's script (result under the method's name, out-values and pixels under
// "Method.parameter"), else from the built-in world while it is on, else with
// an idle client that knows no image.
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
#include "steamworks/isteamutils.h"

namespace {

using standin::at;
using standin::copyBytes;
using standin::out;
using standin::record;
using standin::scripted;
using standin::scriptedBool;
using standin::scriptedBytes;
using standin::scriptedInt;
using standin::scriptedText;
using standin::writeScripted;

template <class T>
T scriptedNumber(const char* key, T fallback = 0) {
  return static_cast<T>(scriptedInt(key, static_cast<std::int64_t>(fallback)));
}

class StandInUtils final : public ISteamUtils {
 public:
  uint32 GetSecondsSinceAppActive() override {
    record("GetSecondsSinceAppActive");
    return scriptedNumber<uint32>("GetSecondsSinceAppActive");
  }

  uint32 GetSecondsSinceComputerActive() override {
    record("GetSecondsSinceComputerActive");
    return scriptedNumber<uint32>("GetSecondsSinceComputerActive");
  }

  EUniverse GetConnectedUniverse() override {
    record("GetConnectedUniverse");
    return scriptedNumber<EUniverse>("GetConnectedUniverse");
  }

  uint32 GetServerRealTime() override {
    record("GetServerRealTime");
    return scriptedNumber<uint32>("GetServerRealTime");
  }

  const char* GetIPCountry() override {
    record("GetIPCountry");
    return scriptedText("GetIPCountry", "");
  }

  // Out-values are written whenever a test scripted them, whatever the
  // result, so that a test can see the bridge ignore them on false.
  bool GetImageSize(int image, uint32* width, uint32* height) override {
    record("GetImageSize", image, out(width), out(height));
    if (standin::world::answers("GetImageSize")) {
      const standin::world::Image* known = standin::world::image(image);
      if (known == nullptr) return false;
      *width = known->width;
      *height = known->height;
      return true;
    }
    writeScripted("GetImageSize.width", width);
    writeScripted("GetImageSize.height", height);
    return scriptedBool("GetImageSize", false);
  }

  // Writes the scripted pixels from the destination on, never more than its size.
  bool GetImageRGBA(int image, uint8* destination, int destinationSize) override {
    record("GetImageRGBA", image, at(destination), destinationSize);
    const standin::world::Image* known =
        standin::world::answers("GetImageRGBA") ? standin::world::image(image) : nullptr;
    if (known != nullptr) {
      std::string pixels = standin::world::imagePixels(*known);
      if (destinationSize < static_cast<int>(pixels.size())) return false;
      std::memcpy(destination, pixels.data(), pixels.size());
      return true;
    }
    std::string pixels = scriptedBytes("GetImageRGBA.destination");
    copyBytes(destination, static_cast<std::size_t>(std::max(destinationSize, 0)), pixels);
    return scriptedBool("GetImageRGBA", false);
  }

  uint8 GetCurrentBatteryPower() override {
    record("GetCurrentBatteryPower");
    return scriptedNumber<uint8>("GetCurrentBatteryPower");
  }

  uint32 GetAppID() override {
    record("GetAppID");
    bool world = standin::world::answers("GetAppID");
    return scriptedNumber<uint32>("GetAppID", world ? standin::world::kAppId : 0);
  }

  void SetOverlayNotificationPosition(ENotificationPosition position) override {
    record("SetOverlayNotificationPosition", position);
  }

  bool IsOverlayEnabled() override {
    record("IsOverlayEnabled");
    return scriptedBool("IsOverlayEnabled", standin::world::answers("IsOverlayEnabled"));
  }

  uint32 GetIPCCallCount() override {
    record("GetIPCCallCount");
    return scriptedNumber<uint32>("GetIPCCallCount");
  }
};

const bool provided = standin::provideInterface("SteamUtils", &standin::placeInterface<StandInUtils>);

const bool known = standin::describeEvents({
    STANDIN_EVENT(IPCountry_t, ),
    STANDIN_EVENT(LowBatteryPower_t, STANDIN_FIELD(LowBatteryPower_t, m_nMinutesBatteryLeft)),
    STANDIN_EVENT(SteamAPICallCompleted_t, STANDIN_FIELD(SteamAPICallCompleted_t, m_hAsyncCall)),
    STANDIN_EVENT(SteamShutdown_t, ),
    STANDIN_EVENT(CheckFileSignature_t, STANDIN_FIELD(CheckFileSignature_t, m_eCheckFileSignature)),
});

}  // namespace
