package net.quorlen.steam;

import static org.junit.jupiter.api.Assertions.assertArrayEquals;
import static org.junit.jupiter.api.Assertions.assertEquals;
import static org.junit.jupiter.api.Assertions.assertFalse;
import static org.junit.jupiter.api.Assertions.assertNotSame;
import static org.junit.jupiter.api.Assertions.assertNull;
import static org.junit.jupiter.api.Assertions.assertThrows;
import static org.junit.jupiter.api.Assertions.assertTrue;

import java.util.Arrays;
import java.util.List;
import java.util.function.BiPredicate;
import java.util.function.Consumer;
import java.util.function.Predicate;
import java.util.stream.Stream;
import net.quorlen.standin.StandIn;
import org.junit.jupiter.api.Test;
import org.junit.jupiter.params.ParameterizedTest;
import org.junit.jupiter.params.provider.MethodSource;

class StatsAndAchievementsTest extends UserStatsFixture {
    /** A native returning Steamworks' bool, and the call it makes. */
    record BoolCall(String method, Predicate<SteamUserStats> call, String steamworksCall) {
        @Override
        public String toString() {
            return steamworksCall;
        }
    }

    static Stream<BoolCall> boolCalls() {
        return Stream.of(
                new BoolCall("RequestCurrentStats", SteamUserStats::RequestCurrentStats, "RequestCurrentStats()"),
                new BoolCall("SetStat", s -> s.SetStat("kills", -7), "SetStat(\"kills\", -7)"),
                new BoolCall("SetStat", s -> s.SetStat("accuracy", 0.75f), "SetStat(\"accuracy\", 0.75)"),
                new BoolCall("UpdateAvgRateStat", s -> s.UpdateAvgRateStat("speed", 1.5f, 2.25),
                        "UpdateAvgRateStat(\"speed\", 1.5, 2.25)"),
                new BoolCall("SetAchievement", s -> s.SetAchievement("ACH_WIN"), "SetAchievement(\"ACH_WIN\")"),
                new BoolCall("ClearAchievement", s -> s.ClearAchievement("ACH_WIN"), "ClearAchievement(\"ACH_WIN\")"),
                new BoolCall("StoreStats", SteamUserStats::StoreStats, "StoreStats()"),
                new BoolCall("IndicateAchievementProgress", s -> s.IndicateAchievementProgress("ACH_RUN", -1, 5),
                        "IndicateAchievementProgress(\"ACH_RUN\", 4294967295, 5)"),
                new BoolCall("ResetAllStats", s -> s.ResetAllStats(true), "ResetAllStats(true)"),
                new BoolCall("ResetAllStats", s -> s.ResetAllStats(false), "ResetAllStats(false)"));
    }

    @ParameterizedTest(name = "{0}")
    @MethodSource("boolCalls")
    void passesItsArgumentsAndReturnsSteamworksAnswer(BoolCall call) {
        StandIn.set(call.method(), 1, 0);
        assertTrue(call.call().test(stats));
        assertFalse(call.call().test(stats));
        assertCalls(call.steamworksCall(), call.steamworksCall());
    }

    /** A getter with out-arrays: what it writes on success, given the arrays it fills. */
    record Getter(String name, String method, List<String> outKeys, BiPredicate<SteamUserStats, Object[]> call, Object[] arrays,
            String steamworksCall, Object[] onSuccess) {
        @Override
        public String toString() {
            return name;
        }
    }

    static Stream<Getter> getters() {
        return Stream.of(
                new Getter("GetStat(int[])", "GetStat", List.of("GetStat.data"),
                        (s, a) -> s.GetStat("kills", (int[]) a[0]), new Object[] {new int[] {-1}},
                        "GetStat(\"kills\", &)", new Object[] {new int[] {42}}),
                new Getter("GetStat(float[])", "GetStat", List.of("GetStat.data"),
                        (s, a) -> s.GetStat("accuracy", (float[]) a[0]), new Object[] {new float[] {-1}},
                        "GetStat(\"accuracy\", &)", new Object[] {new float[] {42.5f}}),
                new Getter("GetAchievement", "GetAchievement", List.of("GetAchievement.achieved"),
                        (s, a) -> s.GetAchievement("ACH_WIN", (boolean[]) a[0]),
                        new Object[] {new boolean[] {false}}, "GetAchievement(\"ACH_WIN\", &)",
                        new Object[] {new boolean[] {true}}),
                new Getter("GetAchievementAndUnlockTime", "GetAchievementAndUnlockTime",
                        List.of("GetAchievementAndUnlockTime.achieved", "GetAchievementAndUnlockTime.unlockTime"),
                        (s, a) -> s.GetAchievementAndUnlockTime("ACH_WIN", (boolean[]) a[0], (int[]) a[1]),
                        new Object[] {new boolean[] {false}, new int[] {-1}},
                        "GetAchievementAndUnlockTime(\"ACH_WIN\", &, &)",
                        // an unlock time from 2^31 seconds on reads as a negative int
                        new Object[] {new boolean[] {true}, new int[] {(int) 0x80000010L}}));
    }

