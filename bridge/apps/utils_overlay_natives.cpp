// The natives of net.quorlen.steam.SteamUtils over the Steam overlay.
#include "net_quorlen_steam_SteamUtils.h"

#include "frame.h"
#include "jni/booleans.h"
#include "steamworks/isteamutils.h"

using namespace nimbrel;

extern "C" {

JNIEXPORT void JNICALL Java_net_quorlen_steam_SteamUtils_SetOverlayNotificationPosition(JNIEnv* env, jobject self,
                                                                                        jint notificationPosition) {
  auto* utils = pointerOf<ISteamUtils>(env, self);
  if (rejected(env)) return;
  utils->SetOverlayNotificationPosition(static_cast<ENotificationPosition>(notificationPosition));
}

JNIEXPORT jboolean JNICALL Java_net_quorlen_steam_SteamUtils_IsOverlayEnabled(JNIEnv* env, jobject self) {
  auto* utils = pointerOf<ISteamUtils>(env, self);
  if (rejected(env)) return JNI_FALSE;
  return toJBoolean(utils->IsOverlayEnabled());
}

}  // extern "C"
