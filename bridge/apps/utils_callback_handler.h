// The listener adapter of SteamUtils: five callback slots, registered in this
// order as the members are built and unregistered in reverse as they go.
#pragma once

#include <jni.h>

#include "adapter/adapter_record.h"
#include "adapter/slots.h"
#include "steamworks/isteamutils.h"

namespace nimbrel {

class UtilsCallbackHandler final : public AdapterRecord {
 public:
  UtilsCallbackHandler(JNIEnv* env, jobject listener)
      : AdapterRecord(env, listener, "net/quorlen/steam/NativeUtilsListener") {}

  CCallback<UtilsCallbackHandler, IPCountry_t> ipCountry{
      this, {"onIPCountry", "()V"}, &UtilsCallbackHandler::onIPCountry};
  CCallback<UtilsCallbackHandler, LowBatteryPower_t> lowBatteryPower{
      this, {"onLowBatteryPower", "(I)V"}, &UtilsCallbackHandler::onLowBatteryPower};
  CCallback<UtilsCallbackHandler, SteamAPICallCompleted_t> steamAPICallCompleted{
      this, {"onSteamAPICallCompleted", "(J)V"}, &UtilsCallbackHandler::onSteamAPICallCompleted};
  CCallback<UtilsCallbackHandler, SteamShutdown_t> steamShutdown{
      this, {"onSteamShutdown", "()V"}, &UtilsCallbackHandler::onSteamShutdown};
  CCallback<UtilsCallbackHandler, CheckFileSignature_t> checkFileSignature{
      this, {"onCheckFileSignature", "(I)V"}, &UtilsCallbackHandler::onCheckFileSignature};

 private:
  void onIPCountry(const IPCountry_t& event, const ListenerMethod& method);
  void onLowBatteryPower(const LowBatteryPower_t& event, const ListenerMethod& method);
  void onSteamAPICallCompleted(const SteamAPICallCompleted_t& event, const ListenerMethod& method);
  void onSteamShutdown(const SteamShutdown_t& event, const ListenerMethod& method);
  void onCheckFileSignature(const CheckFileSignature_t& event, const ListenerMethod& method);
};

}  // namespace nimbrel
