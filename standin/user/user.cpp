// The stand-in's ISteamUser: logs each call as received and answers what a
// test scripted (the result under the method's name, out-values and data under
// "Method.parameter"), with plain answers of a logged-on player otherwise.
#include <algorithm>
#include <cstddef>
#include <cstring>
#include <string>

#include "../../bridge/core/steamworks/isteamuser.h"
#include "../core/answers.h"
#include "../core/events.h"
#include "../core/interfaces.h"
#include "../core/recorder.h"
#include "../core/script.h"

namespace standin {
namespace {

constexpr int64 kPlayer = 76561197960287930;
constexpr uint32 kOptimalSampleRate = 11025;

// The voice of one kind that GetVoice hands out when it is wanted.
uint32 voiceInto(bool wanted, const char* key, void* region, uint32 size, uint32* written) {
  auto count = static_cast<uint32>(wanted ? copyBytes(region, size, scriptedBytes(key)) : 0);
  if (written != nullptr) *written = count;
  return count;
}

class StandInUser final : public ISteamUser {
 public:
  CSteamID GetSteamID() override {
    record("GetSteamID");
    return CSteamID{static_cast<uint64>(scriptedInt("GetSteamID", kPlayer))};
  }

  bool BLoggedOn() override {
    record("BLoggedOn");
    return scriptedBool("BLoggedOn", true);
  }

  bool BIsBehindNAT() override {
    record("BIsBehindNAT");
    return scriptedBool("BIsBehindNAT", false);
  }

  int InitiateGameConnection(void* authBlob, int maxAuthBlob, CSteamID gameServer, uint32 serverIp,
                             uint16 serverPort, bool secure) override {
    record("InitiateGameConnection", at(authBlob), maxAuthBlob, gameServer, serverIp, serverPort, secure);
    uint32 written = copyBytes(authBlob, static_cast<std::size_t>(std::max(maxAuthBlob, 0)),
                              scriptedBytes("InitiateGameConnection.authBlob", "standin-auth-blob"));
    return static_cast<int>(scriptedInt("InitiateGameConnection", written));
  }

  void TerminateGameConnection(uint32 serverIp, uint16 serverPort) override {
    record("TerminateGameConnection", serverIp, serverPort);
  }

  bool GetUserDataFolder(char* buffer, int bufferSize) override {
    record("GetUserDataFolder", out(buffer), bufferSize);
    if (buffer != nullptr && bufferSize > 0) {
      std::string folder = scriptedBytes("GetUserDataFolder.buffer", "/standin/userdata/22202/local");
      copyTerminated(buffer, static_cast<std::size_t>(bufferSize), folder);
    }
    return scriptedBool("GetUserDataFolder", true);
  }

  HAuthTicket GetAuthSessionTicket(void* ticket, int maxTicket, uint32* ticketLength) override {
    record("GetAuthSessionTicket", at(ticket), maxTicket, out(ticketLength));
    uint32 written = copyBytes(ticket, static_cast<std::size_t>(std::max(maxTicket, 0)),
                              scriptedBytes("GetAuthSessionTicket.ticket", "standin-ticket"));
    if (ticketLength != nullptr) {
      *ticketLength = static_cast<uint32>(scriptedInt("GetAuthSessionTicket.ticketLength", written));
    }
    return static_cast<HAuthTicket>(scriptedInt("GetAuthSessionTicket", ++lastTicket_));
  }

  EBeginAuthSessionResult BeginAuthSession(const void* ticket, int ticketLength, CSteamID ticketOwner) override {
    record("BeginAuthSession", at(ticket), ticketLength, ticketOwner);
    return static_cast<EBeginAuthSessionResult>(scriptedInt("BeginAuthSession", 0));
  }

  void EndAuthSession(CSteamID user) override { record("EndAuthSession", user); }

  void CancelAuthTicket(HAuthTicket ticket) override { record("CancelAuthTicket", ticket); }

  void AdvertiseGame(CSteamID gameServer, uint32 serverIp, uint16 serverPort) override {
    record("AdvertiseGame", gameServer, serverIp, serverPort);
  }

