// The notice fetched at every start: an announcement and a service status.
#pragma once

#include <memory>
#include <string>

#include "app/program.h"

// The text between the first opening and the first closing tag, by the
// positions findText gives (a missing tag counts as position -1).
std::string noticeField(const std::string& document, const std::string& open,
                        const std::string& close);
// The online test and the notice request, started early so they run while
// the main window is made.
struct NoticeRequest;
std::shared_ptr<NoticeRequest> requestStartupNotice(Program& p);
// Waits for the request (made now when none is given) and acts on the
// notice. False when the service is suspended and the program was ended.
bool runStartupNotice(Program& p,
                      std::shared_ptr<NoticeRequest> request = nullptr);
