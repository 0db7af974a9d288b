#include "steam_id_list.h"

#include "jni/array_elements.h"
#include "jni/steam_id.h"

namespace nimbrel {

jint SteamIdList::lengthOf(JNIEnv* env, jlongArray ids) {
  if (rejected(env) || ids == nullptr) return 0;
  return env->GetArrayLength(ids);
}

SteamIdList::SteamIdList(JNIEnv* env, jlongArray ids)
    : count_(lengthOf(env, ids)), ids_(env, static_cast<std::size_t>(count_)) {
  ArrayElements<jlong> elements(env, ids, count_);
  if (rejected(env)) return;
  for (jint i = 0; i < count_; ++i) ids_[static_cast<std::size_t>(i)] = steamId(elements.get()[i]);
}

}  // namespace nimbrel
