// The natives of net.quorlen.steam.SteamAPI: start and stop, handles, event pump.
#include "net_quorlen_steam_SteamAPI.h"

#include "jni/booleans.h"
#include "jni/handle.h"
#include "steamworks/steam_api.h"

using nimbrel::toHandle;
using nimbrel::toJBoolean;

extern "C" {

JNIEXPORT jboolean JNICALL Java_net_quorlen_steam_SteamAPI_SteamAPI_1Init(JNIEnv*, jclass) {
  return toJBoolean(SteamAPI_Init());
}

JNIEXPORT void JNICALL Java_net_quorlen_steam_SteamAPI_SteamAPI_1Shutdown(JNIEnv*, jclass) {
  SteamAPI_Shutdown();
}

JNIEXPORT jboolean JNICALL Java_net_quorlen_steam_SteamAPI_SteamAPI_1IsSteamRunning(JNIEnv*, jclass) {
  return toJBoolean(SteamAPI_IsSteamRunning());
}

JNIEXPORT void JNICALL Java_net_quorlen_steam_SteamAPI_SteamAPI_1RunCallbacks(JNIEnv*, jclass) {
  SteamAPI_RunCallbacks();
}

JNIEXPORT jlong JNICALL Java_net_quorlen_steam_SteamAPI_SteamClient(JNIEnv*, jclass) {
  return toHandle(SteamClient());
}

JNIEXPORT jlong JNICALL Java_net_quorlen_steam_SteamAPI_SteamUser(JNIEnv*, jclass) {
  return toHandle(SteamUser());
}

JNIEXPORT jlong JNICALL Java_net_quorlen_steam_SteamAPI_SteamFriends(JNIEnv*, jclass) {
  return toHandle(SteamFriends());
}

JNIEXPORT jlong JNICALL Java_net_quorlen_steam_SteamAPI_SteamUtils(JNIEnv*, jclass) {
  return toHandle(SteamUtils());
}

JNIEXPORT jlong JNICALL Java_net_quorlen_steam_SteamAPI_SteamMatchmaking(JNIEnv*, jclass) {
  return toHandle(SteamMatchmaking());
}

JNIEXPORT jlong JNICALL Java_net_quorlen_steam_SteamAPI_SteamUserStats(JNIEnv*, jclass) {
  return toHandle(SteamUserStats());
}

JNIEXPORT jlong JNICALL Java_net_quorlen_steam_SteamAPI_SteamApps(JNIEnv*, jclass) {
  return toHandle(SteamApps());
}

JNIEXPORT jlong JNICALL Java_net_quorlen_steam_SteamAPI_SteamNetworking(JNIEnv*, jclass) {
  return toHandle(SteamNetworking());
}

JNIEXPORT jlong JNICALL Java_net_quorlen_steam_SteamAPI_SteamMatchmakingServers(JNIEnv*, jclass) {
  return toHandle(SteamMatchmakingServers());
}

JNIEXPORT jlong JNICALL Java_net_quorlen_steam_SteamAPI_SteamRemoteStorage(JNIEnv*, jclass) {
  return toHandle(SteamRemoteStorage());
}

}  // extern "C"
