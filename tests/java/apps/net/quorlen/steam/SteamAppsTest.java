package net.quorlen.steam;

import static org.junit.jupiter.api.Assertions.assertArrayEquals;
import static org.junit.jupiter.api.Assertions.assertEquals;
import static org.junit.jupiter.api.Assertions.assertFalse;
import static org.junit.jupiter.api.Assertions.assertThrows;
import static org.junit.jupiter.api.Assertions.assertTrue;

import java.nio.charset.StandardCharsets;
import java.util.Arrays;
import java.util.List;
import java.util.Map;
import java.util.function.Function;
import java.util.function.Predicate;
import java.util.stream.Stream;
import net.quorlen.standin.StandIn;
import org.junit.jupiter.api.Test;
import org.junit.jupiter.params.ParameterizedTest;
import org.junit.jupiter.params.provider.Arguments;
import org.junit.jupiter.params.provider.MethodSource;
import org.junit.jupiter.params.provider.ValueSource;

class SteamAppsTest extends NativeTest {
    private static final Map<String, Predicate<SteamApps>> FLAGS = Map.of(
            "BIsLowViolence", SteamApps::BIsLowViolence,
            "BIsVACBanned", SteamApps::BIsVACBanned);

    private static final Map<String, Function<SteamApps, String>> LANGUAGES = Map.of(
            "GetCurrentGameLanguage", SteamApps::GetCurrentGameLanguage,
            "GetAvailableGameLanguages", SteamApps::GetAvailableGameLanguages);

    private final SteamApps apps = new SteamApps(SteamAPI.SteamApps());

    @ParameterizedTest
    @ValueSource(strings = {"BIsLowViolence", "BIsVACBanned"})
    void contentFlagsPassOnTheResult(String method) {
        StandIn.set(method, 1, 0);
        assertTrue(FLAGS.get(method).test(apps));
        assertFalse(FLAGS.get(method).test(apps));
        assertCalls(method + "()", method + "()");
    }

    @ParameterizedTest
    @ValueSource(strings = {"GetCurrentGameLanguage", "GetAvailableGameLanguages"})
    void languagesArriveAsTheTextSteamworksReturns(String method) {
        for (String text : Arrays.asList("german", "english,french,español", "日本語 \uD834\uDD1E", "", null)) {
            StandIn.setText(method, text);
            assertEquals(text, LANGUAGES.get(method).apply(apps), method + " answering " + text);
            assertCalls(method + "()");
        }
    }

    @Test
    void dlcCountPassesOn() {
        StandIn.set("GetDLCCount", 3);
        assertEquals(3, apps.GetDLCCount());
        assertCalls("GetDLCCount()");
    }

    @Test
    void dlcDataFillsAllThreeArraysOnSuccess() {
        StandIn.set("BGetDLCDataByIndex", true);
        StandIn.set("BGetDLCDataByIndex.appId", 0xFFFFFFF0L);
        StandIn.set("BGetDLCDataByIndex.available", true);
        StandIn.setText("BGetDLCDataByIndex.name", "Soundtrack — Éire");
        int[] appId = {7};
        boolean[] available = {false};
        String[] name = {"old"};

        assertTrue(apps.BGetDLCDataByIndex(2, appId, available, name));
        assertCalls("BGetDLCDataByIndex(2, &, &, &, 256)");
        assertArrayEquals(new int[] {0xFFFFFFF0}, appId, "the app id, bit for bit");
        assertArrayEquals(new boolean[] {true}, available);
        assertArrayEquals(new String[] {"Soundtrack — Éire"}, name);
    }

    @Test
    void anEmptyDlcNameArrivesAsAnEmptyString() {
        StandIn.set("BGetDLCDataByIndex", true);
        StandIn.set("BGetDLCDataByIndex.appId", 480);
        StandIn.set("BGetDLCDataByIndex.available", false);
        StandIn.setText("BGetDLCDataByIndex.name", "");
        int[] appId = {0};
        boolean[] available = {true};
        String[] name = {null};

        assertTrue(apps.BGetDLCDataByIndex(0, appId, available, name));
        assertArrayEquals(new int[] {480}, appId);
        assertArrayEquals(new boolean[] {false}, available);
        assertArrayEquals(new String[] {""}, name);
    }

    static Stream<Arguments> namesAtTheBufferEnd() {
        return Stream.of(
                Arguments.of(255, 255),
                Arguments.of(256, 256),
                Arguments.of(300, 256));
    }

    @ParameterizedTest(name = "{0} name bytes give {1} characters")
    @MethodSource("namesAtTheBufferEnd")
    void aNameIsNeverReadPastItsBuffer(int scriptedBytes, int expectedLength) {
        byte[] text = new byte[scriptedBytes];
        Arrays.fill(text, (byte) 'd');
        StandIn.set("BGetDLCDataByIndex", true);
        StandIn.setBytes("BGetDLCDataByIndex.name", text);
        String[] name = {null};

        assertTrue(apps.BGetDLCDataByIndex(0, new int[1], new boolean[1], name));
        assertEquals("d".repeat(expectedLength), name[0]);
    }

