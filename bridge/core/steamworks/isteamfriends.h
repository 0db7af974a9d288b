// ISteamFriends as the bridge calls it: persona and friends, clans and clan
// chat, overlay, rich presence, friend messages and following, and the event
// structures of the Friends listener adapter.
#pragma once

#include "steam_types.h"

using uint16 = std::uint16_t;

using EPersonaState = int32;
using EFriendRelationship = int32;
using EChatEntryType = int32;
using EChatRoomEnterResponse = int32;
using EOverlayToStoreFlag = int32;

// The game a friend is playing, as GetFriendGamePlayed fills it.
struct FriendGameInfo_t {
  STEAM_U64 m_gameID;  // app ID in the low 24 bits
  uint32 m_unGameIP;
  uint16 m_usGamePort;
  uint16 m_usQueryPort;
  CSteamID m_steamIDLobby;
};
static_assert(sizeof(FriendGameInfo_t) == 24, "FriendGameInfo_t layout");

class ISteamFriends {
 public:
  // Persona and friends list
  virtual const char* GetPersonaName() = 0;
  virtual SteamAPICall_t SetPersonaName(const char* personaName) = 0;
  virtual EPersonaState GetPersonaState() = 0;
  virtual int GetFriendCount(int friendFlags) = 0;
  virtual CSteamID GetFriendByIndex(int index, int friendFlags) = 0;
  virtual EFriendRelationship GetFriendRelationship(CSteamID steamIDFriend) = 0;
  virtual EPersonaState GetFriendPersonaState(CSteamID steamIDFriend) = 0;
  virtual const char* GetFriendPersonaName(CSteamID steamIDFriend) = 0;
  virtual bool GetFriendGamePlayed(CSteamID steamIDFriend, FriendGameInfo_t* gameInfo) = 0;
  virtual const char* GetFriendPersonaNameHistory(CSteamID steamIDFriend, int index) = 0;
  virtual bool HasFriend(CSteamID steamIDFriend, int friendFlags) = 0;
  virtual int GetSmallFriendAvatar(CSteamID steamIDFriend) = 0;
  virtual int GetMediumFriendAvatar(CSteamID steamIDFriend) = 0;
  virtual int GetLargeFriendAvatar(CSteamID steamIDFriend) = 0;
  virtual bool RequestUserInformation(CSteamID steamIDUser, bool requireNameOnly) = 0;
  virtual uint32 GetUserRestrictions() = 0;
  virtual int GetCoplayFriendCount() = 0;
  virtual CSteamID GetCoplayFriend(int index) = 0;
  virtual int GetFriendCoplayTime(CSteamID steamIDFriend) = 0;
  virtual AppId_t GetFriendCoplayGame(CSteamID steamIDFriend) = 0;
  virtual int GetFriendCountFromSource(CSteamID steamIDSource) = 0;
  virtual CSteamID GetFriendFromSourceByIndex(CSteamID steamIDSource, int index) = 0;
  virtual bool IsUserInSource(CSteamID steamIDUser, CSteamID steamIDSource) = 0;
  virtual void SetInGameVoiceSpeaking(CSteamID steamIDUser, bool speaking) = 0;
  virtual void SetPlayedWith(CSteamID steamIDUserPlayedWith) = 0;

