package net.quorlen.steam;

import static org.junit.jupiter.api.Assertions.assertEquals;
import static org.junit.jupiter.api.Assertions.assertNotEquals;

import java.util.ArrayList;
import java.util.Arrays;
import java.util.List;
import java.util.function.Consumer;
import java.util.function.Supplier;
import java.util.stream.Stream;
import net.quorlen.standin.StandIn;
import org.junit.jupiter.api.BeforeEach;
import org.junit.jupiter.api.Test;
import org.junit.jupiter.params.ParameterizedTest;
import org.junit.jupiter.params.provider.Arguments;
import org.junit.jupiter.params.provider.MethodSource;

class RemoteStorageListenerTest extends NativeTest {
    private static final String CREATE = "Java_net_quorlen_steam_SteamRemoteStorage_createNativeCallbackAdapter";
    private SteamRemoteStorage storage;
    private ListenerRecorder<NativeRemoteStorageListener> recorder;

    @BeforeEach
    void wrapper() {
        storage = new SteamRemoteStorage(SteamAPI.SteamRemoteStorage());
        recorder = ListenerRecorder.of(NativeRemoteStorageListener.class);
        calls();
    }

    private void listen() {
        storage.setListener(recorder.listener());
        afterTest(() -> storage.setListener(null));
        calls();
    }

    @Test
    void theAdapterRegistersItsCallbacksInTableOrderAndTearsDownInReverse() {
        storage.setListener(recorder.listener());
        assertCalls("RegisterCallback(1301)", "RegisterCallback(1302)", "RegisterCallback(1303)",
                "RegisterCallback(1305)", "RegisterCallback(1306)");

        storage.FileShare("a.sav");
        long share = StandIn.lastCall();
        storage.UGCDownload(42, 0);
        long download = StandIn.lastCall();
        calls();
        storage.setListener(null);
        assertCalls("UnregisterCallback(1306)", "UnregisterCallback(1305)", "UnregisterCallback(1303)",
                "UnregisterCallback(1302)", "UnregisterCallback(1301)", "UnregisterCallResult(1317, " + download + ")",
                "UnregisterCallResult(1307, " + share + ")");

        StandIn.event(1305).set("m_nAppID", 480).post();
        SteamAPI.SteamAPI_RunCallbacks();
        assertEquals(List.of(), recorder.take(), "nothing reaches a removed adapter");
        storage.removeNativeCallbackAdapter(0);
        assertCalls();
    }

    @Test
    void fileShareArmsItsSlotAndOnlyTheLatestShareIsReported() {
        listen();
        storage.FileShare("first.sav");
        long first = StandIn.lastCall();
        storage.FileShare("second.sav");
        long second = StandIn.lastCall();
        assertNotEquals(first, second);
        assertCalls("FileShare(\"first.sav\")", "RegisterCallResult(1307, " + first + ")",
                "FileShare(\"second.sav\")", "UnregisterCallResult(1307, " + first + ")",
                "RegisterCallResult(1307, " + second + ")");

        StandIn.event(1307).set("m_eResult", 1).set("m_hFile", 111).complete(first);
        StandIn.event(1307).set("m_eResult", 1).set("m_hFile", -2).complete(second);
        SteamAPI.SteamAPI_RunCallbacks();
        assertEquals(List.of("onRemoteStorageFileShareResult(1, -2)"), recorder.take());
    }

    @Test
    void aDownloadThatDoesNotStartLeavesTheSlotIdleAndDropsTheEarlierOne() {
        listen();
        storage.UGCDownload(42, 1);
        long earlier = StandIn.lastCall();
        StandIn.set("UGCDownload", 0);
        storage.UGCDownload(43, 1);
        assertCalls("UGCDownload(42, 1)", "RegisterCallResult(1317, " + earlier + ")", "UGCDownload(43, 1)",
                "UnregisterCallResult(1317, " + earlier + ")");
        StandIn.event(1317).set("m_eResult", 1).complete(earlier);
        SteamAPI.SteamAPI_RunCallbacks();
        assertEquals(List.of(), recorder.take());
    }

    @Test
    void theDownloadResultCarriesItsSixValues() {
        listen();
        storage.UGCDownload(0x8000_0000_0000_0042L, 2);
        StandIn.event(1317).set("m_eResult", 1).set("m_hFile", 0x8000_0000_0000_0042L).set("m_nAppID", 0x8000_0001L)
                .set("m_nSizeInBytes", -1).setText("m_pchFileName", "maps/\u00e9t\u00e9.map")
                .set("m_ulSteamIDOwner", 76561197960287930L).complete(StandIn.lastCall());
        SteamAPI.SteamAPI_RunCallbacks();
        assertEquals(List.of("onRemoteStorageDownloadUGCResult(1, -9223372036854775742, -2147483647, -1, "
                + "\"maps/\u00e9t\u00e9.map\", 76561197960287930)"), recorder.take());
    }

    static Stream<Arguments> ioFailures() {
        return Stream.of(
                Arguments.of(1307, (Consumer<SteamRemoteStorage>) s -> s.FileShare("x.sav"),
                        "onRemoteStorageFileShareResult"),
                Arguments.of(1317, (Consumer<SteamRemoteStorage>) s -> s.UGCDownload(9, 0),
                        "onRemoteStorageDownloadUGCResult"));
    }

    @ParameterizedTest(name = "{2}")
    @MethodSource("ioFailures")
    void anIoFailureIsReportedThroughIoErrorAlone(int number, Consumer<SteamRemoteStorage> request, String method) {
        listen();
        request.accept(storage);
        StandIn.event(number).set("m_eResult", 1).fail(StandIn.lastCall());
        SteamAPI.SteamAPI_RunCallbacks();
        assertEquals(List.of("ioError(\"" + method + "\")"), recorder.take());
    }

