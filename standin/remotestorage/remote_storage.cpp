// The stand-in's ISteamRemoteStorage: logs each call as received, answers what
// a test scripted (the result under the method's name, out-values and data
// under "Method.parameter") and otherwise answers from the cloud store, and
// shares content from it while the built-in world is on.
#include <algorithm>
#include <cstddef>
#include <cstdio>
#include <cstring>
#include <string>

#include "../../bridge/core/steamworks/isteamremotestorage.h"
#include "../core/answers.h"
#include "../core/dispatcher.h"
#include "../core/events.h"
#include "../core/interfaces.h"
#include "../core/recorder.h"
#include "../core/script.h"
#include "../world/world.h"
#include "../world/world_data.h"
#include "cloud_store.h"

namespace standin {
namespace {

// A signed byte count from the caller, none when it is negative.
std::size_t bytesAtMost(int32 count) {
  return count > 0 ? static_cast<std::size_t>(count) : 0;
}

const CloudFile* stored(const char* name) {
  return name == nullptr ? nullptr : cloud().find(name);
}

class StandInRemoteStorage final : public ISteamRemoteStorage {
 public:
  bool FileWrite(const char* fileName, const void* data, int32 bytes) override {
    record("FileWrite", fileName, at(data), bytes);
    bool written = scriptedBool("FileWrite", bytes >= 0 && (bytes == 0 || data != nullptr));
    if (written) cloud().write(fileName, data, static_cast<std::size_t>(std::max(bytes, 0)));
    return written;
  }

  int32 FileRead(const char* fileName, void* data, int32 bytesToRead) override {
    record("FileRead", fileName, at(data), bytesToRead);
    const CloudFile* file = stored(fileName);
    std::string content = scriptedBytes("FileRead.data", file ? file->data : std::string());
    auto copied = static_cast<int32>(copyBytes(data, bytesAtMost(bytesToRead), content));
    return static_cast<int32>(scriptedInt("FileRead", copied));
  }

  bool FileForget(const char* fileName) override {
    record("FileForget", fileName);
    if (scripted("FileForget")) return scriptedBool("FileForget");
    return cloud().forget(fileName);
  }

  bool FileDelete(const char* fileName) override {
    record("FileDelete", fileName);
    if (scripted("FileDelete")) return scriptedBool("FileDelete");
    return cloud().remove(fileName);
  }

  bool FileExists(const char* fileName) override {
    record("FileExists", fileName);
    return scriptedBool("FileExists", stored(fileName) != nullptr);
  }

  bool FilePersisted(const char* fileName) override {
    record("FilePersisted", fileName);
    const CloudFile* file = stored(fileName);
    return scriptedBool("FilePersisted", file != nullptr && file->persisted);
  }

  int32 GetFileSize(const char* fileName) override {
    record("GetFileSize", fileName);
    const CloudFile* file = stored(fileName);
    return static_cast<int32>(scriptedInt("GetFileSize", file ? static_cast<int64>(file->data.size()) : 0));
  }

  int64 GetFileTimestamp(const char* fileName) override {
    record("GetFileTimestamp", fileName);
    const CloudFile* file = stored(fileName);
    return scriptedInt("GetFileTimestamp", file ? file->timestamp : 0);
  }

  bool SetSyncPlatforms(const char* fileName, ERemoteStoragePlatform platforms) override {
    record("SetSyncPlatforms", fileName, platforms);
    if (scripted("SetSyncPlatforms")) return scriptedBool("SetSyncPlatforms");
    return cloud().setPlatforms(fileName, platforms);
  }

  ERemoteStoragePlatform GetSyncPlatforms(const char* fileName) override {
    record("GetSyncPlatforms", fileName);
    const CloudFile* file = stored(fileName);
    return static_cast<ERemoteStoragePlatform>(scriptedInt("GetSyncPlatforms", file ? file->platforms : 0));
  }

  int32 GetFileCount() override {
    record("GetFileCount");
    return static_cast<int32>(scriptedInt("GetFileCount", cloud().count()));
  }

