#include "deletion/record_export.h"

std::string dateTimeText(const DateTime& t) {
  using std::to_string;
  std::string text = to_string(t.year) + "年" + to_string(t.month) + "月" +
                     to_string(t.day) + "日";
  if (t.second != 0)
    text += to_string(t.hour) + "时" + to_string(t.minute) + "分" +
            to_string(t.second) + "秒";
  else if (t.minute != 0)
    text += to_string(t.hour) + "时" + to_string(t.minute) + "分";
  else if (t.hour != 0)
    text += to_string(t.hour) + "时";
  return text;
}
