package net.quorlen.steam;

import static org.junit.jupiter.api.Assertions.assertArrayEquals;
import static org.junit.jupiter.api.Assertions.assertEquals;
import static org.junit.jupiter.api.Assertions.assertFalse;
import static org.junit.jupiter.api.Assertions.assertThrows;
import static org.junit.jupiter.api.Assertions.assertTrue;

import java.nio.ByteBuffer;
import java.nio.ByteOrder;
import java.nio.DoubleBuffer;
import java.nio.LongBuffer;
import java.util.function.Consumer;
import java.util.stream.Stream;
import net.quorlen.standin.StandIn;
import org.junit.jupiter.api.Test;
import org.junit.jupiter.params.ParameterizedTest;
import org.junit.jupiter.params.provider.MethodSource;

class GlobalStatsTest extends UserStatsFixture {
    private static final String MOST = "GetMostAchievedAchievementInfo";
    private static final String NEXT = "GetNextMostAchievedAchievementInfo";

    @Test
    void iteratingTheMostAchievedFillsTheArraysUntilMinusOne() {
        StandIn.set(MOST, 4);
        StandIn.setText(MOST + ".name", "ACH_\uD83D\uDE00");
        StandIn.setReal(MOST + ".percent", 87.5);
        StandIn.set(MOST + ".achieved", true);
        StandIn.set(NEXT, 9, -1);
        StandIn.setText(NEXT + ".name", "ACH_B", "ACH_C");
        StandIn.setReal(NEXT + ".percent", 12.25, 3);
        StandIn.set(NEXT + ".achieved", 0, 1);
        String[] name = {null};
        float[] percent = {-1};
        boolean[] achieved = {false};

        assertEquals(4, stats.GetMostAchievedAchievementInfo(name, percent, achieved));
        assertArrayEquals(new Object[] {"ACH_\uD83D\uDE00", 87.5f, true}, new Object[] {name[0], percent[0], achieved[0]});
        assertEquals(9, stats.GetNextMostAchievedAchievementInfo(4, name, percent, achieved));
        assertArrayEquals(new Object[] {"ACH_B", 12.25f, false}, new Object[] {name[0], percent[0], achieved[0]});
        // Steamworks reports the end (and writes into the locals anyway): the arrays keep the last achievement.
        assertEquals(-1, stats.GetNextMostAchievedAchievementInfo(9, name, percent, achieved));
        assertArrayEquals(new Object[] {"ACH_B", 12.25f, false}, new Object[] {name[0], percent[0], achieved[0]});
        assertCalls(MOST + "(&, 256, &, &)", NEXT + "(4, &, 256, &, &)", NEXT + "(9, &, 256, &, &)");
    }

    @Test
    void beforeThePercentagesArriveTheIterationLeavesTheArraysAlone() {
        String[] name = {"kept"};
        float[] percent = {5};
        boolean[] achieved = {true};
        assertEquals(-1, stats.GetMostAchievedAchievementInfo(name, percent, achieved));
        assertArrayEquals(new Object[] {"kept", 5f, true}, new Object[] {name[0], percent[0], achieved[0]});
    }

    @Test
    void aNameThatFillsTheBufferArrivesWhole() {
        String longest = "L".repeat(255);
        StandIn.set(MOST, 0);
        StandIn.setText(MOST + ".name", longest + "overflow");
        String[] name = {null};
        assertEquals(0, stats.GetMostAchievedAchievementInfo(name, new float[1], new boolean[1]));
        assertEquals(longest, name[0]);
    }

    @Test
    void percentAndGlobalStatsAreWrittenOnlyOnSuccess() {
        StandIn.setReal("GetAchievementAchievedPercent.percent", 33.5);
        StandIn.set("GetAchievementAchievedPercent", 0, 1);
        float[] percent = {-1};
        assertFalse(stats.GetAchievementAchievedPercent("ACH_WIN", percent));
        assertEquals(-1f, percent[0]);
        assertTrue(stats.GetAchievementAchievedPercent("ACH_WIN", percent));
        assertEquals(33.5f, percent[0]);

        StandIn.set("GetGlobalStat.data", TOP);
        StandIn.set("GetGlobalStat", 0, 1);
        long[] total = {-1};
        assertFalse(stats.GetGlobalStat("kills", total));
        assertEquals(-1, total[0]);
        assertTrue(stats.GetGlobalStat("kills", total));
        assertEquals(TOP, total[0]);

        StandIn.setReal("GetGlobalStat.data", 1.0e300);
        StandIn.set("GetGlobalStat", 0, 1);
        double[] distance = {-1};
        assertFalse(stats.GetGlobalStat("distance", distance));
        assertEquals(-1.0, distance[0]);
        assertTrue(stats.GetGlobalStat("distance", distance));
        assertEquals(1.0e300, distance[0]);
        assertEquals(6, calls().size());
    }

