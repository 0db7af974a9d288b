// The listener adapter of SteamApps: one callback slot, a DLC's installation.
#pragma once

#include <jni.h>

#include "adapter/adapter_record.h"
#include "adapter/slots.h"
#include "steamworks/isteamapps.h"

namespace nimbrel {

class AppsCallbackHandler final : public AdapterRecord {
 public:
  AppsCallbackHandler(JNIEnv* env, jobject listener)
      : AdapterRecord(env, listener, "net/quorlen/steam/NativeAppsListener") {}

  CCallback<AppsCallbackHandler, DlcInstalled_t> dlcInstalled{
      this, {"onDLCInstalled", "(I)V"}, &AppsCallbackHandler::onDLCInstalled};

 private:
  void onDLCInstalled(const DlcInstalled_t& event, const ListenerMethod& method);
};

}  // namespace nimbrel
