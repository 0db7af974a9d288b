// The two kinds of slot through which Steamworks reaches an adapter. Each slot
// is one row of its adapter's table: the event structure (which fixes the
// callback number and the size reported), the listener method, and the
// adapter's handler that turns the structure's fields into the method's
// arguments. Every delivery runs in its own local frame, so the strings and
// arrays a handler makes are gone when it returns, however many events one
// SteamAPI_RunCallbacks delivers.
#pragma once

#include "../jni/local_ref.h"
#include "../steamworks/steam_api.h"
#include "adapter_record.h"

namespace nimbrel {

constexpr jint kDeliveryFrameCapacity = 16;

template <class Owner, class Event>
using SlotHandler = void (Owner::*)(const Event&, const ListenerMethod&);

// A callback slot: registered for its number while the adapter lives.
template <class Owner, class Event>
class CCallback final : public CCallbackBase {
 public:
  CCallback(Owner* owner, ListenerMethod method, SlotHandler<Owner, Event> handler)
      : owner_(owner), handler_(handler), method_(method) {
    SteamAPI_RegisterCallback(this, Event::k_iCallback);
  }
  ~CCallback() {
    if (m_nCallbackFlags & k_ECallbackFlagsRegistered) SteamAPI_UnregisterCallback(this);
  }

  void Run(void* param, bool, SteamAPICall_t) override { deliver(param); }
  void Run(void* param) override { deliver(param); }
  int GetCallbackSizeBytes() override { return static_cast<int>(sizeof(Event)); }

 private:
  void deliver(void* param) {
    LocalFrame frame(owner_->env(), kDeliveryFrameCapacity);
    if (!frame) return;
    (owner_->*handler_)(*static_cast<const Event*>(param), method_);
  }

  Owner* owner_;
  SlotHandler<Owner, Event> handler_;
  ListenerMethod method_;
};

// A call-result slot: idle (pending handle 0) until a native arms it with the
// handle of the asynchronous call whose result it is to deliver.
template <class Owner, class Event>
class CCallResult final : public CCallbackBase {
 public:
  CCallResult(Owner* owner, ListenerMethod method, SlotHandler<Owner, Event> handler)
      : owner_(owner), handler_(handler), method_(method) {
    m_iCallback = Event::k_iCallback;
  }
  ~CCallResult() {
    if (m_hAPICall != 0) {
      SteamAPI_UnregisterCallResult(this, m_hAPICall);
      m_hAPICall = 0;
    }
  }

  // Only the latest request of a kind is reported: an earlier one still
  // outstanding is dropped, and a handle of 0 (the call did not start) leaves
  // the slot idle.
  void arm(SteamAPICall_t call) {
    if (m_hAPICall != 0) SteamAPI_UnregisterCallResult(this, m_hAPICall);
    m_hAPICall = call;
    if (call != 0) SteamAPI_RegisterCallResult(this, call);
  }

  void Run(void* param, bool ioFailure, SteamAPICall_t call) override {
    if (call != m_hAPICall) return;
    m_hAPICall = 0;  // idle before the handler runs, so it may arm the slot anew
    deliver(param, ioFailure);
  }
  void Run(void* param) override {
    m_hAPICall = 0;
    deliver(param, false);
  }
  int GetCallbackSizeBytes() override { return static_cast<int>(sizeof(Event)); }

  SteamAPICall_t pending() const { return m_hAPICall; }

 private:
  void deliver(void* param, bool ioFailure) {
    LocalFrame frame(owner_->env(), kDeliveryFrameCapacity);
    if (!frame) return;
    if (ioFailure) {
      owner_->ioError(method_);
    } else {
      (owner_->*handler_)(*static_cast<const Event*>(param), method_);
    }
  }

  SteamAPICall_t m_hAPICall = 0;
  Owner* owner_;
  SlotHandler<Owner, Event> handler_;
  ListenerMethod method_;
};

}  // namespace nimbrel
