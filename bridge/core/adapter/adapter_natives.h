// The natives every binding class shares to make, remove and arm its adapter.
#pragma once

#include <jni.h>

#include <new>

#include "../frame.h"
#include "../jni/errors.h"
#include "../jni/handle.h"
#include "../steamworks/steam_types.h"

namespace nimbrel {

// A null listener is rejected; otherwise the adapter's handle, or 0 when no
// memory could be had.
template <class Adapter>
jlong createAdapter(JNIEnv* env, jobject listener) {
  if (listener == nullptr) {
    throwNullPointer(env, "listener is null");
    return 0;
  }
  return toHandle(new (std::nothrow) Adapter(env, listener));
}

template <class Adapter>
void removeAdapter(jlong handle) {
  delete fromHandle<Adapter>(handle);
}

// Arms `slot` of the wrapper's adapter with the handle of the call just made.
// A wrapper without an adapter has nobody to tell: the call stands, nothing is armed.
template <class Adapter, class Slot>
void arm(JNIEnv* env, jobject wrapper, Slot Adapter::*slot, SteamAPICall_t call) {
  if (Adapter* adapter = adapterOf<Adapter>(env, wrapper)) (adapter->*slot).arm(call);
}

}  // namespace nimbrel
