#pragma once

#include <QDialog>
#include <QTimer>
#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "core/prefs/preferences.h"
#include "gui/ui/looks.h"

class QAbstractButton;
class QButtonGroup;
class QGroupBox;
class QLabel;
class QSlider;
class QSpinBox;
class QCheckBox;
class QTabWidget;
class QVBoxLayout;

namespace zumbrel {
struct Message;
namespace calc {
class Calculator;
}
namespace voice {
struct VoiceState;
}
}  // namespace zumbrel

namespace zumbrel::gui {

class RateEdit;
class WindowTranslator;

// What the preferences use: the window whose menu and controls open them (it parents them
// and holds the other features' objects), the calculator and the voice whose settings they
// change, the keypad's language and installation, the file commands' close question, the
// fonts and colours of the display and the tape, and the refresh of the windows.
struct PreferencesParts {
    QWidget& window;
    calc::Calculator& calculator;
    voice::VoiceState& voiceState;
    std::function<std::unique_ptr<WindowTranslator>()> texts;
    std::function<std::optional<char>()> letter;
    std::function<int()> installCode;  // config::InstallCode
    bool& modifiedWarn;
    std::function<DisplayLook()> displayLook;
    std::function<void(const DisplayLook&)> setDisplayLook;
    std::function<TapeLook()> tapeLook;
    std::function<void(const TapeLook&)> setTapeLook;
    std::function<void()> refresh;
};

// TPreferences: every setting in nine tabs. Each change takes effect at once on the open
// windows (the calculator's registers, the panels, the voice, translucency, fonts); closing
// (Escape, Enter in a rate, the close button) repairs emptied fields. The settings file is
// written when the program closes, not here.
class PreferencesWindow final : public QDialog {
  public:
    // Opens the window on a tab, by the indicator the panels give ("1" to "8"); a window
    // already open comes to the front on that tab.
    static PreferencesWindow& open(QWidget& window, int indicator = 1);
    // The ways in: the options menu, and a double click on the decimals indicator, the voice
    // picture and the display; the business panels ask on their own tabs.
    static void install(PreferencesParts parts);

    QTabWidget* tabs() const { return tabs_; }
    void showTab(const QString& name);
    const prefs::Choices& choices() const { return choices_; }

    // What the font and colour dialogs give, so that a test can give it too.
    void chooseDisplayFont(const QFont& font, const QColor& ink);
    void chooseDisplayBack(const QColor& back);
    void chooseTapeFont(const QFont& font, const QColor& ink);
    void chooseTapeBack(const QColor& paper);

    void done(int result) override;
    ~PreferencesWindow() override;

  private:
    explicit PreferencesWindow(const PreferencesParts& parts);
    QString text(const Message& m) const;
    // A tab page by name, its caption and its groups.
    QWidget* addTab(const char* name, const QString& caption);
    QGroupBox* addGroup(QWidget* page, const char* name, const QString& title);
    // Radio buttons in a group; `chosen` gets the index clicked.
    QButtonGroup* radios(QGroupBox* box, const std::vector<std::pair<const char*, QString>>& items,
                         int checked, std::function<void(int)> chosen);
    // Tab enters the group on its checked button.
    static void tabIntoChecked(QButtonGroup* group);
    RateEdit* rateEdit(QGroupBox* box, const char* name, const QString& label, int kind,
                       const std::string& value, std::function<void(const std::string&)> set);
    void hintAtOnce(QWidget* w);
    void changed();  // the choices into their holders, and the windows shown again

    void buildDecimals();
    void buildResultComment();
    void buildUpdate();
    void buildVoice();
    void buildRates();
    void buildCurrencies();
    void buildSelfEmployed();
    void buildMiscellaneous();
    void buildFonts();
    void separatorClicked();
    void blink();
    void colourGroup(RateEdit* focused);
    void resetCurrencyLabels();
    void updateDefaultFontBox();

    const PreferencesParts& p_;
    std::unique_ptr<WindowTranslator> tr_;  // the keypad's language, read when opened
    prefs::Choices choices_;
    prefs::Holders holders_;
    char ds_;
    QTabWidget* tabs_;
    QTimer blink_;
    std::array<QLabel*, 2> leds_{};  // shLedC, shLedP
    bool ledsRed_ = false;
    std::vector<std::vector<RateEdit*>> edtGroups_;
    QCheckBox* defaultFont_ = nullptr;
    bool closed_ = false;
};

}  // namespace zumbrel::gui
