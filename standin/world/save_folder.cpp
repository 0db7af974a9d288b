#include "save_folder.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <system_error>

#if defined(_WIN32)
#include <io.h>
#include <windows.h>
#else
#include <dlfcn.h>
#include <unistd.h>
#endif

namespace standin::world {
namespace fs = std::filesystem;

namespace {

fs::path libraryPath() {
#if defined(_WIN32)
  HMODULE module = nullptr;
  if (!GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                          reinterpret_cast<LPCSTR>(&libraryPath), &module)) {
    return {};
  }
  char name[MAX_PATH];
  DWORD length = GetModuleFileNameA(module, name, MAX_PATH);
  return length == 0 || length == MAX_PATH ? fs::path() : fs::path(std::string(name, length));
#else
  Dl_info info{};
  if (dladdr(reinterpret_cast<void*>(&libraryPath), &info) == 0 || info.dli_fname == nullptr) return {};
  return fs::path(info.dli_fname);
#endif
}

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};

bool flushToDisk(std::FILE* file) {
  if (std::fflush(file) != 0) return false;
#if defined(_WIN32)
  return _commit(_fileno(file)) == 0;
#else
  return fsync(fileno(file)) == 0;
#endif
}

}  // namespace

std::string defaultSaveFolder() {
  fs::path library = libraryPath();
  if (library.empty()) return {};
  std::error_code error;
  fs::path absolute = fs::absolute(library, error);
  return ((error ? library : absolute).parent_path() / "steam-save").string();
}

std::string readSaved(const std::string& folder, const std::string& file) {
  std::ifstream in(fs::path(folder) / file, std::ios::binary);
  if (!in) return {};
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

bool writeSaved(const std::string& folder, const std::string& file, const std::string& text) {
  std::error_code error;
  fs::create_directories(folder, error);
  if (error) return false;
  fs::path target = fs::path(folder) / file;
  fs::path temporary = target;
  temporary += ".new";
  {
    std::unique_ptr<std::FILE, FileCloser> out(std::fopen(temporary.string().c_str(), "wb"));
    if (!out) return false;
    bool written = std::fwrite(text.data(), 1, text.size(), out.get()) == text.size() && flushToDisk(out.get());
    if (!written) {
      out.reset();
      fs::remove(temporary, error);
      return false;
    }
  }
  fs::rename(temporary, target, error);
  if (!error) return true;
  fs::remove(temporary, error);
  return false;
}

}  // namespace standin::world