  // Clans and clan chat
  virtual int GetClanCount() = 0;
  virtual CSteamID GetClanByIndex(int index) = 0;
  virtual const char* GetClanName(CSteamID steamIDClan) = 0;
  virtual const char* GetClanTag(CSteamID steamIDClan) = 0;
  virtual bool GetClanActivityCounts(CSteamID steamIDClan, int* online, int* inGame, int* chatting) = 0;
  virtual SteamAPICall_t DownloadClanActivityCounts(CSteamID* steamIDClans, int clansToRequest) = 0;
  virtual SteamAPICall_t RequestClanOfficerList(CSteamID steamIDClan) = 0;
  virtual CSteamID GetClanOwner(CSteamID steamIDClan) = 0;
  virtual int GetClanOfficerCount(CSteamID steamIDClan) = 0;
  virtual CSteamID GetClanOfficerByIndex(CSteamID steamIDClan, int officer) = 0;
  virtual SteamAPICall_t JoinClanChatRoom(CSteamID steamIDClan) = 0;
  virtual bool LeaveClanChatRoom(CSteamID steamIDClan) = 0;
  virtual int GetClanChatMemberCount(CSteamID steamIDClan) = 0;
  virtual CSteamID GetChatMemberByIndex(CSteamID steamIDClan, int user) = 0;
  virtual bool SendClanChatMessage(CSteamID steamIDClanChat, const char* text) = 0;
  virtual int GetClanChatMessage(CSteamID steamIDClanChat, int message, void* text, int textMax,
                                 EChatEntryType* chatEntryType, CSteamID* steamIDChatter) = 0;
  virtual bool IsClanChatAdmin(CSteamID steamIDClanChat, CSteamID steamIDUser) = 0;
  virtual bool IsClanChatWindowOpenInSteam(CSteamID steamIDClanChat) = 0;
  virtual bool OpenClanChatWindowInSteam(CSteamID steamIDClanChat) = 0;
  virtual bool CloseClanChatWindowInSteam(CSteamID steamIDClanChat) = 0;

  // Overlay
  virtual void ActivateGameOverlay(const char* dialog) = 0;
  virtual void ActivateGameOverlayToUser(const char* dialog, CSteamID steamID) = 0;
  virtual void ActivateGameOverlayToWebPage(const char* url) = 0;
  virtual void ActivateGameOverlayToStore(AppId_t appID, EOverlayToStoreFlag flag) = 0;
  virtual void ActivateGameOverlayInviteDialog(CSteamID steamIDLobby) = 0;

  // Rich presence and invitations
  virtual bool SetRichPresence(const char* key, const char* value) = 0;
  virtual void ClearRichPresence() = 0;
  virtual const char* GetFriendRichPresence(CSteamID steamIDFriend, const char* key) = 0;
  virtual int GetFriendRichPresenceKeyCount(CSteamID steamIDFriend) = 0;
  virtual const char* GetFriendRichPresenceKeyByIndex(CSteamID steamIDFriend, int key) = 0;
  virtual void RequestFriendRichPresence(CSteamID steamIDFriend) = 0;
  virtual bool InviteUserToGame(CSteamID steamIDFriend, const char* connectString) = 0;

  // Friend messages
  virtual bool SetListenForFriendsMessages(bool interceptEnabled) = 0;
  virtual bool ReplyToFriendMessage(CSteamID steamIDFriend, const char* msgToSend) = 0;
  virtual int GetFriendMessage(CSteamID steamIDFriend, int messageID, void* data, int dataMax,
                               EChatEntryType* chatEntryType) = 0;

  // Following
  virtual SteamAPICall_t GetFollowerCount(CSteamID steamID) = 0;
  virtual SteamAPICall_t IsFollowing(CSteamID steamID) = 0;
  virtual SteamAPICall_t EnumerateFollowingList(uint32 startIndex) = 0;

 protected:
  ~ISteamFriends() = default;
};

// Call results

struct DownloadClanActivityCountsResult_t {
  enum { k_iCallback = 341 };
  uint8 m_bSuccess;
};
static_assert(sizeof(DownloadClanActivityCountsResult_t) == 1, "DownloadClanActivityCountsResult_t layout");

struct ClanOfficerListResponse_t {
  enum { k_iCallback = 335 };
  CSteamID m_steamIDClan;
  int32 m_cOfficers;
  uint8 m_bSuccess;
};
static_assert(sizeof(ClanOfficerListResponse_t) == 16, "ClanOfficerListResponse_t layout");

struct JoinClanChatRoomCompletionResult_t {
  enum { k_iCallback = 342 };
  CSteamID m_steamIDClanChat;
  EChatRoomEnterResponse m_eChatRoomEnterResponse;
};
static_assert(sizeof(JoinClanChatRoomCompletionResult_t) == 12, "JoinClanChatRoomCompletionResult_t layout");

struct FriendsGetFollowerCount_t {
  enum { k_iCallback = 344 };
  EResult m_eResult;
  CSteamID m_steamID;
  int32 m_nCount;
};
static_assert(sizeof(FriendsGetFollowerCount_t) == 16, "FriendsGetFollowerCount_t layout");

