package net.quorlen.applet;

import java.nio.ByteBuffer;
import java.nio.charset.StandardCharsets;
import java.time.Instant;
import net.quorlen.steam.userstats.LeaderboardEntry;

/**
 * A short session of Zentrobe as Steam sees it: who is playing and with whom, what the player had
 * achieved before, one run through a level with its stats, achievement and leaderboard score, the
 * save game in the cloud and shared, and a look at the patch notes in the overlay.
 */
final class Session {
    private static final String SAVE_GAME = "savegame.txt";
    private static final String BOARD = "Fastest Descent";
    private static final int FRIENDS_IMMEDIATE = 0x04;
    private static final int KEEP_BEST = 1;
    private static final int GLOBAL = 0;

    private final Steam steam;
    private final GameLog log;
    private long me;

    Session(Steam steam, GameLog log) {
        this.steam = steam;
        this.log = log;
    }

    void play() throws InterruptedException {
        identity();
        library();
        friendsAndClan();
        avatar();
        int runs = previousProgress();
        steam.frames(Steam.FRAMES_PER_SECOND / 2);
        log.note("run " + runs + " through the Frostline descent");
        int timeMillis = 58_000 - 1_000 * Math.min(runs, 8);
        recordRun(runs, timeMillis);
        leaderboard(timeMillis);
        globalAchievements();
        cloud(runs, timeMillis);
        overlay();
        steam.frames(Steam.FRAMES_PER_SECOND / 4);
    }

    private void identity() {
        log.note("who is playing");
        me = steam.user.GetSteamID();
        log.call("GetSteamID", me);
        log.call("BLoggedOn", steam.user.BLoggedOn());
        log.call("GetPersonaName", steam.friends.GetPersonaName());
        log.call("GetPersonaState", steam.friends.GetPersonaState());
        ByteBuffer ticket = ByteBuffer.allocateDirect(1024);
        int[] length = new int[1];
        int handle = steam.user.GetAuthSessionTicket(ticket, 0, ticket.capacity(), length);
        log.call("GetAuthSessionTicket", "ticket " + handle + " of " + length[0] + " bytes");
        steam.user.CancelAuthTicket(handle);
    }

    private void library() {
        log.note("what the game may show");
        log.call("GetAppID", steam.utils.GetAppID());
        log.call("GetCurrentGameLanguage", steam.apps.GetCurrentGameLanguage());
        log.call("GetAvailableGameLanguages", steam.apps.GetAvailableGameLanguages());
        int count = steam.apps.GetDLCCount();
        log.call("GetDLCCount", count);
        for (int i = 0; i < count; i++) {
            int[] appId = new int[1];
            boolean[] available = new boolean[1];
            String[] name = new String[1];
            if (steam.apps.BGetDLCDataByIndex(i, appId, available, name)) {
                log.call("BGetDLCDataByIndex " + i, appId[0] + " \"" + name[0] + "\" " + (available[0] ? "owned" : "not owned"));
            }
        }
    }

    private void friendsAndClan() throws InterruptedException {
        log.note("friends and clan");
        int count = steam.friends.GetFriendCount(FRIENDS_IMMEDIATE);
        log.call("GetFriendCount", count);
        for (int i = 0; i < count; i++) {
            long friend = steam.friends.GetFriendByIndex(i, FRIENDS_IMMEDIATE);
            log.call("GetFriendByIndex " + i, friend + " \"" + steam.friends.GetFriendPersonaName(friend) + "\" state "
                    + steam.friends.GetFriendPersonaState(friend));
        }
        if (steam.friends.GetClanCount() == 0) {
            return;
        }
        long clan = steam.friends.GetClanByIndex(0);
        int[] online = new int[1];
        int[] inGame = new int[1];
        int[] chatting = new int[1];
        steam.friends.GetClanActivityCounts(clan, online, inGame, chatting);
        log.call("GetClanByIndex 0", clan + " \"" + steam.friends.GetClanName(clan) + "\" ["
                + steam.friends.GetClanTag(clan) + "] " + online[0] + " online, " + inGame[0] + " in game");
        steam.friends.RequestClanOfficerList(clan);
        log.call("RequestClanOfficerList", "requested");
        if (steam.await("onClanOfficerListResponse") != null) {
            log.call("GetClanOwner", steam.friends.GetClanOwner(clan));
        }
    }

