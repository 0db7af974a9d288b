// The natives of net.quorlen.steam.SteamApps over the catalogue of
// downloadable content.
#include "net_quorlen_steam_SteamApps.h"

#include "frame.h"
#include "jni/booleans.h"
#include "jni/java_string.h"
#include "jni/local_ref.h"
#include "jni/out_array.h"
#include "steamworks/isteamapps.h"

using namespace nimbrel;

namespace {

constexpr int kDlcNameBytes = 256;

}  // namespace

extern "C" {

JNIEXPORT jint JNICALL Java_net_quorlen_steam_SteamApps_GetDLCCount(JNIEnv* env, jobject self) {
  auto* apps = pointerOf<ISteamApps>(env, self);
  if (rejected(env)) return 0;
  return static_cast<jint>(apps->GetDLCCount());
}

JNIEXPORT jboolean JNICALL Java_net_quorlen_steam_SteamApps_BGetDLCDataByIndex(JNIEnv* env, jobject self, jint index,
                                                                               jintArray appId,
                                                                               jbooleanArray available,
                                                                               jobjectArray name) {
  auto* apps = pointerOf<ISteamApps>(env, self);
  OutArray<jint> appIdOut(env, appId);
  OutArray<jboolean> availableOut(env, available);
  OutObjectArray nameOut(env, name);
  if (rejected(env)) return JNI_FALSE;
  AppId_t dlc = 0;
  bool isAvailable = false;
  // Zeroed, and read only up to its end: a name that fills the buffer
  // without a terminator still ends where the buffer does.
  char nameBuffer[kDlcNameBytes] = {};
  bool found = apps->BGetDLCDataByIndex(index, &dlc, &isAvailable, nameBuffer, kDlcNameBytes);
  if (!found) return JNI_FALSE;
  LocalRef<jstring> dlcName(env, newJavaStringFromField(env, nameBuffer));
  if (rejected(env)) return JNI_FALSE;  // no memory for the name: write none of the three
  appIdOut.set(dlc);
  availableOut.set(isAvailable);
  nameOut.set(dlcName.get());
  return JNI_TRUE;
}

JNIEXPORT void JNICALL Java_net_quorlen_steam_SteamApps_InstallDLC(JNIEnv* env, jobject self, jint appId) {
  auto* apps = pointerOf<ISteamApps>(env, self);
  if (rejected(env)) return;
  apps->InstallDLC(static_cast<AppId_t>(appId));
}

JNIEXPORT void JNICALL Java_net_quorlen_steam_SteamApps_UninstallDLC(JNIEnv* env, jobject self, jint appId) {
  auto* apps = pointerOf<ISteamApps>(env, self);
  if (rejected(env)) return;
  apps->UninstallDLC(static_cast<AppId_t>(appId));
}

}  // extern "C"
