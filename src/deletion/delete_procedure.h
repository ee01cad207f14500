// The one procedure every deletion runs, and the activity log it writes.
#pragma once

#include <string>

#include "app/program.h"

// Who asked: the delete button, one dropped path, or one item of many.
enum class DeleteVariant { Manual, SingleDrop, MultiDrop };

// Tries the path as a file, then as a folder with its contents; updates the
// tally and labels, writes the result line and logs it.
void deleteTarget(Program& p, const std::string& path, DeleteVariant variant);
// Appends 标签2's text to the activity list and selects it.
void appendResultToLog(Program& p);
// For callers that test existence first.
void reportMissingTarget(Program& p, const std::string& path);
