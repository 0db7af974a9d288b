// The benchmark's own natives: the floor a nimbrel native is measured against
// (a JNI call that does nothing), the stand-in's methods called straight,
// without nimbrel's frame, to tell the bridge's cost from the stand-in's, and
// a plain memory copy for the data path.
#include "net_quorlen_bench_Floor.h"

#include <cstdint>
#include <cstring>

#include "../../standin/core/recorder.h"
#include "steamworks/isteamremotestorage.h"
#include "steamworks/isteamuser.h"

namespace {

template <class Interface>
Interface* interfaceAt(jlong handle) {
  return reinterpret_cast<Interface*>(static_cast<std::uintptr_t>(handle));
}

char* bytesOf(JNIEnv* env, jobject buffer) {
  return static_cast<char*>(env->GetDirectBufferAddress(buffer));
}

constexpr const char* kFileName = "bench.bin";

}  // namespace

extern "C" {

JNIEXPORT jboolean JNICALL Java_net_quorlen_bench_Floor_empty(JNIEnv*, jobject) {
  return JNI_FALSE;
}

JNIEXPORT void JNICALL Java_net_quorlen_bench_Floor_findClass(JNIEnv* env, jclass) {
  env->DeleteLocalRef(env->FindClass("net/quorlen/steam/ISteamObject"));
}

// What nimbrel's frame asks of the VM before each Steamworks call, and nothing else.
JNIEXPORT jlong JNICALL Java_net_quorlen_bench_Floor_frameLookups(JNIEnv* env, jclass, jobject wrapper) {
  jclass type = env->FindClass("net/quorlen/steam/ISteamObject");
  jmethodID getter = env->GetMethodID(type, "getPointer", "()J");
  jlong handle = env->CallLongMethod(wrapper, getter);
  env->DeleteLocalRef(type);
  return handle;
}

JNIEXPORT void JNICALL Java_net_quorlen_bench_Floor_setStandInRecording(JNIEnv*, jclass, jboolean on) {
  standin::setRecording(on == JNI_TRUE);
}

JNIEXPORT jboolean JNICALL Java_net_quorlen_bench_Floor_directBLoggedOn(JNIEnv*, jclass, jlong user) {
  return interfaceAt<ISteamUser>(user)->BLoggedOn() ? JNI_TRUE : JNI_FALSE;
}

JNIEXPORT jboolean JNICALL Java_net_quorlen_bench_Floor_directFileWrite(JNIEnv* env, jclass, jlong storage,
                                                                      jobject data, jint length) {
  return interfaceAt<ISteamRemoteStorage>(storage)->FileWrite(kFileName, bytesOf(env, data), length) ? JNI_TRUE
                                                                                                      : JNI_FALSE;
}

JNIEXPORT jint JNICALL Java_net_quorlen_bench_Floor_directFileRead(JNIEnv* env, jclass, jlong storage, jobject data,
                                                                  jint length) {
  return interfaceAt<ISteamRemoteStorage>(storage)->FileRead(kFileName, bytesOf(env, data), length);
}

JNIEXPORT jint JNICALL Java_net_quorlen_bench_Floor_directUGCRead(JNIEnv* env, jclass, jlong storage, jlong content,
                                                                 jobject data, jint length) {
  return interfaceAt<ISteamRemoteStorage>(storage)->UGCRead(static_cast<UGCHandle_t>(content), bytesOf(env, data),
                                                            length, 0);
}

JNIEXPORT void JNICALL Java_net_quorlen_bench_Floor_copy(JNIEnv* env, jclass, jobject from, jobject to,
                                                       jint length) {
  std::memcpy(bytesOf(env, to), bytesOf(env, from), static_cast<std::size_t>(length));
}

}  // extern "C"
