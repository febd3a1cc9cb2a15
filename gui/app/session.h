#pragma once

#include <memory>
#include <string>

#include "core/config/install_layout.h"
#include "core/config/settings.h"

namespace zumbrel {
class LocalFileSystem;
}

namespace zumbrel::gui {

class KeypadWindow;

// One run of the program: where its files are, the settings read at start and written at
// close, and the placements of both windows.
class Session {
  public:
    Session(std::string appFolder, config::Environment env, char decimalSeparator);
    ~Session();

    const config::InstallLayout& layout() const { return layout_; }
    const config::Settings& settings() const { return settings_; }

    // The keypad window takes the settings now, its placement when first shown, and gives
    // everything back when it closes.
    void attach(KeypadWindow& keypad);
    // Writes the settings; false, with the reason, when the file cannot be written.
    bool save(KeypadWindow& keypad, std::string& error);

  private:
    std::unique_ptr<LocalFileSystem> files_;
    config::InstallLayout layout_;
    config::ProfileFile file_;
    config::Settings settings_;
    bool reportedFailure_ = false;
};

}  // namespace zumbrel::gui
