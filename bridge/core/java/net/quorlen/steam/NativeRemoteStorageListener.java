package net.quorlen.steam;

/** Receives the events of the RemoteStorage listener adapter. */
public interface NativeRemoteStorageListener {
    // Call results
    void onRemoteStorageFileShareResult(int result, long file);

    /** The download of shared content completed; descriptor "(IJIILjava/lang/String;J)V". */
    void onRemoteStorageDownloadUGCResult(int result, long file, int appId, int sizeInBytes, String fileName,
            long owner);

    // Callbacks
    void onRemoteStorageAppSyncedClient(int appId, int result, int numDownloads);

    void onRemoteStorageAppSyncedServer(int appId, int result, int numUploads);

    void onRemoteStorageAppSyncProgress(String currentFile, int appId, int bytesTransferredThisChunk,
            double appPercentComplete, boolean uploading);

    void onRemoteStorageAppSyncStatusCheck(int appId, int result);

    void onRemoteStorageConflictResolution(int appId, int result);

    /** A call result failed with an I/O error; methodName names the method it was meant for. */
    void ioError(String methodName);
}