    static Stream<Arguments> callbacks() {
        return Stream.of(
                Arguments.of(event(() -> StandIn.event(1301).set("m_nAppID", 480).set("m_eResult", 1)
                        .set("m_unNumDownloads", 0xFFFF_FFFFL)),
                        "onRemoteStorageAppSyncedClient(480, 1, -1)"),
                Arguments.of(event(() -> StandIn.event(1302).set("m_nAppID", 0x8000_0000L).set("m_eResult", 2)
                        .set("m_unNumUploads", 3)),
                        "onRemoteStorageAppSyncedServer(-2147483648, 2, 3)"),
                Arguments.of(event(() -> StandIn.event(1303).setText("m_rgchCurrentFile", "saves/slot1.sav")
                        .set("m_nAppID", 480).set("m_uBytesTransferredThisChunk", 0x8000_0000L)
                        .setReal("m_dAppPercentComplete", 0.25).set("m_bUploading", 1)),
                        "onRemoteStorageAppSyncProgress(\"saves/slot1.sav\", 480, -2147483648, 0.25, true)"),
                Arguments.of(event(() -> StandIn.event(1303).setText("m_rgchCurrentFile", "down.sav")
                        .setReal("m_dAppPercentComplete", 1.0).set("m_bUploading", 0)),
                        "onRemoteStorageAppSyncProgress(\"down.sav\", 0, 0, 1.0, false)"),
                Arguments.of(event(() -> StandIn.event(1303).set("m_bUploading", 0x80)),
                        "onRemoteStorageAppSyncProgress(\"\", 0, 0, 0.0, true)"),
                Arguments.of(event(() -> StandIn.event(1305).set("m_nAppID", 480).set("m_eResult", 8)),
                        "onRemoteStorageAppSyncStatusCheck(480, 8)"),
                Arguments.of(event(() -> StandIn.event(1306).set("m_nAppID", 480).set("m_eResult", -1)),
                        "onRemoteStorageConflictResolution(480, -1)"));
    }

    // Events are filled inside the test: the stand-in is reset before each one.
    static Supplier<StandIn.Event> event(Supplier<StandIn.Event> event) {
        return event;
    }

    @ParameterizedTest(name = "{1}")
    @MethodSource("callbacks")
    void eachSynchronisationEventReachesItsMethod(Supplier<StandIn.Event> event, String expected) {
        listen();
        event.get().post();
        SteamAPI.SteamAPI_RunCallbacks();
        assertEquals(List.of(expected), recorder.take());
    }

    @Test
    void aFileNameThatFillsItsWholeFieldIsReadUpToTheFieldsEnd() {
        listen();
        byte[] full = new byte[260];
        Arrays.fill(full, (byte) 'f');
        StandIn.event(1303).setBytes("m_rgchCurrentFile", full).set("m_nAppID", 480).post();
        storage.UGCDownload(1, 0);
        StandIn.event(1317).setBytes("m_pchFileName", full).set("m_ulSteamIDOwner", 5).complete(StandIn.lastCall());
        SteamAPI.SteamAPI_RunCallbacks();
        String name = "f".repeat(260);
        assertEquals(List.of("onRemoteStorageAppSyncProgress(\"" + name + "\", 480, 0, 0.0, false)",
                "onRemoteStorageDownloadUGCResult(0, 0, 0, 0, \"" + name + "\", 5)"), recorder.take());
    }

    /** A listener of a game written when the download result had no arguments. */
    public static final class ListenerWithoutDetails {
        final List<String> calls = new ArrayList<>();

        public void onRemoteStorageDownloadUGCResult() {
            calls.add("onRemoteStorageDownloadUGCResult()");
        }
    }

    /** A listener that declares neither form of the download result. */
    public static final class ListenerWithoutDownloads {
        public void onRemoteStorageFileShareResult(int result, long file) {
        }
    }

    private long attach(Object listener) {
        long handle = StandIn.createAdapterWithAnyListener(CREATE, listener);
        assertNotEquals(0, handle);
        storage.setNativeAdapter(handle);
        afterTest(() -> {
            storage.setNativeAdapter(0);
            storage.removeNativeCallbackAdapter(handle);
        });
        calls();
        return handle;
    }

    @Test
    void aListenerWithTheOlderFormWithoutArgumentsIsStillCalled() {
        ListenerWithoutDetails listener = new ListenerWithoutDetails();
        attach(listener);
        storage.UGCDownload(42, 0);
        StandIn.event(1317).set("m_eResult", 1).set("m_hFile", 42).complete(StandIn.lastCall());
        StandIn.beginStdoutCapture();
        SteamAPI.SteamAPI_RunCallbacks();
        String printed = StandIn.endStdoutCapture();
        assertEquals(List.of("onRemoteStorageDownloadUGCResult()"), listener.calls);
        assertEquals("", printed);
    }

    @Test
    void aListenerWithNeitherFormGetsTheUsualMessageAndNothingStaysPending() {
        attach(new ListenerWithoutDownloads());
        storage.UGCDownload(42, 0);
        StandIn.event(1317).set("m_eResult", 1).complete(StandIn.lastCall());
        StandIn.event(1306).set("m_nAppID", 480).post();
        StandIn.beginStdoutCapture();
        SteamAPI.SteamAPI_RunCallbacks();
        String printed = StandIn.endStdoutCapture();
        assertEquals("Can't find the method onRemoteStorageDownloadUGCResult(IJIILjava/lang/String;J)V of object "
                + "net/quorlen/steam/NativeRemoteStorageListener!\n"
                + "Can't find the method onRemoteStorageConflictResolution(II)V of object "
                + "net/quorlen/steam/NativeRemoteStorageListener!\n", printed);
    }
}
