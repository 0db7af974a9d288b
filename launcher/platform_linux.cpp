#include <dlfcn.h>
#include <errno.h>
#include <stddef.h>
#include <stdio.h>
#include <stdlib.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>

#include "command_line.h"
#include "modified_utf8.h"
#include "platform.h"
#include "start.h"

namespace launcher::platform {
namespace {

constexpr const char* kCaption = "Zentrobe";
// The layout of a Java runtime shipped beside the program.
constexpr const char* kVmLibrary = "lib/server/libjvm.so";
constexpr int kNoLock = -1;

}  // namespace

// An abstract socket name: the kernel frees it with the last descriptor, so a copy that crashed
// leaves nothing behind that would keep the next start out. One name per user, as each user's
// session on Windows has its own.
InstanceLock takeInstanceLock() {
  InstanceLock lock;
  lock.handle = kNoLock;
  const int socketFd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
  if (socketFd < 0) return lock;
  const std::string name = std::string(kCaption) + "-" + std::to_string(getuid());
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  std::memcpy(address.sun_path + 1, name.data(), name.size());
  const auto length = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + 1 + name.size());
  if (bind(socketFd, reinterpret_cast<const sockaddr*>(&address), length) != 0) {
    lock.heldByAnotherCopy = errno == EADDRINUSE;
    close(socketFd);
    return lock;
  }
  lock.handle = socketFd;
  return lock;
}

void releaseInstanceLock(const InstanceLock& lock) {
  if (lock.handle != kNoLock) close(static_cast<int>(lock.handle));
}

void showMessage(const char* text) { fprintf(stderr, "%s: %s\n", kCaption, text); }

NativePath programDirectory() {
  std::string path(256, '\0');
  for (;;) {
    const ssize_t length = readlink("/proc/self/exe", path.data(), path.size());
    if (length < 0) return {};
    if (static_cast<size_t>(length) < path.size()) {
      path.resize(static_cast<size_t>(length));
      break;
    }
    path.resize(path.size() * 2);
  }
  const size_t slash = path.rfind('/');
  if (slash == std::string::npos) return {};
  path.resize(slash == 0 ? 1 : slash);
  return path;
}

bool changeDirectory(const NativePath& directory) { return chdir(directory.c_str()) == 0; }

// File names are bytes here, and the VM reads them back with the same system encoding.
std::optional<std::string> directoryForVm(const NativePath& directory) { return directory; }

void deleteEnvironmentVariable(const char* name) { unsetenv(name); }

// By its full name, so that a working directory that could not be changed does not matter.
void* loadVmLibrary(const NativePath& programDirectory) {
  const std::string path = programDirectory.empty() ? kVmLibrary : programDirectory + "/" + kVmLibrary;
  return dlopen(path.c_str(), RTLD_NOW | RTLD_GLOBAL);
}

void* findExport(void* library, const char* name) { return dlsym(library, name); }

}  // namespace launcher::platform

int main(int argc, char** argv) {
  return launcher::start(launcher::modifiedUtf8FromUtf8(launcher::joinArguments(argc, argv)));
}
