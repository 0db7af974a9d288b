package net.quorlen.steam;

/** The game's content settings, languages and downloadable content. */
public class SteamApps extends SteamInterface {
    public SteamApps(long pointer) {
        super(pointer);
    }

    /** Attaches a listener, removing the adapter of an earlier one; null only detaches. */
    public void setListener(NativeAppsListener listener) {
        replaceAdapter(this::removeNativeCallbackAdapter, listener == null ? null : () -> createNativeCallbackAdapter(listener));
    }

    // Listener adapter
    public native long createNativeCallbackAdapter(NativeAppsListener listener);

    public native void removeNativeCallbackAdapter(long handle);

    // Apps
    public native boolean BIsLowViolence();

    public native boolean BIsVACBanned();

    public native String GetCurrentGameLanguage();

    public native String GetAvailableGameLanguages();

    public native int GetDLCCount();

    public native boolean BGetDLCDataByIndex(int index, int[] appId, boolean[] available, String[] name);

    public native void InstallDLC(int appId);

    public native void UninstallDLC(int appId);
}
