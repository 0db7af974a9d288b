package net.quorlen.bench;

import java.nio.ByteBuffer;
import java.nio.file.Files;
import java.nio.file.Path;
import java.util.ArrayList;
import java.util.List;
import net.quorlen.standin.StandIn;
import net.quorlen.steam.SteamAPI;
import net.quorlen.steam.SteamFriends;
import net.quorlen.steam.SteamRemoteStorage;
import net.quorlen.steam.SteamUser;
import net.quorlen.steam.SteamUserStats;

/**
 * Measures nimbrel through the stand-in: the cost of a call of each kind beside
 * an empty native, the cost of an event, the data path beside a memory copy,
 * resident memory over many calls and events, and (with --launcher) the start
 * of the game through the launcher beside the java command. Prints one table.
 *
 * Usage: Bench [--tiny] [--launcher LAUNCHER GAME_FOLDER JAVA]
 * --tiny runs every figure at a token size, to show that the harness works.
 */
public final class Bench {
    static final int ACHIEVEMENT_STORED = 1103;
    static final int LEADERBOARD_FIND_RESULT = 1104;

    final boolean tiny;
    final Measure measure;
    final Table table = new Table();

    final Floor floor = Floor.instance();
    final SteamUser user = new SteamUser(SteamAPI.SteamUser());
    final SteamUserStats stats = new SteamUserStats(SteamAPI.SteamUserStats());
    final SteamFriends friends = new SteamFriends(SteamAPI.SteamFriends());
    final SteamRemoteStorage storage = new SteamRemoteStorage(SteamAPI.SteamRemoteStorage());
    final StatsListener listener = new StatsListener();

    Bench(boolean tiny) {
        this.tiny = tiny;
        this.measure = tiny ? new Measure(1, 3) : new Measure(3, 9);
    }

    public static void main(String[] args) throws Exception {
        System.loadLibrary("nimbrel");
        // The stand-in as the tests have it: answers from its defaults, files kept in memory only.
        StandIn.reset();
        boolean tiny = List.of(args).contains("--tiny");
        int at = List.of(args).indexOf("--launcher");
        Bench bench = new Bench(tiny);
        bench.stats.setListener(bench.listener);
        bench.calls();
        bench.events();
        bench.memory();
        bench.dataPath();
        if (at >= 0) {
            new LauncherStart(bench.table, tiny ? 1 : 2, tiny ? 3 : 11).run(Path.of(args[at + 1]),
                    Path.of(args[at + 2]), Path.of(args[at + 3]));
        }
        bench.stats.setListener(null);
        if (StandIn.liveRegistrations() != 0) {
            throw new IllegalStateException("registrations left behind: " + StandIn.liveRegistrations());
        }
        System.out.print(bench.table.render());
    }

    int count(int full) {
        return tiny ? Math.max(1, full / 1000) : full;
    }

    void calls() throws Exception {
        Floor.setStandInRecording(false);
        int n = count(1_000_000);
        ByteBuffer small = ByteBuffer.allocateDirect(64);
        int[] out = new int[1];
        long userHandle = SteamAPI.SteamUser();
        long storageHandle = SteamAPI.SteamRemoteStorage();

        table.section("Calls: nanoseconds per call, stand-in log off");
        List<String> names = new ArrayList<>();
        List<Measure.Batch> batches = new ArrayList<>();
        names.add("empty native of our own (the floor)");
        batches.add(Measure.loop(floor::empty));
        names.add("FindClass alone, in a native of our own");
        batches.add(Measure.loop(Floor::findClass));
        names.add("the frame's lookups alone (FindClass, GetMethodID, getPointer)");
        batches.add(Measure.loop(() -> Floor.frameLookups(user)));
        names.add("`BLoggedOn` (no argument)");
        batches.add(Measure.loop(() -> user.BLoggedOn()));
        names.add("`SetStat` (a string)");
        batches.add(Measure.loop(() -> stats.SetStat("bench.kills", 7)));
        names.add("`GetStat` (a string and an out-array)");
        batches.add(Measure.loop(() -> stats.GetStat("bench.kills", out)));
        names.add("`GetPersonaName` (a string result)");
        batches.add(Measure.loop(() -> friends.GetPersonaName()));
        names.add("`FindLeaderboard` (arming, adapter attached)");
        batches.add(Measure.loop(() -> stats.FindLeaderboard("Scores")));
        names.add("`FileWrite` of 64 bytes (a string and a buffer)");
        batches.add(Measure.loop(() -> storage.FileWrite("bench.bin", small, 0, 64)));
        names.add("stand-in `BLoggedOn` called without nimbrel");
        batches.add(Measure.loop(() -> Floor.directBLoggedOn(userHandle)));
        names.add("stand-in `FileWrite` of 64 bytes without nimbrel");
        batches.add(Measure.loop(() -> Floor.directFileWrite(storageHandle, small, 64)));
        List<Measure.Result> results = measure.interleaved(n, batches);
        Measure.Result empty = results.get(0);
        for (int i = 0; i < names.size(); i++) {
            table.row(names.get(i), results.get(i), "ns/call", Table.ratio(results.get(i).median(), empty.median()));
        }

        // What the tests' log costs: every call formatted and kept, taken as tests take it.
        Floor.setStandInRecording(true);
        StandIn.takeCalls();
        int takeEvery = 10_000;
        Measure.Result logged = measure.perOperation(n, count2 -> {
            long start = System.nanoTime();
            for (int i = 0; i < count2; i++) {
                stats.SetStat("bench.kills", 7);
                if (i % takeEvery == takeEvery - 1) {
                    StandIn.takeCalls();
                }
            }
            long elapsed = System.nanoTime() - start;
            StandIn.takeCalls();
            return elapsed;
        });
        table.row("`SetStat` with the stand-in's log on, taken every 10,000 calls", logged, "ns/call",
                Table.ratio(logged.median(), empty.median()));
        Floor.setStandInRecording(false);
    }

