package net.quorlen.steam;

/** The game's content settings, languages and downloadable content. */
public class SteamApps extends SteamObject implements ISteamObject {
    private final long pointer;

    public SteamApps(long pointer) {
        this.pointer = pointer;
    }

    @Override
    public long getPointer() {
        return pointer;
    }

    /** Attaches a listener, removing the adapter of an earlier one; null only detaches. */
    public void setListener(NativeAppsListener listener) {
        long old = getNativeAdapter();
        setNativeAdapter(0);
        if (old != 0) {
            removeNativeCallbackAdapter(old);
        }
        if (listener != null) {
            setNativeAdapter(createNativeCallbackAdapter(listener));
        }
    }

    // Listener adapter (Part 2.4)
    public native long createNativeCallbackAdapter(NativeAppsListener listener);

    public native void removeNativeCallbackAdapter(long handle);

    // Apps (Part 7.1)
    public native boolean BIsLowViolence();

    public native boolean BIsVACBanned();

    public native String GetCurrentGameLanguage();

    public native String GetAvailableGameLanguages();

    public native int GetDLCCount();

    public native boolean BGetDLCDataByIndex(int index, int[] appId, boolean[] available, String[] name);

    public native void InstallDLC(int appId);

    public native void UninstallDLC(int appId);
}
