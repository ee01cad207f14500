#include "platform/win32/drop_target.h"

#include <utility>
#include <vector>

#include "platform/win32/delay_loaded.h"
#include "platform/win32/text_wide.h"

namespace {

FORMATETC fileListFormat() {
  return FORMATETC{CF_HDROP, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
}

bool offersFiles(IDataObject* data) {
  FORMATETC format = fileListFormat();
  return data && data->QueryGetData(&format) == S_OK;
}

std::string filesText(IDataObject* data) {
  FORMATETC format = fileListFormat();
  STGMEDIUM medium{};
  if (data->GetData(&format, &medium) != S_OK) return std::string();
  std::string text;
  if (medium.tymed == TYMED_HGLOBAL && medium.hGlobal) {
    text = droppedFilesText(static_cast<HDROP>(medium.hGlobal));
  }
  ReleaseStgMedium(&medium);
  return text;
}

class FileDropTarget final : public IDropTarget {
 public:
  FileDropTarget(GotFilesHandler onGotFiles, std::function<bool()> accepting)
      : onGotFiles_(std::move(onGotFiles)), accepting_(std::move(accepting)) {}

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
    if (!out) return E_POINTER;
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDropTarget)) {
      *out = static_cast<IDropTarget*>(this);
      AddRef();
      return S_OK;
    }
    *out = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override {
    return InterlockedIncrement(&references_);
  }
  ULONG STDMETHODCALLTYPE Release() override {
    const ULONG left = InterlockedDecrement(&references_);
    if (left == 0) delete this;
    return left;
  }

  HRESULT STDMETHODCALLTYPE DragEnter(IDataObject* data, DWORD keyState, POINTL,
                                      DWORD* effect) override {
    offered_ = offersFiles(data);
    return DragOver(keyState, POINTL{}, effect);
  }
  HRESULT STDMETHODCALLTYPE DragOver(DWORD keyState, POINTL,
                                     DWORD* effect) override {
    if (!effect) return E_INVALIDARG;
    *effect = offered_ && accepting() ? dropEffectFor(keyState, *effect)
                                      : DROPEFFECT_NONE;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE DragLeave() override {
    offered_ = false;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE Drop(IDataObject* data, DWORD keyState, POINTL,
                                 DWORD* effect) override {
    if (!effect) return E_INVALIDARG;
    offered_ = false;
    const bool wanted = accepting() && offersFiles(data) &&
                        dropEffectFor(keyState, *effect) != DROPEFFECT_NONE;
    // Reported before the handler runs too: the source never deletes.
    *effect = DROPEFFECT_NONE;
    if (!wanted) return S_OK;
    const std::string text = filesText(data);
    if (text.empty()) return S_OK;
    const GotFilesHandler handler = onGotFiles_;
    AddRef();  // the handler may revoke this target
    handler(text);
    *effect = DROPEFFECT_NONE;
    Release();
    return S_OK;
  }

 private:
  ~FileDropTarget() = default;

  bool accepting() const { return !accepting_ || accepting_(); }

  LONG references_ = 1;
  bool offered_ = false;  // the drag carries a file list
  GotFilesHandler onGotFiles_;
  std::function<bool()> accepting_;
};

}  // namespace

IDropTarget* newFileDropTarget(GotFilesHandler onGotFiles,
                               std::function<bool()> accepting) {
  return new FileDropTarget(std::move(onGotFiles), std::move(accepting));
}

DWORD dropEffectFor(DWORD keyState, DWORD allowed) {
  const bool shift = keyState & MK_SHIFT;
  const bool control = keyState & MK_CONTROL;
  DWORD wanted = DROPEFFECT_COPY;
  if (shift && control) {
    wanted = DROPEFFECT_NONE;
  } else if (shift) {
    wanted = DROPEFFECT_MOVE;
  }
  return wanted & allowed;
}

std::string droppedFilesText(HDROP files) {
  if (!shellLoads()) return std::string();
  const UINT count = DragQueryFileW(files, 0xFFFFFFFF, nullptr, 0);
  std::vector<std::string> paths;
  for (UINT i = 0; i < count; ++i) {
    const UINT length = DragQueryFileW(files, i, nullptr, 0);
    std::wstring path(length + 1, L'\0');
    const UINT copied = DragQueryFileW(files, i, path.data(), length + 1);
    path.resize(copied);
    paths.push_back(textFromWide(path));
  }
  if (paths.size() == 1) return paths.front();
  std::string text;
  for (const std::string& path : paths) text += path + "\r\n";
  return text;
}
