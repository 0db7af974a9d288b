#include "apps_callback_handler.h"

namespace nimbrel {

void AppsCallbackHandler::onDLCInstalled(const DlcInstalled_t& event, const ListenerMethod& method) {
  call(method, static_cast<jint>(event.m_nAppID));
}

}  // namespace nimbrel
