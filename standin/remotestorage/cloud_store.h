// The player's cloud files as the stand-in keeps them: what FileWrite was
// given, for FileRead and the other file questions to answer from, and the
// content shared from them. It is the one place that holds cloud files; while
// the built-in world is on, they are read from its save and saved after every
// change.
#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <string>

#include "../../bridge/core/steamworks/isteamremotestorage.h"

namespace standin {

struct SharedFile {
  std::string name;
  std::string data;  // as the file was when shared
};

struct CloudFile {
  std::string data;
  int64 timestamp = 0;
  ERemoteStoragePlatform platforms = 0xFFFFFFFFu;
  bool persisted = true;
};

class CloudStore {
 public:
  static constexpr int32 kQuotaBytes = 100 * 1024 * 1024;

  void write(const std::string& name, const void* data, std::size_t bytes);
  const CloudFile* find(const std::string& name) const;
  // Keeps the file on this machine but stops its synchronisation.
  bool forget(const std::string& name);
  bool remove(const std::string& name);
  bool setPlatforms(const std::string& name, ERemoteStoragePlatform platforms);

  int32 count() const { return static_cast<int32>(files_.size()); }
  // The name of the file at `index` in name order, or null.
  const char* nameAt(int index) const;
  int32 availableBytes() const;

  // Shares the file as it is now: the handle of the shared content, or 0 when there is no such file.
  UGCHandle_t share(const std::string& name);
  const SharedFile* shared(UGCHandle_t content) const;

  bool enabledForApp = true;

 private:
  friend void loadCloud(const std::string& text);
  void persist() const;

  std::map<std::string, CloudFile> files_;
  std::map<UGCHandle_t, SharedFile> shared_;
  UGCHandle_t nextShared_ = 0x0C0FFEE00001;
};

void loadCloud(const std::string& text);
CloudStore& cloud();

}  // namespace standin
