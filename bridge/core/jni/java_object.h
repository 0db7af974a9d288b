// The Java objects the bridge builds for the game (a leaderboard entry, the
// game a friend plays): the class and its constructor are looked up on every
// call, as nothing is cached.
#pragma once

#include <jni.h>

namespace nimbrel {

// A new local reference, or null with the VM's error pending when the class,
// its constructor or the memory for the object is missing. The arguments must
// have the JNI types of the constructor's descriptor.
jobject newJavaObject(JNIEnv* env, const char* className, const char* constructorDescriptor, ...);

}  // namespace nimbrel
