// The listener adapter of SteamUser: the user's link to the Steam servers and
// client, a game server's refusal, and the outcome of ticket validations,
// turned into calls on a NativeUserListener. It has callback slots only,
// registered as they are built and unregistered in reverse as it is destroyed.
#pragma once

#include "adapter/adapter_record.h"
#include "adapter/slots.h"
#include "steamworks/isteamuser.h"

namespace nimbrel {

class UserCallbackHandler final : public AdapterRecord {
 public:
  UserCallbackHandler(JNIEnv* env, jobject listener)
      : AdapterRecord(env, listener, "net/quorlen/steam/NativeUserListener") {}

  using Self = UserCallbackHandler;

  CCallback<Self, SteamServersConnected_t> steamServersConnected{
      this, {"onSteamServersConnected", "()V"}, &Self::onSteamServersConnected};
  CCallback<Self, SteamServerConnectFailure_t> steamServerConnectFailure{
      this, {"onSteamServerConnectFailure", "(I)V"}, &Self::onSteamServerConnectFailure};
  CCallback<Self, SteamServersDisconnected_t> steamServersDisconnected{
      this, {"onSteamServersDisconnected", "(I)V"}, &Self::onSteamServersDisconnected};
  CCallback<Self, ClientGameServerDeny_t> clientGameServerDeny{
      this, {"onClientGameServerDeny", "(IIIZI)V"}, &Self::onClientGameServerDeny};
  CCallback<Self, IPCFailure_t> ipcFailure{this, {"onIPCFailure", "(I)V"}, &Self::onIPCFailure};
  CCallback<Self, ValidateAuthTicketResponse_t> validateAuthTicketResponse{
      this, {"onValidateAuthTicketResponse", "(JI)V"}, &Self::onValidateAuthTicketResponse};

 private:
  void onSteamServersConnected(const SteamServersConnected_t& e, const ListenerMethod& m);
  void onSteamServerConnectFailure(const SteamServerConnectFailure_t& e, const ListenerMethod& m);
  void onSteamServersDisconnected(const SteamServersDisconnected_t& e, const ListenerMethod& m);
  void onClientGameServerDeny(const ClientGameServerDeny_t& e, const ListenerMethod& m);
  void onIPCFailure(const IPCFailure_t& e, const ListenerMethod& m);
  void onValidateAuthTicketResponse(const ValidateAuthTicketResponse_t& e, const ListenerMethod& m);
};

}  // namespace nimbrel
