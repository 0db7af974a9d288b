package net.quorlen.steam;

/** Receives the events of the User listener adapter. */
public interface NativeUserListener {
    void onSteamServersConnected();

    void onSteamServerConnectFailure(int result);

    void onSteamServersDisconnected(int result);

    /** gameServerPort is 0 to 65535. */
    void onClientGameServerDeny(int appId, int gameServerIp, int gameServerPort, boolean secure, int reason);

    /** failureType is 0 to 255. */
    void onIPCFailure(int failureType);

    void onValidateAuthTicketResponse(long steamId, int authSessionResponse);

    /** Every listener has it for failed call results; this adapter has none, so it is never called. */
    void ioError(String methodName);
}
