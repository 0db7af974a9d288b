// The JNI array functions of each element type, in one table.
#pragma once

#include <jni.h>

namespace nimbrel {

template <class Element>
struct ArrayTraits;

template <>
struct ArrayTraits<jint> {
  using Array = jintArray;
  static constexpr auto setRegion = &JNIEnv::SetIntArrayRegion;
  static constexpr auto getElements = &JNIEnv::GetIntArrayElements;
  static constexpr auto releaseElements = &JNIEnv::ReleaseIntArrayElements;
};

template <>
struct ArrayTraits<jlong> {
  using Array = jlongArray;
  static constexpr auto setRegion = &JNIEnv::SetLongArrayRegion;
  static constexpr auto getElements = &JNIEnv::GetLongArrayElements;
  static constexpr auto releaseElements = &JNIEnv::ReleaseLongArrayElements;
};

template <>
struct ArrayTraits<jfloat> {
  using Array = jfloatArray;
  static constexpr auto setRegion = &JNIEnv::SetFloatArrayRegion;
};

template <>
struct ArrayTraits<jdouble> {
  using Array = jdoubleArray;
  static constexpr auto setRegion = &JNIEnv::SetDoubleArrayRegion;
};

template <>
struct ArrayTraits<jboolean> {
  using Array = jbooleanArray;
  static constexpr auto setRegion = &JNIEnv::SetBooleanArrayRegion;
};

}  // namespace nimbrel
