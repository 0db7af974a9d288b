package net.quorlen.steam;

import java.nio.ByteBuffer;

/** The game's cloud files and shared content. */
public class SteamRemoteStorage extends SteamInterface {
    public SteamRemoteStorage(long pointer) {
        super(pointer);
    }

    /** Attaches a listener, removing the adapter of an earlier one; null only detaches. */
    public void setListener(NativeRemoteStorageListener listener) {
        replaceAdapter(this::removeNativeCallbackAdapter, listener == null ? null : () -> createNativeCallbackAdapter(listener));
    }

    // Listener adapter
    public native long createNativeCallbackAdapter(NativeRemoteStorageListener listener);

    public native void removeNativeCallbackAdapter(long handle);

    // Cloud files; buffer regions run from position to limit
    public native boolean FileWrite(String fileName, ByteBuffer data, int position, int limit);

    public native int FileRead(String fileName, ByteBuffer data, int position, int limit);

    public native boolean FileForget(String fileName);

    public native boolean FileDelete(String fileName);

    public native boolean FileExists(String fileName);

    public native boolean FilePersisted(String fileName);

    public native int GetFileSize(String fileName);

    public native long GetFileTimestamp(String fileName);

    public native boolean SetSyncPlatforms(String fileName, int platforms);

    public native int GetSyncPlatforms(String fileName);

    public native int GetFileCount();

    public native String GetFileNameAndSize(int index, int[] fileSize);

    public native boolean GetQuota(int[] totalBytes, int[] availableBytes);

    public native boolean IsCloudEnabledForAccount();

    public native boolean IsCloudEnabledForApp();

    public native void SetCloudEnabledForApp(boolean enabled);

    // Shared content; FileShare and UGCDownload report through the listener
    public native void FileShare(String fileName);

    public native void UGCDownload(long content, int priority);

    public native boolean GetUGCDetails(long content, long[] appId, String[] fileName, int[] sizeInBytes,
            long[] steamIdOwner);

    /** Reads limit - position bytes from content offset position into the start of the buffer. */
    public native int UGCRead(long content, ByteBuffer data, int position, int limit);

    public native int GetCachedUGCCount();

    public native long GetCachedUGCHandle(int index);
}
