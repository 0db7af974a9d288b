// ISteamRemoteStorage as nimbrel uses it: the player's cloud files, shared
// content, and the events of cloud synchronisation and of the two
// asynchronous calls. Structures have the Windows x86 layout on every target.
#pragma once

#include "steam_api.h"

// Bits of the platforms a cloud file is synchronised to, carried unchanged.
using ERemoteStoragePlatform = uint32;

constexpr int k_cchFilenameMax = 260;

class ISteamRemoteStorage {
 public:
  // Cloud files
  virtual bool FileWrite(const char* fileName, const void* data, int32 bytes) = 0;
  virtual int32 FileRead(const char* fileName, void* data, int32 bytesToRead) = 0;
  virtual bool FileForget(const char* fileName) = 0;
  virtual bool FileDelete(const char* fileName) = 0;
  virtual bool FileExists(const char* fileName) = 0;
  virtual bool FilePersisted(const char* fileName) = 0;
  virtual int32 GetFileSize(const char* fileName) = 0;
  virtual int64 GetFileTimestamp(const char* fileName) = 0;
  virtual bool SetSyncPlatforms(const char* fileName, ERemoteStoragePlatform platforms) = 0;
  virtual ERemoteStoragePlatform GetSyncPlatforms(const char* fileName) = 0;
  virtual int32 GetFileCount() = 0;
  virtual const char* GetFileNameAndSize(int index, int32* fileSize) = 0;
  virtual bool GetQuota(int32* totalBytes, int32* availableBytes) = 0;
  virtual bool IsCloudEnabledForAccount() = 0;
  virtual bool IsCloudEnabledForApp() = 0;
  virtual void SetCloudEnabledForApp(bool enabled) = 0;

  // Shared content
  virtual SteamAPICall_t FileShare(const char* fileName) = 0;
  virtual SteamAPICall_t UGCDownload(UGCHandle_t content, uint32 priority) = 0;
  virtual bool GetUGCDetails(UGCHandle_t content, AppId_t* appId, char** fileName, int32* sizeInBytes,
                             CSteamID* owner) = 0;
  virtual int32 UGCRead(UGCHandle_t content, void* data, int32 count, uint32 offset) = 0;
  virtual int32 GetCachedUGCCount() = 0;
  virtual UGCHandle_t GetCachedUGCHandle(int32 index) = 0;

 protected:
  ~ISteamRemoteStorage() = default;
};

struct RemoteStorageFileShareResult_t {
  enum { k_iCallback = 1307 };
  EResult m_eResult;
  STEAM_U64 m_hFile;
};
static_assert(sizeof(RemoteStorageFileShareResult_t) == 16);

struct RemoteStorageDownloadUGCResult_t {
  enum { k_iCallback = 1317 };
  EResult m_eResult;
  STEAM_U64 m_hFile;
  AppId_t m_nAppID;
  int32 m_nSizeInBytes;
  char m_pchFileName[k_cchFilenameMax];
  STEAM_U64 m_ulSteamIDOwner;
};
static_assert(sizeof(RemoteStorageDownloadUGCResult_t) == 296);

struct RemoteStorageAppSyncedClient_t {
  enum { k_iCallback = 1301 };
  AppId_t m_nAppID;
  EResult m_eResult;
  uint32 m_unNumDownloads;
};
static_assert(sizeof(RemoteStorageAppSyncedClient_t) == 12);

struct RemoteStorageAppSyncedServer_t {
  enum { k_iCallback = 1302 };
  AppId_t m_nAppID;
  EResult m_eResult;
  uint32 m_unNumUploads;
};
static_assert(sizeof(RemoteStorageAppSyncedServer_t) == 12);

struct RemoteStorageAppSyncProgress_t {
  enum { k_iCallback = 1303 };
  char m_rgchCurrentFile[k_cchFilenameMax];
  AppId_t m_nAppID;
  uint32 m_uBytesTransferredThisChunk;
  alignas(8) double m_dAppPercentComplete;
  uint8 m_bUploading;
};
static_assert(sizeof(RemoteStorageAppSyncProgress_t) == 288);

struct RemoteStorageAppSyncStatusCheck_t {
  enum { k_iCallback = 1305 };
  AppId_t m_nAppID;
  EResult m_eResult;
};
static_assert(sizeof(RemoteStorageAppSyncStatusCheck_t) == 8);

struct RemoteStorageConflictResolution_t {
  enum { k_iCallback = 1306 };
  AppId_t m_nAppID;
  EResult m_eResult;
};
static_assert(sizeof(RemoteStorageConflictResolution_t) == 8);
