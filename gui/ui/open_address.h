#pragma once

#include <functional>

class QUrl;
class QWidget;

namespace zumbrel {
class Translator;
}

namespace zumbrel::gui {

// Opens a web page or a folder with the desktop's program for it. A desktop with none (no
// browser, no file manager) is said so in a message that shows the address, which the user
// can select and copy; before, nothing happened at all.
void openOrTell(const QUrl& address, QWidget& parent, const Translator& texts,
                const std::function<bool(const QUrl&)>& open = {});

}  // namespace zumbrel::gui