    private void avatar() {
        int image = steam.friends.GetMediumFriendAvatar(me);
        int[] width = new int[1];
        int[] height = new int[1];
        if (image == 0 || !steam.utils.GetImageSize(image, width, height)) {
            log.call("GetMediumFriendAvatar", "no avatar");
            return;
        }
        ByteBuffer pixels = ByteBuffer.allocateDirect(width[0] * height[0] * 4);
        boolean read = steam.utils.GetImageRGBA(image, pixels, 0, pixels.capacity());
        long sum = 0;
        for (int i = 0; i < pixels.capacity(); i++) {
            sum += pixels.get(i) & 0xFF;
        }
        log.call("GetMediumFriendAvatar", "image " + image + ", " + width[0] + "x" + height[0]
                + (read ? ", pixel sum " + sum : ", pixels unavailable"));
    }

    /** The player's stats and achievements as last stored; the number of this run. */
    private int previousProgress() throws InterruptedException {
        log.note("progress so far");
        log.call("RequestCurrentStats", steam.userStats.RequestCurrentStats());
        steam.userStats.RequestUserStats(me);
        steam.await("onUserStatsReceived");
        int[] started = new int[1];
        int[] cleared = new int[1];
        float[] longest = new float[1];
        log.call("GetStat runs_started", steam.userStats.GetStat("runs_started", started) + " " + started[0]);
        log.call("GetStat levels_cleared", steam.userStats.GetStat("levels_cleared", cleared) + " " + cleared[0]);
        log.call("GetStat longest_run_km", steam.userStats.GetStat("longest_run_km", longest) + " " + longest[0]);
        for (String achievement : new String[] {"FIRST_STEPS", "RETURNING_RUNNER", "MARATHON"}) {
            boolean[] achieved = new boolean[1];
            int[] unlocked = new int[1];
            steam.userStats.GetAchievementAndUnlockTime(achievement, achieved, unlocked);
            log.call("GetAchievement " + achievement, achieved[0]
                    ? "unlocked " + Instant.ofEpochSecond(Integer.toUnsignedLong(unlocked[0])) : "locked");
        }
        return started[0] + 1;
    }

    private void recordRun(int runs, int timeMillis) throws InterruptedException {
        steam.frames(Steam.FRAMES_PER_SECOND / 2);
        log.note("run over in " + timeMillis + " ms: storing stats");
        int[] cleared = new int[1];
        float[] longest = new float[1];
        steam.userStats.GetStat("levels_cleared", cleared);
        steam.userStats.GetStat("longest_run_km", longest);
        log.call("SetStat runs_started " + runs, steam.userStats.SetStat("runs_started", runs));
        log.call("SetStat levels_cleared " + (cleared[0] + 2), steam.userStats.SetStat("levels_cleared", cleared[0] + 2));
        float distance = 3.5f + runs;
        log.call("SetStat longest_run_km " + Math.max(distance, longest[0]),
                steam.userStats.SetStat("longest_run_km", Math.max(distance, longest[0])));
        String achievement = runs == 1 ? "FIRST_STEPS" : "RETURNING_RUNNER";
        log.call("SetAchievement " + achievement, steam.userStats.SetAchievement(achievement));
        log.call("StoreStats", steam.userStats.StoreStats());
        steam.await("onUserStatsStored");
    }

    private void leaderboard(int timeMillis) throws InterruptedException {
        log.note("leaderboard");
        steam.userStats.FindLeaderboard(BOARD);
        Object[] found = steam.await("onLeaderboardFindResult");
        if (found == null || !(Boolean) found[1]) {
            return;
        }
        long board = (Long) found[0];
        log.call("GetLeaderboardName", steam.userStats.GetLeaderboardName(board));
        log.call("GetLeaderboardEntryCount", steam.userStats.GetLeaderboardEntryCount(board));
        steam.userStats.UploadLeaderboardScore(board, KEEP_BEST, timeMillis, new int[0], 0);
        steam.await("onLeaderboardScoreUploaded");
        steam.userStats.DownloadLeaderboardEntries(board, GLOBAL, 1, 10);
        Object[] downloaded = steam.await("onLeaderboardScoresDownloaded");
        if (downloaded == null) {
            return;
        }
        long entries = (Long) downloaded[1];
        int count = (Integer) downloaded[2];
        for (int i = 0; i < count; i++) {
            LeaderboardEntry[] entry = new LeaderboardEntry[1];
            int[] details = new int[1];
            if (steam.userStats.GetDownloadedLeaderboardEntry(entries, i, entry, details, details.length)) {
                log.call("GetDownloadedLeaderboardEntry " + i, "#" + entry[0].globalRank + " " + entry[0].score
                        + " ms " + (entry[0].steamIdUser == me ? "(you)" : String.valueOf(entry[0].steamIdUser)));
            }
        }
        steam.userStats.GetNumberOfCurrentPlayers();
        steam.await("onNumberOfCurrentPlayers");
    }

