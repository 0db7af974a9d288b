// The natives of net.quorlen.standin.StandIn: a test's hands on the stand-in.
#include "net_quorlen_standin_StandIn.h"

#include <dlfcn.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "../core/dispatcher.h"
#include "../core/events.h"
#include "../core/recorder.h"
#include "../core/script.h"
#include "../world/world.h"

namespace {

struct EventDraft {
  const standin::EventInfo* info;
  std::vector<std::uint8_t> data;
};

std::map<int, EventDraft>& drafts() {
  static std::map<int, EventDraft> all;
  return all;
}

std::string utf(JNIEnv* env, jstring text) {
  const char* chars = env->GetStringUTFChars(text, nullptr);
  std::string copy = chars;
  env->ReleaseStringUTFChars(text, chars);
  return copy;
}

jobjectArray toJava(JNIEnv* env, const std::vector<std::string>& lines) {
  jclass stringClass = env->FindClass("java/lang/String");
  jobjectArray array = env->NewObjectArray(static_cast<jsize>(lines.size()), stringClass, nullptr);
  for (std::size_t i = 0; i < lines.size(); ++i) {
    jstring line = env->NewStringUTF(lines[i].c_str());  // the log is ASCII
    env->SetObjectArrayElement(array, static_cast<jsize>(i), line);
    env->DeleteLocalRef(line);
  }
  env->DeleteLocalRef(stringClass);
  return array;
}

const standin::FieldInfo* field(int id, JNIEnv* env, jstring name) {
  auto draft = drafts().find(id);
  if (draft == drafts().end()) return nullptr;
  std::string wanted = utf(env, name);
  for (const auto& f : draft->second.info->fields) {
    if (wanted == f.name) return &f;
  }
  return nullptr;
}

std::vector<std::uint8_t> take(int id) {
  auto draft = drafts().find(id);
  if (draft == drafts().end()) return {};
  std::vector<std::uint8_t> data = std::move(draft->second.data);
  drafts().erase(draft);
  return data;
}

int numberOf(int id) {
  auto draft = drafts().find(id);
  return draft == drafts().end() ? 0 : draft->second.info->number;
}

int capturedFd = -1;
int savedStdout = -1;
std::FILE* captureFile = nullptr;

}  // namespace

