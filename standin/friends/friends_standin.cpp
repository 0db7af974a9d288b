// The stand-in's ISteamFriends: every call is logged with its arguments as
// received; answers come from the script (the result under the method's name,
// out-values under "Method.param"), each decided in the method's own line, with
// the default an unscripted call gets beside it: the built-in world's, while it
// is on.
#include <algorithm>
#include <cstring>
#include <string>

#include "../../bridge/core/steamworks/isteamfriends.h"
#include "../core/answers.h"
#include "../core/dispatcher.h"
#include "../core/interfaces.h"
#include "../core/recorder.h"
#include "../core/script.h"
#include "../world/world.h"
#include "../world/world_data.h"

namespace standin::friends {
namespace {

// A list of Steam IDs handed in, logged as "[a, b]".
struct IdList {
  const CSteamID* ids;
  int count;
};

std::string describe(IdList list) {
  return describeList(list.ids, list.count);
}

CSteamID idAnswer(const char* key) {
  return CSteamID{static_cast<uint64>(scriptedInt(key, 0))};
}

int intAnswer(const char* key, int fallback = 0) {
  return static_cast<int>(scriptedInt(key, fallback));
}

// The world's people and clans by index; nil past the end.
CSteamID friendAt(int index) {
  const auto& all = world::friendsOfPlayer();
  return CSteamID{index >= 0 && index < static_cast<int>(all.size()) ? all[static_cast<std::size_t>(index)].steamId : 0};
}

const world::Clan* clanAt(int index) {
  const auto& all = world::clans();
  return index >= 0 && index < static_cast<int>(all.size()) ? &all[static_cast<std::size_t>(index)] : nullptr;
}

const world::Person* personInWorld(const char* key, CSteamID user) {
  return world::answers(key) ? world::person(user.value) : nullptr;
}

const world::Clan* clanInWorld(const char* key, CSteamID clan) {
  return world::answers(key) ? world::clan(clan.value) : nullptr;
}

int avatarOf(const char* key, CSteamID user) {
  const world::Person* person = personInWorld(key, user);
  return intAnswer(key, person ? person->avatar : 0);
}

// The overlay opens over the game; the world's player closes it again.
void overlayShown(const char* key) {
  if (!world::answers(key)) return;
  auto shown = world::blank<GameOverlayActivated_t>();
  shown.m_bActive = 1;
  world::postLater(shown);
  shown.m_bActive = 0;
  world::postLater(shown);
}

// Copies a scripted message into a caller's buffer as Steamworks does: at most
// `capacity` bytes, with a terminator when there is room for one. Returns the
// number of message bytes copied.
int writeMessage(const char* key, void* buffer, int capacity) {
  if (buffer == nullptr || capacity <= 0 || !scripted(key)) return 0;
  return static_cast<int>(copyText(static_cast<char*>(buffer), static_cast<std::size_t>(capacity), scriptedBytes(key)));
}

class Friends final : public ISteamFriends {
 public:
  // Persona and friends list

