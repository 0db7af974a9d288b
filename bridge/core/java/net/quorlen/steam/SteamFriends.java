package net.quorlen.steam;

import net.quorlen.steam.friends.FriendGameInfo;

/** Persona, friends, clans and clan chat, overlay, rich presence, messages and following. */
public class SteamFriends extends SteamInterface {
    public SteamFriends(long pointer) {
        super(pointer);
    }

    /** Attaches a listener, removing the adapter of an earlier one; null only detaches. */
    public void setListener(NativeFriendsListener listener) {
        replaceAdapter(this::removeNativeCallbackAdapter, listener == null ? null : () -> createNativeCallbackAdapter(listener));
    }

    // Listener adapter
    public native long createNativeCallbackAdapter(NativeFriendsListener listener);

    public native void removeNativeCallbackAdapter(long handle);

    // Persona and friends list
    public native String GetPersonaName();

    public native void SetPersonaName(String personaName);

    public native int GetPersonaState();

    public native int GetFriendCount(int friendFlags);

    public native long GetFriendByIndex(int index, int friendFlags);

    public native int GetFriendRelationship(long steamIdFriend);

    public native int GetFriendPersonaState(long steamIdFriend);

    public native String GetFriendPersonaName(long steamIdFriend);

    public native boolean GetFriendGamePlayed(long steamIdFriend, FriendGameInfo[] gameInfo);

    public native String GetFriendPersonaNameHistory(long steamIdFriend, int index);

    public native boolean HasFriend(long steamIdFriend, int friendFlags);

    public native int GetSmallFriendAvatar(long steamIdFriend);

    public native int GetMediumFriendAvatar(long steamIdFriend);

    public native int GetLargeFriendAvatar(long steamIdFriend);

    public native boolean RequestUserInformation(long steamIdUser, boolean nameOnly);

    public native int GetUserRestrictions();

    public native int GetCoplayFriendCount();

    public native long GetCoplayFriend(int index);

    public native int GetFriendCoplayTime(long steamIdFriend);

    public native int GetFriendCoplayGame(long steamIdFriend);

    public native int GetFriendCountFromSource(long steamIdSource);

    public native long GetFriendFromSourceByIndex(long steamIdSource, int index);

    public native boolean IsUserInSource(long steamIdUser, long steamIdSource);

    public native void SetInGameVoiceSpeaking(long steamIdUser, boolean speaking);

    public native void SetPlayedWith(long steamIdUserPlayedWith);

    // Clans and clan chat; the void natives report through the listener
    public native int GetClanCount();

    public native long GetClanByIndex(int index);

    public native String GetClanName(long steamIdClan);

    public native String GetClanTag(long steamIdClan);

    public native boolean GetClanActivityCounts(long steamIdClan, int[] online, int[] inGame, int[] chatting);

    public native void DownloadClanActivityCounts(long[] steamIdClans);

    public native void RequestClanOfficerList(long steamIdClan);

    public native long GetClanOwner(long steamIdClan);

    public native int GetClanOfficerCount(long steamIdClan);

    public native long GetClanOfficerByIndex(long steamIdClan, int index);

    public native void JoinClanChatRoom(long steamIdClan);

    public native boolean LeaveClanChatRoom(long steamIdClan);

    public native int GetClanChatMemberCount(long steamIdClan);

    public native long GetChatMemberByIndex(long steamIdClan, int index);

    public native boolean SendClanChatMessage(long steamIdClanChat, String text);

    public native int GetClanChatMessage(long steamIdClanChat, int messageIndex, String[] text, int[] chatEntryType,
            long[] steamIdChatter);

    public native boolean IsClanChatAdmin(long steamIdClanChat, long steamIdUser);

    public native boolean IsClanChatWindowOpenInSteam(long steamIdClanChat);

    public native boolean OpenClanChatWindowInSteam(long steamIdClanChat);

    public native boolean CloseClanChatWindowInSteam(long steamIdClanChat);

    // Overlay
    public native void ActivateGameOverlay(String dialog);

    public native void ActivateGameOverlayToUser(String dialog, long steamIdUser);

    public native void ActivateGameOverlayToWebPage(String url);

    public native void ActivateGameOverlayToStore(int appId, int storeFlag);

    public native void ActivateGameOverlayInviteDialog(long steamIdLobby);

    // Rich presence
    public native boolean SetRichPresence(String key, String value);

    public native void ClearRichPresence();

    public native String GetFriendRichPresence(long steamIdFriend, String key);

    public native int GetFriendRichPresenceKeyCount(long steamIdFriend);

    public native String GetFriendRichPresenceKeyByIndex(long steamIdFriend, int index);

    public native void RequestFriendRichPresence(long steamIdFriend);

    public native boolean InviteUserToGame(long steamIdFriend, String connectString);

    // Friend messages
    public native boolean SetListenForFriendsMessages(boolean interceptEnabled);

    public native boolean ReplyToFriendMessage(long steamIdFriend, String text);

    public native int GetFriendMessage(long steamIdFriend, int messageId, String[] text, int[] chatEntryType);

    // Following; results arrive through the listener
    public native void GetFollowerCount(long steamId);

    public native void IsFollowing(long steamId);

    public native void EnumerateFollowingList(int startIndex);
}
