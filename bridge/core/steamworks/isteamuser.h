// ISteamUser as nimbrel uses it: the player's identity, game-server
// connections, auth sessions and voice, and the events of the user's link to
// Steam. Structures have the Windows x86 layout on every target.
#pragma once

#include <cstdint>

#include "steam_api.h"

using uint16 = std::uint16_t;

// Steamworks enumerations, carried to Java unchanged as int.
using EBeginAuthSessionResult = int32;
using EAuthSessionResponse = int32;
using EVoiceResult = int32;

constexpr HAuthTicket k_HAuthTicketInvalid = 0;

class ISteamUser {
 public:
  // Identity, game connections and auth sessions
  virtual CSteamID GetSteamID() = 0;
  virtual bool BLoggedOn() = 0;
  virtual bool BIsBehindNAT() = 0;
  virtual int InitiateGameConnection(void* authBlob, int maxAuthBlob, CSteamID gameServer, uint32 serverIp,
                                     uint16 serverPort, bool secure) = 0;
  virtual void TerminateGameConnection(uint32 serverIp, uint16 serverPort) = 0;
  virtual bool GetUserDataFolder(char* buffer, int bufferSize) = 0;
  virtual HAuthTicket GetAuthSessionTicket(void* ticket, int maxTicket, uint32* ticketLength) = 0;
  virtual EBeginAuthSessionResult BeginAuthSession(const void* ticket, int ticketLength, CSteamID ticketOwner) = 0;
  virtual void EndAuthSession(CSteamID user) = 0;
  virtual void CancelAuthTicket(HAuthTicket ticket) = 0;
  virtual void AdvertiseGame(CSteamID gameServer, uint32 serverIp, uint16 serverPort) = 0;

  // Voice
  virtual void StartVoiceRecording() = 0;
  virtual void StopVoiceRecording() = 0;
  virtual EVoiceResult GetAvailableVoice(uint32* compressedBytes, uint32* uncompressedBytes,
                                         uint32 desiredSampleRate) = 0;
  virtual EVoiceResult GetVoice(bool wantCompressed, void* compressed, uint32 compressedSize,
                                uint32* compressedBytesWritten, bool wantUncompressed, void* uncompressed,
                                uint32 uncompressedSize, uint32* uncompressedBytesWritten,
                                uint32 desiredSampleRate) = 0;
  virtual EVoiceResult DecompressVoice(const void* compressed, uint32 compressedSize, void* destination,
                                       uint32 destinationSize, uint32* bytesWritten, uint32 desiredSampleRate) = 0;
  virtual uint32 GetVoiceOptimalSampleRate() = 0;

 protected:
  ~ISteamUser() = default;
};

struct SteamServersConnected_t {
  enum { k_iCallback = 101 };
};
static_assert(sizeof(SteamServersConnected_t) == 1);

struct SteamServerConnectFailure_t {
  enum { k_iCallback = 102 };
  EResult m_eResult;
};
static_assert(sizeof(SteamServerConnectFailure_t) == 4);

struct SteamServersDisconnected_t {
  enum { k_iCallback = 103 };
  EResult m_eResult;
};
static_assert(sizeof(SteamServersDisconnected_t) == 4);

struct ClientGameServerDeny_t {
  enum { k_iCallback = 113 };
  uint32 m_uAppID;
  uint32 m_unGameServerIP;
  uint16 m_usGameServerPort;
  uint16 m_bSecure;
  uint32 m_uReason;
};
static_assert(sizeof(ClientGameServerDeny_t) == 16);

struct IPCFailure_t {
  enum { k_iCallback = 117 };
  uint8 m_eFailureType;
};
static_assert(sizeof(IPCFailure_t) == 1);

struct ValidateAuthTicketResponse_t {
  enum { k_iCallback = 143 };
  CSteamID m_SteamID;
  EAuthSessionResponse m_eAuthSessionResponse;
};
static_assert(sizeof(ValidateAuthTicketResponse_t) == 12);
