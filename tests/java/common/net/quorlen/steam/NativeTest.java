package net.quorlen.steam;

import static org.junit.jupiter.api.Assertions.assertEquals;

import java.util.ArrayList;
import java.util.List;
import net.quorlen.standin.StandIn;
import org.junit.jupiter.api.AfterEach;
import org.junit.jupiter.api.BeforeAll;
import org.junit.jupiter.api.BeforeEach;

/**
 * Base of the tests that call the natives: nimbrel is loaded as the game loads
 * it, the stand-in starts each test fresh, and each test must leave the
 * stand-in without faults and without registrations (adapters removed).
 */
public abstract class NativeTest {
    private final List<Runnable> cleanups = new ArrayList<>();

    @BeforeAll
    static void loadLibraries() {
        System.loadLibrary("nimbrel");
    }

    @BeforeEach
    void freshStandIn() {
        StandIn.reset();
    }

    @AfterEach
    void standInSawNothingWrong() {
        for (int i = cleanups.size() - 1; i >= 0; i--) {
            cleanups.get(i).run();
        }
        assertEquals(List.of(), StandIn.takeFaults(), "faults seen by the stand-in");
        assertEquals(0, StandIn.liveRegistrations(), "registrations left behind");
    }

    /** Runs `cleanup` after the test, before the stand-in is checked (last registered runs first). */
    protected void afterTest(Runnable cleanup) {
        cleanups.add(cleanup);
    }

    /** Asserts the calls that reached the stand-in since the last check, in order. */
    protected static void assertCalls(String... expected) {
        assertEquals(List.of(expected), StandIn.takeCalls());
    }

    /** The calls that reached the stand-in since the last check. */
    protected static List<String> calls() {
        return StandIn.takeCalls();
    }
}
