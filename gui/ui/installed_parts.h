#pragma once

#include <QObject>
#include <utility>

namespace zumbrel::gui {

// What a feature was given when it was installed, kept under its owner (the window whose
// menu opens it) by name, so that its window can be opened later from the owner alone.
template <class Parts>
class InstalledParts final : public QObject {
  public:
    InstalledParts(QObject& owner, const char* name, Parts given)
        : QObject(&owner), parts(std::move(given)) {
        setObjectName(name);
    }
    // The parts installed under `owner` with that name; null when there are none.
    static Parts* of(const QObject& owner, const char* name) {
        auto* held = owner.findChild<QObject*>(name, Qt::FindDirectChildrenOnly);
        return held ? &static_cast<InstalledParts*>(held)->parts : nullptr;
    }

    Parts parts;
};

}  // namespace zumbrel::gui
