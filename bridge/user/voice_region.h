// The buffer of one kind of voice for GetVoice. A caller who does not want a
// kind may pass null for its buffer: Steamworks then gets no memory for it
// (null, 0 bytes). Any buffer that is passed, wanted or not, is checked like
// every other region, since Steamworks is handed its address either way.
#pragma once

#include <jni.h>

#include <optional>

#include "jni/direct_region.h"
#include "steamworks/steam_types.h"

namespace nimbrel {

class VoiceRegion {
 public:
  VoiceRegion(JNIEnv* env, bool wanted, jobject buffer, jint position, jint limit) {
    if (wanted || buffer != nullptr) region_.emplace(env, buffer, position, limit);
  }

  void* begin() const { return region_ ? region_->begin() : nullptr; }
  uint32 bytes() const { return region_ ? static_cast<uint32>(region_->bytes()) : 0; }

 private:
  std::optional<DirectRegion> region_;
};

}  // namespace nimbrel
