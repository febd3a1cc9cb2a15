#pragma once

#include <functional>

class QObject;

namespace zumbrel::gui {

// SIGTERM and SIGINT (a logout, a service manager, kill) close the program the way its own
// quit does, so the settings and the tape questions are not skipped: the signal is noted by
// a pipe and handled on the event loop.
void closeOnTermination(QObject* owner, std::function<void()> close);

}  // namespace zumbrel::gui
