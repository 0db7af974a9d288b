package net.quorlen.steam;

/**
 * Base of the wrapper classes: holds the handle of the wrapper's listener adapter
 * (0 while no listener is attached).
 */
public abstract class SteamObject {
    private long nativeAdapter;

    /** The handle of this wrapper's listener adapter, or 0. */
    public long getNativeAdapter() {
        return nativeAdapter;
    }

    /** Replaces the adapter handle that the arming natives will find. */
    protected void setNativeAdapter(long handle) {
        nativeAdapter = handle;
    }
}
