// The Friends listener adapter: six call results, then eleven callbacks, in
// the order in which they are built (callbacks register as they are built)
// and, reversed, torn down.
#pragma once

#include "adapter/adapter_record.h"
#include "adapter/slots.h"
#include "steamworks/isteamfriends.h"

namespace nimbrel {

class FriendsCallbackHandler final : public AdapterRecord {
 public:
  FriendsCallbackHandler(JNIEnv* env, jobject listener)
      : AdapterRecord(env, listener, "net/quorlen/steam/NativeFriendsListener") {}

  using Self = FriendsCallbackHandler;

  CCallResult<Self, DownloadClanActivityCountsResult_t> downloadClanActivityCountsResult{
      this, {"onDownloadClanActivityCountsResult", "(Z)V"}, &Self::onDownloadClanActivityCountsResult};
  CCallResult<Self, ClanOfficerListResponse_t> clanOfficerListResponse{
      this, {"onClanOfficerListResponse", "(JIZ)V"}, &Self::onClanOfficerListResponse};
  CCallResult<Self, JoinClanChatRoomCompletionResult_t> joinClanChatRoomCompletionResult{
      this, {"onJoinClanChatRoomCompletionResult", "(JI)V"}, &Self::onJoinClanChatRoomCompletionResult};
  CCallResult<Self, FriendsGetFollowerCount_t> friendsGetFollowerCount{
      this, {"onFriendsGetFollowerCount", "(IJI)V"}, &Self::onFriendsGetFollowerCount};
  CCallResult<Self, FriendsIsFollowing_t> friendsIsFollowing{
      this, {"onFriendsIsFollowing", "(IJZ)V"}, &Self::onFriendsIsFollowing};
  CCallResult<Self, FriendsEnumerateFollowingList_t> friendsEnumerateFollowingList{
      this, {"onFriendsEnumerateFollowingList", "(I[JI)V"}, &Self::onFriendsEnumerateFollowingList};

  CCallback<Self, PersonaStateChange_t> personaStateChange{
      this, {"onPersonaStateChange", "(JI)V"}, &Self::onPersonaStateChange};
  CCallback<Self, GameOverlayActivated_t> gameOverlayActivated{
      this, {"onOverlayActivated", "(Z)V"}, &Self::onOverlayActivated};
  CCallback<Self, GameServerChangeRequested_t> gameServerChangeRequested{
      this, {"onGameServerChangeRequested", "(Ljava/lang/String;Ljava/lang/String;)V"},
      &Self::onGameServerChangeRequested};
  CCallback<Self, GameLobbyJoinRequested_t> gameLobbyJoinRequested{
      this, {"onGameLobbyJoinRequested", "(JJ)V"}, &Self::onGameLobbyJoinRequested};
  CCallback<Self, AvatarImageLoaded_t> avatarImageLoaded{
      this, {"onAvatarImageLoaded", "(JIII)V"}, &Self::onAvatarImageLoaded};
  CCallback<Self, FriendRichPresenceUpdate_t> friendRichPresenceUpdate{
      this, {"onFriendRichPresenceUpdate", "(JI)V"}, &Self::onFriendRichPresenceUpdate};
  CCallback<Self, GameRichPresenceJoinRequested_t> gameRichPresenceJoinRequested{
      this, {"onGameRichPresenceJoinRequested", "(JLjava/lang/String;)V"}, &Self::onGameRichPresenceJoinRequested};
  CCallback<Self, GameConnectedClanChatMsg_t> gameConnectedClanChatMsg{
      this, {"onGameConnectedClanChatMsg", "(JJI)V"}, &Self::onGameConnectedClanChatMsg};
  CCallback<Self, GameConnectedChatJoin_t> gameConnectedChatJoin{
      this, {"onGameConnectedChatJoin", "(JJ)V"}, &Self::onGameConnectedChatJoin};
  CCallback<Self, GameConnectedChatLeave_t> gameConnectedChatLeave{
      this, {"onGameConnectedChatLeave", "(JJZZ)V"}, &Self::onGameConnectedChatLeave};
  CCallback<Self, GameConnectedFriendChatMsg_t> gameConnectedFriendChatMsg{
      this, {"onGameConnectedFriendChatMsg", "(JI)V"}, &Self::onGameConnectedFriendChatMsg};

 private:
  void onDownloadClanActivityCountsResult(const DownloadClanActivityCountsResult_t& e, const ListenerMethod& m);
  void onClanOfficerListResponse(const ClanOfficerListResponse_t& e, const ListenerMethod& m);
  void onJoinClanChatRoomCompletionResult(const JoinClanChatRoomCompletionResult_t& e, const ListenerMethod& m);
  void onFriendsGetFollowerCount(const FriendsGetFollowerCount_t& e, const ListenerMethod& m);
  void onFriendsIsFollowing(const FriendsIsFollowing_t& e, const ListenerMethod& m);
  void onFriendsEnumerateFollowingList(const FriendsEnumerateFollowingList_t& e, const ListenerMethod& m);

  void onPersonaStateChange(const PersonaStateChange_t& e, const ListenerMethod& m);
  void onOverlayActivated(const GameOverlayActivated_t& e, const ListenerMethod& m);
  void onGameServerChangeRequested(const GameServerChangeRequested_t& e, const ListenerMethod& m);
  void onGameLobbyJoinRequested(const GameLobbyJoinRequested_t& e, const ListenerMethod& m);
  void onAvatarImageLoaded(const AvatarImageLoaded_t& e, const ListenerMethod& m);
  void onFriendRichPresenceUpdate(const FriendRichPresenceUpdate_t& e, const ListenerMethod& m);
  void onGameRichPresenceJoinRequested(const GameRichPresenceJoinRequested_t& e, const ListenerMethod& m);
  void onGameConnectedClanChatMsg(const GameConnectedClanChatMsg_t& e, const ListenerMethod& m);
  void onGameConnectedChatJoin(const GameConnectedChatJoin_t& e, const ListenerMethod& m);
  void onGameConnectedChatLeave(const GameConnectedChatLeave_t& e, const ListenerMethod& m);
  void onGameConnectedFriendChatMsg(const GameConnectedFriendChatMsg_t& e, const ListenerMethod& m);
};

}  // namespace nimbrel
