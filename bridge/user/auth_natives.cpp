// The natives of SteamUser for auth sessions: the player's own tickets, and the
// validation of other players' tickets (reported to the listener).
#include "net_quorlen_steam_SteamUser.h"

#include "frame.h"
#include "jni/direct_region.h"
#include "jni/out_array.h"
#include "steamworks/isteamuser.h"
#include "jni/steam_id.h"

using namespace nimbrel;

extern "C" {

JNIEXPORT jint JNICALL Java_net_quorlen_steam_SteamUser_GetAuthSessionTicket(JNIEnv* env, jobject self,
                                                                            jobject ticket, jint position,
                                                                            jint limit, jintArray ticketLength) {
  auto* user = pointerOf<ISteamUser>(env, self);
  DirectRegion region(env, ticket, position, limit);
  OutArray<jint> lengthOut(env, ticketLength);
  if (rejected(env)) return 0;
  uint32 length = 0;
  HAuthTicket handle = user->GetAuthSessionTicket(region.begin(), static_cast<int>(region.bytes()), &length);
  // Also for handle 0, so Java never reads a length left from an earlier ticket.
  lengthOut.set(static_cast<jint>(length));
  return static_cast<jint>(handle);
}

JNIEXPORT jint JNICALL Java_net_quorlen_steam_SteamUser_BeginAuthSession(JNIEnv* env, jobject self, jobject ticket,
                                                                        jint position, jint limit,
                                                                        jlong steamIdTicketOwner) {
  auto* user = pointerOf<ISteamUser>(env, self);
  DirectRegion region(env, ticket, position, limit);
  if (rejected(env)) return 0;
  return static_cast<jint>(user->BeginAuthSession(region.begin(), static_cast<int>(region.bytes()),
                                                  steamId(steamIdTicketOwner)));
}

JNIEXPORT void JNICALL Java_net_quorlen_steam_SteamUser_EndAuthSession(JNIEnv* env, jobject self,
                                                                      jlong steamIdUser) {
  auto* user = pointerOf<ISteamUser>(env, self);
  if (rejected(env)) return;
  user->EndAuthSession(steamId(steamIdUser));
}

JNIEXPORT void JNICALL Java_net_quorlen_steam_SteamUser_CancelAuthTicket(JNIEnv* env, jobject self,
                                                                        jint authTicket) {
  auto* user = pointerOf<ISteamUser>(env, self);
  if (rejected(env)) return;
  user->CancelAuthTicket(static_cast<HAuthTicket>(authTicket));
}

}  // extern "C"
