#pragma once

#include <QObject>
#include <QPointer>
#include <memory>
#include <vector>

class QEvent;

namespace zumbrel::gui {

// The user's input while the voice reads: held back, then given again in order when the
// reading ends, so that nothing typed or clicked runs in the middle of a reading and nothing
// is lost. A key pressed cuts the reading short (a fast typist never waits for the voice).
// Shortcuts pressed meanwhile (Ctrl+R …) run when the input is given again.
class HeldInput final : public QObject {
  public:
    HeldInput();
    ~HeldInput() override;  // gives the input held back again, in order

    bool keyPressed() const { return keyPressed_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void giveBack();

    struct Held {
        QPointer<QObject> receiver;
        std::unique_ptr<QEvent> event;
    };
    std::vector<Held> held_;
    bool keyPressed_ = false;
};

}  // namespace zumbrel::gui
