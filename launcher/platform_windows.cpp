#include <windows.h>

#include <direct.h>
#include <shlwapi.h>

#include <cwchar>

#include "command_line.h"
#include "modified_utf8.h"
#include "platform.h"
#include "start.h"

namespace launcher::platform {
namespace {

constexpr const char* kCaption = "Zentrobe";
constexpr const wchar_t* kLockName = L"Zentrobe";
// Relative: the loader looks in the program's directory before any other.
constexpr const char* kVmLibrary = "bin\\server\\jvm.dll";

// The VM turns option text into Java strings through the ANSI code page; a character that page
// cannot hold would reach Java as another character or as '?'.
std::optional<std::string> inAnsiCodePage(const std::wstring& text) {
  if (text.empty()) return std::string();
  const bool utf8 = GetACP() == CP_UTF8;
  const DWORD flags = utf8 ? WC_ERR_INVALID_CHARS : WC_NO_BEST_FIT_CHARS;
  BOOL usedDefaultCharacter = FALSE;
  BOOL* const substitutions = utf8 ? nullptr : &usedDefaultCharacter;
  const int wideLength = static_cast<int>(text.size());
  const int length = WideCharToMultiByte(CP_ACP, flags, text.data(), wideLength, nullptr, 0, nullptr, substitutions);
  if (length <= 0 || usedDefaultCharacter) return std::nullopt;
  std::string bytes(static_cast<size_t>(length), '\0');
  WideCharToMultiByte(CP_ACP, flags, text.data(), wideLength, bytes.data(), length, nullptr, substitutions);
  if (usedDefaultCharacter) return std::nullopt;
  return bytes;
}

// The 8.3 form names the same directory in ASCII, where the volume keeps one.
std::wstring shortForm(const std::wstring& path) {
  const DWORD size = GetShortPathNameW(path.c_str(), nullptr, 0);
  if (size == 0) return {};
  std::wstring shortPath(size, L'\0');
  const DWORD length = GetShortPathNameW(path.c_str(), shortPath.data(), size);
  if (length == 0 || length >= size) return {};
  shortPath.resize(length);
  return shortPath;
}

}  // namespace

InstanceLock takeInstanceLock() {
  SetLastError(ERROR_SUCCESS);
  const HANDLE mutex = CreateMutexW(nullptr, TRUE, kLockName);
  InstanceLock lock;
  lock.heldByAnotherCopy = GetLastError() == ERROR_ALREADY_EXISTS;
  lock.handle = reinterpret_cast<std::intptr_t>(mutex);
  return lock;
}

void releaseInstanceLock(const InstanceLock& lock) {
  if (lock.handle != 0) CloseHandle(reinterpret_cast<HANDLE>(lock.handle));
}

void showMessage(const char* text) { MessageBoxA(nullptr, text, kCaption, MB_OK); }

// No MAX_PATH limit: the buffer grows until the whole path fits.
NativePath programDirectory() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length == 0) return {};
    if (length < path.size()) break;
    path.resize(path.size() * 2);
  }
  PathRemoveFileSpecW(path.data());
  path.resize(std::wcslen(path.c_str()));
  return path;
}

bool changeDirectory(const NativePath& directory) { return _wchdir(directory.c_str()) == 0; }

std::optional<std::string> directoryForVm(const NativePath& directory) {
  if (std::optional<std::string> bytes = inAnsiCodePage(directory)) return bytes;
  const std::wstring shortDirectory = shortForm(directory);
  if (shortDirectory.empty()) return std::nullopt;
  return inAnsiCodePage(shortDirectory);
}

void deleteEnvironmentVariable(const char* name) { SetEnvironmentVariableA(name, nullptr); }

void* loadVmLibrary(const NativePath&) { return LoadLibraryA(kVmLibrary); }

void* findExport(void* library, const char* name) {
  return reinterpret_cast<void*>(GetProcAddress(static_cast<HMODULE>(library), name));
}

}  // namespace launcher::platform

// The command line comes from its wide form: the narrow one that WinMain is given has already lost
// every character outside the ANSI code page.
int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  const wchar_t* const commandLine = GetCommandLineW();
  const std::u16string wide(commandLine, commandLine + std::wcslen(commandLine));
  return launcher::start(launcher::modifiedUtf8FromUtf16(launcher::argumentPart(wide)));
}
