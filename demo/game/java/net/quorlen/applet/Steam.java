package net.quorlen.applet;

import net.quorlen.steam.SteamAPI;
import net.quorlen.steam.SteamApps;
import net.quorlen.steam.SteamFriends;
import net.quorlen.steam.SteamRemoteStorage;
import net.quorlen.steam.SteamUser;
import net.quorlen.steam.SteamUserStats;
import net.quorlen.steam.SteamUtils;

/**
 * The game's hold on Steam: the interface wrappers, each with the event listener attached, and the
 * frame pump. Everything here runs on the game's main thread, which is also the thread that pumps.
 */
final class Steam {
    static final int FRAMES_PER_SECOND = 60;
    private static final long FRAME_NANOS = 1_000_000_000L / FRAMES_PER_SECOND;
    /** Steam answers within a few frames; a request unanswered after this long has been lost. */
    private static final int PATIENCE_FRAMES = 5 * FRAMES_PER_SECOND;

    final SteamUserStats userStats;
    final SteamFriends friends;
    final SteamRemoteStorage remoteStorage;
    final SteamUser user;
    final SteamApps apps;
    final SteamUtils utils;
    final SteamEvents events;
    private final GameLog log;

    private Steam(GameLog log) {
        this.log = log;
        userStats = new SteamUserStats(SteamAPI.SteamUserStats());
        friends = new SteamFriends(SteamAPI.SteamFriends());
        remoteStorage = new SteamRemoteStorage(SteamAPI.SteamRemoteStorage());
        user = new SteamUser(SteamAPI.SteamUser());
        apps = new SteamApps(SteamAPI.SteamApps());
        utils = new SteamUtils(SteamAPI.SteamUtils());
        events = new SteamEvents(log);
        userStats.setListener(events);
        friends.setListener(events);
        remoteStorage.setListener(events);
        user.setListener(events);
        apps.setListener(events);
        utils.setListener(events);
    }

    /** Initialises Steam and attaches the listeners, or gives null when Steam is not there. */
    static Steam start(GameLog log) {
        boolean started = SteamAPI.SteamAPI_Init();
        log.call("SteamAPI_Init", started);
        if (!started) {
            return null;
        }
        Steam steam = new Steam(log);
        log.note("listening to UserStats, Friends, RemoteStorage, User, Apps and Utils");
        return steam;
    }

    /** One frame: Steam's events are delivered, then the frame's time runs out. */
    void frame() throws InterruptedException {
        long start = System.nanoTime();
        SteamAPI.SteamAPI_RunCallbacks();
        long left = FRAME_NANOS - (System.nanoTime() - start);
        if (left > 0) {
            Thread.sleep(left / 1_000_000L, (int) (left % 1_000_000L));
        }
    }

    void frames(int count) throws InterruptedException {
        for (int i = 0; i < count; i++) {
            frame();
        }
    }

    /**
     * Plays frames until the listener hears `method`, and gives its arguments; null when Steam never
     * sent it.
     */
    Object[] await(String method) throws InterruptedException {
        for (int i = 0; i < PATIENCE_FRAMES; i++) {
            Object[] arguments = events.take(method);
            if (arguments != null) {
                return arguments;
            }
            frame();
        }
        log.note("no " + method + " from Steam");
        return null;
    }

    void stop() {
        userStats.setListener(null);
        friends.setListener(null);
        remoteStorage.setListener(null);
        user.setListener(null);
        apps.setListener(null);
        utils.setListener(null);
        SteamAPI.SteamAPI_Shutdown();
        log.call("SteamAPI_Shutdown", "done");
    }
}