    @ParameterizedTest(name = "{0}")
    @MethodSource("getters")
    void aGetterWritesItsArraysOnlyWhenSteamworksHasTheValue(Getter getter) {
        // Steamworks writes the out-values in both cases; only the successful call may pass them on.
        StandIn.setReal(getter.outKeys().get(0), 42.5);
        if (getter.outKeys().size() > 1) {
            StandIn.set(getter.outKeys().get(1), 0x80000010L);
        }
        StandIn.set(getter.method(), 0, 1);
        Object[] arrays = Arrays.stream(getter.arrays()).map(StatsAndAchievementsTest::copy).toArray();
        assertFalse(getter.call().test(stats, arrays));
        assertArrayEquals(getter.arrays(), arrays, "untouched after false");
        assertTrue(getter.call().test(stats, arrays));
        assertArrayEquals(getter.onSuccess(), arrays, "written after true");
        assertCalls(getter.steamworksCall(), getter.steamworksCall());
    }

    private static Object copy(Object array) {
        if (array instanceof int[] ints) {
            return ints.clone();
        }
        if (array instanceof float[] floats) {
            return floats.clone();
        }
        return ((boolean[]) array).clone();
    }

    @Test
    void theAchievementIconHandleComesBackUnchanged() {
        StandIn.set("GetAchievementIcon", 0x80000001L);
        assertEquals(0x80000001, stats.GetAchievementIcon("ACH_WIN"));
        assertCalls("GetAchievementIcon(\"ACH_WIN\")");
    }

    @Test
    void aDisplayAttributeIsAFreshStringEachTimeAndNullWhenSteamworksHasNone() {
        StandIn.setText("GetAchievementDisplayAttribute", "", "", "Win a match", null);
        String first = stats.GetAchievementDisplayAttribute("ACH_WIN", "name");
        String second = stats.GetAchievementDisplayAttribute("ACH_WIN", "name");
        assertEquals("", first);
        assertEquals("", second);
        assertNotSame(first, second);
        assertEquals("Win a match", stats.GetAchievementDisplayAttribute("ACH_WIN", "desc"));
        assertNull(stats.GetAchievementDisplayAttribute("ACH_WIN", "hidden"));
        assertEquals(4, calls().size());
    }

    @Test
    void aNameWithAnEmojiReachesSteamworksAsStandardUtf8() {
        stats.SetAchievement("ACH_\uD83D\uDE00");
        stats.GetAchievementDisplayAttribute("ACH_\uD83D\uDE00", "name\uD83D\uDE00");
        assertCalls("SetAchievement(\"ACH_\\xf0\\x9f\\x98\\x80\")",
                "GetAchievementDisplayAttribute(\"ACH_\\xf0\\x9f\\x98\\x80\", \"name\\xf0\\x9f\\x98\\x80\")");
    }

    /** Input no native can use, and the exception it leaves instead of calling Steamworks. */
    record Invalid(String name, Class<? extends Throwable> thrown, Consumer<SteamUserStats> call) {
        @Override
        public String toString() {
            return name;
        }
    }

    static Stream<Invalid> invalidInput() {
        return Stream.of(
                new Invalid("null name", NullPointerException.class, s -> s.SetStat(null, 1)),
                new Invalid("null key", NullPointerException.class, s -> s.GetAchievementDisplayAttribute("A", null)),
                new Invalid("null out-array", NullPointerException.class, s -> s.GetStat("kills", (int[]) null)),
                new Invalid("empty out-array", ArrayIndexOutOfBoundsException.class,
                        s -> s.GetStat("kills", new float[0])),
                new Invalid("second out-array empty", ArrayIndexOutOfBoundsException.class,
                        s -> s.GetAchievementAndUnlockTime("A", new boolean[1], new int[0])),
                new Invalid("interface handle 0", NullPointerException.class,
                        s -> new SteamUserStats(0).StoreStats()));
    }

    @ParameterizedTest(name = "{0}")
    @MethodSource("invalidInput")
    void invalidInputMakesNoSteamworksCall(Invalid invalid) {
        assertThrows(invalid.thrown(), () -> invalid.call().accept(stats));
        assertCalls();
    }
}
