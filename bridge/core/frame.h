// How an instance native finds what its wrapper object stands for: the
// Steamworks interface (getPointer) and the listener adapter (getNativeAdapter).
// Both are asked afresh on every call; nothing is cached.
#pragma once

#include <jni.h>

#include "jni/errors.h"
#include "jni/handle.h"

namespace nimbrel {

jlong interfaceHandleOf(JNIEnv* env, jobject wrapper);
jlong adapterHandleOf(JNIEnv* env, jobject wrapper);

// The wrapper's Steamworks interface. A handle of 0 is rejected with
// NullPointerException (the native then returns without calling Steamworks).
template <class Interface>
Interface* pointerOf(JNIEnv* env, jobject wrapper) {
  auto* steam = fromHandle<Interface>(interfaceHandleOf(env, wrapper));
  if (steam == nullptr) throwNullPointer(env, "interface handle is 0");
  return steam;
}

// The wrapper's listener adapter, or null when it has none.
template <class Adapter>
Adapter* adapterOf(JNIEnv* env, jobject wrapper) {
  return fromHandle<Adapter>(adapterHandleOf(env, wrapper));
}

}  // namespace nimbrel
