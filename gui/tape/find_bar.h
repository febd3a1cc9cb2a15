#pragma once

#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <optional>
#include <vector>

#include "core/ports.h"
#include "core/tape/tape_search.h"

class QAction;
class QLabel;
class QLineEdit;
class QPushButton;

namespace zumbrel::gui {

class TapeView;

// The tape's find bar (Ctrl+F): a field, "Précédent", "Suivant" and the count ("3 sur 12").
// Amounts are found whatever their grouping ("1234,5" finds "1 234,50"), text without regard
// to case. Every match in sight is highlighted, the current one more strongly, and the view
// scrolls to it; a screen reader hears its line and the count. Lines still arriving from a
// long file are searched as they come.
class FindBar final : public QWidget {
  public:
    // `text` gives the bar's words in the interface language, `decimalSeparator` the tape's.
    FindBar(TapeView& view, std::function<QString(const Message&)> text,
            std::function<char()> decimalSeparator, QWidget* parent);

    // Shows the bar with the focus in its field, its text selected.
    void open();
    void close();
    void next();
    void previous();

    // The lines (0-based) that match, and the current one's place among them (-1: none).
    const std::vector<int>& matches() const { return matches_; }
    int current() const { return current_; }
    QString countText() const;
    QLineEdit* field() const { return field_; }
    // Told what a screen reader is given (the current line and the count), for tests.
    std::function<void(const QString&)> onAnnounced;

  protected:
    void keyPressEvent(QKeyEvent* key) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void retranslate();
    void search();
    void scanSlice();
    bool scan(int budget);  // true when the last line is searched
    void finish();
    bool settle();
    void goTo(int index);
    void highlight();
    void announce(const QString& said);
    QString lineText(int block) const;

    TapeView& view_;
    std::function<QString(const Message&)> text_;
    std::function<char()> decimalSeparator_;
    QPointer<QWidget> returnTo_;  // where the focus was before the bar opened
    QLineEdit* field_;
    QPushButton* previous_;
    QPushButton* next_;
    QLabel* count_;
    QPushButton* close_;
    QTimer again_;    // searches again once the text or the tape has changed
    QTimer slice_;    // the next slice of a long tape
    QTimer repaint_;  // the marks, set again after a scroll or a change
    static constexpr int kSlice = 50000;
    std::optional<tape::TapeSearch> query_;
    std::vector<int> found_;  // the search under way
    int scanned_ = 0;
    bool firstSearch_ = true;
    int before_ = -1;
    std::vector<int> matches_;
    int current_ = -1;
    int searchedBlocks_ = 0;
};

class TapeWindow;

// Ctrl+F ("Édition > Rechercher…"), F3 and Shift+F3, from either window: the find bar is made
// the first time it is asked for, in the tape window (shown first if it was hidden).
struct FindCommands {
    QAction* find = nullptr;
    QAction* next = nullptr;
    QAction* previous = nullptr;
    QAction* showTape = nullptr;  // "Revoir le ruban"
    TapeWindow* tape = nullptr;
    std::function<QString(const Message&)> text;
    std::function<char()> decimalSeparator;
};
void installFindCommands(const FindCommands& c);
// The tape window's find bar, once made.
FindBar* findBarOf(TapeWindow& tape);

}  // namespace zumbrel::gui
