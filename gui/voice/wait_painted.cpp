#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

#include "gui/voice/audio_backend.h"

namespace zumbrel::gui {

void waitKeepingWindowPainted(const std::function<bool()>& done, int timeoutMs, bool withInput) {
    QEventLoop loop;
    QTimer poll;
    QElapsedTimer elapsed;
    elapsed.start();
    poll.setInterval(5);
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (done() || elapsed.elapsed() > timeoutMs) loop.quit();
    });
    poll.start();
    if (!done()) loop.exec(withInput ? QEventLoop::AllEvents : QEventLoop::ExcludeUserInputEvents);
}

}  // namespace zumbrel::gui
