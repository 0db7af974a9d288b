package net.quorlen.steam.friends;

/** The game a friend is playing, built by the bridge in GetFriendGamePlayed. */
public class FriendGameInfo {
    /** The 64-bit game ID (app ID in its low 24 bits). */
    public final long gameId;
    /** The game server's IPv4 address, unsigned 32 bits in an int. */
    public final int gameIp;
    public final char gamePort;
    public final char queryPort;
    public final long steamIdLobby;

    public FriendGameInfo(long gameId, int gameIp, char gamePort, char queryPort, long steamIdLobby) {
        this.gameId = gameId;
        this.gameIp = gameIp;
        this.gamePort = gamePort;
        this.queryPort = queryPort;
        this.steamIdLobby = steamIdLobby;
    }

    @Override
    public String toString() {
        return "FriendGameInfo[gameId=" + gameId + ", gameIp=" + gameIp + ", gamePort=" + (int) gamePort
                + ", queryPort=" + (int) queryPort + ", steamIdLobby=" + steamIdLobby + "]";
    }
}
