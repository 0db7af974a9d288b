package net.quorlen.steam;

import static org.junit.jupiter.api.Assertions.assertEquals;
import static org.junit.jupiter.api.Assertions.assertFalse;
import static org.junit.jupiter.api.Assertions.assertNotEquals;
import static org.junit.jupiter.api.Assertions.assertTrue;
import static org.junit.jupiter.api.Assumptions.assumeTrue;

import java.util.List;
import java.util.function.LongSupplier;
import net.quorlen.standin.StandIn;
import org.junit.jupiter.api.Test;

class SteamApiTest extends NativeTest {
    private static final List<String> ACCESSORS = List.of("SteamClient", "SteamUser", "SteamFriends", "SteamUtils",
            "SteamMatchmaking", "SteamUserStats", "SteamApps", "SteamNetworking", "SteamMatchmakingServers",
            "SteamRemoteStorage");

    private static final List<LongSupplier> ACCESSOR_NATIVES = List.of(SteamAPI::SteamClient, SteamAPI::SteamUser,
            SteamAPI::SteamFriends, SteamAPI::SteamUtils, SteamAPI::SteamMatchmaking, SteamAPI::SteamUserStats,
            SteamAPI::SteamApps, SteamAPI::SteamNetworking, SteamAPI::SteamMatchmakingServers,
            SteamAPI::SteamRemoteStorage);

    @Test
    void initPassesOnTheResultAndDoesNothingElse() {
        assertTrue(SteamAPI.SteamAPI_Init());
        StandIn.set("SteamAPI_Init", false);
        assertFalse(SteamAPI.SteamAPI_Init());
        assertCalls("SteamAPI_Init()", "SteamAPI_Init()");
    }

    @Test
    void shutdownAndRunningReachSteamworks() {
        StandIn.set("SteamAPI_IsSteamRunning", 1, 0);
        assertTrue(SteamAPI.SteamAPI_IsSteamRunning());
        assertFalse(SteamAPI.SteamAPI_IsSteamRunning());
        SteamAPI.SteamAPI_Shutdown();
        SteamAPI.SteamAPI_RunCallbacks();
        assertCalls("SteamAPI_IsSteamRunning()", "SteamAPI_IsSteamRunning()", "SteamAPI_Shutdown()");
    }

    @Test
    void everyAccessorHandsOutItsOwnInterface() {
        long[] handles = new long[ACCESSORS.size()];
        for (int i = 0; i < handles.length; i++) {
            handles[i] = ACCESSOR_NATIVES.get(i).getAsLong();
            assertNotEquals(0, handles[i], ACCESSORS.get(i));
            for (int j = 0; j < i; j++) {
                assertNotEquals(handles[j], handles[i], ACCESSORS.get(i) + " and " + ACCESSORS.get(j));
            }
        }
        assertEquals(ACCESSORS.stream().map(a -> a + "()").toList(), calls());
        // the same interface on every call
        assertEquals(handles[5], SteamAPI.SteamUserStats());
    }

    @Test
    void aMissingInterfaceReadsAsZero() {
        StandIn.set("SteamFriends", 0);
        assertEquals(0, SteamAPI.SteamFriends());
    }

    @Test
    void on32BitAddressesFromTwoToTheThirtyOneReadAsNegativeHandles() {
        assumeTrue(System.getProperty("sun.arch.data.model").equals("32"), "a 32-bit VM");
        long handle = SteamAPI.SteamUserStats();
        assertTrue(handle < 0, "handle " + handle + " of an interface placed above 2^31");
        assertTrue(handle >= Integer.MIN_VALUE, "the address is widened as a signed 32-bit value");
    }
}
