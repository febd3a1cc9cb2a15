// Starts either Zumbrel's keypad window or a plain Qt window of comparable weight (a main
// window with a rich-text edit and 20 buttons), prints "shown" when the window is first
// painted, and its resident memory one second later. bench/startup.py compares the two.
// --baseline-area gives the plain window the keypad's size and adds an empty window of the
// tape's: the same pixels to fill and to keep, to tell them from the program's own work.
// With two windows, "both shown" tells when the second one is first painted too.

#include <QApplication>
#include <QFile>
#include <QGridLayout>
#include <QMainWindow>
#include <QPushButton>
#include <QTextEdit>
#include <QTimer>
#include <cstdio>
#include <cstring>

#include "gui/app/composition.h"
#include "gui/keypad/keypad_window.h"
#include "gui/tape/tape_window.h"
#include "gui/ui/program_looks.h"

namespace {

// Reports the first paint of the watched widget; the first window's also starts the memory
// reading a second later.
class FirstPaint final : public QObject {
  public:
    explicit FirstPaint(const char* report) : report_(report) {}
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Paint && !seen_) {
            seen_ = true;
            std::printf("%s\n", report_);
            std::fflush(stdout);
            if (std::strcmp(report_, "shown") != 0) return false;
            QTimer::singleShot(1000, [] {
                QFile status("/proc/self/status");
                status.open(QIODevice::ReadOnly);
                for (const QByteArray& line : status.readAll().split('\n')) {
                    if (line.startsWith("VmRSS:"))
                        std::printf("rss_kb %s\n",
                                    line.mid(6).trimmed().split(' ').front().constData());
                }
                std::fflush(stdout);
                QApplication::quit();
            });
        }
        return false;
    }

  private:
    const char* report_;
    bool seen_ = false;
};

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    FirstPaint probe("shown");
    FirstPaint secondProbe("both shown");  // the second window's first paint
    const bool sameArea = argc > 1 && std::strcmp(argv[1], "--baseline-area") == 0;
    const bool baseline = sameArea || (argc > 1 && std::strcmp(argv[1], "--baseline") == 0);
    if (baseline) {
        auto* window = new QMainWindow;
        auto* central = new QWidget;
        auto* grid = new QGridLayout(central);
        grid->addWidget(new QTextEdit, 0, 0, 1, 5);
        for (int i = 0; i < 20; ++i)
            grid->addWidget(new QPushButton(QString::number(i)), 1 + i / 5, i % 5);
        window->setCentralWidget(central);
        window->installEventFilter(&probe);
        if (sameArea) {
            // The keypad's window and the tape window as Zumbrel opens them.
            window->setFixedSize(650, 577);
            auto* second = new QWidget;
            second->resize(671, 544);
            second->installEventFilter(&secondProbe);
            second->show();
        }
        window->show();
    } else {
        zumbrel::gui::installProgramLooks();  // as the program does before its windows
        auto* keypad = new zumbrel::gui::KeypadWindow(zumbrel::gui::composeFeatures);
        keypad->installEventFilter(&probe);
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (window != keypad && dynamic_cast<zumbrel::gui::TapeWindow*>(window))
                window->installEventFilter(&secondProbe);
        }
        keypad->show();
    }
    return app.exec();
}
