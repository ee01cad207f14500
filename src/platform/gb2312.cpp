#include "platform/gb2312.h"

namespace {

// The assigned cells of GB2312, row by row (EUC-CN bytes), as runs of
// consecutive trail bytes. Rows 16 to 87 hold the hanzi; row 55 is short.
struct Run {
  unsigned char lead, firstTrail, lastTrail;
};

constexpr Run kRuns[] = {
    {0xA1, 0xA1, 0xFE},  // punctuation and signs
    {0xA2, 0xB1, 0xE2}, {0xA2, 0xE5, 0xEE}, {0xA2, 0xF1, 0xFC},  // numerals
    {0xA3, 0xA1, 0xFE},                      // full-width ASCII
    {0xA4, 0xA1, 0xF3},                      // hiragana
    {0xA5, 0xA1, 0xF6},                      // katakana
    {0xA6, 0xA1, 0xB8}, {0xA6, 0xC1, 0xD8},  // Greek
    {0xA7, 0xA1, 0xC1}, {0xA7, 0xD1, 0xF1},  // Cyrillic
    {0xA8, 0xA1, 0xBA}, {0xA8, 0xC5, 0xE9},  // pinyin and bopomofo
    {0xA9, 0xA4, 0xEF},                      // box drawing
    {0xD7, 0xA1, 0xF9},                      // the short row 55
};

}  // namespace

bool isGb2312Pair(unsigned char lead, unsigned char trail) {
  if (trail < 0xA1 || trail > 0xFE) return false;
  if (lead >= 0xB0 && lead <= 0xF7 && lead != 0xD7) return true;
  for (const Run& run : kRuns)
    if (run.lead == lead && trail >= run.firstTrail && trail <= run.lastTrail)
      return true;
  return false;
}

bool isGb2312Text(const std::string& gbk) {
  for (size_t i = 0; i < gbk.size(); ++i) {
    const auto lead = static_cast<unsigned char>(gbk[i]);
    if (lead < 0x80) continue;
    if (i + 1 >= gbk.size() ||
        !isGb2312Pair(lead, static_cast<unsigned char>(gbk[i + 1])))
      return false;
    ++i;
  }
  return true;
}
