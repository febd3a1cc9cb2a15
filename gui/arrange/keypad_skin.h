#pragma once

#include <QImage>
#include <QPoint>
#include <QRegion>
#include <QSize>
#include <QString>

class QPainter;

namespace zumbrel::gui {

// The keypad's skin in its two forms: the picture under the keys (`imgSkinKeyBoard`, and
// `imgSkinSmall` for the compact keypad) and the window's outline, cut out of the picture's
// fuchsia. A form without a picture is painted by the program itself.
class KeypadSkin {
  public:
    static constexpr QPoint kOrigin{5, 4};  // the picture's place in the window

    // The skin's name in the skins window; empty for the built-in one.
    const QString& name() const { return name_; }
    // Painted by the program in both forms.
    bool builtIn() const { return full_.isNull() && small_.isNull(); }
    // The pictures of a skin, already scaled to their forms; a null one is painted.
    void use(const QString& name, QImage full, QImage small);

    bool compact() const { return compact_; }
    void setCompact(bool compact) { compact_ = compact; }

    QSize pictureSize() const;
    // The window's size for the form: the picture with its margins.
    QSize windowSize() const;
    // Everything but the picture's fuchsia, in window coordinates.
    QRegion shape() const;
    void paint(QPainter& p) const;
    // The picture of the form (painted ones too), for the shape and for tests.
    QImage picture() const;

  private:
    QString name_;
    QImage full_;
    QImage small_;
    bool compact_ = false;
};

}  // namespace zumbrel::gui
