// A VM library for the launcher's tests. It exports JNI_CreateJavaVM as the real one does and
// records, one line each, every call that the launcher makes into it in the file that
// ZENTROBE_STANDIN_RECORD names, so that a test sees what the real VM never shows: the option
// strings byte for byte, the creation arguments and each JNI call in its order.
//
// ZENTROBE_STANDIN_FAIL plays a failure: "create" (the VM rejects its arguments), "class" (the
// game's class is missing), "method" (its main is missing) or "throw" (main throws).
// ZENTROBE_STANDIN_HOLD names a directory: main creates "running" in it and returns once "release"
// appears there, so that a test can act while the game runs.
#define _JNI_IMPLEMENTATION_
#include <jni.h>

#ifdef _WIN32
#include <windows.h>
#else
#include <unistd.h>
#endif

#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <utility>

namespace {

std::optional<std::string> environment(const char* name) {
#ifdef _WIN32
  // The process environment itself, which the launcher changes, not the C runtime's copy of it.
  SetLastError(ERROR_SUCCESS);
  const DWORD size = GetEnvironmentVariableA(name, nullptr, 0);
  if (size == 0) {
    if (GetLastError() == ERROR_ENVVAR_NOT_FOUND) return std::nullopt;
    return std::string();
  }
  std::string value(size, '\0');
  value.resize(GetEnvironmentVariableA(name, value.data(), size));
  return value;
#else
  const char* const value = std::getenv(name);
  if (value == nullptr) return std::nullopt;
  return std::string(value);
#endif
}

// Printable ASCII as it stands, every other byte as \xHH.
std::string escaped(const char* text) {
  std::string out;
  for (auto* byte = reinterpret_cast<const unsigned char*>(text); *byte != 0; ++byte) {
    if (*byte >= 0x20 && *byte < 0x7F) {
      out += static_cast<char>(*byte);
    } else {
      char hex[8];
      std::snprintf(hex, sizeof hex, "\\x%02x", *byte);
      out += hex;
    }
  }
  return out;
}

void record(const char* format, ...) {
  static const std::optional<std::string> path = environment("ZENTROBE_STANDIN_RECORD");
  if (!path) return;
  std::FILE* const file = std::fopen(path->c_str(), "ab");
  if (file == nullptr) return;
  va_list arguments;
  va_start(arguments, format);
  std::vfprintf(file, format, arguments);
  va_end(arguments);
  std::fputc('\n', file);
  std::fclose(file);
}

bool failureIs(const char* name) {
  static const std::optional<std::string> failure = environment("ZENTROBE_STANDIN_FAIL");
  return failure && *failure == name;
}

// What every handle that the stand-in hands out points at.
struct Token {
  const char* name;
};
Token launcherClass{"Launcher"};
Token stringClass{"String"};
Token mainMethod{"main"};
Token javaString{"string"};
Token javaArray{"array"};
Token noClassDefFoundError{"NoClassDefFoundError"};
Token noSuchMethodError{"NoSuchMethodError"};
Token thrownByMain{"RuntimeException"};
Token* pendingException = nullptr;

template <class Handle>
Handle as(Token& token) {
  return reinterpret_cast<Handle>(&token);
}

const char* nameOf(const void* handle) {
  return handle == nullptr ? "null" : static_cast<const Token*>(handle)->name;
}

// The directory that the library path option names, read back as the VM reads option text: on
// Windows through the ANSI code page, then in its long form; elsewhere with links resolved.
std::string directoryNamedBy(const char* optionValue) {
#ifdef _WIN32
  wchar_t wide[4096] = {};
  wchar_t longForm[4096] = {};
  char utf8[8192] = {};
  MultiByteToWideChar(CP_ACP, 0, optionValue, -1, wide, 4095);
  if (GetLongPathNameW(wide, longForm, 4095) == 0) return "?";
  WideCharToMultiByte(CP_UTF8, 0, longForm, -1, utf8, sizeof utf8 - 1, nullptr, nullptr);
  return utf8;
#else
  char* const path = realpath(optionValue, nullptr);
  if (path == nullptr) return "?";
  std::string result = path;
  std::free(path);
  return result;
#endif
}

std::string workingDirectory() {
#ifdef _WIN32
  wchar_t wide[4096] = {};
  char utf8[8192] = {};
  const DWORD length = GetCurrentDirectoryW(4095, wide);
  if (length == 0 || length > 4095) return "?";
  WideCharToMultiByte(CP_UTF8, 0, wide, -1, utf8, sizeof utf8 - 1, nullptr, nullptr);
  return utf8;
#else
  char* const path = getcwd(nullptr, 0);
  if (path == nullptr) return "?";
  std::string result = path;
  std::free(path);
  return result;
#endif
}

bool fileExists(const std::string& path) {
  std::FILE* const file = std::fopen(path.c_str(), "r");
  if (file != nullptr) std::fclose(file);
  return file != nullptr;
}

void pause() {
#ifdef _WIN32
  Sleep(20);
#else
  usleep(20000);
#endif
}

void holdWhileTestActs() {
  const std::optional<std::string> directory = environment("ZENTROBE_STANDIN_HOLD");
  if (!directory) return;
  if (std::FILE* const running = std::fopen((*directory + "/running").c_str(), "w")) std::fclose(running);
  for (int i = 0; i < 3000 && !fileExists(*directory + "/release"); ++i) pause();
}

// Validity as NewStringUTF demands it: no NUL inside, no four-byte forms, complete sequences.
bool isModifiedUtf8(const char* text) {
  for (auto* byte = reinterpret_cast<const unsigned char*>(text); *byte != 0;) {
    const unsigned char lead = *byte++;
    int continuations;
    if (lead < 0x80) continuations = 0;
    else if (lead >= 0xC0 && lead < 0xE0) continuations = 1;
    else if (lead >= 0xE0 && lead < 0xF0) continuations = 2;
    else return false;
    for (; continuations > 0; --continuations, ++byte) {
      if ((*byte & 0xC0) != 0x80) return false;
    }
  }
  return true;
}

jclass JNICALL findClass(JNIEnv*, const char* name) {
  record("FindClass %s", name);
  if (std::strcmp(name, "java/lang/String") == 0) return as<jclass>(stringClass);
  if (std::strcmp(name, "net/quorlen/applet/Launcher") == 0 && !failureIs("class")) return as<jclass>(launcherClass);
  pendingException = &noClassDefFoundError;
  return nullptr;
}

jmethodID JNICALL getStaticMethodId(JNIEnv*, jclass type, const char* name, const char* descriptor) {
  record("GetStaticMethodID %s %s %s", nameOf(type), name, descriptor);
  const bool isMain = type == as<jclass>(launcherClass) && std::strcmp(name, "main") == 0 &&
                      std::strcmp(descriptor, "([Ljava/lang/String;)V") == 0;
  if (isMain && !failureIs("method")) return as<jmethodID>(mainMethod);
  pendingException = &noSuchMethodError;
  return nullptr;
}

jstring JNICALL newStringUtf(JNIEnv*, const char* bytes) {
  record("NewStringUTF \"%s\" %s", escaped(bytes).c_str(), isModifiedUtf8(bytes) ? "modified-UTF-8" : "MALFORMED");
  return as<jstring>(javaString);
}

jobjectArray JNICALL newObjectArray(JNIEnv*, jsize length, jclass elementType, jobject initial) {
  record("NewObjectArray %d %s %s", static_cast<int>(length), nameOf(elementType), nameOf(initial));
  return as<jobjectArray>(javaArray);
}

void JNICALL setObjectArrayElement(JNIEnv*, jobjectArray target, jsize index, jobject value) {
  record("SetObjectArrayElement %s %d %s", nameOf(target), static_cast<int>(index), nameOf(value));
}

void JNICALL callStaticVoidMethodV(JNIEnv*, jclass type, jmethodID method, va_list arguments) {
  const jobject argument = va_arg(arguments, jobject);
  record("CallStaticVoidMethodV %s %s %s", nameOf(type), nameOf(method), nameOf(argument));
  holdWhileTestActs();
  if (failureIs("throw")) pendingException = &thrownByMain;
}

jthrowable JNICALL exceptionOccurred(JNIEnv*) {
  record("ExceptionOccurred %s", nameOf(pendingException));
  return pendingException == nullptr ? nullptr : as<jthrowable>(*pendingException);
}

void JNICALL exceptionDescribe(JNIEnv*) { record("ExceptionDescribe %s", nameOf(pendingException)); }

jint JNICALL destroyJavaVm(JavaVM*) {
  record("DestroyJavaVM");
  return JNI_OK;
}

// Every function that the launcher has no business calling ends the process with a record of it.
template <char Table, std::size_t Index>
void JNICALL unexpectedFunction() {
  record("unexpected %s function %u", Table == 'E' ? "JNIEnv" : "JavaVM", static_cast<unsigned>(Index));
  std::_Exit(99);
}

template <char Table, class Functions, std::size_t... Index>
void fillWithUnexpected(Functions& functions, std::index_sequence<Index...>) {
  void* const entries[] = {reinterpret_cast<void*>(&unexpectedFunction<Table, Index>)...};
  static_assert(sizeof entries == sizeof functions, "a function table is a table of pointers");
  std::memcpy(&functions, entries, sizeof entries);
}

template <char Table, class Functions>
void fillWithUnexpected(Functions& functions) {
  fillWithUnexpected<Table>(functions, std::make_index_sequence<sizeof(Functions) / sizeof(void*)>());
}

JNINativeInterface_ envFunctions;
JNIInvokeInterface_ vmFunctions;
JNIEnv theEnv;
JavaVM theVm;

}  // namespace