  const char* GetPersonaName() override {
    record("GetPersonaName");
    return scriptedText("GetPersonaName", world::answers("GetPersonaName") ? world::player().name : "Player");
  }
  SteamAPICall_t SetPersonaName(const char* personaName) override {
    record("SetPersonaName", personaName);
    return newCall("SetPersonaName");
  }
  EPersonaState GetPersonaState() override {
    record("GetPersonaState");
    return intAnswer("GetPersonaState", 1);  // online
  }
  int GetFriendCount(int friendFlags) override {
    record("GetFriendCount", friendFlags);
    return intAnswer("GetFriendCount",
                     world::answers("GetFriendCount") ? static_cast<int>(world::friendsOfPlayer().size()) : 0);
  }
  CSteamID GetFriendByIndex(int index, int friendFlags) override {
    record("GetFriendByIndex", index, friendFlags);
    if (world::answers("GetFriendByIndex")) return friendAt(index);
    return idAnswer("GetFriendByIndex");
  }
  EFriendRelationship GetFriendRelationship(CSteamID user) override {
    record("GetFriendRelationship", user);
    const world::Person* person = personInWorld("GetFriendRelationship", user);
    return intAnswer("GetFriendRelationship", person && person != &world::player() ? 3 : 0);  // 3: friend
  }
  EPersonaState GetFriendPersonaState(CSteamID user) override {
    record("GetFriendPersonaState", user);
    const world::Person* person = personInWorld("GetFriendPersonaState", user);
    return intAnswer("GetFriendPersonaState", person ? person->personaState : 0);
  }
  const char* GetFriendPersonaName(CSteamID user) override {
    record("GetFriendPersonaName", user);
    const world::Person* person = personInWorld("GetFriendPersonaName", user);
    return scriptedText("GetFriendPersonaName", person ? person->name : "");
  }
  bool GetFriendGamePlayed(CSteamID user, FriendGameInfo_t* gameInfo) override {
    record("GetFriendGamePlayed", user, out(gameInfo));
    bool playing = scriptedBool("GetFriendGamePlayed", false);
    if (playing && gameInfo != nullptr) {
      writeScripted("GetFriendGamePlayed.m_gameID", &gameInfo->m_gameID);
      writeScripted("GetFriendGamePlayed.m_unGameIP", &gameInfo->m_unGameIP);
      writeScripted("GetFriendGamePlayed.m_usGamePort", &gameInfo->m_usGamePort);
      writeScripted("GetFriendGamePlayed.m_usQueryPort", &gameInfo->m_usQueryPort);
      writeScripted("GetFriendGamePlayed.m_steamIDLobby", &gameInfo->m_steamIDLobby);
    }
    return playing;
  }
  const char* GetFriendPersonaNameHistory(CSteamID user, int index) override {
    record("GetFriendPersonaNameHistory", user, index);
    return scriptedText("GetFriendPersonaNameHistory", "");
  }
  bool HasFriend(CSteamID user, int friendFlags) override {
    record("HasFriend", user, friendFlags);
    const world::Person* person = personInWorld("HasFriend", user);
    return scriptedBool("HasFriend", person && person != &world::player());
  }
  int GetSmallFriendAvatar(CSteamID user) override {
    record("GetSmallFriendAvatar", user);
    return avatarOf("GetSmallFriendAvatar", user);
  }
  int GetMediumFriendAvatar(CSteamID user) override {
    record("GetMediumFriendAvatar", user);
    return avatarOf("GetMediumFriendAvatar", user);
  }
  int GetLargeFriendAvatar(CSteamID user) override {
    record("GetLargeFriendAvatar", user);
    return avatarOf("GetLargeFriendAvatar", user);
  }
  bool RequestUserInformation(CSteamID user, bool requireNameOnly) override {
    record("RequestUserInformation", user, requireNameOnly);
    return scriptedBool("RequestUserInformation", false);  // nothing to download
  }
  uint32 GetUserRestrictions() override {
    record("GetUserRestrictions");
    return static_cast<uint32>(scriptedInt("GetUserRestrictions", 0));
  }
  int GetCoplayFriendCount() override {
    record("GetCoplayFriendCount");
    return intAnswer("GetCoplayFriendCount");
  }
  CSteamID GetCoplayFriend(int index) override {
    record("GetCoplayFriend", index);
    return idAnswer("GetCoplayFriend");
  }
  int GetFriendCoplayTime(CSteamID user) override {
    record("GetFriendCoplayTime", user);
    return intAnswer("GetFriendCoplayTime");
  }
  AppId_t GetFriendCoplayGame(CSteamID user) override {
    record("GetFriendCoplayGame", user);
    return static_cast<AppId_t>(scriptedInt("GetFriendCoplayGame", 0));
  }
  int GetFriendCountFromSource(CSteamID source) override {
    record("GetFriendCountFromSource", source);
    return intAnswer("GetFriendCountFromSource");
  }
  CSteamID GetFriendFromSourceByIndex(CSteamID source, int index) override {
    record("GetFriendFromSourceByIndex", source, index);
    return idAnswer("GetFriendFromSourceByIndex");
  }
  bool IsUserInSource(CSteamID user, CSteamID source) override {
    record("IsUserInSource", user, source);
    return scriptedBool("IsUserInSource", false);
  }
  void SetInGameVoiceSpeaking(CSteamID user, bool speaking) override {
    record("SetInGameVoiceSpeaking", user, speaking);
  }
  void SetPlayedWith(CSteamID user) override {
    record("SetPlayedWith", user);
  }

  // Clans and clan chat

