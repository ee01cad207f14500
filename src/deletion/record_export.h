// The deletion record: the activity list, a time stamp and a summary,
// written next to the program.
#pragma once

#include <string>

#include "app/program.h"

// "2022年7月12日8时58分29秒", dropping zero seconds, minutes and hours.
std::string dateTimeText(const DateTime& t);
// The whole record, stamped with the given date-time text.
std::string recordContent(Program& p, const std::string& stamp);
// The record's full path for a file stamped with the given date-time text.
std::string recordPath(Program& p, const std::string& stamp);
void onExportClicked(Program& p);
