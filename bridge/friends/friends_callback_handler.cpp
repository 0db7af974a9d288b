#include "friends_callback_handler.h"

#include <algorithm>

#include "jni/booleans.h"
#include "jni/java_string.h"
#include "jni/steam_id.h"

namespace nimbrel {

void FriendsCallbackHandler::onDownloadClanActivityCountsResult(const DownloadClanActivityCountsResult_t& e,
                                                                const ListenerMethod& m) {
  call(m, flagToJBoolean(e.m_bSuccess));
}

void FriendsCallbackHandler::onClanOfficerListResponse(const ClanOfficerListResponse_t& e, const ListenerMethod& m) {
  call(m, javaId(e.m_steamIDClan), static_cast<jint>(e.m_cOfficers), flagToJBoolean(e.m_bSuccess));
}

void FriendsCallbackHandler::onJoinClanChatRoomCompletionResult(const JoinClanChatRoomCompletionResult_t& e,
                                                                const ListenerMethod& m) {
  call(m, javaId(e.m_steamIDClanChat), static_cast<jint>(e.m_eChatRoomEnterResponse));
}

void FriendsCallbackHandler::onFriendsGetFollowerCount(const FriendsGetFollowerCount_t& e, const ListenerMethod& m) {
  call(m, static_cast<jint>(e.m_eResult), javaId(e.m_steamID), static_cast<jint>(e.m_nCount));
}

void FriendsCallbackHandler::onFriendsIsFollowing(const FriendsIsFollowing_t& e, const ListenerMethod& m) {
  call(m, static_cast<jint>(e.m_eResult), javaId(e.m_steamID), flagToJBoolean(e.m_bIsFollowing));
}

void FriendsCallbackHandler::onFriendsEnumerateFollowingList(const FriendsEnumerateFollowingList_t& e,
                                                             const ListenerMethod& m) {
  // The record holds 50 IDs at most; a count outside 0..50 must not take the
  // copy past the record.
  const jint count = std::clamp<jint>(e.m_nResultsReturned, 0, k_cEnumerateFollowersMax);
  jlong ids[k_cEnumerateFollowersMax];
  for (jint i = 0; i < count; ++i) ids[i] = javaId(e.m_rgSteamID[i]);
  jlongArray list = env()->NewLongArray(count);
  if (list != nullptr) env()->SetLongArrayRegion(list, 0, count, ids);
  call(m, static_cast<jint>(e.m_eResult), list, static_cast<jint>(e.m_nTotalResultCount));
}

void FriendsCallbackHandler::onPersonaStateChange(const PersonaStateChange_t& e, const ListenerMethod& m) {
  call(m, static_cast<jlong>(e.m_ulSteamID), static_cast<jint>(e.m_nChangeFlags));
}

void FriendsCallbackHandler::onOverlayActivated(const GameOverlayActivated_t& e, const ListenerMethod& m) {
  call(m, flagToJBoolean(e.m_bActive));
}

void FriendsCallbackHandler::onGameServerChangeRequested(const GameServerChangeRequested_t& e,
                                                         const ListenerMethod& m) {
  jstring server = newJavaStringFromField(env(), e.m_rgchServer);
  jstring password = newJavaStringFromField(env(), e.m_rgchPassword);
  call(m, server, password);
}

void FriendsCallbackHandler::onGameLobbyJoinRequested(const GameLobbyJoinRequested_t& e, const ListenerMethod& m) {
  call(m, javaId(e.m_steamIDLobby), javaId(e.m_steamIDFriend));
}

void FriendsCallbackHandler::onAvatarImageLoaded(const AvatarImageLoaded_t& e, const ListenerMethod& m) {
  call(m, javaId(e.m_steamID), static_cast<jint>(e.m_iImage), static_cast<jint>(e.m_iWide),
       static_cast<jint>(e.m_iTall));
}

void FriendsCallbackHandler::onFriendRichPresenceUpdate(const FriendRichPresenceUpdate_t& e, const ListenerMethod& m) {
  call(m, javaId(e.m_steamIDFriend), static_cast<jint>(e.m_nAppID));
}

void FriendsCallbackHandler::onGameRichPresenceJoinRequested(const GameRichPresenceJoinRequested_t& e,
                                                             const ListenerMethod& m) {
  jstring connect = newJavaStringFromField(env(), e.m_rgchConnect);
  call(m, javaId(e.m_steamIDFriend), connect);
}

void FriendsCallbackHandler::onGameConnectedClanChatMsg(const GameConnectedClanChatMsg_t& e, const ListenerMethod& m) {
  call(m, javaId(e.m_steamIDClanChat), javaId(e.m_steamIDUser), static_cast<jint>(e.m_iMessageID));
}

void FriendsCallbackHandler::onGameConnectedChatJoin(const GameConnectedChatJoin_t& e, const ListenerMethod& m) {
  call(m, javaId(e.m_steamIDClanChat), javaId(e.m_steamIDUser));
}

void FriendsCallbackHandler::onGameConnectedChatLeave(const GameConnectedChatLeave_t& e, const ListenerMethod& m) {
  call(m, javaId(e.m_steamIDClanChat), javaId(e.m_steamIDUser), flagToJBoolean(e.m_bKicked),
       flagToJBoolean(e.m_bDropped));
}

void FriendsCallbackHandler::onGameConnectedFriendChatMsg(const GameConnectedFriendChatMsg_t& e,
                                                          const ListenerMethod& m) {
  call(m, javaId(e.m_steamIDUser), static_cast<jint>(e.m_iMessageID));
}

}  // namespace nimbrel