extern "C" {

JNIEXPORT void JNICALL Java_net_quorlen_standin_StandIn_reset(JNIEnv*, jclass) {
  standin::takeLines();
  standin::takeFaults();
  standin::clearScript();
  standin::clearPending();
  drafts().clear();
  standin::world::deactivate();
}

JNIEXPORT void JNICALL Java_net_quorlen_standin_StandIn_useWorld(JNIEnv* env, jclass, jstring saveFolder) {
  standin::world::activate(utf(env, saveFolder));
}

JNIEXPORT jobjectArray JNICALL Java_net_quorlen_standin_StandIn_takeCallLines(JNIEnv* env, jclass) {
  return toJava(env, standin::takeLines());
}

JNIEXPORT jobjectArray JNICALL Java_net_quorlen_standin_StandIn_takeFaultLines(JNIEnv* env, jclass) {
  return toJava(env, standin::takeFaults());
}

JNIEXPORT jint JNICALL Java_net_quorlen_standin_StandIn_liveRegistrations(JNIEnv*, jclass) {
  return standin::liveRegistrations();
}

JNIEXPORT jlong JNICALL Java_net_quorlen_standin_StandIn_lastCall(JNIEnv*, jclass) {
  return static_cast<jlong>(standin::lastCall());
}

JNIEXPORT jlong JNICALL Java_net_quorlen_standin_StandIn_address(JNIEnv* env, jclass, jobject buffer) {
  return static_cast<jlong>(reinterpret_cast<std::uintptr_t>(env->GetDirectBufferAddress(buffer)));
}

JNIEXPORT void JNICALL Java_net_quorlen_standin_StandIn_scriptIntegers(JNIEnv* env, jclass, jstring key,
                                                                       jlongArray values) {
  std::vector<standin::Value> script(static_cast<std::size_t>(env->GetArrayLength(values)));
  for (jsize i = 0; i < static_cast<jsize>(script.size()); ++i) {
    jlong v = 0;
    env->GetLongArrayRegion(values, i, 1, &v);
    script[static_cast<std::size_t>(i)].integer = v;
  }
  standin::script(utf(env, key), std::move(script));
}

JNIEXPORT void JNICALL Java_net_quorlen_standin_StandIn_scriptReals(JNIEnv* env, jclass, jstring key,
                                                                    jdoubleArray values) {
  std::vector<standin::Value> script(static_cast<std::size_t>(env->GetArrayLength(values)));
  for (jsize i = 0; i < static_cast<jsize>(script.size()); ++i) {
    jdouble v = 0;
    env->GetDoubleArrayRegion(values, i, 1, &v);
    script[static_cast<std::size_t>(i)].kind = standin::Value::Kind::Real;
    script[static_cast<std::size_t>(i)].real = v;
  }
  standin::script(utf(env, key), std::move(script));
}

JNIEXPORT void JNICALL Java_net_quorlen_standin_StandIn_scriptTexts(JNIEnv* env, jclass, jstring key,
                                                                    jobjectArray values) {
  std::vector<standin::Value> script(static_cast<std::size_t>(env->GetArrayLength(values)));
  for (jsize i = 0; i < static_cast<jsize>(script.size()); ++i) {
    auto bytes = static_cast<jbyteArray>(env->GetObjectArrayElement(values, i));
    auto& value = script[static_cast<std::size_t>(i)];
    if (bytes == nullptr) {
      value.kind = standin::Value::Kind::Null;
      continue;
    }
    value.kind = standin::Value::Kind::Text;
    value.text.resize(static_cast<std::size_t>(env->GetArrayLength(bytes)));
    env->GetByteArrayRegion(bytes, 0, static_cast<jsize>(value.text.size()), reinterpret_cast<jbyte*>(value.text.data()));
    env->DeleteLocalRef(bytes);
  }
  standin::script(utf(env, key), std::move(script));
}

JNIEXPORT jint JNICALL Java_net_quorlen_standin_StandIn_newEvent(JNIEnv*, jclass, jint number) {
  static int nextId = 1;
  const standin::EventInfo* info = standin::findEvent(number);
  if (info == nullptr) return -1;
  int id = nextId++;
  drafts()[id] = EventDraft{info, std::vector<std::uint8_t>(info->size, 0)};
  return id;
}

JNIEXPORT jboolean JNICALL Java_net_quorlen_standin_StandIn_setInteger(JNIEnv* env, jclass, jint id, jstring name,
                                                                      jlong value) {
  const standin::FieldInfo* f = field(id, env, name);
  if (f == nullptr || (f->kind != standin::FieldKind::Signed && f->kind != standin::FieldKind::Unsigned &&
                       f->kind != standin::FieldKind::SteamId)) {
    return JNI_FALSE;
  }
  // Little-endian: the low bytes of the value are the field's bytes.
  std::memcpy(drafts()[id].data.data() + f->offset, &value, f->size);
  return JNI_TRUE;
}

JNIEXPORT jboolean JNICALL Java_net_quorlen_standin_StandIn_setReal(JNIEnv* env, jclass, jint id, jstring name,
                                                                   jdouble value) {
  const standin::FieldInfo* f = field(id, env, name);
  if (f == nullptr || f->kind != standin::FieldKind::Real) return JNI_FALSE;
  std::uint8_t* at = drafts()[id].data.data() + f->offset;
  if (f->size == sizeof(float)) {
    float narrow = static_cast<float>(value);
    std::memcpy(at, &narrow, sizeof narrow);
  } else {
    std::memcpy(at, &value, sizeof value);
  }
  return JNI_TRUE;
}

JNIEXPORT jboolean JNICALL Java_net_quorlen_standin_StandIn_setBytes(JNIEnv* env, jclass, jint id, jstring name,
                                                                    jbyteArray bytes) {
  const standin::FieldInfo* f = field(id, env, name);
  if (f == nullptr || f->kind != standin::FieldKind::Text) return JNI_FALSE;
  jsize length = env->GetArrayLength(bytes);
  if (static_cast<std::size_t>(length) > f->size) return JNI_FALSE;
  std::uint8_t* at = drafts()[id].data.data() + f->offset;
  std::memset(at, 0, f->size);
  env->GetByteArrayRegion(bytes, 0, length, reinterpret_cast<jbyte*>(at));
  return JNI_TRUE;
}

JNIEXPORT jboolean JNICALL Java_net_quorlen_standin_StandIn_setIds(JNIEnv* env, jclass, jint id, jstring name,
                                                                  jlongArray ids) {
  const standin::FieldInfo* f = field(id, env, name);
  if (f == nullptr || f->kind != standin::FieldKind::SteamIdArray) return JNI_FALSE;
  jsize count = env->GetArrayLength(ids);
  if (static_cast<std::size_t>(count) * 8 > f->size) return JNI_FALSE;
  std::vector<jlong> values(static_cast<std::size_t>(count));
  env->GetLongArrayRegion(ids, 0, count, values.data());
  std::memcpy(drafts()[id].data.data() + f->offset, values.data(), values.size() * 8);
  return JNI_TRUE;
}

JNIEXPORT void JNICALL Java_net_quorlen_standin_StandIn_post(JNIEnv*, jclass, jint id) {
  int number = numberOf(id);
  standin::postCallback(number, take(id));
}

JNIEXPORT void JNICALL Java_net_quorlen_standin_StandIn_complete(JNIEnv*, jclass, jint id, jlong handle,
                                                                jboolean ioFailure) {
  int number = numberOf(id);
  standin::completeCall(number, static_cast<SteamAPICall_t>(handle), ioFailure == JNI_TRUE, take(id));
}

JNIEXPORT void JNICALL Java_net_quorlen_standin_StandIn_beginStdoutCapture(JNIEnv*, jclass) {
  std::fflush(stdout);
  captureFile = std::tmpfile();
  savedStdout = dup(STDOUT_FILENO);
  capturedFd = fileno(captureFile);
  dup2(capturedFd, STDOUT_FILENO);
}

JNIEXPORT jstring JNICALL Java_net_quorlen_standin_StandIn_endStdoutCapture(JNIEnv* env, jclass) {
  std::fflush(stdout);
  dup2(savedStdout, STDOUT_FILENO);
  close(savedStdout);
  std::string text;
  std::rewind(captureFile);
  char chunk[4096];
  while (std::size_t n = std::fread(chunk, 1, sizeof chunk, captureFile)) text.append(chunk, n);
  std::fclose(captureFile);
  captureFile = nullptr;
  // Pass it on, so the run's own output (where JNI warnings are looked for) is complete.
  std::fwrite(text.data(), 1, text.size(), stdout);
  std::fflush(stdout);
  return env->NewStringUTF(text.c_str());
}

JNIEXPORT jlong JNICALL Java_net_quorlen_standin_StandIn_callCreateAdapter(JNIEnv* env, jclass type, jstring library,
                                                                          jstring symbol, jobject listener) {
  void* handle = dlopen(utf(env, library).c_str(), RTLD_NOW | RTLD_NOLOAD);
  if (handle == nullptr) return 0;
  using Create = jlong (*)(JNIEnv*, jobject, jobject);
  auto create = reinterpret_cast<Create>(dlsym(handle, utf(env, symbol).c_str()));
  dlclose(handle);
  // The receiver is not used by the adapter natives; the class object stands in for it.
  return create == nullptr ? 0 : create(env, type, listener);
}

}  // extern "C"
