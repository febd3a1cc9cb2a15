#pragma once

#include <QColor>
#include <QFont>
#include <QStringList>
#include <QWidget>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/calc/key_script.h"
#include "gui/arrange/keypad_skin.h"
#include "gui/keypad/menu_bar.h"
#include "gui/ui/looks.h"

class QLabel;
class QMenu;
class QMouseEvent;
class QFrame;
class QPushButton;
class QToolButton;

namespace zumbrel {
namespace config {
class LanguageTranslator;
}
class LocalFileSystem;
class MemoryHistory;
namespace voice {
class SpeechVoice;
struct VoiceState;
}  // namespace voice
namespace calc {
class Calculator;
}
namespace config {
struct Settings;
}
}  // namespace zumbrel

namespace zumbrel::gui {

class AddingMachineMarks;
class BusinessPanel;
class DisplayView;
class DocumentCommands;
class KeptNumbersPanel;
class MenuButton;
class QtClipboard;
class QtFileDialogs;
class QtPrompts;
class QtSoundOutput;
class StatusLineAdapter;
class StatusLineWidget;
class TCDEdit;
class TapeWindow;
class WindowMover;
class WindowTranslator;

// TForm1: the keypad window. Borderless and shaped by its skin; it owns the calculator and
// the tape window, turns clicks and keys into the calculator's keys, and shows its state.
class KeypadWindow final : public QWidget {
  public:
    // `compose` gives the features the parts of the two windows they use, once both are
    // built (the program's composition root); without it the windows stand alone.
    explicit KeypadWindow(const std::function<void(KeypadWindow&)>& compose = {},
                          QWidget* parent = nullptr);
    ~KeypadWindow() override;

    calc::Calculator& calculator() { return *calc_; }
    TapeWindow& tapeWindow() { return *tape_; }
    StatusLineWidget& statusLine() { return *status_; }
    voice::VoiceState& voiceState() { return *voiceState_; }
    voice::SpeechVoice& speech() { return *voice_; }
    QtSoundOutput& sound() { return *sound_; }
    const std::vector<MenuButton*>& menuButtons() const { return menuButtons_; }

    // The one road of every key and click into the calculator.
    void keyAction(const calc::KeyAction& action);
    // A keypad button that computes or resets: the display takes the focus, then the key runs.
    void buttonAction(const calc::KeyAction& action);
    // Shows what the registers hold: display, indicators, Reset panel, erasers.
    void refresh();
    void AdjustMenus();
    // EditRibbonClick of the keypad's menu.
    void EditRibbonClick();
    // The paste command (Ctrl+V): a number into the entry, or the text into the tape while
    // it is edited.
    void pasteNumber();
    KeptNumbersPanel& keptNumbers() { return *kept_; }
    BusinessPanel& business() { return *business_; }
    DocumentCommands& documents() { return *documents_; }
    QtPrompts& prompts() { return *prompts_; }
    const config::LanguageTranslator& translator() const { return *translator_; }
    MemoryHistory& history() { return *history_; }
    // Places the tape window and shows both; called once, when the keypad first shows.
    bool windowsShown() const { return windowsShown_; }

    // Keys the window takes for the calculator (also those forwarded by the tape window).
    bool handleKey(QKeyEvent* event);

    // The language menu's choice: the codes, the voice folder, both windows translated.
    // Languages come from <appFolder>/Resources/Language under the "ZMB" installation.
    void setLanguageSource(std::string appFolder, int installCode);
    // The skin in its current form; after a change of picture or form, `skinChanged` gives
    // the window its size and outline again.
    KeypadSkin& skin() { return skin_; }
    void skinChanged();
    void chooseLanguage(int lang, bool fromMenu);
    // The names of the voice picture: man, woman, common click, none.
    void setVoiceNames(const QStringList& names);
    int languageNumber() const { return lang_; }
    const std::string& appFolder() const { return appFolder_; }
    int installCode() const { return installCode_; }
    const LocalFileSystem& files() const { return *files_; }
    std::optional<char> languageLetter() const { return letter_; }
    // The texts of a window opened later, in the keypad's language (French when none is
    // chosen).
    std::unique_ptr<WindowTranslator> windowTexts() const;