    void postAchievementStored() {
        StandIn.event(ACHIEVEMENT_STORED).set("m_nGameID", 480).setText("m_rgchAchievementName", "ACH_WIN_ONE_GAME")
                .set("m_nCurProgress", 3).set("m_nMaxProgress", 10).post();
    }

    void completeFindLeaderboard() {
        stats.FindLeaderboard("Scores");
        StandIn.event(LEADERBOARD_FIND_RESULT).set("m_hSteamLeaderboard", 77).set("m_bLeaderboardFound", true)
                .complete(StandIn.lastCall());
    }

    /** Times only the pumps; preparing each event is the stand-in's work and stays outside. */
    long pumps(int count, Runnable prepare) {
        long spent = 0;
        for (int i = 0; i < count; i++) {
            prepare.run();
            long start = System.nanoTime();
            SteamAPI.SteamAPI_RunCallbacks();
            spent += System.nanoTime() - start;
        }
        return spent;
    }

    void events() throws Exception {
        int n = count(200_000);
        table.section("Events: nanoseconds per event in `SteamAPI_RunCallbacks`");
        int batch = tiny ? 100 : 10_000;
        long before = listener.achievementsStored;
        long foundBefore = listener.leaderboardsFound;
        List<Measure.Result> results = measure.interleaved(n, List.of(
                count -> pumps(count, () -> { }),
                count -> pumps(count, this::postAchievementStored),
                count -> pumps(count, this::completeFindLeaderboard),
                // `count` events per batch would be n; this row wants `batch` in one pump
                count -> oneFullPump(batch) * count / batch));
        Measure.Result idle = results.get(0);
        table.row("a pump with nothing to deliver (the floor)", idle, "ns/pump", "1.0×");
        table.row("callback with a string, one per pump", results.get(1), "ns/event",
                Table.ratio(results.get(1).median(), idle.median()));
        table.row("call result, one per pump", results.get(2), "ns/event",
                Table.ratio(results.get(2).median(), idle.median()));
        table.row("callback with a string, " + String.format("%,d", batch) + " in one pump", results.get(3),
                "ns/event", Table.ratio(results.get(3).median(), idle.median()));
        int rounds = roundsOf(measure);
        expect("callbacks delivered", (long) (rounds) * (n + batch), listener.achievementsStored - before);
        expect("call results delivered", (long) rounds * n, listener.leaderboardsFound - foundBefore);
    }

    /** Posts `events` string callbacks and times the one pump that delivers them all. */
    long oneFullPump(int events) {
        for (int i = 0; i < events; i++) {
            postAchievementStored();
        }
        long start = System.nanoTime();
        SteamAPI.SteamAPI_RunCallbacks();
        return System.nanoTime() - start;
    }

    static int roundsOf(Measure measure) throws Exception {
        int[] runs = {0};
        measure.perOperation(1, count -> {
            runs[0]++;
            return 1;
        });
        return runs[0];
    }

    static void expect(String what, long expected, long actual) {
        if (expected != actual) {
            throw new IllegalStateException(what + ": expected " + expected + ", got " + actual);
        }
    }

    static long residentKiB() throws Exception {
        for (String line : Files.readAllLines(Path.of("/proc/self/status"))) {
            if (line.startsWith("VmRSS:")) {
                return Long.parseLong(line.replaceAll("[^0-9]", ""));
            }
        }
        throw new IllegalStateException("no VmRSS in /proc/self/status");
    }

