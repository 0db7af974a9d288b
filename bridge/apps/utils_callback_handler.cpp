#include "utils_callback_handler.h"

namespace nimbrel {

// IPCountry_t and SteamShutdown_t carry no fields: the call itself is the news.
void UtilsCallbackHandler::onIPCountry(const IPCountry_t&, const ListenerMethod& method) {
  call(method);
}

void UtilsCallbackHandler::onLowBatteryPower(const LowBatteryPower_t& event, const ListenerMethod& method) {
  call(method, static_cast<jint>(event.m_nMinutesBatteryLeft));
}

void UtilsCallbackHandler::onSteamAPICallCompleted(const SteamAPICallCompleted_t& event, const ListenerMethod& method) {
  call(method, static_cast<jlong>(event.m_hAsyncCall));
}

void UtilsCallbackHandler::onSteamShutdown(const SteamShutdown_t&, const ListenerMethod& method) {
  call(method);
}

void UtilsCallbackHandler::onCheckFileSignature(const CheckFileSignature_t& event, const ListenerMethod& method) {
  call(method, static_cast<jint>(event.m_eCheckFileSignature));
}

}  // namespace nimbrel
