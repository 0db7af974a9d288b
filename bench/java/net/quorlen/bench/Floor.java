package net.quorlen.bench;

import java.nio.ByteBuffer;

/** The benchmark's own natives (library benchfloor): the floor, the stand-in without nimbrel, a memory copy. */
final class Floor {
    static {
        System.loadLibrary("benchfloor");
    }

    /** Does nothing: what any instance native without arguments costs before it does anything. */
    native boolean empty();

    /** FindClass of nimbrel's interface class, and nothing else. */
    static native void findClass();

    /** The lookups of nimbrel's frame (FindClass, GetMethodID, CallLongMethod of getPointer) alone. */
    static native long frameLookups(Object wrapper);

    /** Turns the stand-in's call log on or off; it is on unless a benchmark turns it off. */
    static native void setStandInRecording(boolean on);

    /** The stand-in's ISteamUser::BLoggedOn on `user`, without nimbrel's frame. */
    static native boolean directBLoggedOn(long user);

    /** The stand-in's FileWrite of "bench.bin" from the buffer's start, without nimbrel. */
    static native boolean directFileWrite(long storage, ByteBuffer data, int length);

    static native int directFileRead(long storage, ByteBuffer data, int length);

    static native int directUGCRead(long storage, long content, ByteBuffer data, int length);

    /** memcpy of `length` bytes between two direct buffers. */
    static native void copy(ByteBuffer from, ByteBuffer to, int length);

    private Floor() {
    }

    /** An object to call the instance floor on. */
    static Floor instance() {
        return new Floor();
    }
}
