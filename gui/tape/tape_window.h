#pragma once

#include <QWidget>
#include <functional>
#include <memory>
#include <vector>

#include <QString>

#include "core/tape/line_counter.h"

class QAction;
class QMenu;
class QPushButton;
class QToolBar;

namespace zumbrel {
class SoundOutput;
}

namespace zumbrel::gui {

class DocumentTape;
class Ruler;
class TapeView;

// TRibbon: the paper roll. A read-only rich-text view of the tape document, its toolbar, the
// movable ruler, the line counter that copies the whole tape, and the explicit edit mode.
class TapeWindow final : public QWidget {
  public:
    TapeWindow(QWidget* owner, SoundOutput& sound);
    ~TapeWindow() override;

    DocumentTape& tape() { return *tape_; }
    TapeView* editor() const { return editor_; }
    QToolBar* toolbar() const { return toolbar_; }
    QMenu* contextMenu() const { return menu_; }
    QPushButton* lineCounter() const { return btnClicMagic_; }
    // The width the tape opens with when nothing was saved: the longest line the program
    // writes (a 15-digit amount after the longest label of the eight languages) fits whole.
    int designWidth() const;
    static constexpr int kLongestLineCharacters = 64;

    // EditRibbonClick: edit mode on or off.
    void EditRibbonClick();
    // GetNrbLinesEditor: the caption of the line counter.
    void GetNrbLinesEditor();
    // btnClicMagicClick: the whole tape to the clipboard.
    void btnClicMagicClick();
    void setLineCounterTexts(const tape::LineCounterTexts& texts) { counterTexts_ = texts; }
    // Set when the keypad window is first shown; before it, tape changes do nothing else.
    void setWindowsShown(bool shown) { windowsShown_ = shown; }
    // The window's title outside edit mode; the task bar tells the two windows apart by it.
    void setTitleText(const QString& title);
    // "Zumbrel - name.rtf" while the tape is a file's; empty shows the window's own title.
    void setDocumentCaption(const QString& caption);
    // Gives the focus back to the keypad (OutCursor), when edit mode and the menu allow it.
    void OutCursor();
    // Runs a change the user makes in the tape itself (a correction typed on a line): the tape
    // keeps the focus, so that the keyboard goes on to the next line.
    void changeHere(const std::function<void()>& change);
    void prepareContextMenu();

    // What the keypad window does for the tape window.
    std::function<void()> onFocusBackToKeypad;
    std::function<void(QKeyEvent*)> onKeyOutsideEditMode;
    std::function<void(const QString&)> onHint;
    std::function<void()> onCloseRequested;
    std::function<void()> onTextChanged;

    QAction* action(const char* name) const;

    // The window's own texts in the current language; empty ones stand for the built-in
    // French texts.
    struct Texts {
        QString editMode;
        QString copyAll;
        QString ruler;
        QString stopEditing;
        std::vector<std::pair<QString, QString>> tools;  // button name, hint
    };
    void translateTexts(const Texts& texts);
    // The find bar, under the text while it shows.
    void setFindBar(QWidget* bar);

  protected:
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QString shownTitle() const;
    void buildToolbar();
    void buildContextMenu();
    void editModeChanged(bool on);
    void EditorChange();
    void layoutChildren();
    void showRightSide();
    void fitCounterText();
    static constexpr qreal kSmallestCounterPoints = 6;

    SoundOutput& sound_;
    QToolBar* toolbar_;
    Ruler* ruler_;
    TapeView* editor_;
    QPushButton* btnClicMagic_;
    QMenu* menu_;
    std::unique_ptr<DocumentTape> tape_;
    tape::LineCounterTexts counterTexts_;
    bool windowsShown_ = false;
    QString documentCaption_;
    QString titleText_ = QStringLiteral("Zumbrel – ruban");
    bool menuOpen_ = false;
    bool changingHere_ = false;
    Texts texts_;
    QWidget* findBar_ = nullptr;
};

}  // namespace zumbrel::gui
