#pragma once

#include <QDialog>
#include <functional>
#include <memory>
#include <string>

class QAction;
class QActionGroup;
class QFontComboBox;
class QFrame;
class QMenu;
class QSpinBox;
class QTextCharFormat;
class QTextEdit;
class QToolBar;

namespace zumbrel {
struct Message;
class Prompts;
class Translator;
}  // namespace zumbrel

namespace zumbrel::gui {

class DocumentTape;
class WindowTranslator;

// What the editor uses: the window whose menu opens it and that parents it, the tape's
// right-click menu (its second item), the question boxes and their words, the texts of the
// editor in the interface language, and the program's folder (the shipped files).
struct HeaderFooterParts {
    QWidget& window;
    QMenu& tapeMenu;
    Prompts& prompts;
    const Translator& messages;
    std::function<std::unique_ptr<WindowTranslator>()> texts;
    std::function<std::string()> appFolder;
};

// TRTF_Editor, the "Mini-éditeur RTF": edits the header and the footer that the tape's
// commands insert, and nothing else. It opens the user's copy of a file, otherwise the one
// shipped with the program, and saves into the user's data folder (the program's folder may
// be read-only), whole and atomically, as RTF. A strip under the toolbar is blue while the
// text is as saved, red once it is changed.
class HeaderFooterEditor final : public QDialog {
  public:
    // Opens the editor over the window it was installed on, modal; an open one comes to
    // the front.
    static HeaderFooterEditor& open(QWidget& window);
    static void install(HeaderFooterParts parts);

    // ItemEnteteClick / ItemPiedClick: the header or the footer into the editor, after the
    // save question when the text is changed.
    void openFile(bool header);
    // SaveBtnClick: false, with a message, when the file cannot be written.
    bool save();
    bool modified() const;
    const QString& fileName() const { return fileName_; }
    QTextEdit* editor() const { return editor_; }
    QToolBar* toolbar() const { return toolbar_; }

    // Where the user's copies go, and where the program's are.
    static QString userFolder();

    void done(int result) override;
    ~HeaderFooterEditor() override;

  private:
    explicit HeaderFooterEditor(const HeaderFooterParts& parts);
    QString text(const char* key, const char* french) const;
    void buildToolbar();
    void enableTools(bool on);
    void showModified();
    void caretMoved();
    void format(const QTextCharFormat& f);
    void align(Qt::Alignment a);
    // The save question; false when the user cancels.
    bool askToSave();
    void tell(const Message& m, const QString& path, const std::string& error);

    const HeaderFooterParts& p_;
    std::unique_ptr<WindowTranslator> tr_;
    QToolBar* toolbar_;
    QFrame* indicator_;
    QTextEdit* editor_;
    QMenu* headFoot_;
    QFontComboBox* fontName_ = nullptr;
    QSpinBox* fontSize_ = nullptr;
    QActionGroup* alignments_ = nullptr;
    std::unique_ptr<DocumentTape> document_;
    QString fileName_;
    QString saveName_;  // Header.rtf or Footer.rtf
    bool updating_ = false;
};

}  // namespace zumbrel::gui
