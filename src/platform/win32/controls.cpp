// Creating a window's controls from its definition: one real child window
// per control, in table order, at its exact place and size.
#include <windows.h>
// after windows.h, which they need
#include <commctrl.h>

#include <initializer_list>
#include <string>

#include "platform/win32/text_wide.h"
#include "platform/win32/toolkit_window.h"

namespace {

struct ControlClass {
  const wchar_t* name;
  DWORD style;
  DWORD exStyle;
};

ControlClass classFor(const ControlDefinition& control) {
  switch (control.kind) {
    case ControlKind::Label:
      // SS_NOPREFIX: an "&" in a path is shown, not taken as a mnemonic.
      // No ellipsis: a caption a few pixels too wide (the About window's
      // "当前版本：") loses only the blank half of its colon.
      if (control.wordWrap) return {WC_STATICW, SS_LEFT | SS_NOPREFIX, 0};
      return {WC_STATICW, SS_LEFT | SS_CENTERIMAGE | SS_NOPREFIX, 0};
    case ControlKind::Edit:
      return {WC_EDITW, WS_TABSTOP | ES_LEFT | ES_AUTOHSCROLL,
              WS_EX_CLIENTEDGE};
    case ControlKind::Button:
      return {WC_BUTTONW, WS_TABSTOP | BS_PUSHBUTTON, 0};
    case ControlKind::CheckBox:
      return {WC_BUTTONW, WS_TABSTOP | BS_AUTOCHECKBOX, 0};
    case ControlKind::ListBox:
      // Long result lines can be scrolled to, not only guessed at.
      return {WC_LISTBOXW,
              WS_TABSTOP | WS_VSCROLL | WS_HSCROLL | LBS_NOINTEGRALHEIGHT |
                  LBS_HASSTRINGS,
              WS_EX_CLIENTEDGE};
  }
  return {WC_STATICW, 0, 0};
}

int CALLBACK noteFace(const LOGFONTW*, const TEXTMETRICW*, DWORD,
                      LPARAM found) {
  *reinterpret_cast<bool*>(found) = true;
  return 0;
}

bool isInstalled(const std::wstring& face, BYTE charset) {
  LOGFONTW wanted{};
  wanted.lfCharSet = charset;
  lstrcpynW(wanted.lfFaceName, face.c_str(), LF_FACESIZE);
  bool found = false;
  HDC dc = GetDC(nullptr);
  EnumFontFamiliesExW(dc, &wanted, noteFace, reinterpret_cast<LPARAM>(&found),
                      0);
  ReleaseDC(nullptr, dc);
  return found;
}

// The first of the faces that is installed; empty when none is.
std::wstring chineseFace(std::initializer_list<const wchar_t*> faces) {
  for (const wchar_t* face : faces) {
    if (isInstalled(face, GB2312_CHARSET)) return face;
  }
  return std::wstring();
}

bool hasChineseGlyphs(const LOGFONTW& face) {
  HFONT font = CreateFontIndirectW(&face);
  if (!font) return false;
  HDC dc = GetDC(nullptr);
  HGDIOBJ old = SelectObject(dc, font);
  WORD glyph = 0xFFFF;
  GetGlyphIndicesW(dc, L"删", 1, &glyph, GGI_MARK_NONEXISTING_GLYPHS);
  SelectObject(dc, old);
  ReleaseDC(nullptr, dc);
  DeleteObject(font);
  return glyph != 0xFFFF;
}

// The system's message font: what its own dialogs and message boxes use
// (Microsoft YaHei UI on a Chinese Windows). A face without Chinese
// characters of its own (Tahoma, Segoe UI) relies on the system's font
// links, which are not always there (Wine drops them when the code page
// changes): then a Chinese face of the same size is used, no smaller than
// the 12 pixels Chinese characters need.
HFONT guiFont() {
  static HFONT font = [] {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    if (!SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics,
                               &metrics, 0)) {
      return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    }
    LOGFONTW face = metrics.lfMessageFont;
    if (!hasChineseGlyphs(face)) {
      const std::wstring chinese =
          chineseFace({L"Microsoft YaHei UI", L"Microsoft YaHei", L"宋体",
                       L"SimSun", L"WenQuanYi Micro Hei"});
      if (!chinese.empty()) {
        lstrcpynW(face.lfFaceName, chinese.c_str(), LF_FACESIZE);
        if (face.lfHeight < 0 && face.lfHeight > -12) face.lfHeight = -12;
      }
    }
    HFONT made = CreateFontIndirectW(&face);
    return made ? made : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  }();
  return font;
}

