#include "friend_game_info.h"

#include "jni/local_ref.h"
#include "jni/steam_id.h"

namespace nimbrel {

jobject newFriendGameInfo(JNIEnv* env, const FriendGameInfo_t& info) {
  LocalRef<jclass> type(env, env->FindClass("net/quorlen/steam/friends/FriendGameInfo"));
  if (!type) return nullptr;
  jmethodID constructor = env->GetMethodID(type.get(), "<init>", "(JICCJ)V");
  if (constructor == nullptr) return nullptr;
  // Ports are unsigned 16 bits, so they go as Java chars, never negative.
  return env->NewObject(type.get(), constructor, static_cast<jlong>(info.m_gameID), static_cast<jint>(info.m_unGameIP),
                        static_cast<jchar>(info.m_usGamePort), static_cast<jchar>(info.m_usQueryPort),
                        javaId(info.m_steamIDLobby));
}

}  // namespace nimbrel
