// The natives of net.quorlen.steam.SteamUtils that read the images Steamworks
// holds (avatars and the like): their size and their RGBA pixels.
#include "net_quorlen_steam_SteamUtils.h"

#include "frame.h"
#include "jni/booleans.h"
#include "jni/direct_region.h"
#include "jni/out_array.h"
#include "steamworks/isteamutils.h"

using namespace nimbrel;

extern "C" {

JNIEXPORT jboolean JNICALL Java_net_quorlen_steam_SteamUtils_GetImageSize(JNIEnv* env, jobject self, jint image,
                                                                          jintArray width, jintArray height) {
  auto* utils = pointerOf<ISteamUtils>(env, self);
  OutArray<jint> widthOut(env, width);
  OutArray<jint> heightOut(env, height);
  if (rejected(env)) return JNI_FALSE;
  uint32 imageWidth = 0;
  uint32 imageHeight = 0;
  bool known = utils->GetImageSize(image, &imageWidth, &imageHeight);
  if (!known) return JNI_FALSE;
  widthOut.set(imageWidth);
  heightOut.set(imageHeight);
  return JNI_TRUE;
}

// The pixels go straight into the buffer's memory, from its position up to its limit.
JNIEXPORT jboolean JNICALL Java_net_quorlen_steam_SteamUtils_GetImageRGBA(JNIEnv* env, jobject self, jint image,
                                                                          jobject destination, jint position,
                                                                          jint limit) {
  auto* utils = pointerOf<ISteamUtils>(env, self);
  DirectRegion pixels(env, destination, position, limit);
  if (rejected(env)) return JNI_FALSE;
  return toJBoolean(
      utils->GetImageRGBA(image, static_cast<uint8*>(pixels.begin()), static_cast<int>(pixels.bytes())));
}

}  // extern "C"
