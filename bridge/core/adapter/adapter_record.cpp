#include "adapter_record.h"

#include <cstdarg>
#include <cstdio>

#include "../jni/local_ref.h"

namespace nimbrel {
namespace {

// Describes and clears a pending Java exception; true when there was one.
bool describeAndClear(JNIEnv* env) {
  LocalRef<jthrowable> thrown(env, env->ExceptionOccurred());
  if (!thrown) return false;
  env->ExceptionDescribe();
  env->ExceptionClear();
  return true;
}

}  // namespace

AdapterRecord::AdapterRecord(JNIEnv* env, jobject listener, const char* classPath)
    : env_(env), listener_(env->NewGlobalRef(listener)), classPath_(classPath) {}

AdapterRecord::~AdapterRecord() {
  // Through the env of the creating thread, where the adapter lives.
  env_->DeleteGlobalRef(listener_);
}

void AdapterRecord::callListener(const char* name, const char* descriptor, ...) const {
  JNIEnv* env = env_;
  // An argument the VM could not make (no memory for a string or an array)
  // left its error pending: the event cannot be told, so it is dropped as a
  // failing listener's is, and the events after it are delivered as usual.
  if (describeAndClear(env)) return;
  LocalRef<jclass> type(env, env->GetObjectClass(listener_));
  if (!type) {
    std::printf("Can't find the class of object %s!\n", classPath_);
    std::fflush(stdout);
    return;
  }
  jmethodID method = env->GetMethodID(type.get(), name, descriptor);
  if (method == nullptr) {
    std::printf("Can't find the method %s%s of object %s!\n", name, descriptor, classPath_);
    std::fflush(stdout);
    // The failed lookup's NoSuchMethodError must not stay pending while later
    // events are dispatched, nor reach the code that pumps the events.
    env->ExceptionClear();
    return;
  }
  va_list args;
  va_start(args, descriptor);
  env->CallVoidMethodV(listener_, method, args);
  va_end(args);
  describeAndClear(env);
}

std::size_t AdapterRecord::firstDeclared(std::initializer_list<ListenerMethod> forms) const {
  JNIEnv* env = env_;
  LocalRef<jclass> type(env, env->GetObjectClass(listener_));
  std::size_t index = 0;
  if (!type) return forms.size();
  for (const ListenerMethod& form : forms) {
    if (env->GetMethodID(type.get(), form.name, form.descriptor) != nullptr) return index;
    env->ExceptionClear();
    ++index;
  }
  return index;
}

void AdapterRecord::ioError(const ListenerMethod& method) const {
  static constexpr ListenerMethod kIoError{"ioError", "(Ljava/lang/String;)V"};
  LocalRef<jstring> name(env_, env_->NewStringUTF(method.name));
  call(kIoError, name.get());
}

}  // namespace nimbrel
