#pragma once

#include <QObject>
#include <QString>
#include <functional>

class QLocalServer;

namespace zumbrel::gui {

// One copy per user: the first start listens on a local socket; a later start finds it,
// asks it to come to the front, and ends without reading or writing anything.
class SingleInstance final : public QObject {
  public:
    explicit SingleInstance(QString name = defaultName());
    ~SingleInstance() override;

    // True when this is the only copy; false when another one runs (and has been asked to
    // come to the front).
    bool becomePrimary();
    std::function<void()> onAnotherStart;

    static QString defaultName();

  private:
    QString name_;
    QLocalServer* server_ = nullptr;
};

}  // namespace zumbrel::gui
