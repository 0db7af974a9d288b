#include "user_callback_handler.h"

#include "jni/booleans.h"
#include "jni/steam_id.h"

namespace nimbrel {

void UserCallbackHandler::onSteamServersConnected(const SteamServersConnected_t&, const ListenerMethod& m) {
  call(m);
}

void UserCallbackHandler::onSteamServerConnectFailure(const SteamServerConnectFailure_t& e,
                                                      const ListenerMethod& m) {
  call(m, static_cast<jint>(e.m_eResult));
}

void UserCallbackHandler::onSteamServersDisconnected(const SteamServersDisconnected_t& e,
                                                     const ListenerMethod& m) {
  call(m, static_cast<jint>(e.m_eResult));
}

void UserCallbackHandler::onClientGameServerDeny(const ClientGameServerDeny_t& e, const ListenerMethod& m) {
  // The secure flag is a 16-bit field: any non-zero value is set, whichever byte holds it.
  call(m, static_cast<jint>(e.m_uAppID), static_cast<jint>(e.m_unGameServerIP),
       static_cast<jint>(e.m_usGameServerPort), toJBoolean(e.m_bSecure != 0), static_cast<jint>(e.m_uReason));
}

void UserCallbackHandler::onIPCFailure(const IPCFailure_t& e, const ListenerMethod& m) {
  call(m, static_cast<jint>(e.m_eFailureType));
}

void UserCallbackHandler::onValidateAuthTicketResponse(const ValidateAuthTicketResponse_t& e,
                                                       const ListenerMethod& m) {
  call(m, javaId(e.m_SteamID), static_cast<jint>(e.m_eAuthSessionResponse));
}

}  // namespace nimbrel
