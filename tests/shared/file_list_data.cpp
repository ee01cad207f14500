#include "file_list_data.h"

#include <shlobj.h>

#include <cstring>

namespace {

HGLOBAL fileList(const std::vector<std::wstring>& paths) {
  size_t chars = 1;  // the list's closing terminator
  for (const std::wstring& path : paths) chars += path.size() + 1;
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT,
                               sizeof(DROPFILES) + chars * sizeof(wchar_t));
  auto* header = static_cast<DROPFILES*>(GlobalLock(memory));
  header->pFiles = sizeof(DROPFILES);
  header->fWide = TRUE;
  auto* next = reinterpret_cast<wchar_t*>(header + 1);
  for (const std::wstring& path : paths) {
    std::memcpy(next, path.c_str(), (path.size() + 1) * sizeof(wchar_t));
    next += path.size() + 1;
  }
  GlobalUnlock(memory);
  return memory;
}

HGLOBAL plainText(const std::wstring& text) {
  HGLOBAL memory =
      GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t));
  std::memcpy(GlobalLock(memory), text.c_str(),
              (text.size() + 1) * sizeof(wchar_t));
  GlobalUnlock(memory);
  return memory;
}

class OneFormatData final : public IDataObject {
 public:
  OneFormatData(CLIPFORMAT format, std::vector<std::wstring> items)
      : format_(format), items_(std::move(items)) {}

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDataObject)) {
      *out = static_cast<IDataObject*>(this);
      AddRef();
      return S_OK;
    }
    *out = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
  ULONG STDMETHODCALLTYPE Release() override {
    const ULONG left = --references_;
    if (left == 0) delete this;
    return left;
  }

  HRESULT STDMETHODCALLTYPE GetData(FORMATETC* format,
                                    STGMEDIUM* medium) override {
    if (QueryGetData(format) != S_OK) return DV_E_FORMATETC;
    medium->tymed = TYMED_HGLOBAL;
    medium->hGlobal =
        format_ == CF_HDROP ? fileList(items_) : plainText(items_.front());
    medium->pUnkForRelease = nullptr;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE QueryGetData(FORMATETC* format) override {
    if (format->cfFormat != format_) return DV_E_FORMATETC;
    if (!(format->tymed & TYMED_HGLOBAL)) return DV_E_TYMED;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetDataHere(FORMATETC*, STGMEDIUM*) override {
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE GetCanonicalFormatEtc(FORMATETC*,
                                                  FORMATETC* out) override {
    out->ptd = nullptr;
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE SetData(FORMATETC*, STGMEDIUM*, BOOL) override {
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE EnumFormatEtc(DWORD,
                                          IEnumFORMATETC** out) override {
    FORMATETC formats[] = {
        {format_, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL}};
    return SHCreateStdEnumFmtEtc(1, formats, out);
  }
  HRESULT STDMETHODCALLTYPE DAdvise(FORMATETC*, DWORD, IAdviseSink*,
                                    DWORD*) override {
    return OLE_E_ADVISENOTSUPPORTED;
  }
  HRESULT STDMETHODCALLTYPE DUnadvise(DWORD) override {
    return OLE_E_ADVISENOTSUPPORTED;
  }
  HRESULT STDMETHODCALLTYPE EnumDAdvise(IEnumSTATDATA**) override {
    return OLE_E_ADVISENOTSUPPORTED;
  }

 private:
  ~OneFormatData() = default;
  ULONG references_ = 1;
  CLIPFORMAT format_;
  std::vector<std::wstring> items_;
};

}  // namespace

IDataObject* newFileListData(const std::vector<std::wstring>& paths) {
  return new OneFormatData(CF_HDROP, paths);
}

IDataObject* newPlainTextData(const std::wstring& text) {
  return new OneFormatData(CF_UNICODETEXT, {text});
}
