#include "cloud_store.h"

#include <ctime>
#include <iterator>
#include <sstream>

#include "../world/world.h"

namespace standin {
namespace {

constexpr const char* kSaveFile = "cloud.txt";

std::string toHex(const std::string& bytes) {
  static const char digits[] = "0123456789abcdef";
  std::string hex;
  hex.reserve(bytes.size() * 2 + 1);
  for (unsigned char byte : bytes) {
    hex += digits[byte >> 4];
    hex += digits[byte & 15];
  }
  // Never empty, so that an empty file still leaves a word on its line.
  return hex.empty() ? "-" : hex;
}

int digitValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

bool fromHex(const std::string& hex, std::string& bytes) {
  bytes.clear();
  if (hex == "-") return true;
  if (hex.size() % 2 != 0) return false;
  for (std::size_t i = 0; i < hex.size(); i += 2) {
    int high = digitValue(hex[i]), low = digitValue(hex[i + 1]);
    if (high < 0 || low < 0) return false;
    bytes += static_cast<char>(high * 16 + low);
  }
  return true;
}

const bool kept = world::keepSaved(kSaveFile, &loadCloud);

}  // namespace

// One line per file: name and content in hex, so any bytes survive the text.
void loadCloud(const std::string& text) {
  CloudStore& store = cloud();
  store.files_.clear();
  std::istringstream lines(text);
  std::string line;
  while (std::getline(lines, line)) {
    std::istringstream words(line);
    std::string kind, name, data;
    CloudFile file;
    if (!(words >> kind >> name >> file.timestamp >> file.platforms >> file.persisted >> data) || kind != "file") {
      continue;
    }
    std::string decodedName;
    if (fromHex(name, decodedName) && fromHex(data, file.data)) store.files_[decodedName] = std::move(file);
  }
}

void CloudStore::persist() const {
  if (!world::active()) return;
  std::ostringstream text;
  for (const auto& [name, file] : files_) {
    text << "file " << toHex(name) << ' ' << file.timestamp << ' ' << file.platforms << ' ' << file.persisted << ' '
         << toHex(file.data) << '\n';
  }
  world::save(kSaveFile, text.str());
}

void CloudStore::write(const std::string& name, const void* data, std::size_t bytes) {
  CloudFile& file = files_[name];
  file.data.assign(static_cast<const char*>(data), bytes);
  file.timestamp = static_cast<int64>(std::time(nullptr));
  file.persisted = true;
  persist();
}

const CloudFile* CloudStore::find(const std::string& name) const {
  auto found = files_.find(name);
  return found == files_.end() ? nullptr : &found->second;
}

bool CloudStore::forget(const std::string& name) {
  auto found = files_.find(name);
  if (found == files_.end()) return false;
  found->second.persisted = false;
  persist();
  return true;
}

bool CloudStore::remove(const std::string& name) {
  if (files_.erase(name) == 0) return false;
  persist();
  return true;
}

bool CloudStore::setPlatforms(const std::string& name, ERemoteStoragePlatform platforms) {
  auto found = files_.find(name);
  if (found == files_.end()) return false;
  found->second.platforms = platforms;
  persist();
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

UGCHandle_t CloudStore::share(const std::string& name) {
  const CloudFile* file = find(name);
  if (file == nullptr) return 0;
  UGCHandle_t content = nextShared_++;
  shared_[content] = SharedFile{name, file->data};
  return content;
}

const SharedFile* CloudStore::shared(UGCHandle_t content) const {
  auto found = shared_.find(content);
  return found == shared_.end() ? nullptr : &found->second;
}

CloudStore& cloud() {
  static CloudStore store;
  // The world fills the store from its save before anything reads or changes it.
  world::active();
  return store;
}

}  // namespace standin