    void memory() throws Exception {
        int calls = count(10_000_000);
        int events = count(1_000_000);
        ByteBuffer small = ByteBuffer.allocateDirect(64);
        int[] out = new int[1];
        table.section("Resident memory (KiB): " + String.format("%,d", calls) + " calls, then "
                + String.format("%,d", events) + " events");
        // A tenth first, so that compiled code and the stand-in's tables have their
        // size before the count starts; what grows after that grows with use.
        mixedCalls(calls / 10, small, out);
        pumpEvents(events / 10);
        System.gc();
        long start = residentKiB();
        mixedCalls(calls, small, out);
        System.gc();
        long afterCalls = residentKiB();
        pumpEvents(events);
        System.gc();
        long afterEvents = residentKiB();
        table.row("resident before", single(start), "KiB", "");
        table.row("resident after the calls", single(afterCalls), "KiB", signed(afterCalls - start) + " KiB");
        table.row("resident after the events", single(afterEvents), "KiB", signed(afterEvents - afterCalls) + " KiB");
        // Growth that is warm-up stops; growth that is kept per call goes on.
        mixedCalls(calls, small, out);
        pumpEvents(events);
        System.gc();
        long again = residentKiB();
        table.row("resident after the calls and the events once more", single(again), "KiB",
                signed(again - afterEvents) + " KiB");
    }

    void mixedCalls(int calls, ByteBuffer small, int[] out) {
        for (int i = 0; i < calls; i += 6) {
            user.BLoggedOn();
            stats.SetStat("bench.kills", i);
            stats.GetStat("bench.kills", out);
            friends.GetPersonaName();
            stats.FindLeaderboard("Scores");
            storage.FileWrite("bench.bin", small, 0, 64);
        }
    }

    /** Events in pumps of a thousand: string callbacks and one call result each. */
    void pumpEvents(int events) {
        int perPump = Math.min(1000, events);
        for (int i = 0; i < events; i += perPump) {
            for (int j = 0; j < perPump - 1; j++) {
                postAchievementStored();
            }
            completeFindLeaderboard();
            SteamAPI.SteamAPI_RunCallbacks();
        }
    }

    static Measure.Result single(double value) {
        return new Measure.Result(value, value, value);
    }

    static String signed(long value) {
        return (value >= 0 ? "+" : "") + String.format("%,d", value);
    }

    void dataPath() throws Exception {
        int size = tiny ? 64 * 1024 : 64 * 1024 * 1024;
        double mib = size / (1024.0 * 1024.0);
        ByteBuffer source = ByteBuffer.allocateDirect(size);
        ByteBuffer target = ByteBuffer.allocateDirect(size);
        for (int i = 0; i < size; i += 4096) {
            source.put(i, (byte) i);
            target.put(i, (byte) 0);
        }
        long storageHandle = SteamAPI.SteamRemoteStorage();
        byte[] content = new byte[size];
        content[size - 1] = 1;
        StandIn.setBytes("UGCRead.data", content);
        content = null;
        Measure data = tiny ? new Measure(1, 3) : new Measure(1, 7);

        table.section("Data path: " + Table.number(mib) + " MiB per transfer, MiB/s (higher is better)");
        Measure.Result copy = data.perOperation(1, count -> timed(() -> Floor.copy(source, target, size)));
        dataRow("memcpy between two direct buffers (the floor)", copy, mib, copy);
        dataRow("`FileWrite` through nimbrel", data.perOperation(1, count -> timed(() -> check(
                storage.FileWrite("bench.bin", source, 0, size)))), mib, copy);
        dataRow("stand-in `FileWrite` without nimbrel", data.perOperation(1, count -> timed(() -> check(
                Floor.directFileWrite(storageHandle, source, size)))), mib, copy);
        dataRow("`FileRead` through nimbrel", data.perOperation(1, count -> timed(() -> check(
                storage.FileRead("bench.bin", target, 0, size) == size))), mib, copy);
        dataRow("stand-in `FileRead` without nimbrel", data.perOperation(1, count -> timed(() -> check(
                Floor.directFileRead(storageHandle, target, size) == size))), mib, copy);
        dataRow("`UGCRead` through nimbrel", data.perOperation(1, count -> timed(() -> check(
                storage.UGCRead(5, target, 0, size) == size))), mib, copy);
        dataRow("stand-in `UGCRead` without nimbrel", data.perOperation(1, count -> timed(() -> check(
                Floor.directUGCRead(storageHandle, 5, target, size) == size))), mib, copy);
        StandIn.reset();
    }

    static long timed(Runnable transfer) {
        long start = System.nanoTime();
        transfer.run();
        return System.nanoTime() - start;
    }

    static void check(boolean fine) {
        if (!fine) {
            throw new IllegalStateException("a transfer did not move all its bytes");
        }
    }

    void dataRow(String name, Measure.Result nanos, double mib, Measure.Result floorNanos) {
        // Throughput: the fastest round is the highest rate, so min and max swap.
        Measure.Result rate = new Measure.Result(mib / (nanos.median() / 1e9), mib / (nanos.max() / 1e9),
                mib / (nanos.min() / 1e9));
        table.row(name, rate, "MiB/s", Table.ratio(nanos.median(), floorNanos.median()) + " the floor's time");
    }
}
