#include "gui/arrange/compact_keypad.h"

#include <QVariant>
#include <QWidget>

#include "gui/ui/artwork.h"

namespace zumbrel::gui {
namespace {

struct CompactPlace {
    const char* name;
    QRect compact;  // an empty size keeps the control's own size
};

// Places in the compact keypad, relative to each control's parent.
const CompactPlace kCompact[] = {
    {"imgIconeAppli", {18, 0, 0, 0}}, {"imgNameHead", {58, 2, 0, 0}},
    {"lblCaption", {175, 12, 0, 0}},  {"PanelBack", {17, 55, 352, 71}},
    {"PanelTop", {23, 57, 340, 67}},  {"EdtVirt", {15, 30, 323, 34}},
    {"GommeUndo", {307, 4, 0, 0}},    {"GommeClean", {260, 4, 0, 0}},
    {"btnMinimize", {311, 2, 0, 0}},  {"btnQuit", {346, 2, 0, 0}},
    {"mmFichier", {18, 32, 0, 0}},    {"mmEdit", {0, 32, 0, 0}},
    {"mmFenetre", {0, 32, 0, 0}},     {"mmOptions", {0, 32, 0, 0}},
    {"mmAide", {0, 32, 0, 0}},        {"lblComment", {0, -38, 0, 0}},  // out of sight
};
// The menu bar's buttons keep their lefts (the bar is laid out again afterwards).
bool keepsItsLeft(const char* name) {
    return QByteArray(name).startsWith("mm") && QByteArray(name) != "mmFichier";
}

const char* const kFull = "zumbrelFullGeometry";
const char* const kHiddenForCompact = "zumbrelHiddenForCompact";

QWidget* control(QWidget& panel, const char* name) {
    if (panel.objectName() == name) return &panel;
    return panel.findChild<QWidget*>(name);
}

bool staysInCompact(const QWidget* w) {
    for (const CompactPlace& c : kCompact) {
        if (w->objectName() == c.name) return true;
    }
    return w->objectName() == "PanelContener";  // the hidden register panel
}

}  // namespace

void layOutKeypadPanel(QWidget& panel, bool compact) {
    const QSize skin = compact ? artwork::kCompactSkinSize : artwork::kKeypadSkinSize;
    if (!panel.property(kFull).isValid()) panel.setProperty(kFull, panel.geometry());
    panel.resize(skin - QSize(18, 18));
    for (const CompactPlace& c : kCompact) {
        QWidget* w = control(panel, c.name);
        if (!w) continue;
        if (!w->property(kFull).isValid()) w->setProperty(kFull, w->geometry());
        const QRect full = w->property(kFull).toRect();
        QRect target = compact ? c.compact : full;
        if (target.size().isEmpty()) target.setSize(full.size());
        if (compact && keepsItsLeft(c.name)) target.moveLeft(w->x());
        w->setGeometry(target);
    }
    for (QWidget* w : panel.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (staysInCompact(w) || w->isWindow()) continue;
        if (compact && w->isVisibleTo(&panel)) {
            w->setProperty(kHiddenForCompact, true);
            w->hide();
        } else if (!compact && w->property(kHiddenForCompact).toBool()) {
            w->setProperty(kHiddenForCompact, QVariant());
            w->show();
        }
    }
}

}  // namespace zumbrel::gui