    // A text the status line shows and the screen reader says once, on the display (from the
    // tape too, which gives the display the focus back); the display keeps what it holds.
    void tellOnTheDisplay(const QString& text);

    // The settings the windows and the calculator hold, in and out.
    void applySettings(const config::Settings& s);
    void collectSettings(config::Settings& s) const;

    using DisplayLook = gui::DisplayLook;
    DisplayLook displayLook() const;
    void setDisplayLook(const DisplayLook& look);
    using TapeLook = gui::TapeLook;
    TapeLook tapeLook() const;
    void setTapeLook(const TapeLook& look);
    // Runs after each refresh, for the panels that show more of the registers.
    std::function<void()> onRefresh;
    // Set by the session: where the windows go when first shown (false: the tape stays
    // hidden), and the close.
    std::function<bool(KeypadWindow&)> placeOnFirstShow;
    std::function<void(KeypadWindow&)> onClosing;
    void setVisible(bool visible) override;

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void giveWindowIcons();
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void buildTitleRow(QWidget* panel);
    void buildDisplay(QWidget* panel);
    void buildKeys(QWidget* panel);
    void buildCommandPanel(QWidget* panel);
    void hint(QWidget* control, const QString& text);
    void showVoicePicture();
    void focusBackFromTape();
    void bringMessageToTheDisplay();
    void openContextMenu();
    void buildKeptNumbers();
    void buildBusinessPanel();
    void buildFocusRound();
    void switchWindows();
    bool overHintedControl(QWidget* panel, QMouseEvent* event) const;

    std::unique_ptr<LocalFileSystem> files_;
    std::unique_ptr<QtSoundOutput> sound_;
    TapeWindow* tape_;
    std::unique_ptr<MemoryHistory> history_;
    StatusLineWidget* status_ = nullptr;
    std::unique_ptr<StatusLineAdapter> statusPort_;
    std::unique_ptr<QtPrompts> prompts_;
    std::unique_ptr<QtClipboard> clipboard_;
    std::unique_ptr<QtFileDialogs> dialogs_;
    std::unique_ptr<config::LanguageTranslator> translator_;
    std::unique_ptr<voice::VoiceState> voiceState_;
    std::unique_ptr<voice::SpeechVoice> voice_;
    std::unique_ptr<calc::Calculator> calc_;

    KeypadSkin skin_;
    QWidget* panelClavier_ = nullptr;
    TCDEdit* edtSaisie_ = nullptr;
    DisplayView* edtVirt_ = nullptr;
    QToolButton* gommeUndo_ = nullptr;
    QToolButton* gommeClean_ = nullptr;
    QLabel* shLed_ = nullptr;
    QLabel* lblNbrDecPref_ = nullptr;
    QLabel* lblMemory4_ = nullptr;
    QLabel* imgVoice_ = nullptr;
    QPushButton* btnReset_ = nullptr;
    KeptNumbersPanel* kept_ = nullptr;
    std::unique_ptr<AddingMachineMarks> marks_;
    BusinessPanel* business_ = nullptr;
    DocumentCommands* documents_ = nullptr;
    std::vector<MenuButton*> menuButtons_;
    MenuBarKeyboard menuKeys_{menuButtons_};
    bool resultReadAloud_ = false;  // the program's voice reads the result of this key
    int messagesShown_ = 0;         // the status line's message count the display last showed
    bool windowsShown_ = false;
    bool placed_ = false;  // the windows have their places from the settings
    bool showTapeAtStart_ = true;
    bool firstPainted_ = false;
    int lang_ = 0;
    std::optional<char> letter_;
    std::string appFolder_;
    int installCode_ = 0;  // config::InstallCode
    QLabel* symbolLang_ = nullptr;
    QStringList voiceNames_{QStringLiteral("Voix d'homme"), QStringLiteral("Voix de femme"),
                            QStringLiteral("Sonorité commune"), QStringLiteral("Aucune sonorité")};
};

}  // namespace zumbrel::gui
