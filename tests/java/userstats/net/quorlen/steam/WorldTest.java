package net.quorlen.steam;

import static org.junit.jupiter.api.Assertions.assertArrayEquals;
import static org.junit.jupiter.api.Assertions.assertEquals;
import static org.junit.jupiter.api.Assertions.assertFalse;
import static org.junit.jupiter.api.Assertions.assertTrue;

import java.io.IOException;
import java.nio.file.Files;
import java.nio.file.Path;
import java.util.ArrayList;
import java.util.List;
import net.quorlen.standin.StandIn;
import org.junit.jupiter.api.AfterEach;
import org.junit.jupiter.api.BeforeEach;
import org.junit.jupiter.api.Test;

/**
 * The stand-in's built-in world, as a game meets it through the bridge: answers arrive at a later
 * pump, what the player stores is there again when the world is next started from the same save,
 * a scripted answer still wins, and once the world is off nothing is answered or saved by it.
 */
class WorldTest extends UserStatsFixture {
    // Every file the world may write, finished or half-written. The save is
    // checked and cleaned by these names: the 32-bit VM under qemu cannot list
    // a directory whose entries carry 64-bit inode numbers.
    private static final List<String> SAVE_FILES = List.of("stats.txt", "leaderboards.txt", "cloud.txt");

    private Path save;

    @BeforeEach
    void emptySave() throws IOException {
        save = Files.createTempDirectory("zentrobe-save");
    }

    @AfterEach
    void removeSave() throws IOException {
        for (String name : written()) {
            Files.delete(save.resolve(name));
        }
        Files.delete(save);
    }

    private List<String> written() {
        List<String> found = new ArrayList<>();
        for (String name : SAVE_FILES) {
            for (String file : List.of(name, name + ".new")) {
                if (Files.exists(save.resolve(file))) {
                    found.add(file);
                }
            }
        }
        return found;
    }

    @Test
    void resultsArriveAtTheNextPumpNotInsideTheCall() {
        StandIn.useWorld(save.toString());
        ListenerRecorder<NativeUserStatsListener> recorder = listen(stats);

        stats.FindLeaderboard("Fastest Descent");
        stats.FindLeaderboard("No Such Board");
        assertEquals(List.of(), recorder.take());
        SteamAPI.SteamAPI_RunCallbacks();
        // The second search replaced the first, as in every adapter.
        assertEquals(List.of("onLeaderboardFindResult(0, false)"), recorder.take());

        stats.UploadLeaderboardScore(0x5A01, 1, 57000, new int[0], 0);
        SteamAPI.SteamAPI_RunCallbacks();
        assertEquals(List.of("onLeaderboardScoreUploaded(true, 23041, 57000, true, 2, 0)"), recorder.take());
    }

    @Test
    void storedProgressIsReadBackAndWhatWasNotStoredIsNot() throws IOException {
        StandIn.useWorld(save.toString());
        ListenerRecorder<NativeUserStatsListener> recorder = listen(stats);
        assertTrue(stats.SetStat("runs_started", 7));
        assertTrue(stats.SetStat("longest_run_km", 12.25f));
        assertFalse(stats.SetStat("runs_started", 1.5f), "a stat of the other kind");
        assertFalse(stats.SetStat("no_such_stat", 1));
        assertTrue(stats.SetAchievement("FIRST_STEPS"));
        assertTrue(stats.StoreStats());
        SteamAPI.SteamAPI_RunCallbacks();
        assertEquals(List.of("onUserStatsStored(22202, 1)", "onUserAchievementStored(22202, false, \"FIRST_STEPS\", 0, 0)"),
                recorder.take());
        assertTrue(stats.SetStat("runs_started", 9));
        assertTrue(stats.SetAchievement("MARATHON"));

        // The world started again from the same save, as by the game's next run.
        StandIn.useWorld(save.toString());
        int[] runs = {-1};
        float[] longest = {-1};
        boolean[] achieved = {false};
        int[] unlocked = {0};
        assertTrue(stats.GetStat("runs_started", runs));
        assertTrue(stats.GetStat("longest_run_km", longest));
        assertArrayEquals(new int[] {7}, runs);
        assertArrayEquals(new float[] {12.25f}, longest);
        assertTrue(stats.GetAchievementAndUnlockTime("FIRST_STEPS", achieved, unlocked));
        assertTrue(achieved[0]);
        assertTrue(unlocked[0] > 0, "unlock time " + unlocked[0]);
        assertTrue(stats.GetAchievement("MARATHON", achieved));
        assertFalse(achieved[0], "set but never stored");
        assertEquals(List.of("stats.txt"), written());
    }

    @Test
    void aScriptedAnswerWinsAndResetTurnsTheWorldOff() throws IOException {
        StandIn.useWorld(save.toString());
        assertTrue(stats.SetStat("runs_started", 5));
        StandIn.set("GetStat", false);
        int[] runs = {-1};
        assertFalse(stats.GetStat("runs_started", runs));
        assertArrayEquals(new int[] {-1}, runs);

        StandIn.reset();
        assertTrue(stats.GetStat("runs_started", runs), "the plain stand-in's answer");
        assertArrayEquals(new int[] {0}, runs, "the plain stand-in's value, not the world's 5");
        assertTrue(stats.SetStat("runs_started", 3));
        assertTrue(stats.StoreStats());
        assertEquals(List.of(), written(), "nothing saved while the world is off");
    }
}
