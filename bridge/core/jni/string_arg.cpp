#include "string_arg.h"

#include "errors.h"
#include "utf8.h"

namespace nimbrel {

StringArg::StringArg(JNIEnv* env, jstring string) : env_(env), string_(string) {
  if (rejected(env)) return;
  if (string == nullptr) {
    throwNullPointer(env, "string argument is null");
    return;
  }
  jboolean isCopy = JNI_FALSE;
  chars_ = env->GetStringUTFChars(string, &isCopy);
  if (chars_ == nullptr) return;  // OutOfMemoryError pending
  if (utf8::needsStandardForm(chars_)) {
    standard_ = utf8::toStandard(chars_);
    text_ = standard_.c_str();
  } else {
    text_ = chars_;
  }
}

StringArg::~StringArg() {
  if (chars_ != nullptr) env_->ReleaseStringUTFChars(string_, chars_);
}

}  // namespace nimbrel
