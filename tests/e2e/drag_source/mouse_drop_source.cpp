#include "mouse_drop_source.h"

namespace {

class MouseDropSource final : public IDropSource {
 public:
  MouseDropSource(DWORD* lastFeedback, DWORD* keysSeen)
      : lastFeedback_(lastFeedback), keysSeen_(keysSeen) {}

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
    if (iid == IID_IUnknown || iid == IID_IDropSource) {
      *out = this;
      AddRef();
      return S_OK;
    }
    *out = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return ++refs_; }
  ULONG STDMETHODCALLTYPE Release() override {
    const ULONG left = --refs_;
    if (!left) delete this;
    return left;
  }

  HRESULT STDMETHODCALLTYPE QueryContinueDrag(BOOL escape,
                                              DWORD keys) override {
    *keysSeen_ |= keys;
    if (escape) return DRAGDROP_S_CANCEL;
    return (keys & MK_LBUTTON) ? S_OK : DRAGDROP_S_DROP;
  }
  HRESULT STDMETHODCALLTYPE GiveFeedback(DWORD effect) override {
    *lastFeedback_ = effect;
    return DRAGDROP_S_USEDEFAULTCURSORS;
  }

 private:
  ULONG refs_ = 1;
  DWORD* lastFeedback_;
  DWORD* keysSeen_;
};

}  // namespace

IDropSource* newMouseDropSource(DWORD* lastFeedback, DWORD* keysSeen) {
  return new MouseDropSource(lastFeedback, keysSeen);
}
