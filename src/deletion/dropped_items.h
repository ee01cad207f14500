// Files and folders dropped on the main window.
#pragma once

#include <string>
#include <vector>

#include "app/program.h"

// Splits a dropped text at every "\r\n": one item per dropped path.
std::vector<std::string> splitDroppedText(const std::string& text);
void onFilesDropped(Program& p, const std::string& text);
