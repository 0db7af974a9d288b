package net.quorlen.applet;

import java.util.HashMap;
import java.util.Map;
import net.quorlen.steam.NativeAppsListener;
import net.quorlen.steam.NativeFriendsListener;
import net.quorlen.steam.NativeRemoteStorageListener;
import net.quorlen.steam.NativeUserListener;
import net.quorlen.steam.NativeUserStatsListener;
import net.quorlen.steam.NativeUtilsListener;

/**
 * Hears every Steam event the game listens for: each is written to the log as it arrives and kept
 * until the game takes it, so that a step of the session can wait for the answer to its request.
 */
final class SteamEvents implements NativeUserStatsListener, NativeFriendsListener, NativeRemoteStorageListener,
        NativeUserListener, NativeAppsListener, NativeUtilsListener {
    private final GameLog log;
    private final Map<String, Object[]> unread = new HashMap<>();

    SteamEvents(GameLog log) {
        this.log = log;
    }

    /** The arguments of the latest `method` not yet taken, or null. */
    Object[] take(String method) {
        return unread.remove(method);
    }

    private void arrived(String method, Object... arguments) {
        log.event(method, arguments);
        unread.put(method, arguments);
    }

    @Override
    public void ioError(String methodName) {
        arrived("ioError", methodName);
    }

    // Statistics, achievements and leaderboards

    @Override
    public void onUserStatsReceived(long gameId, int result, long steamIdUser) {
        arrived("onUserStatsReceived", gameId, result, steamIdUser);
    }

    @Override
    public void onLeaderboardFindResult(long leaderboard, boolean found) {
        arrived("onLeaderboardFindResult", leaderboard, found);
    }

    @Override
    public void onLeaderboardScoresDownloaded(long leaderboard, long entries, int entryCount) {
        arrived("onLeaderboardScoresDownloaded", leaderboard, entries, entryCount);
    }

    @Override
    public void onLeaderboardScoreUploaded(boolean success, long leaderboard, int score, boolean scoreChanged,
            int globalRankNew, int globalRankPrevious) {
        arrived("onLeaderboardScoreUploaded", success, leaderboard, score, scoreChanged, globalRankNew,
                globalRankPrevious);
    }

    @Override
    public void onLeaderboardUGCSet(int result, long leaderboard) {
        arrived("onLeaderboardUGCSet", result, leaderboard);
    }

    @Override
    public void onNumberOfCurrentPlayers(boolean success, int players) {
        arrived("onNumberOfCurrentPlayers", success, players);
    }

    @Override
    public void onGlobalAchievementPercentagesReady(long gameId, int result) {
        arrived("onGlobalAchievementPercentagesReady", gameId, result);
    }

    @Override
    public void onGlobalStatsReceived(long gameId, int result) {
        arrived("onGlobalStatsReceived", gameId, result);
    }

    @Override
    public void onUserStatsStored(long gameId, int result) {
        arrived("onUserStatsStored", gameId, result);
    }

    @Override
    public void onUserAchievementStored(long gameId, boolean groupAchievement, String achievementName,
            int curProgress, int maxProgress) {
        arrived("onUserAchievementStored", gameId, groupAchievement, achievementName, curProgress, maxProgress);
    }

    @Override
    public void onUserStatsUnloaded(long steamIdUser) {
        arrived("onUserStatsUnloaded", steamIdUser);
    }

    @Override
    public void onUserAchievementIconFetched(long gameId, String achievementName, boolean achieved, int iconHandle) {
        arrived("onUserAchievementIconFetched", gameId, achievementName, achieved, iconHandle);
    }

    // Friends, clans and the overlay

    @Override
    public void onDownloadClanActivityCountsResult(boolean success) {
        arrived("onDownloadClanActivityCountsResult", success);
    }

    @Override
    public void onClanOfficerListResponse(long steamIdClan, int officers, boolean success) {
        arrived("onClanOfficerListResponse", steamIdClan, officers, success);
    }

    @Override
    public void onJoinClanChatRoomCompletionResult(long steamIdClanChat, int chatRoomEnterResponse) {
        arrived("onJoinClanChatRoomCompletionResult", steamIdClanChat, chatRoomEnterResponse);
    }

    @Override
    public void onFriendsGetFollowerCount(int result, long steamId, int count) {
        arrived("onFriendsGetFollowerCount", result, steamId, count);
    }

    @Override
    public void onFriendsIsFollowing(int result, long steamId, boolean isFollowing) {
        arrived("onFriendsIsFollowing", result, steamId, isFollowing);
    }

    @Override
    public void onFriendsEnumerateFollowingList(int result, long[] steamIds, int totalResultCount) {
        arrived("onFriendsEnumerateFollowingList", result, steamIds.length, totalResultCount);
    }

    @Override
    public void onPersonaStateChange(long steamId, int changeFlags) {
        arrived("onPersonaStateChange", steamId, changeFlags);
    }

    @Override
    public void onOverlayActivated(boolean active) {
        arrived("onOverlayActivated", active);
    }

    @Override
    public void onGameServerChangeRequested(String server, String password) {
        arrived("onGameServerChangeRequested", server, password.isEmpty() ? "" : "(password)");
    }

    @Override
    public void onGameLobbyJoinRequested(long steamIdLobby, long steamIdFriend) {
        arrived("onGameLobbyJoinRequested", steamIdLobby, steamIdFriend);
    }

    @Override
    public void onAvatarImageLoaded(long steamId, int image, int wide, int tall) {
        arrived("onAvatarImageLoaded", steamId, image, wide, tall);
    }

    @Override
    public void onFriendRichPresenceUpdate(long steamIdFriend, int appId) {
        arrived("onFriendRichPresenceUpdate", steamIdFriend, appId);
    }

    @Override
    public void onGameRichPresenceJoinRequested(long steamIdFriend, String connect) {
        arrived("onGameRichPresenceJoinRequested", steamIdFriend, connect);
    }

    @Override
    public void onGameConnectedClanChatMsg(long steamIdClanChat, long steamIdUser, int messageId) {
        arrived("onGameConnectedClanChatMsg", steamIdClanChat, steamIdUser, messageId);
    }

    @Override
    public void onGameConnectedChatJoin(long steamIdClanChat, long steamIdUser) {
        arrived("onGameConnectedChatJoin", steamIdClanChat, steamIdUser);
    }

    @Override
    public void onGameConnectedChatLeave(long steamIdClanChat, long steamIdUser, boolean kicked, boolean dropped) {
        arrived("onGameConnectedChatLeave", steamIdClanChat, steamIdUser, kicked, dropped);
    }

    @Override
    public void onGameConnectedFriendChatMsg(long steamIdUser, int messageId) {
        arrived("onGameConnectedFriendChatMsg", steamIdUser, messageId);
    }

    // Cloud and shared content

    @Override
    public void onRemoteStorageFileShareResult(int result, long file) {
        arrived("onRemoteStorageFileShareResult", result, file);
    }

    @Override
    public void onRemoteStorageDownloadUGCResult(int result, long file, int appId, int sizeInBytes, String fileName,
            long owner) {
        arrived("onRemoteStorageDownloadUGCResult", result, file, appId, sizeInBytes, fileName, owner);
    }

    @Override
    public void onRemoteStorageAppSyncedClient(int appId, int result, int numDownloads) {
        arrived("onRemoteStorageAppSyncedClient", appId, result, numDownloads);
    }

    @Override
    public void onRemoteStorageAppSyncedServer(int appId, int result, int numUploads) {
        arrived("onRemoteStorageAppSyncedServer", appId, result, numUploads);
    }

    @Override
    public void onRemoteStorageAppSyncProgress(String currentFile, int appId, int bytesTransferredThisChunk,
            double appPercentComplete, boolean uploading) {
        arrived("onRemoteStorageAppSyncProgress", currentFile, appId, bytesTransferredThisChunk, appPercentComplete,
                uploading);
    }

    @Override
    public void onRemoteStorageAppSyncStatusCheck(int appId, int result) {
        arrived("onRemoteStorageAppSyncStatusCheck", appId, result);
    }

    @Override
    public void onRemoteStorageConflictResolution(int appId, int result) {
        arrived("onRemoteStorageConflictResolution", appId, result);
    }

    // The connection to Steam

    @Override
    public void onSteamServersConnected() {
        arrived("onSteamServersConnected");
    }

    @Override
    public void onSteamServerConnectFailure(int result) {
        arrived("onSteamServerConnectFailure", result);
    }

    @Override
    public void onSteamServersDisconnected(int result) {
        arrived("onSteamServersDisconnected", result);
    }

    @Override
    public void onClientGameServerDeny(int appId, int gameServerIp, int gameServerPort, boolean secure, int reason) {
        arrived("onClientGameServerDeny", appId, gameServerIp, gameServerPort, secure, reason);
    }

    @Override
    public void onIPCFailure(int failureType) {
        arrived("onIPCFailure", failureType);
    }

    @Override
    public void onValidateAuthTicketResponse(long steamId, int authSessionResponse) {
        arrived("onValidateAuthTicketResponse", steamId, authSessionResponse);
    }

    // Apps and the client

    @Override
    public void onDLCInstalled(int appId) {
        arrived("onDLCInstalled", appId);
    }

    @Override
    public void onIPCountry() {
        arrived("onIPCountry");
    }

    @Override
    public void onLowBatteryPower(int minutesBatteryLeft) {
        arrived("onLowBatteryPower", minutesBatteryLeft);
    }

    @Override
    public void onSteamAPICallCompleted(long asyncCall) {
        arrived("onSteamAPICallCompleted", asyncCall);
    }

    @Override
    public void onSteamShutdown() {
        arrived("onSteamShutdown");
    }

    @Override
    public void onCheckFileSignature(int checkFileSignature) {
        arrived("onCheckFileSignature", checkFileSignature);
    }
}