struct FriendsIsFollowing_t {
  enum { k_iCallback = 345 };
  EResult m_eResult;
  CSteamID m_steamID;
  uint8 m_bIsFollowing;
};
static_assert(sizeof(FriendsIsFollowing_t) == 16, "FriendsIsFollowing_t layout");

constexpr int k_cEnumerateFollowersMax = 50;

struct FriendsEnumerateFollowingList_t {
  enum { k_iCallback = 346 };
  EResult m_eResult;
  CSteamID m_rgSteamID[k_cEnumerateFollowersMax];
  int32 m_nResultsReturned;
  int32 m_nTotalResultCount;
};
static_assert(sizeof(FriendsEnumerateFollowingList_t) == 412, "FriendsEnumerateFollowingList_t layout");

// Callbacks

struct PersonaStateChange_t {
  enum { k_iCallback = 304 };
  STEAM_U64 m_ulSteamID;
  int32 m_nChangeFlags;
};
static_assert(sizeof(PersonaStateChange_t) == 16, "PersonaStateChange_t layout");

struct GameOverlayActivated_t {
  enum { k_iCallback = 331 };
  uint8 m_bActive;
};
static_assert(sizeof(GameOverlayActivated_t) == 1, "GameOverlayActivated_t layout");

struct GameServerChangeRequested_t {
  enum { k_iCallback = 332 };
  char m_rgchServer[64];
  char m_rgchPassword[64];
};
static_assert(sizeof(GameServerChangeRequested_t) == 128, "GameServerChangeRequested_t layout");

struct GameLobbyJoinRequested_t {
  enum { k_iCallback = 333 };
  CSteamID m_steamIDLobby;
  CSteamID m_steamIDFriend;
};
static_assert(sizeof(GameLobbyJoinRequested_t) == 16, "GameLobbyJoinRequested_t layout");

struct AvatarImageLoaded_t {
  enum { k_iCallback = 334 };
  CSteamID m_steamID;
  int32 m_iImage;
  int32 m_iWide;
  int32 m_iTall;
};
static_assert(sizeof(AvatarImageLoaded_t) == 20, "AvatarImageLoaded_t layout");

struct FriendRichPresenceUpdate_t {
  enum { k_iCallback = 336 };
  CSteamID m_steamIDFriend;
  AppId_t m_nAppID;
};
static_assert(sizeof(FriendRichPresenceUpdate_t) == 12, "FriendRichPresenceUpdate_t layout");

struct GameRichPresenceJoinRequested_t {
  enum { k_iCallback = 337 };
  CSteamID m_steamIDFriend;
  char m_rgchConnect[256];
};
static_assert(sizeof(GameRichPresenceJoinRequested_t) == 264, "GameRichPresenceJoinRequested_t layout");

struct GameConnectedClanChatMsg_t {
  enum { k_iCallback = 338 };
  CSteamID m_steamIDClanChat;
  CSteamID m_steamIDUser;
  int32 m_iMessageID;
};
static_assert(sizeof(GameConnectedClanChatMsg_t) == 20, "GameConnectedClanChatMsg_t layout");

struct GameConnectedChatJoin_t {
  enum { k_iCallback = 339 };
  CSteamID m_steamIDClanChat;
  CSteamID m_steamIDUser;
};
static_assert(sizeof(GameConnectedChatJoin_t) == 16, "GameConnectedChatJoin_t layout");

struct GameConnectedChatLeave_t {
  enum { k_iCallback = 340 };
  CSteamID m_steamIDClanChat;
  CSteamID m_steamIDUser;
  uint8 m_bKicked;
  uint8 m_bDropped;
};
static_assert(sizeof(GameConnectedChatLeave_t) == 18, "GameConnectedChatLeave_t layout");

struct GameConnectedFriendChatMsg_t {
  enum { k_iCallback = 343 };
  CSteamID m_steamIDUser;
  int32 m_iMessageID;
};
static_assert(sizeof(GameConnectedFriendChatMsg_t) == 12, "GameConnectedFriendChatMsg_t layout");