  void StartVoiceRecording() override { record("StartVoiceRecording"); }

  void StopVoiceRecording() override { record("StopVoiceRecording"); }

  EVoiceResult GetAvailableVoice(uint32* compressedBytes, uint32* uncompressedBytes,
                                 uint32 desiredSampleRate) override {
    record("GetAvailableVoice", out(compressedBytes), out(uncompressedBytes), desiredSampleRate);
    if (compressedBytes != nullptr) {
      *compressedBytes = static_cast<uint32>(scriptedInt("GetAvailableVoice.compressedBytes", 0));
    }
    if (uncompressedBytes != nullptr) {
      *uncompressedBytes = static_cast<uint32>(scriptedInt("GetAvailableVoice.uncompressedBytes", 0));
    }
    return static_cast<EVoiceResult>(scriptedInt("GetAvailableVoice", 0));
  }

  EVoiceResult GetVoice(bool wantCompressed, void* compressed, uint32 compressedSize, uint32* compressedBytesWritten,
                        bool wantUncompressed, void* uncompressed, uint32 uncompressedSize,
                        uint32* uncompressedBytesWritten, uint32 desiredSampleRate) override {
    record("GetVoice", wantCompressed, at(compressed), compressedSize, out(compressedBytesWritten), wantUncompressed,
           at(uncompressed), uncompressedSize, out(uncompressedBytesWritten), desiredSampleRate);
    voiceInto(wantCompressed, "GetVoice.compressed", compressed, compressedSize, compressedBytesWritten);
    voiceInto(wantUncompressed, "GetVoice.uncompressed", uncompressed, uncompressedSize, uncompressedBytesWritten);
    return static_cast<EVoiceResult>(scriptedInt("GetVoice", 0));
  }

  EVoiceResult DecompressVoice(const void* compressed, uint32 compressedSize, void* destination,
                               uint32 destinationSize, uint32* bytesWritten, uint32 desiredSampleRate) override {
    record("DecompressVoice", at(compressed), compressedSize, at(destination), destinationSize, out(bytesWritten),
           desiredSampleRate);
    auto written = static_cast<uint32>(copyBytes(destination, destinationSize, scriptedBytes("DecompressVoice.destination")));
    if (bytesWritten != nullptr) *bytesWritten = written;
    return static_cast<EVoiceResult>(scriptedInt("DecompressVoice", 0));
  }

  uint32 GetVoiceOptimalSampleRate() override {
    record("GetVoiceOptimalSampleRate");
    return static_cast<uint32>(scriptedInt("GetVoiceOptimalSampleRate", kOptimalSampleRate));
  }

 private:
  HAuthTicket lastTicket_ = 0;
};

const bool provided = provideInterface("SteamUser", &placeInterface<StandInUser>);

const bool described = describeEvents({
    STANDIN_EVENT(SteamServersConnected_t),
    STANDIN_EVENT(SteamServerConnectFailure_t, STANDIN_FIELD(SteamServerConnectFailure_t, m_eResult)),
    STANDIN_EVENT(SteamServersDisconnected_t, STANDIN_FIELD(SteamServersDisconnected_t, m_eResult)),
    STANDIN_EVENT(ClientGameServerDeny_t, STANDIN_FIELD(ClientGameServerDeny_t, m_uAppID),
                  STANDIN_FIELD(ClientGameServerDeny_t, m_unGameServerIP),
                  STANDIN_FIELD(ClientGameServerDeny_t, m_usGameServerPort),
                  STANDIN_FIELD(ClientGameServerDeny_t, m_bSecure), STANDIN_FIELD(ClientGameServerDeny_t, m_uReason)),
    STANDIN_EVENT(IPCFailure_t, STANDIN_FIELD(IPCFailure_t, m_eFailureType)),
    STANDIN_EVENT(ValidateAuthTicketResponse_t, STANDIN_FIELD(ValidateAuthTicketResponse_t, m_SteamID),
                  STANDIN_FIELD(ValidateAuthTicketResponse_t, m_eAuthSessionResponse)),
});

}  // namespace
}  // namespace standin
