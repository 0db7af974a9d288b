// The listener adapter of SteamRemoteStorage: the results of FileShare and
// UGCDownload and the events of cloud synchronisation, turned into calls on a
// NativeRemoteStorageListener. Members are in table order: the call-result
// slots, then the callback slots (registered as they are built, unregistered
// in reverse as the adapter is destroyed).
#pragma once

#include "adapter/adapter_record.h"
#include "adapter/slots.h"
#include "steamworks/isteamremotestorage.h"

namespace nimbrel {

class RemoteStorageCallbackHandler final : public AdapterRecord {
 public:
  RemoteStorageCallbackHandler(JNIEnv* env, jobject listener)
      : AdapterRecord(env, listener, "net/quorlen/steam/NativeRemoteStorageListener") {}

  using Self = RemoteStorageCallbackHandler;

  CCallResult<Self, RemoteStorageFileShareResult_t> fileShareResult{
      this, {"onRemoteStorageFileShareResult", "(IJ)V"}, &Self::onFileShareResult};
  CCallResult<Self, RemoteStorageDownloadUGCResult_t> downloadUGCResult{
      this, {"onRemoteStorageDownloadUGCResult", "(IJIILjava/lang/String;J)V"}, &Self::onDownloadUGCResult};
  CCallback<Self, RemoteStorageAppSyncedClient_t> appSyncedClient{
      this, {"onRemoteStorageAppSyncedClient", "(III)V"}, &Self::onAppSyncedClient};
  CCallback<Self, RemoteStorageAppSyncedServer_t> appSyncedServer{
      this, {"onRemoteStorageAppSyncedServer", "(III)V"}, &Self::onAppSyncedServer};
  CCallback<Self, RemoteStorageAppSyncProgress_t> appSyncProgress{
      this, {"onRemoteStorageAppSyncProgress", "(Ljava/lang/String;IIDZ)V"}, &Self::onAppSyncProgress};
  CCallback<Self, RemoteStorageAppSyncStatusCheck_t> appSyncStatusCheck{
      this, {"onRemoteStorageAppSyncStatusCheck", "(II)V"}, &Self::onAppSyncStatusCheck};
  CCallback<Self, RemoteStorageConflictResolution_t> conflictResolution{
      this, {"onRemoteStorageConflictResolution", "(II)V"}, &Self::onConflictResolution};

 private:
  void onFileShareResult(const RemoteStorageFileShareResult_t& e, const ListenerMethod& m);
  void onDownloadUGCResult(const RemoteStorageDownloadUGCResult_t& e, const ListenerMethod& m);
  void onAppSyncedClient(const RemoteStorageAppSyncedClient_t& e, const ListenerMethod& m);
  void onAppSyncedServer(const RemoteStorageAppSyncedServer_t& e, const ListenerMethod& m);
  void onAppSyncProgress(const RemoteStorageAppSyncProgress_t& e, const ListenerMethod& m);
  void onAppSyncStatusCheck(const RemoteStorageAppSyncStatusCheck_t& e, const ListenerMethod& m);
  void onConflictResolution(const RemoteStorageConflictResolution_t& e, const ListenerMethod& m);
};

}  // namespace nimbrel