  int GetClanCount() override {
    record("GetClanCount");
    return intAnswer("GetClanCount", world::answers("GetClanCount") ? static_cast<int>(world::clans().size()) : 0);
  }
  CSteamID GetClanByIndex(int index) override {
    record("GetClanByIndex", index);
    if (world::answers("GetClanByIndex")) return CSteamID{clanAt(index) ? clanAt(index)->steamId : 0};
    return idAnswer("GetClanByIndex");
  }
  const char* GetClanName(CSteamID clan) override {
    record("GetClanName", clan);
    const world::Clan* found = clanInWorld("GetClanName", clan);
    return scriptedText("GetClanName", found ? found->name : "");
  }
  const char* GetClanTag(CSteamID clan) override {
    record("GetClanTag", clan);
    const world::Clan* found = clanInWorld("GetClanTag", clan);
    return scriptedText("GetClanTag", found ? found->tag : "");
  }
  bool GetClanActivityCounts(CSteamID clan, int* online, int* inGame, int* chatting) override {
    record("GetClanActivityCounts", clan, out(online), out(inGame), out(chatting));
    if (const world::Clan* found = clanInWorld("GetClanActivityCounts", clan)) {
      if (online != nullptr) *online = found->online;
      if (inGame != nullptr) *inGame = found->inGame;
      if (chatting != nullptr) *chatting = found->chatting;
      return true;
    }
    writeScripted("GetClanActivityCounts.online", online);
    writeScripted("GetClanActivityCounts.inGame", inGame);
    writeScripted("GetClanActivityCounts.chatting", chatting);
    return scriptedBool("GetClanActivityCounts", false);
  }
  SteamAPICall_t DownloadClanActivityCounts(CSteamID* clans, int count) override {
    record("DownloadClanActivityCounts", IdList{clans, count}, count);
    return newCall("DownloadClanActivityCounts");
  }
  SteamAPICall_t RequestClanOfficerList(CSteamID clan) override {
    record("RequestClanOfficerList", clan);
    SteamAPICall_t call = newCall("RequestClanOfficerList");
    if (world::answers("RequestClanOfficerList")) {
      const world::Clan* found = world::clan(clan.value);
      auto response = world::blank<ClanOfficerListResponse_t>();
      response.m_steamIDClan = clan;
      response.m_cOfficers = found ? static_cast<int32>(found->officers.size()) : 0;
      response.m_bSuccess = found ? 1 : 0;
      world::completeLater(call, response);
    }
    return call;
  }
  CSteamID GetClanOwner(CSteamID clan) override {
    record("GetClanOwner", clan);
    if (const world::Clan* found = clanInWorld("GetClanOwner", clan)) return CSteamID{found->owner};
    return idAnswer("GetClanOwner");
  }
  int GetClanOfficerCount(CSteamID clan) override {
    record("GetClanOfficerCount", clan);
    const world::Clan* found = clanInWorld("GetClanOfficerCount", clan);
    return intAnswer("GetClanOfficerCount", found ? static_cast<int>(found->officers.size()) : 0);
  }
  CSteamID GetClanOfficerByIndex(CSteamID clan, int officer) override {
    record("GetClanOfficerByIndex", clan, officer);
    if (const world::Clan* found = clanInWorld("GetClanOfficerByIndex", clan)) {
      bool known = officer >= 0 && officer < static_cast<int>(found->officers.size());
      return CSteamID{known ? found->officers[static_cast<std::size_t>(officer)] : 0};
    }
    return idAnswer("GetClanOfficerByIndex");
  }
  SteamAPICall_t JoinClanChatRoom(CSteamID clan) override {
    record("JoinClanChatRoom", clan);
    return newCall("JoinClanChatRoom");
  }
  bool LeaveClanChatRoom(CSteamID clan) override {
    record("LeaveClanChatRoom", clan);
    return scriptedBool("LeaveClanChatRoom", true);
  }
  int GetClanChatMemberCount(CSteamID clan) override {
    record("GetClanChatMemberCount", clan);
    return intAnswer("GetClanChatMemberCount");
  }
  CSteamID GetChatMemberByIndex(CSteamID clan, int user) override {
    record("GetChatMemberByIndex", clan, user);
    return idAnswer("GetChatMemberByIndex");
  }
  bool SendClanChatMessage(CSteamID chat, const char* text) override {
    record("SendClanChatMessage", chat, text);
    return scriptedBool("SendClanChatMessage", true);
  }
  int GetClanChatMessage(CSteamID chat, int message, void* text, int textMax, EChatEntryType* type,
                         CSteamID* chatter) override {
    record("GetClanChatMessage", chat, message, out(text), textMax, out(type), out(chatter));
    int copied = writeMessage("GetClanChatMessage.text", text, textMax);
    writeScripted("GetClanChatMessage.type", type);
    writeScripted("GetClanChatMessage.chatter", chatter);
    return intAnswer("GetClanChatMessage", copied);
  }
  bool IsClanChatAdmin(CSteamID chat, CSteamID user) override {
    record("IsClanChatAdmin", chat, user);
    return scriptedBool("IsClanChatAdmin", false);
  }
  bool IsClanChatWindowOpenInSteam(CSteamID chat) override {
    record("IsClanChatWindowOpenInSteam", chat);
    return scriptedBool("IsClanChatWindowOpenInSteam", false);
  }
  bool OpenClanChatWindowInSteam(CSteamID chat) override {
    record("OpenClanChatWindowInSteam", chat);
    return scriptedBool("OpenClanChatWindowInSteam", true);
  }
  bool CloseClanChatWindowInSteam(CSteamID chat) override {
    record("CloseClanChatWindowInSteam", chat);
    return scriptedBool("CloseClanChatWindowInSteam", true);
  }

