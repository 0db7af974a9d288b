package net.quorlen.steam;

/** Receives the events of the Friends listener adapter. */
public interface NativeFriendsListener {
    // Call results
    void onDownloadClanActivityCountsResult(boolean success);

    void onClanOfficerListResponse(long steamIdClan, int officers, boolean success);

    void onJoinClanChatRoomCompletionResult(long steamIdClanChat, int chatRoomEnterResponse);

    void onFriendsGetFollowerCount(int result, long steamId, int count);

    void onFriendsIsFollowing(int result, long steamId, boolean isFollowing);

    void onFriendsEnumerateFollowingList(int result, long[] steamIds, int totalResultCount);

    // Callbacks
    void onPersonaStateChange(long steamId, int changeFlags);

    void onOverlayActivated(boolean active);

    void onGameServerChangeRequested(String server, String password);

    void onGameLobbyJoinRequested(long steamIdLobby, long steamIdFriend);

    void onAvatarImageLoaded(long steamId, int image, int wide, int tall);

    void onFriendRichPresenceUpdate(long steamIdFriend, int appId);

    void onGameRichPresenceJoinRequested(long steamIdFriend, String connect);

    void onGameConnectedClanChatMsg(long steamIdClanChat, long steamIdUser, int messageId);

    void onGameConnectedChatJoin(long steamIdClanChat, long steamIdUser);

    void onGameConnectedChatLeave(long steamIdClanChat, long steamIdUser, boolean kicked, boolean dropped);

    void onGameConnectedFriendChatMsg(long steamIdUser, int messageId);

    /** A call result failed with an I/O error; methodName names the method it was meant for. */
    void ioError(String methodName);
}
