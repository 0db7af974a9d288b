// What every listener adapter holds before its slots: the JNIEnv of the thread
// that created it (events run on that thread), the one global reference to the
// listener, and the listener interface's class path for diagnostics.
#pragma once

#include <jni.h>

#include <cstddef>
#include <initializer_list>
#include <type_traits>

namespace nimbrel {

// A method of a listener interface, as one row of an adapter's table.
struct ListenerMethod {
  const char* name;
  const char* descriptor;
};

class AdapterRecord {
 public:
  AdapterRecord(const AdapterRecord&) = delete;
  AdapterRecord& operator=(const AdapterRecord&) = delete;

  // Calls the listener's method `method` with arguments of JNI types
  // (jlong, jint, jboolean, jdouble, or a reference).
  template <class... Args>
  void call(const ListenerMethod& method, Args... args) const {
    static_assert((isJniArgument<Args>() && ...), "listener arguments must have JNI types");
    callListener(method.name, method.descriptor, args...);
  }

  // The position in `forms` of the first method the listener's class declares,
  // or forms.size() when it declares none (or its class cannot be had); lets a
  // handler serve listeners written against an older form of a method. The
  // failed lookups leave nothing pending.
  std::size_t firstDeclared(std::initializer_list<ListenerMethod> forms) const;

  // Tells the listener that the call result meant for `method` failed with an I/O error.
  void ioError(const ListenerMethod& method) const;

  JNIEnv* env() const { return env_; }

 protected:
  AdapterRecord(JNIEnv* env, jobject listener, const char* classPath);
  // The slots of the derived adapter are torn down first; the listener goes last.
  ~AdapterRecord();

 private:
  template <class T>
  static constexpr bool isJniArgument() {
    return std::is_same_v<T, jlong> || std::is_same_v<T, jint> || std::is_same_v<T, jboolean> ||
           std::is_same_v<T, jdouble> || std::is_convertible_v<T, jobject>;
  }

  void callListener(const char* name, const char* descriptor, ...) const;

  JNIEnv* env_;
  jobject listener_;
  const char* classPath_;
};

}  // namespace nimbrel