    private static ByteBuffer direct(int elements) {
        return ByteBuffer.allocateDirect(elements * 8).order(ByteOrder.nativeOrder());
    }

    @Test
    void historyFillsItsRegionOfALongBufferAndNothingElse() {
        LongBuffer history = direct(10).asLongBuffer();
        for (int i = 0; i < 10; i++) {
            history.put(i, -1);
        }
        history.position(1);
        StandIn.set("GetGlobalStatHistory.data", 100, 101, 102, 103, 104, 105, 106);
        assertEquals(4, stats.GetGlobalStatHistory("kills", history, 3, 7));
        assertCalls("GetGlobalStatHistory(\"kills\", " + StandIn.addressOf(history, 24) + ", 32)");
        long[] all = new long[10];
        history.get(0, all);
        assertArrayEquals(new long[] {-1, -1, -1, 100, 101, 102, 103, -1, -1, -1}, all);
        assertEquals(1, history.position());
    }

    @Test
    void historyFillsItsRegionOfADoubleBuffer() {
        DoubleBuffer history = direct(6).asDoubleBuffer();
        for (int i = 0; i < 6; i++) {
            history.put(i, -1);
        }
        StandIn.setReal("GetGlobalStatHistory.data", 0.5, 1.5);
        // Steamworks holds two days: it writes those and says so.
        StandIn.set("GetGlobalStatHistory.days", 2);
        assertEquals(2, stats.GetGlobalStatHistory("distance", history, 1, 6));
        assertCalls("GetGlobalStatHistory(\"distance\", " + StandIn.addressOf(history, 8) + ", 40)");
        double[] all = new double[6];
        history.get(0, all);
        assertArrayEquals(new double[] {-1, 0.5, 1.5, -1, -1, -1}, all);
    }

    @Test
    void anEmptyRegionHasSizeZeroAndTheResultPassesUnchanged() {
        LongBuffer history = direct(4).asLongBuffer();
        StandIn.set("GetGlobalStatHistory", 5);
        assertEquals(5, stats.GetGlobalStatHistory("kills", history, 4, 4));
        assertCalls("GetGlobalStatHistory(\"kills\", " + StandIn.addressOf(history, 32) + ", 0)");
    }

    record Invalid(String name, Class<? extends Throwable> thrown, Consumer<SteamUserStats> call) {
        @Override
        public String toString() {
            return name;
        }
    }

    static Stream<Invalid> invalidInput() {
        return Stream.of(
                new Invalid("heap buffer", IllegalArgumentException.class,
                        s -> s.GetGlobalStatHistory("kills", LongBuffer.allocate(4), 0, 4)),
                new Invalid("end beyond capacity", IllegalArgumentException.class,
                        s -> s.GetGlobalStatHistory("kills", direct(4).asLongBuffer(), 0, 5)),
                new Invalid("start after end", IllegalArgumentException.class,
                        s -> s.GetGlobalStatHistory("kills", direct(4).asDoubleBuffer(), 3, 2)),
                new Invalid("negative start", IllegalArgumentException.class,
                        s -> s.GetGlobalStatHistory("kills", direct(4).asDoubleBuffer(), -1, 2)),
                new Invalid("null buffer", NullPointerException.class,
                        s -> s.GetGlobalStatHistory("kills", (LongBuffer) null, 0, 0)),
                new Invalid("null name", NullPointerException.class,
                        s -> s.GetGlobalStatHistory(null, direct(1).asLongBuffer(), 0, 1)),
                new Invalid("global stat out-array empty", ArrayIndexOutOfBoundsException.class,
                        s -> s.GetGlobalStat("kills", new double[0])),
                new Invalid("name array null", NullPointerException.class,
                        s -> s.GetMostAchievedAchievementInfo(null, new float[1], new boolean[1])),
                new Invalid("flag array empty", ArrayIndexOutOfBoundsException.class,
                        s -> s.GetNextMostAchievedAchievementInfo(1, new String[1], new float[1], new boolean[0])));
    }

    @ParameterizedTest(name = "{0}")
    @MethodSource("invalidInput")
    void invalidInputMakesNoSteamworksCall(Invalid invalid) {
        assertThrows(invalid.thrown(), () -> invalid.call().accept(stats));
        assertCalls();
    }
}
