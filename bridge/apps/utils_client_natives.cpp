// The natives of net.quorlen.steam.SteamUtils that read the client's state:
// idle and server times, universe, country, battery, app id, IPC calls.
#include "net_quorlen_steam_SteamUtils.h"

#include "frame.h"
#include "jni/java_string.h"
#include "steamworks/isteamutils.h"

using namespace nimbrel;

extern "C" {

JNIEXPORT jint JNICALL Java_net_quorlen_steam_SteamUtils_GetSecondsSinceAppActive(JNIEnv* env, jobject self) {
  auto* utils = pointerOf<ISteamUtils>(env, self);
  if (rejected(env)) return 0;
  return static_cast<jint>(utils->GetSecondsSinceAppActive());
}

JNIEXPORT jint JNICALL Java_net_quorlen_steam_SteamUtils_GetSecondsSinceComputerActive(JNIEnv* env, jobject self) {
  auto* utils = pointerOf<ISteamUtils>(env, self);
  if (rejected(env)) return 0;
  return static_cast<jint>(utils->GetSecondsSinceComputerActive());
}

JNIEXPORT jint JNICALL Java_net_quorlen_steam_SteamUtils_GetConnectedUniverse(JNIEnv* env, jobject self) {
  auto* utils = pointerOf<ISteamUtils>(env, self);
  if (rejected(env)) return 0;
  return static_cast<jint>(utils->GetConnectedUniverse());
}

JNIEXPORT jint JNICALL Java_net_quorlen_steam_SteamUtils_GetServerRealTime(JNIEnv* env, jobject self) {
  auto* utils = pointerOf<ISteamUtils>(env, self);
  if (rejected(env)) return 0;
  return static_cast<jint>(utils->GetServerRealTime());
}

JNIEXPORT jstring JNICALL Java_net_quorlen_steam_SteamUtils_GetIPCountry(JNIEnv* env, jobject self) {
  auto* utils = pointerOf<ISteamUtils>(env, self);
  if (rejected(env)) return nullptr;
  return newJavaString(env, utils->GetIPCountry());
}

JNIEXPORT jint JNICALL Java_net_quorlen_steam_SteamUtils_GetCurrentBatteryPower(JNIEnv* env, jobject self) {
  auto* utils = pointerOf<ISteamUtils>(env, self);
  if (rejected(env)) return 0;
  return static_cast<jint>(utils->GetCurrentBatteryPower());
}

JNIEXPORT jint JNICALL Java_net_quorlen_steam_SteamUtils_GetAppID(JNIEnv* env, jobject self) {
  auto* utils = pointerOf<ISteamUtils>(env, self);
  if (rejected(env)) return 0;
  return static_cast<jint>(utils->GetAppID());
}

JNIEXPORT jint JNICALL Java_net_quorlen_steam_SteamUtils_GetIPCCallCount(JNIEnv* env, jobject self) {
  auto* utils = pointerOf<ISteamUtils>(env, self);
  if (rejected(env)) return 0;
  return static_cast<jint>(utils->GetIPCCallCount());
}

}  // extern "C"
