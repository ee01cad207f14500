// A single-line edit box taller than its text keeps the text at its top;
// the path box is 32 pixels high, so its text is centred by making the
// client area one line high and painting the bands above and below.
#include <windows.h>
// after windows.h, which it needs
#include <commctrl.h>

#include "platform/win32/toolkit_window.h"

namespace {

const UINT_PTR kCentring = 1;

int lineHeight(HWND edit) {
  HDC dc = GetDC(edit);
  HGDIOBJ old = SelectObject(
      dc, reinterpret_cast<HGDIOBJ>(SendMessageW(edit, WM_GETFONT, 0, 0)));
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc, &metrics);
  SelectObject(dc, old);
  ReleaseDC(edit, dc);
  return metrics.tmHeight + 2;  // room for the caret
}

void paintBands(HWND edit) {
  RECT window{}, client{};
  GetWindowRect(edit, &window);
  GetClientRect(edit, &client);
  MapWindowPoints(edit, nullptr, reinterpret_cast<POINT*>(&client), 2);
  OffsetRect(&client, -window.left, -window.top);
  OffsetRect(&window, -window.left, -window.top);
  InflateRect(&window, -GetSystemMetrics(SM_CXEDGE),
              -GetSystemMetrics(SM_CYEDGE));
  HDC dc = GetWindowDC(edit);
  HBRUSH background =
      GetSysColorBrush(IsWindowEnabled(edit) ? COLOR_WINDOW : COLOR_BTNFACE);
  RECT above{window.left, window.top, window.right, client.top};
  RECT below{window.left, client.bottom, window.right, window.bottom};
  FillRect(dc, &above, background);
  FillRect(dc, &below, background);
  ReleaseDC(edit, dc);
}

LRESULT CALLBACK centringProc(HWND edit, UINT message, WPARAM wParam,
                              LPARAM lParam, UINT_PTR, DWORD_PTR) {
  switch (message) {
    case WM_NCCALCSIZE: {
      const LRESULT result = DefSubclassProc(edit, message, wParam, lParam);
      RECT& client = wParam
                         ? reinterpret_cast<NCCALCSIZE_PARAMS*>(lParam)->rgrc[0]
                         : *reinterpret_cast<RECT*>(lParam);
      const int spare = (client.bottom - client.top) - lineHeight(edit);
      if (spare > 1) {
        client.top += spare / 2;
        client.bottom -= spare - spare / 2;
      }
      return result;
    }
    case WM_NCPAINT: {
      const LRESULT result = DefSubclassProc(edit, message, wParam, lParam);
      paintBands(edit);
      return result;
    }
    case WM_NCHITTEST: {
      // A click in the bands places the caret as a click in the text does.
      const LRESULT hit = DefSubclassProc(edit, message, wParam, lParam);
      return hit == HTNOWHERE || hit == HTBORDER ? HTCLIENT : hit;
    }
    case WM_SETFONT: {
      const LRESULT result = DefSubclassProc(edit, message, wParam, lParam);
      SetWindowPos(edit, nullptr, 0, 0, 0, 0,
                   SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE |
                       SWP_FRAMECHANGED);
      return result;
    }
    case WM_NCDESTROY:
      RemoveWindowSubclass(edit, centringProc, kCentring);
      break;
  }
  return DefSubclassProc(edit, message, wParam, lParam);
}

}  // namespace

void centreTextVertically(HWND edit) {
  SetWindowSubclass(edit, centringProc, kCentring, 0);
  SetWindowPos(edit, nullptr, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE |
                   SWP_FRAMECHANGED);
}
