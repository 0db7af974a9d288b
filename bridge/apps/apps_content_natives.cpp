// The natives of net.quorlen.steam.SteamApps that read the game's content
// settings and languages.
#include "net_quorlen_steam_SteamApps.h"

#include "frame.h"
#include "jni/booleans.h"
#include "jni/java_string.h"
#include "steamworks/isteamapps.h"

using namespace nimbrel;

extern "C" {

JNIEXPORT jboolean JNICALL Java_net_quorlen_steam_SteamApps_BIsLowViolence(JNIEnv* env, jobject self) {
  auto* apps = pointerOf<ISteamApps>(env, self);
  if (rejected(env)) return JNI_FALSE;
  return toJBoolean(apps->BIsLowViolence());
}

JNIEXPORT jboolean JNICALL Java_net_quorlen_steam_SteamApps_BIsVACBanned(JNIEnv* env, jobject self) {
  auto* apps = pointerOf<ISteamApps>(env, self);
  if (rejected(env)) return JNI_FALSE;
  return toJBoolean(apps->BIsVACBanned());
}

JNIEXPORT jstring JNICALL Java_net_quorlen_steam_SteamApps_GetCurrentGameLanguage(JNIEnv* env, jobject self) {
  auto* apps = pointerOf<ISteamApps>(env, self);
  if (rejected(env)) return nullptr;
  return newJavaString(env, apps->GetCurrentGameLanguage());
}

JNIEXPORT jstring JNICALL Java_net_quorlen_steam_SteamApps_GetAvailableGameLanguages(JNIEnv* env, jobject self) {
  auto* apps = pointerOf<ISteamApps>(env, self);
  if (rejected(env)) return nullptr;
  return newJavaString(env, apps->GetAvailableGameLanguages());
}

}  // extern "C"
