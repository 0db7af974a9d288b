// The natives of SteamUser for voice chat. Voice moves through the direct
// buffers' own memory; the byte counts are written on every call, so Java never
// reads a count left from an earlier one.
#include "net_quorlen_steam_SteamUser.h"

#include "frame.h"
#include "jni/booleans.h"
#include "jni/direct_region.h"
#include "jni/out_array.h"
#include "steamworks/isteamuser.h"
#include "voice_region.h"

using namespace nimbrel;

extern "C" {

JNIEXPORT void JNICALL Java_net_quorlen_steam_SteamUser_StartVoiceRecording(JNIEnv* env, jobject self) {
  auto* user = pointerOf<ISteamUser>(env, self);
  if (rejected(env)) return;
  user->StartVoiceRecording();
}

JNIEXPORT void JNICALL Java_net_quorlen_steam_SteamUser_StopVoiceRecording(JNIEnv* env, jobject self) {
  auto* user = pointerOf<ISteamUser>(env, self);
  if (rejected(env)) return;
  user->StopVoiceRecording();
}

JNIEXPORT jint JNICALL Java_net_quorlen_steam_SteamUser_GetAvailableVoice(JNIEnv* env, jobject self,
                                                                         jintArray compressedBytes,
                                                                         jintArray uncompressedBytes,
                                                                         jint desiredSampleRate) {
  auto* user = pointerOf<ISteamUser>(env, self);
  OutArray<jint> compressedOut(env, compressedBytes);
  OutArray<jint> uncompressedOut(env, uncompressedBytes);
  if (rejected(env)) return 0;
  uint32 compressed = 0;
  uint32 uncompressed = 0;
  EVoiceResult result = user->GetAvailableVoice(&compressed, &uncompressed, static_cast<uint32>(desiredSampleRate));
  compressedOut.set(static_cast<jint>(compressed));
  uncompressedOut.set(static_cast<jint>(uncompressed));
  return static_cast<jint>(result);
}

JNIEXPORT jint JNICALL Java_net_quorlen_steam_SteamUser_GetVoice(
    JNIEnv* env, jobject self, jboolean wantCompressed, jobject compressed, jint compressedPosition,
    jint compressedLimit, jintArray compressedBytesWritten, jboolean wantUncompressed, jobject uncompressed,
    jint uncompressedPosition, jint uncompressedLimit, jintArray uncompressedBytesWritten, jint desiredSampleRate) {
  auto* user = pointerOf<ISteamUser>(env, self);
  bool wantsCompressed = fromJBoolean(wantCompressed);
  bool wantsUncompressed = fromJBoolean(wantUncompressed);
  VoiceRegion compressedRegion(env, wantsCompressed, compressed, compressedPosition, compressedLimit);
  OutArray<jint> compressedOut(env, compressedBytesWritten);
  VoiceRegion uncompressedRegion(env, wantsUncompressed, uncompressed, uncompressedPosition, uncompressedLimit);
  OutArray<jint> uncompressedOut(env, uncompressedBytesWritten);
  if (rejected(env)) return 0;
  uint32 compressedWritten = 0;
  uint32 uncompressedWritten = 0;
  EVoiceResult result = user->GetVoice(wantsCompressed, compressedRegion.begin(), compressedRegion.bytes(),
                                       &compressedWritten, wantsUncompressed, uncompressedRegion.begin(),
                                       uncompressedRegion.bytes(), &uncompressedWritten,
                                       static_cast<uint32>(desiredSampleRate));
  compressedOut.set(static_cast<jint>(compressedWritten));
  uncompressedOut.set(static_cast<jint>(uncompressedWritten));
  return static_cast<jint>(result);
}

JNIEXPORT jint JNICALL Java_net_quorlen_steam_SteamUser_DecompressVoice(JNIEnv* env, jobject self,
                                                                       jobject compressed, jint compressedPosition,
                                                                       jint compressedLimit, jobject destination,
                                                                       jint destinationPosition,
                                                                       jint destinationLimit, jintArray bytesWritten,
                                                                       jint desiredSampleRate) {
  auto* user = pointerOf<ISteamUser>(env, self);
  DirectRegion source(env, compressed, compressedPosition, compressedLimit);
  DirectRegion target(env, destination, destinationPosition, destinationLimit);
  OutArray<jint> writtenOut(env, bytesWritten);
  if (rejected(env)) return 0;
  uint32 written = 0;
  EVoiceResult result = user->DecompressVoice(source.begin(), static_cast<uint32>(source.bytes()), target.begin(),
                                              static_cast<uint32>(target.bytes()), &written,
                                              static_cast<uint32>(desiredSampleRate));
  writtenOut.set(static_cast<jint>(written));
  return static_cast<jint>(result);
}

JNIEXPORT jint JNICALL Java_net_quorlen_steam_SteamUser_GetVoiceOptimalSampleRate(JNIEnv* env, jobject self) {
  auto* user = pointerOf<ISteamUser>(env, self);
  if (rejected(env)) return 0;
  return static_cast<jint>(user->GetVoiceOptimalSampleRate());
}

}  // extern "C"