    @ParameterizedTest(name = "index {0} of 2")
    @ValueSource(ints = {2, 3, -1})
    void noDlcAtTheIndexLeavesEveryArrayAsItWas(int index) {
        StandIn.set("GetDLCCount", 2);
        // Steamworks scribbles on the locals; none of it may reach Java.
        StandIn.set("BGetDLCDataByIndex.appId", 99);
        StandIn.set("BGetDLCDataByIndex.available", true);
        StandIn.setText("BGetDLCDataByIndex.name", "Expansion");
        int[] appId = {7};
        boolean[] available = {false};
        String[] name = {"old"};

        assertFalse(apps.BGetDLCDataByIndex(index, appId, available, name));
        assertCalls("BGetDLCDataByIndex(" + index + ", &, &, &, 256)");
        assertArrayEquals(new int[] {7}, appId);
        assertArrayEquals(new boolean[] {false}, available);
        assertArrayEquals(new String[] {"old"}, name);
    }

    static Stream<Arguments> unusableDlcArrays() {
        return Stream.of(
                Arguments.of("null app id", null, new boolean[1], new String[1], NullPointerException.class),
                Arguments.of("empty app id", new int[0], new boolean[1], new String[1],
                        ArrayIndexOutOfBoundsException.class),
                Arguments.of("null availability", new int[1], null, new String[1], NullPointerException.class),
                Arguments.of("empty availability", new int[1], new boolean[0], new String[1],
                        ArrayIndexOutOfBoundsException.class),
                Arguments.of("null name", new int[1], new boolean[1], null, NullPointerException.class),
                Arguments.of("empty name", new int[1], new boolean[1], new String[0],
                        ArrayIndexOutOfBoundsException.class));
    }

    @ParameterizedTest(name = "{0}")
    @MethodSource("unusableDlcArrays")
    void unusableOutArraysAreRejectedBeforeSteamworks(String label, int[] appId, boolean[] available, String[] name,
            Class<? extends Throwable> expected) {
        StandIn.set("BGetDLCDataByIndex", true);
        assertThrows(expected, () -> apps.BGetDLCDataByIndex(0, appId, available, name));
        assertCalls();
    }

    @Test
    void installAndUninstallPassTheAppIdBitForBit() {
        apps.InstallDLC(1234);
        apps.InstallDLC(-1);
        apps.UninstallDLC(0x80000000);
        assertCalls("InstallDLC(1234)", "InstallDLC(4294967295)", "UninstallDLC(2147483648)");
    }

    @Test
    void aWrapperWithoutInterfaceCallsNothing() {
        SteamApps none = new SteamApps(0);
        List<Runnable> natives = List.of(none::BIsLowViolence, none::BIsVACBanned, none::GetCurrentGameLanguage,
                none::GetAvailableGameLanguages, none::GetDLCCount,
                () -> none.BGetDLCDataByIndex(0, new int[1], new boolean[1], new String[1]),
                () -> none.InstallDLC(1), () -> none.UninstallDLC(1));
        for (int i = 0; i < natives.size(); i++) {
            assertThrows(NullPointerException.class, natives.get(i)::run, "native " + i);
        }
        assertCalls();
    }

    @Test
    void theAdapterListensForDlcInstallationsUntilRemoved() {
        ListenerRecorder<NativeAppsListener> recorder = ListenerRecorder.of(NativeAppsListener.class);
        apps.setListener(recorder.listener());
        afterTest(() -> apps.setListener(null));
        assertCalls("RegisterCallback(1005)");

        StandIn.event(1005).set("m_nAppID", 480).post();
        StandIn.event(1005).set("m_nAppID", 0x80000001L).post();
        SteamAPI.SteamAPI_RunCallbacks();
        assertEquals(List.of("onDLCInstalled(480)", "onDLCInstalled(-2147483647)"), recorder.take());

        apps.setListener(null);
        assertCalls("UnregisterCallback(1005)");
        StandIn.event(1005).set("m_nAppID", 480).post();
        SteamAPI.SteamAPI_RunCallbacks();
        assertEquals(List.of(), recorder.take(), "events after removal");
    }

    @Test
    void aNullListenerGetsNoAdapterAndZeroRemovesNothing() {
        assertThrows(NullPointerException.class, () -> apps.createNativeCallbackAdapter(null));
        apps.removeNativeCallbackAdapter(0);
        assertCalls();
        assertEquals(0, StandIn.liveRegistrations());
    }

    @Test
    void dlcNamesAreStandardUtf8() {
        // A character beyond U+FFFF is four bytes in Steamworks' UTF-8, a surrogate pair in Java.
        String name = "Pack \uD83C\uDFB5";
        StandIn.set("BGetDLCDataByIndex", true);
        StandIn.setBytes("BGetDLCDataByIndex.name", name.getBytes(StandardCharsets.UTF_8));
        String[] out = {null};
        assertTrue(apps.BGetDLCDataByIndex(0, new int[1], new boolean[1], out));
        assertEquals(name, out[0]);
    }
}
