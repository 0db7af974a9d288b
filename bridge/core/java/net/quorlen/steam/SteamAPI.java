package net.quorlen.steam;

/** Start and stop of Steamworks, the interface handles and the event pump. */
public final class SteamAPI {
    private SteamAPI() {
    }

    public static native boolean SteamAPI_Init();

    public static native void SteamAPI_Shutdown();

    public static native boolean SteamAPI_IsSteamRunning();

    /** Delivers every pending Steamworks event; listener methods run inside this call. */
    public static native void SteamAPI_RunCallbacks();

    public static native long SteamClient();

    public static native long SteamUser();

    public static native long SteamFriends();

    public static native long SteamUtils();

    public static native long SteamMatchmaking();

    public static native long SteamUserStats();

    public static native long SteamApps();

    public static native long SteamNetworking();

    public static native long SteamMatchmakingServers();

    public static native long SteamRemoteStorage();
}
