// Labels whose top edge lies under a sibling created before them (the
// result line starts 8 pixels inside the path box): they draw their text
// centred in the part that shows, so no line of it is hidden.
#include <windows.h>
// after windows.h, which it needs
#include <commctrl.h>

#include <algorithm>
#include <string>

#include "platform/win32/toolkit_window.h"

namespace {

LRESULT CALLBACK paintVisiblePart(HWND label, UINT message, WPARAM wParam,
                                  LPARAM lParam, UINT_PTR, DWORD_PTR covered) {
  switch (message) {
    case WM_ERASEBKGND:
      return 1;  // painted whole below
    case WM_PAINT: {
      PAINTSTRUCT paint;
      HDC dc = BeginPaint(label, &paint);
      RECT area{};
      GetClientRect(label, &area);
      // The parent chooses the colours, as for any label.
      HBRUSH background = reinterpret_cast<HBRUSH>(SendMessageW(
          GetParent(label), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
          reinterpret_cast<LPARAM>(label)));
      FillRect(dc, &area,
               background ? background : GetSysColorBrush(COLOR_BTNFACE));
      HGDIOBJ font =
          reinterpret_cast<HGDIOBJ>(SendMessageW(label, WM_GETFONT, 0, 0));
      HGDIOBJ old = font ? SelectObject(dc, font) : nullptr;
      area.top += static_cast<LONG>(covered);
      const std::wstring text = windowText(label);
      DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &area,
                DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
      if (old) SelectObject(dc, old);
      EndPaint(label, &paint);
      return 0;
    }
    case WM_NCDESTROY:
      RemoveWindowSubclass(label, paintVisiblePart, 0);
      break;
  }
  return DefSubclassProc(label, message, wParam, lParam);
}

RECT placeOf(HWND control) {
  RECT place{};
  GetWindowRect(control, &place);
  MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&place),
                  2);
  return place;
}

// How many pixels at the label's top lie under the controls drawn over it:
// those made before it, which come first in the drawing order.
int coveredTop(const ToolkitWindow& window, size_t index) {
  const RECT label = placeOf(window.controls[index].handle);
  LONG covered = 0;
  for (size_t i = 0; i < index; ++i) {
    HWND above = window.controls[i].handle;
    // (The window itself may not be shown yet.)
    if (!(GetWindowLongW(above, GWL_STYLE) & WS_VISIBLE)) continue;
    const RECT other = placeOf(above);
    const bool overlapsAcross =
        other.left < label.right && label.left < other.right;
    if (overlapsAcross && other.top <= label.top && other.bottom > label.top) {
      covered = std::max(covered, other.bottom - label.top);
    }
  }
  return static_cast<int>(covered);
}

}  // namespace

void showLabelsBelowCoveredTops(ToolkitWindow& window) {
  for (size_t i = 0; i < window.controls.size(); ++i) {
    const ToolkitControl& control = window.controls[i];
    if (control.kind != ControlKind::Label) continue;
    const LONG style = GetWindowLongW(control.handle, GWL_STYLE);
    if (!(style & SS_CENTERIMAGE)) continue;  // word-wrapped: left alone
    const int covered = coveredTop(window, i);
    RECT area{};
    GetClientRect(control.handle, &area);
    if (covered <= 0 || covered >= area.bottom) continue;
    SetWindowSubclass(control.handle, paintVisiblePart, 0,
                      static_cast<DWORD_PTR>(covered));
  }
}
