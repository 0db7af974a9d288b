package net.quorlen.steam;

/** Receives the events of the User listener adapter (Part 6.3). */
public interface NativeUserListener {
    void onSteamServersConnected();

    void onSteamServerConnectFailure(int result);

    void onSteamServersDisconnected(int result);

    /** gameServerPort is 0 to 65535. */
    void onClientGameServerDeny(int appId, int gameServerIp, int gameServerPort, boolean secure, int reason);

    /** failureType is 0 to 255. */
    void onIPCFailure(int failureType);

    void onValidateAuthTicketResponse(long steamId, int authSessionResponse);

    /** Part of every listener contract (Part 2.4); this adapter has no call results, so it is not called. */
    void ioError(String methodName);
}
