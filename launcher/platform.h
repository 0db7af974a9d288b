// What the start needs of the operating system. One implementation per system: the start itself is
// written once over these operations.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace launcher::platform {

#ifdef _WIN32
using NativePath = std::wstring;
inline constexpr char kClassPathSeparator = ';';
#else
using NativePath = std::string;
inline constexpr char kClassPathSeparator = ':';
#endif

// The lock that only one running copy of the game holds; the system releases it when the process
// ends, however it ends.
struct InstanceLock {
  bool heldByAnotherCopy = false;
  std::intptr_t handle = 0;  // the system's own handle, meaningful only to the platform file
};

// Takes the lock. Any trouble other than another copy holding it lets the start go on without it.
InstanceLock takeInstanceLock();
void releaseInstanceLock(const InstanceLock& lock);

// Shows a failure to the player and returns once the player has seen it.
void showMessage(const char* text);

// The directory of the running program file; empty when the system cannot tell.
NativePath programDirectory();

bool changeDirectory(const NativePath& directory);

// The directory as bytes that the VM reads back into the same directory when it turns option text
// into a Java string; nothing when the directory has no such form.
std::optional<std::string> directoryForVm(const NativePath& directory);

void deleteEnvironmentVariable(const char* name);

// The Java runtime's VM library, shipped beside the program; null when it cannot be loaded.
void* loadVmLibrary(const NativePath& programDirectory);

// An exported function of a loaded library; null when the library lacks it.
void* findExport(void* library, const char* name);

}  // namespace launcher::platform