extern "C" JNIEXPORT jint JNICALL JNI_CreateJavaVM(JavaVM** vm, void** env, void* argumentRecord) {
  const auto* arguments = static_cast<const JavaVMInitArgs*>(argumentRecord);
  record("JNI_CreateJavaVM version=0x%x nOptions=%d ignoreUnrecognized=%d", static_cast<unsigned>(arguments->version),
         static_cast<int>(arguments->nOptions), static_cast<int>(arguments->ignoreUnrecognized));
  for (jint i = 0; i < arguments->nOptions; ++i) {
    const JavaVMOption& option = arguments->options[i];
    record("option %d \"%s\"%s", static_cast<int>(i) + 1, escaped(option.optionString).c_str(),
           option.extraInfo == nullptr ? "" : " with extraInfo");
  }
  constexpr char kLibraryPath[] = "-Dorg.lwjgl.librarypath=";
  for (jint i = 0; i < arguments->nOptions; ++i) {
    const char* const option = arguments->options[i].optionString;
    if (std::strncmp(option, kLibraryPath, sizeof kLibraryPath - 1) == 0) {
      record("library path names \"%s\"", escaped(directoryNamedBy(option + sizeof kLibraryPath - 1).c_str()).c_str());
    }
  }
  record("working directory \"%s\"", escaped(workingDirectory().c_str()).c_str());
  record("_JAVA_OPTIONS %s", environment("_JAVA_OPTIONS") ? "set" : "unset");
  if (failureIs("create")) return JNI_ERR;

  fillWithUnexpected<'E'>(envFunctions);
  envFunctions.FindClass = &findClass;
  envFunctions.GetStaticMethodID = &getStaticMethodId;
  envFunctions.NewStringUTF = &newStringUtf;
  envFunctions.NewObjectArray = &newObjectArray;
  envFunctions.SetObjectArrayElement = &setObjectArrayElement;
  envFunctions.CallStaticVoidMethodV = &callStaticVoidMethodV;
  envFunctions.ExceptionOccurred = &exceptionOccurred;
  envFunctions.ExceptionDescribe = &exceptionDescribe;
  fillWithUnexpected<'V'>(vmFunctions);
  vmFunctions.DestroyJavaVM = &destroyJavaVm;
  theEnv.functions = &envFunctions;
  theVm.functions = &vmFunctions;
  *vm = &theVm;
  *env = &theEnv;
  return JNI_OK;
}
