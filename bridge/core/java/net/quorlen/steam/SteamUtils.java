package net.quorlen.steam;

import java.nio.ByteBuffer;

/** Idle and server times, country, images, battery, overlay and other client utilities. */
public class SteamUtils extends SteamInterface {
    public SteamUtils(long pointer) {
        super(pointer);
    }

    /** Attaches a listener, removing the adapter of an earlier one; null only detaches. */
    public void setListener(NativeUtilsListener listener) {
        replaceAdapter(this::removeNativeCallbackAdapter, listener == null ? null : () -> createNativeCallbackAdapter(listener));
    }

    // Listener adapter
    public native long createNativeCallbackAdapter(NativeUtilsListener listener);

    public native void removeNativeCallbackAdapter(long handle);

    // Utils
    public native int GetSecondsSinceAppActive();

    public native int GetSecondsSinceComputerActive();

    public native int GetConnectedUniverse();

    public native int GetServerRealTime();

    public native String GetIPCountry();

    public native boolean GetImageSize(int image, int[] width, int[] height);

    /** Writes the image's RGBA pixels into the buffer from position, at most limit - position bytes. */
    public native boolean GetImageRGBA(int image, ByteBuffer destination, int position, int limit);

    public native int GetCurrentBatteryPower();

    public native int GetAppID();

    public native void SetOverlayNotificationPosition(int notificationPosition);

    public native boolean IsOverlayEnabled();

    public native int GetIPCCallCount();
}
