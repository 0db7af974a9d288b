package net.quorlen.steam.userstats;

/** One downloaded leaderboard entry, built by the bridge in GetDownloadedLeaderboardEntry. */
public class LeaderboardEntry {
    public final long steamIdUser;
    public final int globalRank;
    public final int score;
    /** The number of details that the entry holds. */
    public final int details;
    /** The handle of the content attached to the entry. */
    public final long ugc;

    public LeaderboardEntry(long steamIdUser, int globalRank, int score, int details, long ugc) {
        this.steamIdUser = steamIdUser;
        this.globalRank = globalRank;
        this.score = score;
        this.details = details;
        this.ugc = ugc;
    }

    @Override
    public String toString() {
        return "LeaderboardEntry[steamIdUser=" + steamIdUser + ", globalRank=" + globalRank + ", score=" + score
                + ", details=" + details + ", ugc=" + ugc + "]";
    }
}
