#pragma once

#include <QColor>
#include <QPointer>
#include <QWidget>

#include "core/ports.h"
#include "core/tape/style.h"

namespace zumbrel::gui {

// Message boxes and input boxes, modal to the keypad window.
class QtPrompts final : public Prompts {
  public:
    explicit QtPrompts(QWidget* parent) : parent_(parent) {}
    Answer messageBox(std::string_view title, std::string_view text, Icon icon,
                      Buttons buttons) override;
    std::optional<std::string> inputBox(std::string_view title, std::string_view prompt,
                                        std::string_view defaultText) override;

  private:
    QPointer<QWidget> parent_;
};

// Qt's file dialogs. They never ask before replacing a file (the program does), and the
// filter takes .rtf in any case.
class QtFileDialogs final : public FileDialogs {
  public:
    explicit QtFileDialogs(QWidget* parent) : parent_(parent) {}
    std::optional<std::string> openFile(const FileDialogOptions& options) override;
    std::optional<std::string> saveFile(const FileDialogOptions& options) override;

  private:
    std::optional<std::string> run(const FileDialogOptions& options, bool save);
    QPointer<QWidget> parent_;
};

// The system clipboard's text.
class QtClipboard final : public Clipboard {
  public:
    std::optional<std::string> text() const override;
    void setText(std::string_view text) override;
};

inline QString qs(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

// Windows colour values (0x00BBGGRR) and Qt colours.
inline QColor toQColor(Color c) {
    return QColor(c.red(), c.green(), c.blue());
}
inline Color fromQColor(const QColor& q) {
    return Color{static_cast<std::uint32_t>(q.red()) |
                 (static_cast<std::uint32_t>(q.green()) << 8) |
                 (static_cast<std::uint32_t>(q.blue()) << 16)};
}

}  // namespace zumbrel::gui
