// The player's cloud files as the stand-in keeps them: what FileWrite was
// given, for FileRead and the other file questions to answer from. It is the
// one place that holds cloud files, so a fuller world (files that outlive the
// process, say) replaces only this.
#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <string>

#include "../../bridge/core/steamworks/isteamremotestorage.h"

namespace standin {

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

  bool enabledForApp = true;

 private:
  std::map<std::string, CloudFile> files_;
};

CloudStore& cloud();

}  // namespace standin