    private void globalAchievements() throws InterruptedException {
        log.note("how everyone else does");
        steam.userStats.RequestGlobalAchievementPercentages();
        if (steam.await("onGlobalAchievementPercentagesReady") == null) {
            return;
        }
        String[] name = new String[1];
        float[] percent = new float[1];
        boolean[] achieved = new boolean[1];
        int at = steam.userStats.GetMostAchievedAchievementInfo(name, percent, achieved);
        while (at != -1) {
            log.call("achieved by " + percent[0] + "%", name[0] + (achieved[0] ? " (you too)" : ""));
            at = steam.userStats.GetNextMostAchievedAchievementInfo(at, name, percent, achieved);
        }
    }

    private void cloud(int runs, int timeMillis) throws InterruptedException {
        log.note("save game in the cloud");
        if (steam.remoteStorage.FileExists(SAVE_GAME)) {
            log.call("FileRead " + SAVE_GAME + " (last time)", quoted(readCloud(SAVE_GAME)));
        } else {
            log.call("FileExists " + SAVE_GAME, false);
        }
        byte[] save = ("runs=" + runs + "; last time=" + timeMillis + " ms").getBytes(StandardCharsets.UTF_8);
        ByteBuffer data = ByteBuffer.allocateDirect(save.length);
        data.put(save);
        log.call("FileWrite " + SAVE_GAME, steam.remoteStorage.FileWrite(SAVE_GAME, data, 0, save.length));
        int files = steam.remoteStorage.GetFileCount();
        for (int i = 0; i < files; i++) {
            int[] size = new int[1];
            String name = steam.remoteStorage.GetFileNameAndSize(i, size);
            log.call("GetFileNameAndSize " + i, name + " " + size[0] + " bytes");
        }
        log.call("FileRead " + SAVE_GAME, quoted(readCloud(SAVE_GAME)));

        steam.remoteStorage.FileShare(SAVE_GAME);
        Object[] sharedFile = steam.await("onRemoteStorageFileShareResult");
        if (sharedFile == null) {
            return;
        }
        long content = (Long) sharedFile[1];
        steam.remoteStorage.UGCDownload(content, 0);
        Object[] downloaded = steam.await("onRemoteStorageDownloadUGCResult");
        if (downloaded == null) {
            return;
        }
        int size = (Integer) downloaded[3];
        ByteBuffer shared = ByteBuffer.allocateDirect(Math.max(size, 1));
        int read = steam.remoteStorage.UGCRead(content, shared, 0, size);
        log.call("UGCRead", quoted(text(shared, read)));
    }

    private void overlay() throws InterruptedException {
        log.note("patch notes");
        log.call("IsOverlayEnabled", steam.utils.IsOverlayEnabled());
        steam.friends.ActivateGameOverlayToWebPage("https://zentrobe.example/patch-notes");
        steam.await("onOverlayActivated");
    }

    private String readCloud(String name) {
        int size = steam.remoteStorage.GetFileSize(name);
        ByteBuffer data = ByteBuffer.allocateDirect(Math.max(size, 1));
        return text(data, steam.remoteStorage.FileRead(name, data, 0, size));
    }

    private static String text(ByteBuffer data, int length) {
        byte[] bytes = new byte[Math.max(length, 0)];
        data.get(0, bytes);
        return new String(bytes, StandardCharsets.UTF_8);
    }

    private static String quoted(String text) {
        return "\"" + text + "\"";
    }
}