// A face of its own; the height is the line's height in pixels, so the
// lines of a word-wrapped label fall where its height expects them.
HFONT definedFont(const FontDefinition& font) {
  LOGFONTW face{};
  face.lfHeight = font.height;
  face.lfWeight = FW_NORMAL;
  face.lfCharSet = font.gb2312Charset ? GB2312_CHARSET : DEFAULT_CHARSET;
  face.lfOutPrecision = OUT_TT_PRECIS;
  face.lfQuality = CLEARTYPE_QUALITY;
  face.lfPitchAndFamily = DEFAULT_PITCH | FF_DONTCARE;
  // Left to the font mapper, a missing face can end up on a fallback font
  // without Latin letters, which would show "Quorvin" as boxes: the usual
  // face for Chinese text stands in (宋体 first, the system's default).
  std::wstring name = wideFromText(font.face);
  if (name.empty() || !isInstalled(name, face.lfCharSet)) {
    const std::wstring usual =
        chineseFace({L"宋体", L"SimSun", L"Microsoft YaHei UI",
                     L"Microsoft YaHei", L"WenQuanYi Micro Hei"});
    if (!usual.empty()) name = usual;
  }
  lstrcpynW(face.lfFaceName, name.c_str(), LF_FACESIZE);
  return CreateFontIndirectW(&face);
}

HFONT fontFor(ToolkitWindow& window, const ControlDefinition& control) {
  if (control.font.height <= 0) return guiFont();
  HFONT font = definedFont(control.font);
  if (!font) return guiFont();
  window.fonts.push_back(font);
  return font;
}

}  // namespace

void createControls(ToolkitWindow& window,
                    const std::vector<ControlDefinition>& definitions) {
  HINSTANCE instance = GetModuleHandleW(nullptr);
  for (const ControlDefinition& definition : definitions) {
    const ControlClass cls = classFor(definition);
    const bool isList = definition.kind == ControlKind::ListBox;
    const std::wstring text =
        isList ? std::wstring() : wideFromText(definition.text);
    const INT_PTR id = static_cast<INT_PTR>(window.controls.size() + 1);
    // WS_CLIPSIBLINGS: a label drawn where the path box overlaps it (the
    // result line starts above the box's lower edge) leaves the box alone.
    const DWORD style = WS_CHILD | WS_CLIPSIBLINGS |
                        (definition.visible ? WS_VISIBLE : 0) | cls.style;
    HWND handle = CreateWindowExW(
        cls.exStyle, cls.name, text.c_str(), style, definition.left,
        definition.top, definition.width, definition.height, window.handle,
        reinterpret_cast<HMENU>(id), instance, nullptr);
    SendMessageW(handle, WM_SETFONT,
                 reinterpret_cast<WPARAM>(fontFor(window, definition)), FALSE);
    if (definition.kind == ControlKind::Edit) {
      SendMessageW(handle, EM_SETLIMITTEXT, 0, 0);  // the system's maximum
      centreTextVertically(handle);
    }
    window.byName[definition.name] = window.controls.size();
    window.controls.push_back({handle, definition.kind, definition.onEvent});
    if (isList && !definition.text.empty()) {
      appendListItem(handle, wideFromText(definition.text));
    }
  }
  showLabelsBelowCoveredTops(window);
}
