// The notice fetched at every start: an announcement and a service status.
#pragma once

#include <string>

#include "app/program.h"

// The text between the first opening and the first closing tag, by the
// positions findText gives (a missing tag counts as position -1).
std::string noticeField(const std::string& document, const std::string& open,
                        const std::string& close);
// False when the service is suspended and the program was ended.
bool runStartupNotice(Program& p);
