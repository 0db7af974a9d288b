package net.quorlen.standin;

import java.nio.Buffer;
import java.nio.charset.StandardCharsets;
import java.util.Arrays;
import java.util.List;

/**
 * Control of the Steamworks stand-in, for tests: what reached it, what it is to
 * answer, and the events it is to deliver at the next SteamAPI_RunCallbacks.
 */
public final class StandIn {
    static {
        System.loadLibrary("steamctl");
    }

    private StandIn() {
    }

    /**
     * Forgets the log, the scripted answers, pending events and faults, and turns the built-in world
     * off, so that unscripted calls get the plain defaults; registrations stay.
     */
    public static native void reset();

    /**
     * Turns the built-in world on, with its save in `saveFolder`: unscripted calls are answered by
     * the world, and what the player stores is saved there and read back from there.
     */
    public static native void useWorld(String saveFolder);

    /** The calls logged since the last take, one line each, and forgets them. */
    public static List<String> takeCalls() {
        return Arrays.asList(takeCallLines());
    }

    /** What the stand-in saw that real Steamworks would not accept, and forgets it. */
    public static List<String> takeFaults() {
        return Arrays.asList(takeFaultLines());
    }

    /** Callback and call-result registrations currently held. */
    public static native int liveRegistrations();

    /** The handle of the latest asynchronous call (0 when it was scripted not to start). */
    public static native long lastCall();

    /** The address of a direct buffer's element 0, as the stand-in logs addresses. */
    public static String addressOf(Buffer buffer, long byteOffset) {
        return "0x" + Long.toHexString(address(buffer) + byteOffset);
    }

    public static native long address(Buffer buffer);

    /** Answers of `key`, one per call, the last repeated: integers, booleans (0/1), handles. */
    public static void set(String key, long... values) {
        scriptIntegers(key, values);
    }

    public static void set(String key, boolean value) {
        scriptIntegers(key, new long[] {value ? 1 : 0});
    }

    public static void setReal(String key, double... values) {
        scriptReals(key, values);
    }

    /** Text answers, handed out as UTF-8; a null element answers a null pointer. */
    public static void setText(String key, String... texts) {
        byte[][] bytes = new byte[texts.length][];
        for (int i = 0; i < texts.length; i++) {
            bytes[i] = texts[i] == null ? null : texts[i].getBytes(StandardCharsets.UTF_8);
        }
        scriptTexts(key, bytes);
    }

    /** Raw byte answers: text that need not be well-formed, or data for buffers. */
    public static void setBytes(String key, byte[]... values) {
        scriptTexts(key, values);
    }

    /** Starts an event structure of the given callback number, all fields zero. */
    public static Event event(int callbackNumber) {
        int id = newEvent(callbackNumber);
        if (id < 0) {
            throw new IllegalArgumentException("the stand-in knows no structure " + callbackNumber);
        }
        return new Event(id);
    }

    /** Starts capturing what native code prints to standard output. */
    public static native void beginStdoutCapture();

    /** Ends the capture and returns the text (which is also passed on to standard output). */
    public static native String endStdoutCapture();

    /**
     * Calls a nimbrel adapter-creating native with any object as the listener,
     * as a game compiled against another version of a listener interface would:
     * `symbol` is the native's exported name. Returns the adapter handle.
     */
    public static long createAdapterWithAnyListener(String symbol, Object listener) {
        String library = null;
        for (String dir : System.getProperty("java.library.path").split(java.io.File.pathSeparator)) {
            java.io.File candidate = new java.io.File(dir, System.mapLibraryName("nimbrel"));
            if (candidate.isFile()) {
                library = candidate.getAbsolutePath();
                break;
            }
        }
        if (library == null) {
            throw new IllegalStateException("nimbrel not found on java.library.path");
        }
        return callCreateAdapter(library, symbol, listener);
    }

    private static native long callCreateAdapter(String library, String symbol, Object listener);

    /** An event structure being filled by field name. */
    public static final class Event {
        private final int id;

        Event(int id) {
            this.id = id;
        }

        public Event set(String field, long value) {
            check(setInteger(id, field, value), field);
            return this;
        }

        public Event set(String field, boolean value) {
            return set(field, value ? 1 : 0);
        }

        public Event setReal(String field, double value) {
            check(StandIn.setReal(id, field, value), field);
            return this;
        }

        public Event setText(String field, String text) {
            return setBytes(field, text.getBytes(StandardCharsets.UTF_8));
        }

        /** Fills a character field with exactly these bytes (no terminator added). */
        public Event setBytes(String field, byte[] bytes) {
            check(StandIn.setBytes(id, field, bytes), field);
            return this;
        }

        public Event setIds(String field, long... ids) {
            check(StandIn.setIds(id, field, ids), field);
            return this;
        }

        /** Posts the structure as a callback, delivered at the next pump. */
        public void post() {
            StandIn.post(id);
        }

        /** Completes the asynchronous call `handle` with this structure at the next pump. */
        public void complete(long handle) {
            StandIn.complete(id, handle, false);
        }

        /** Completes the call `handle` with an I/O failure at the next pump. */
        public void fail(long handle) {
            StandIn.complete(id, handle, true);
        }

        private static void check(boolean known, String field) {
            if (!known) {
                throw new IllegalArgumentException("no field " + field + " that takes this value");
            }
        }
    }

    private static native String[] takeCallLines();

    private static native String[] takeFaultLines();

    private static native void scriptIntegers(String key, long[] values);

    private static native void scriptReals(String key, double[] values);

    private static native void scriptTexts(String key, byte[][] values);

    private static native int newEvent(int callbackNumber);

    private static native boolean setInteger(int id, String field, long value);

    private static native boolean setReal(int id, String field, double value);

    private static native boolean setBytes(int id, String field, byte[] bytes);

    private static native boolean setIds(int id, String field, long[] ids);

    private static native void post(int id);

    private static native void complete(int id, long handle, boolean ioFailure);
}
