#include "start.h"

#include <jni.h>

#include <optional>
#include <string>
#include <vector>

#include "platform.h"
#include "vm_options.h"

namespace launcher {
namespace {

struct Failure {
  int exitCode;
  const char* message;
};

// Every way the start can stop before the game runs, with what the player is told.
constexpr Failure kNoVmLibrary{1, "Failed to load Java dll."};
constexpr Failure kNoVm{2, "Failed to create Java virtual machine."};
constexpr Failure kNoMainClass{3, "Failed to find the main class."};
constexpr Failure kNoMainMethod{4, "Failed to find the main method."};
constexpr Failure kAlreadyRunning{6, "Zentrobe is already running."};
constexpr Failure kDirectoryUnreadableByVm{7, "Failed to pass the game's directory to Java."};
constexpr const char* kNoWorkingDirectory = "Failed to change working directory.";

constexpr int kSuccess = 0;
constexpr int kExceptionInMain = 5;

constexpr const char* kMainClass = "net/quorlen/applet/Launcher";
constexpr const char* kMainMethod = "main";
constexpr const char* kMainDescriptor = "([Ljava/lang/String;)V";
constexpr const char* kStringClass = "java/lang/String";
constexpr const char* kCreateVmExport = "JNI_CreateJavaVM";
constexpr const char* kIgnoredEnvironmentVariable = "_JAVA_OPTIONS";

using CreateJavaVm = jint(JNICALL*)(JavaVM**, void**, void*);

int fail(const Failure& failure) {
  platform::showMessage(failure.message);
  return failure.exitCode;
}

}  // namespace

// Early exits leave the lock and a created VM to the end of the process, which releases both.
int start(const std::string& commandLine) {
  // 1. One copy only.
  const platform::InstanceLock lock = platform::takeInstanceLock();
  if (lock.heldByAnotherCopy) return fail(kAlreadyRunning);

  // 2. Options 1 to 14. The strings live until the VM is gone, as the VM may keep pointers to them.
  std::vector<std::string> optionTexts = fixedVmOptions(platform::kClassPathSeparator);

  // 3. The program directory.
  const platform::NativePath directory = platform::programDirectory();

  // 4. The relative names of the class path resolve against it.
  if (!platform::changeDirectory(directory)) platform::showMessage(kNoWorkingDirectory);

  // 5. Option 15.
  const std::optional<std::string> directoryText = platform::directoryForVm(directory);
  if (!directoryText) return fail(kDirectoryUnreadableByVm);
  optionTexts.push_back(libraryPathOption(*directoryText));

  // 6. Nothing from the player's environment is to change the VM's options.
  platform::deleteEnvironmentVariable(kIgnoredEnvironmentVariable);

  // 7. The VM library.
  void* const vmLibrary = platform::loadVmLibrary(directory);
  if (vmLibrary == nullptr) return fail(kNoVmLibrary);

  // 8. The creation arguments.
  std::vector<JavaVMOption> options;
  for (std::string& text : optionTexts) options.push_back(JavaVMOption{text.data(), nullptr});
  JavaVMInitArgs arguments{};
  arguments.version = JNI_VERSION_1_6;
  arguments.nOptions = static_cast<jint>(options.size());
  arguments.options = options.data();
  arguments.ignoreUnrecognized = JNI_FALSE;

  // 9. The VM, in this process, on this thread. A library without the entry is no VM library.
  const auto createJavaVm = reinterpret_cast<CreateJavaVm>(platform::findExport(vmLibrary, kCreateVmExport));
  if (createJavaVm == nullptr) return fail(kNoVmLibrary);
  JavaVM* vm = nullptr;
  JNIEnv* env = nullptr;
  if (createJavaVm(&vm, reinterpret_cast<void**>(&env), &arguments) < 0) return fail(kNoVm);

  // 10. The game's class.
  const jclass mainClass = env->FindClass(kMainClass);
  if (mainClass == nullptr) return fail(kNoMainClass);

  // 11. Its main.
  const jmethodID main = env->GetStaticMethodID(mainClass, kMainMethod, kMainDescriptor);
  if (main == nullptr) return fail(kNoMainMethod);

  // 12. The command line as the only element of main's argument.
  const jstring line = env->NewStringUTF(commandLine.c_str());
  const jclass stringClass = env->FindClass(kStringClass);
  const jobjectArray mainArguments = env->NewObjectArray(1, stringClass, nullptr);
  env->SetObjectArrayElement(mainArguments, 0, line);

  // 13. The game runs.
  env->CallStaticVoidMethod(mainClass, main, mainArguments);

  // 14. An exception that escaped main is printed with its stack trace.
  const bool exceptionInMain = env->ExceptionOccurred() != nullptr;
  if (exceptionInMain) env->ExceptionDescribe();

  // 15. Waits for the game's other non-daemon threads.
  vm->DestroyJavaVM();

  // 16.
  platform::releaseInstanceLock(lock);

  // 17.
  return exceptionInMain ? kExceptionInMain : kSuccess;
}

}  // namespace launcher