  const char* GetFileNameAndSize(int index, int32* fileSize) override {
    record("GetFileNameAndSize", index, out(fileSize));
    const char* name = scriptedText("GetFileNameAndSize", cloud().nameAt(index));
    const CloudFile* file = stored(cloud().nameAt(index));
    if (fileSize != nullptr) {
      *fileSize = static_cast<int32>(
          scriptedInt("GetFileNameAndSize.fileSize", file ? static_cast<int64>(file->data.size()) : 0));
    }
    return name;
  }

  bool GetQuota(int32* totalBytes, int32* availableBytes) override {
    record("GetQuota", out(totalBytes), out(availableBytes));
    if (totalBytes != nullptr) *totalBytes = static_cast<int32>(scriptedInt("GetQuota.totalBytes", CloudStore::kQuotaBytes));
    if (availableBytes != nullptr) {
      *availableBytes = static_cast<int32>(scriptedInt("GetQuota.availableBytes", cloud().availableBytes()));
    }
    return scriptedBool("GetQuota", true);
  }

  bool IsCloudEnabledForAccount() override {
    record("IsCloudEnabledForAccount");
    return scriptedBool("IsCloudEnabledForAccount", true);
  }

  bool IsCloudEnabledForApp() override {
    record("IsCloudEnabledForApp");
    return scriptedBool("IsCloudEnabledForApp", cloud().enabledForApp);
  }

  void SetCloudEnabledForApp(bool enabled) override {
    record("SetCloudEnabledForApp", enabled);
    cloud().enabledForApp = enabled;
  }

  SteamAPICall_t FileShare(const char* fileName) override {
    record("FileShare", fileName);
    SteamAPICall_t call = newCall("FileShare");
    if (world::answers("FileShare")) {
      auto result = world::blank<RemoteStorageFileShareResult_t>();
      result.m_hFile = fileName == nullptr ? 0 : cloud().share(fileName);
      result.m_eResult = result.m_hFile != 0 ? world::kResultOK : world::kResultFileNotFound;
      world::completeLater(call, result);
    }
    return call;
  }

  SteamAPICall_t UGCDownload(UGCHandle_t content, uint32 priority) override {
    record("UGCDownload", content, priority);
    SteamAPICall_t call = newCall("UGCDownload");
    if (world::answers("UGCDownload")) {
      auto result = world::blank<RemoteStorageDownloadUGCResult_t>();
      result.m_hFile = content;
      result.m_eResult = world::kResultFileNotFound;
      if (const SharedFile* file = cloud().shared(content)) {
        result.m_eResult = world::kResultOK;
        result.m_nAppID = world::kAppId;
        result.m_nSizeInBytes = static_cast<int32>(file->data.size());
        std::snprintf(result.m_pchFileName, sizeof result.m_pchFileName, "%s", file->name.c_str());
        result.m_ulSteamIDOwner = world::player().steamId;
      }
      world::completeLater(call, result);
    }
    return call;
  }

  // Writes the scripted details whatever it answers, so a test sees whether
  // the caller hands on details of a failed call.
  bool GetUGCDetails(UGCHandle_t content, AppId_t* appId, char** fileName, int32* sizeInBytes,
                     CSteamID* owner) override {
    record("GetUGCDetails", content, out(appId), out(fileName), out(sizeInBytes), out(owner));
    if (world::answers("GetUGCDetails")) {
      const SharedFile* file = cloud().shared(content);
      if (file == nullptr) return false;
      if (appId != nullptr) *appId = world::kAppId;
      if (fileName != nullptr) *fileName = const_cast<char*>(file->name.c_str());
      if (sizeInBytes != nullptr) *sizeInBytes = static_cast<int32>(file->data.size());
      if (owner != nullptr) owner->value = world::player().steamId;
      return true;
    }
    if (appId != nullptr) *appId = static_cast<AppId_t>(scriptedInt("GetUGCDetails.appId"));
    if (fileName != nullptr) *fileName = const_cast<char*>(scriptedText("GetUGCDetails.fileName", ""));
    if (sizeInBytes != nullptr) *sizeInBytes = static_cast<int32>(scriptedInt("GetUGCDetails.sizeInBytes"));
    if (owner != nullptr) owner->value = static_cast<uint64>(scriptedInt("GetUGCDetails.owner"));
    return scriptedBool("GetUGCDetails", false);
  }

