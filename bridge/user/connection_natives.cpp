// The natives of SteamUser for the handshake with game servers.
#include "net_quorlen_steam_SteamUser.h"

#include "frame.h"
#include "jni/booleans.h"
#include "jni/direct_region.h"
#include "steamworks/isteamuser.h"
#include "jni/steam_id.h"

using namespace nimbrel;

namespace {

// Java has no unsigned short: Steamworks gets the low 16 bits of the int.
uint16 portOf(jint port) {
  return static_cast<uint16>(static_cast<uint32>(port) & 0xFFFFu);
}

}  // namespace

extern "C" {

JNIEXPORT jint JNICALL Java_net_quorlen_steam_SteamUser_InitiateGameConnection(JNIEnv* env, jobject self,
                                                                              jobject authBlob, jint position,
                                                                              jint limit, jlong steamIdGameServer,
                                                                              jint serverIp, jint serverPort,
                                                                              jboolean secure) {
  auto* user = pointerOf<ISteamUser>(env, self);
  DirectRegion region(env, authBlob, position, limit);
  if (rejected(env)) return 0;
  return user->InitiateGameConnection(region.begin(), static_cast<int>(region.bytes()),
                                      steamId(steamIdGameServer),
                                      static_cast<uint32>(serverIp), portOf(serverPort), fromJBoolean(secure));
}

JNIEXPORT void JNICALL Java_net_quorlen_steam_SteamUser_TerminateGameConnection(JNIEnv* env, jobject self,
                                                                               jint serverIp, jint serverPort) {
  auto* user = pointerOf<ISteamUser>(env, self);
  if (rejected(env)) return;
  user->TerminateGameConnection(static_cast<uint32>(serverIp), portOf(serverPort));
}

JNIEXPORT void JNICALL Java_net_quorlen_steam_SteamUser_AdvertiseGame(JNIEnv* env, jobject self,
                                                                     jlong steamIdGameServer, jint serverIp,
                                                                     jint serverPort) {
  auto* user = pointerOf<ISteamUser>(env, self);
  if (rejected(env)) return;
  user->AdvertiseGame(steamId(steamIdGameServer), static_cast<uint32>(serverIp),
                      portOf(serverPort));
}

}  // extern "C"
