#include "cloud_store.h"

#include <ctime>
#include <iterator>

namespace standin {

void CloudStore::write(const std::string& name, const void* data, std::size_t bytes) {
  CloudFile& file = files_[name];
  file.data.assign(static_cast<const char*>(data), bytes);
  file.timestamp = static_cast<int64>(std::time(nullptr));
  file.persisted = true;
}

const CloudFile* CloudStore::find(const std::string& name) const {
  auto found = files_.find(name);
  return found == files_.end() ? nullptr : &found->second;
}

bool CloudStore::forget(const std::string& name) {
  auto found = files_.find(name);
  if (found == files_.end()) return false;
  found->second.persisted = false;
  return true;
}

bool CloudStore::remove(const std::string& name) {
  return files_.erase(name) != 0;
}

bool CloudStore::setPlatforms(const std::string& name, ERemoteStoragePlatform platforms) {
  auto found = files_.find(name);
  if (found == files_.end()) return false;
  found->second.platforms = platforms;
  return true;
}

const char* CloudStore::nameAt(int index) const {
  if (index < 0 || index >= count()) return nullptr;
  return std::next(files_.begin(), index)->first.c_str();
}

int32 CloudStore::availableBytes() const {
  std::int64_t used = 0;
  for (const auto& entry : files_) used += static_cast<std::int64_t>(entry.second.data.size());
  return used >= kQuotaBytes ? 0 : static_cast<int32>(kQuotaBytes - used);
}

CloudStore& cloud() {
  static CloudStore store;
  return store;
}

}  // namespace standin
