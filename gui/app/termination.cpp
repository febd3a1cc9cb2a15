#include "gui/app/termination.h"

#include <unistd.h>

#include <QSocketNotifier>
#include <csignal>

namespace zumbrel::gui {
namespace {

int pipeEnds[2] = {-1, -1};

// Only what is safe in a signal handler: one write to the pipe.
void noteSignal(int) {
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(pipeEnds[1], &byte, 1);
}

}  // namespace

void closeOnTermination(QObject* owner, std::function<void()> close) {
    if (pipeEnds[0] >= 0 || ::pipe(pipeEnds) != 0) return;
    auto* notifier = new QSocketNotifier(pipeEnds[0], QSocketNotifier::Read, owner);
    QObject::connect(notifier, &QSocketNotifier::activated, owner, [close = std::move(close)] {
        char byte = 0;
        [[maybe_unused]] const ssize_t read = ::read(pipeEnds[0], &byte, 1);
        close();
    });
    struct sigaction action {};
    action.sa_handler = noteSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGINT, &action, nullptr);
}

}  // namespace zumbrel::gui