  int32 UGCRead(UGCHandle_t content, void* data, int32 count, uint32 offset) override {
    record("UGCRead", content, at(data), count, offset);
    const SharedFile* file = world::answers("UGCRead.data") ? cloud().shared(content) : nullptr;
    auto copied = static_cast<int32>(
        copyBytes(data, bytesAtMost(count), scriptedBytes("UGCRead.data", file ? file->data : std::string()), offset));
    return static_cast<int32>(scriptedInt("UGCRead", copied));
  }

  int32 GetCachedUGCCount() override {
    record("GetCachedUGCCount");
    return static_cast<int32>(scriptedInt("GetCachedUGCCount", 0));
  }

  UGCHandle_t GetCachedUGCHandle(int32 index) override {
    record("GetCachedUGCHandle", index);
    return static_cast<UGCHandle_t>(scriptedInt("GetCachedUGCHandle", 0));
  }
};

const bool provided = provideInterface("SteamRemoteStorage", &placeInterface<StandInRemoteStorage>);

const bool described = describeEvents({
    STANDIN_EVENT(RemoteStorageFileShareResult_t, STANDIN_FIELD(RemoteStorageFileShareResult_t, m_eResult),
                  STANDIN_FIELD(RemoteStorageFileShareResult_t, m_hFile)),
    STANDIN_EVENT(RemoteStorageDownloadUGCResult_t, STANDIN_FIELD(RemoteStorageDownloadUGCResult_t, m_eResult),
                  STANDIN_FIELD(RemoteStorageDownloadUGCResult_t, m_hFile),
                  STANDIN_FIELD(RemoteStorageDownloadUGCResult_t, m_nAppID),
                  STANDIN_FIELD(RemoteStorageDownloadUGCResult_t, m_nSizeInBytes),
                  STANDIN_FIELD(RemoteStorageDownloadUGCResult_t, m_pchFileName),
                  STANDIN_FIELD(RemoteStorageDownloadUGCResult_t, m_ulSteamIDOwner)),
    STANDIN_EVENT(RemoteStorageAppSyncedClient_t, STANDIN_FIELD(RemoteStorageAppSyncedClient_t, m_nAppID),
                  STANDIN_FIELD(RemoteStorageAppSyncedClient_t, m_eResult),
                  STANDIN_FIELD(RemoteStorageAppSyncedClient_t, m_unNumDownloads)),
    STANDIN_EVENT(RemoteStorageAppSyncedServer_t, STANDIN_FIELD(RemoteStorageAppSyncedServer_t, m_nAppID),
                  STANDIN_FIELD(RemoteStorageAppSyncedServer_t, m_eResult),
                  STANDIN_FIELD(RemoteStorageAppSyncedServer_t, m_unNumUploads)),
    STANDIN_EVENT(RemoteStorageAppSyncProgress_t, STANDIN_FIELD(RemoteStorageAppSyncProgress_t, m_rgchCurrentFile),
                  STANDIN_FIELD(RemoteStorageAppSyncProgress_t, m_nAppID),
                  STANDIN_FIELD(RemoteStorageAppSyncProgress_t, m_uBytesTransferredThisChunk),
                  STANDIN_FIELD(RemoteStorageAppSyncProgress_t, m_dAppPercentComplete),
                  STANDIN_FIELD(RemoteStorageAppSyncProgress_t, m_bUploading)),
    STANDIN_EVENT(RemoteStorageAppSyncStatusCheck_t, STANDIN_FIELD(RemoteStorageAppSyncStatusCheck_t, m_nAppID),
                  STANDIN_FIELD(RemoteStorageAppSyncStatusCheck_t, m_eResult)),
    STANDIN_EVENT(RemoteStorageConflictResolution_t, STANDIN_FIELD(RemoteStorageConflictResolution_t, m_nAppID),
                  STANDIN_FIELD(RemoteStorageConflictResolution_t, m_eResult)),
});

}  // namespace
}  // namespace standin
