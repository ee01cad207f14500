#include "control_names.h"

#include <utility>

namespace e2e {

namespace {

struct Named {
  const char* name;
  int id;
};

constexpr Named kMainWindow[] = {
    {"标签1", 1},   {"编辑框1", 2},  {"按钮1", 3},    {"选择框1", 4},
    {"标签2", 5},   {"标签4", 6},    {"标签5", 7},    {"标签3", 8},
    {"选择框2", 9}, {"选择框3", 10}, {"列表框1", 11}, {"按钮2", 12},
    {"按钮3", 13},
};

constexpr Named kAboutWindow[] = {
    {"标签5", 1}, {"标签6", 2}, {"标签4", 3}, {"标签3", 4},
    {"标签1", 5}, {"标签2", 6}, {"按钮1", 7}, {"标签7", 8},
};

template <size_t N>
int idOf(const Named (&table)[N], const std::string& name) {
  for (const Named& entry : table)
    if (name == entry.name) return entry.id;
  return 0;
}

}  // namespace

int mainControlId(const std::string& name) { return idOf(kMainWindow, name); }
int aboutControlId(const std::string& name) { return idOf(kAboutWindow, name); }

}  // namespace e2e