  // Overlay

  void ActivateGameOverlay(const char* dialog) override {
    record("ActivateGameOverlay", dialog);
    overlayShown("ActivateGameOverlay");
  }
  void ActivateGameOverlayToUser(const char* dialog, CSteamID user) override {
    record("ActivateGameOverlayToUser", dialog, user);
    overlayShown("ActivateGameOverlayToUser");
  }
  void ActivateGameOverlayToWebPage(const char* url) override {
    record("ActivateGameOverlayToWebPage", url);
    overlayShown("ActivateGameOverlayToWebPage");
  }
  void ActivateGameOverlayToStore(AppId_t app, EOverlayToStoreFlag flag) override {
    record("ActivateGameOverlayToStore", app, flag);
    overlayShown("ActivateGameOverlayToStore");
  }
  void ActivateGameOverlayInviteDialog(CSteamID lobby) override {
    record("ActivateGameOverlayInviteDialog", lobby);
    overlayShown("ActivateGameOverlayInviteDialog");
  }

  // Rich presence and invitations

  bool SetRichPresence(const char* key, const char* value) override {
    record("SetRichPresence", key, value);
    return scriptedBool("SetRichPresence", true);
  }
  void ClearRichPresence() override {
    record("ClearRichPresence");
  }
  const char* GetFriendRichPresence(CSteamID user, const char* key) override {
    record("GetFriendRichPresence", user, key);
    return scriptedText("GetFriendRichPresence", "");
  }
  int GetFriendRichPresenceKeyCount(CSteamID user) override {
    record("GetFriendRichPresenceKeyCount", user);
    return intAnswer("GetFriendRichPresenceKeyCount");
  }
  const char* GetFriendRichPresenceKeyByIndex(CSteamID user, int key) override {
    record("GetFriendRichPresenceKeyByIndex", user, key);
    return scriptedText("GetFriendRichPresenceKeyByIndex", "");
  }
  void RequestFriendRichPresence(CSteamID user) override {
    record("RequestFriendRichPresence", user);
  }
  bool InviteUserToGame(CSteamID user, const char* connect) override {
    record("InviteUserToGame", user, connect);
    return scriptedBool("InviteUserToGame", true);
  }

  // Friend messages

  bool SetListenForFriendsMessages(bool intercept) override {
    record("SetListenForFriendsMessages", intercept);
    return scriptedBool("SetListenForFriendsMessages", true);
  }
  bool ReplyToFriendMessage(CSteamID user, const char* text) override {
    record("ReplyToFriendMessage", user, text);
    return scriptedBool("ReplyToFriendMessage", true);
  }
  int GetFriendMessage(CSteamID user, int messageID, void* data, int dataMax, EChatEntryType* type) override {
    record("GetFriendMessage", user, messageID, out(data), dataMax, out(type));
    int copied = writeMessage("GetFriendMessage.text", data, dataMax);
    writeScripted("GetFriendMessage.type", type);
    return intAnswer("GetFriendMessage", copied);
  }

  // Following

  SteamAPICall_t GetFollowerCount(CSteamID user) override {
    record("GetFollowerCount", user);
    return newCall("GetFollowerCount");
  }
  SteamAPICall_t IsFollowing(CSteamID user) override {
    record("IsFollowing", user);
    return newCall("IsFollowing");
  }
  SteamAPICall_t EnumerateFollowingList(uint32 startIndex) override {
    record("EnumerateFollowingList", startIndex);
    return newCall("EnumerateFollowingList");
  }
};

const bool provided = provideInterface("SteamFriends", &placeInterface<Friends>);

}  // namespace
}  // namespace standin::friends
