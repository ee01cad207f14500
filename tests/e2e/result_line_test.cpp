// The result line 标签2 starts 8 pixels inside the path box above it: its
// text must still show whole, in the part of the line left visible. Read
// from the screen's pixels, as a user sees it.
#include <gtest/gtest.h>

#include <iostream>
#include <vector>

#include "program_driver.h"
#include "started_program.h"
#include "text_expectations.h"
#include "waiting.h"

namespace {

// The pixels of a window's client rectangle as the screen shows them.
struct Picture {
  int width = 0, height = 0;
  std::vector<COLORREF> pixels;
  COLORREF at(int x, int y) const { return pixels[y * width + x]; }
};

Picture grabClient(HWND window) {
  RECT client{};
  GetClientRect(window, &client);
  POINT origin{0, 0};
  ClientToScreen(window, &origin);
  Picture picture;
  picture.width = client.right;
  picture.height = client.bottom;
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP bitmap =
      CreateCompatibleBitmap(screen, picture.width, picture.height);
  HGDIOBJ old = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, picture.width, picture.height, screen, origin.x,
         origin.y, SRCCOPY);
  SelectObject(memory, old);
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = picture.width;
  info.bmiHeader.biHeight = -picture.height;  // top row first
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  picture.pixels.resize(static_cast<size_t>(picture.width) * picture.height);
  GetDIBits(memory, bitmap, 0, picture.height, picture.pixels.data(), &info,
            DIB_RGB_COLORS);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  return picture;
}

// Ink: a pixel well away from the window's background colour (the DIB
// holds blue, green, red from the low byte up).
bool isInk(COLORREF pixel) {
  const COLORREF face = GetSysColor(COLOR_BTNFACE);
  const int dr = static_cast<int>((pixel >> 16) & 0xFF) - GetRValue(face);
  const int dg = static_cast<int>((pixel >> 8) & 0xFF) - GetGValue(face);
  const int db = static_cast<int>(pixel & 0xFF) - GetBValue(face);
  return dr * dr + dg * dg + db * db > 48 * 48;
}

using ResultLine = StartedProgram;

// The rows of the result line below the path box hold the whole text: ink
// in them, and a blank row on either side of it, so no row of the text
// runs on under the box or past the line's bottom.
TEST_F(ResultLine, ItsTextShowsWholeBelowThePathBox) {
  ASSERT_TRUE(e2e::settle(program));
  ASSERT_TEXT(e2e::text(program, "标签2"), "开始删除吧！");
  const e2e::Place label = e2e::clientPlace(e2e::control(program, "标签2"));
  const e2e::Place box = e2e::clientPlace(e2e::control(program, "编辑框1"));
  ASSERT_EQ(label, (e2e::Place{8, 48, 544, 24})) << "kept in place";
  ASSERT_EQ(box, (e2e::Place{8, 24, 536, 32})) << "kept in place";
  const int visibleTop = box.top + box.height;
  const int bottom = label.top + label.height;
  // The text's own width: what lies right of it is background anyway.
  const int right = label.left + 200;

  // Polled until painted: the window may only just have been shown.
  std::vector<int> inkRows;
  Picture picture;
  e2e::waitUntil([&] {
    picture = grabClient(program.main);
    const Picture& shot = picture;
    inkRows.clear();
    for (int y = visibleTop; y < bottom; ++y) {
      for (int x = label.left; x < right; ++x) {
        if (isInk(shot.at(x, y))) {
          inkRows.push_back(y);
          break;
        }
      }
    }
    return inkRows.size() >= 8;
  });
  ASSERT_GE(inkRows.size(), 8u)
      << "the result line's text hardly shows below the path box (rows "
      << visibleTop << " to " << bottom - 1 << ")";
  EXPECT_GT(inkRows.front(), visibleTop)
      << "the text runs on under the path box";
  EXPECT_LT(inkRows.back(), bottom - 1) << "the text runs past the line";
  // The path box stays whole: its bottom edge is drawn over the line.
  bool edgeDrawn = false;
  for (int x = box.left + 4; x < box.left + box.width - 4 && !edgeDrawn; ++x)
    edgeDrawn = isInk(picture.at(x, visibleTop - 1));
  EXPECT_TRUE(edgeDrawn) << "the path box's bottom edge is hidden";
  std::cout << "[ pixels   ] result line text on rows " << inkRows.front()
            << " to " << inkRows.back() << " of the visible rows " << visibleTop
            << " to " << bottom - 1 << "\n";
}

}  // namespace
