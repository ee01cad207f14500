// A box's icon lives in its static control (id 1088 under Wine, 20 on
// Windows). Icon handles cannot be read from another process, so the shown
// pixels are compared with each standard icon drawn here on the same
// background.
#include "box_icon.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

#include "waiting.h"

namespace e2e {

namespace {

using Pixels = std::vector<COLORREF>;

HWND iconControl(HWND box) {
  for (int id : {1088, 20}) {
    HWND control = GetDlgItem(box, id);
    if (control &&
        (GetWindowLongW(control, GWL_STYLE) & SS_TYPEMASK) == SS_ICON)
      return control;
  }
  return nullptr;
}

Pixels readPixels(HDC dc, int width, int height) {
  Pixels pixels;
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) pixels.push_back(GetPixel(dc, x, y));
  return pixels;
}

// What the screen shows at `place`.
Pixels screenPixels(const RECT& place, COLORREF* background) {
  const int width = place.right - place.left;
  const int height = place.bottom - place.top;
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
  HGDIOBJ old = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, width, height, screen, place.left, place.top, SRCCOPY);
  *background = GetPixel(memory, 0, 0);  // icon corners are transparent
  Pixels pixels = readPixels(memory, width, height);
  SelectObject(memory, old);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  return pixels;
}

Pixels drawnIcon(LPCWSTR which, int width, int height, COLORREF background) {
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
  HGDIOBJ old = SelectObject(memory, bitmap);
  HBRUSH brush = CreateSolidBrush(background);
  RECT all{0, 0, width, height};
  FillRect(memory, &all, brush);
  DeleteObject(brush);
  DrawIconEx(memory, 0, 0, LoadIconW(nullptr, which), width, height, 0, nullptr,
             DI_NORMAL);
  Pixels pixels = readPixels(memory, width, height);
  SelectObject(memory, old);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  return pixels;
}

bool similar(COLORREF a, COLORREF b) {
  return std::abs(GetRValue(a) - GetRValue(b)) < 24 &&
         std::abs(GetGValue(a) - GetGValue(b)) < 24 &&
         std::abs(GetBValue(a) - GetBValue(b)) < 24;
}

size_t differences(const Pixels& a, const Pixels& b) {
  size_t count = 0;
  for (size_t i = 0; i < a.size(); ++i) count += !similar(a[i], b[i]);
  return count;
}

// The whole of what the screen shows at `place`, in one read.
Pixels screenArea(const RECT& place) {
  const int width = place.right - place.left;
  const int height = place.bottom - place.top;
  if (width <= 0 || height <= 0) return {};
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
  HGDIOBJ old = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, width, height, screen, place.left, place.top, SRCCOPY);
  SelectObject(memory, old);
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // top row first
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  Pixels pixels(static_cast<size_t>(width) * height);
  if (!GetDIBits(memory, bitmap, 0, height, pixels.data(), &info,
                 DIB_RGB_COLORS))
    pixels.clear();
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  return pixels;
}

// The standard icon the screen shows at the control, once.
BoxIcon iconShown(HWND control) {
  RECT place{};
  GetWindowRect(control, &place);
  const int width = place.right - place.left;
  const int height = place.bottom - place.top;
  if (width <= 0 || height <= 0) return BoxIcon::Unknown;
  COLORREF background = 0;
  const Pixels shown = screenPixels(place, &background);

  struct Candidate {
    LPCWSTR icon;
    BoxIcon kind;
  };
  const Candidate candidates[] = {{IDI_HAND, BoxIcon::Error},
                                  {IDI_EXCLAMATION, BoxIcon::Warning},
                                  {IDI_ASTERISK, BoxIcon::Information},
                                  {IDI_QUESTION, BoxIcon::Question}};
  BoxIcon best = BoxIcon::Unknown;
  size_t fewest = shown.size() / 20 + 1;  // at most 5% of pixels may differ
  for (const Candidate& c : candidates) {
    const size_t d =
        differences(shown, drawnIcon(c.icon, width, height, background));
    if (d < fewest) {
      fewest = d;
      best = c.kind;
    }
  }
  return best;
}

}  // namespace

bool waitUntilDrawn(HWND window) {
  RECT place{};
  GetWindowRect(window, &place);
  Pixels last;
  int sameReads = 0;
  return waitUntil([&] {
    Pixels now = screenArea(place);
    const bool drawn =
        !now.empty() && std::any_of(now.begin(), now.end(), [&](COLORREF c) {
          return c != now.front();
        });
    sameReads = drawn && now == last ? sameReads + 1 : 0;
    last = std::move(now);
    return sameReads >= 5;
  });
}

// A box is visible before its pixels are on the screen: Wine paints into a
// surface of its own and copies that to the display later, later still on a
// busy machine. Read until the same standard icon shows twice running.
BoxIcon boxIcon(HWND box) {
  HWND control = iconControl(box);
  if (!control || !IsWindowVisible(control) ||
      !SendMessageW(control, STM_GETICON, 0, 0))
    return BoxIcon::None;
  BoxIcon last = BoxIcon::Unknown;
  waitUntil([&] {
    if (!IsWindowVisible(control)) return true;  // the box has gone
    const BoxIcon now = iconShown(control);
    const bool settled = now != BoxIcon::Unknown && now == last;
    last = now;
    return settled;
  });
  return last;
}

}  // namespace e2e
