#include "gui/prefs/preferences_window.h"

#include <QAction>
#include <QButtonGroup>
#include <QEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>
#include <tuple>

#include "core/calc/calculator.h"
#include "core/config/language.h"
#include "core/voice/voice_state.h"
#include "gui/business/business_panel.h"
#include "gui/config/translate_windows.h"
#include "gui/prefs/preferences_texts.h"
#include "gui/prefs/rate_edit.h"
#include "gui/ui/installed_parts.h"
#include "gui/ui/qt_ports.h"

namespace zumbrel::gui {

using namespace prefs_texts;

namespace {

constexpr const char* kParts = "PreferencesParts";
const QColor kFocusYellow(0xF8, 0xF8, 0x58);  // 5830904

// A control of the keypad that shows a setting: a double click opens where it is changed;
// the two values of the command panel are reached by Tab too, and Return or Space opens.
class SettingOpener final : public QObject {
  public:
    SettingOpener(QWidget& control, std::function<void()> open, bool byKeyboard)
        : QObject(&control), open_(std::move(open)), byKeyboard_(byKeyboard) {
        control.installEventFilter(this);
        if (byKeyboard) control.setFocusPolicy(Qt::TabFocus);
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::MouseButtonDblClick) {
            open_();
            return true;
        }
        if (byKeyboard_ && event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space) {
                open_();
                return true;
            }
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    std::function<void()> open_;
    bool byKeyboard_;
};

// The language menu dropped below the language letter, on the language in use.
void dropLanguageMenu(QWidget& keypad, QWidget& letter) {
    auto* menu = keypad.findChild<QMenu*>("ppmLangage");
    const QAction* item = keypad.findChild<QAction*>("mItemLangage");
    if (!menu || (item && !item->isVisible())) return;
    for (QAction* a : menu->actions()) {
        if (a->isChecked()) menu->setActiveAction(a);
    }
    menu->popup(letter.mapToGlobal(QPoint(0, letter.height())));
}

}  // namespace

void PreferencesWindow::install(PreferencesParts parts) {
    QWidget& keypad = parts.window;
    new InstalledParts<PreferencesParts>(keypad, kParts, std::move(parts));
    QAction* item = keypad.findChild<QAction*>("mItemPreferences");
    item->setEnabled(true);
    connect(item, &QAction::triggered, &keypad, [&keypad] { open(keypad, 1); });
    const std::tuple<const char*, int, bool> controls[] = {
        {"lblNbrDecPref", 1, true}, {"imgVoice", 4, false}, {"EdtVirt", 7, false}};
    for (const auto& [name, indicator, byKeyboard] : controls) {
        if (auto* w = keypad.findChild<QWidget*>(name))
            new SettingOpener(
                *w, [&keypad, i = indicator] { open(keypad, i); }, byKeyboard);
    }
    if (auto* letter = keypad.findChild<QWidget*>("SymbolLang"))
        new SettingOpener(
            *letter, [&keypad, letter] { dropLanguageMenu(keypad, *letter); }, true);
}

PreferencesWindow::PreferencesWindow(const PreferencesParts& parts)
    : QDialog(&parts.window),
      p_(parts),
      tr_(parts.texts()),
      holders_{parts.calculator.registers(), parts.calculator.settings(),
               parts.calculator.business(), parts.voiceState},
      ds_(parts.calculator.registers().decimalSeparator),
      tabs_(new QTabWidget(this)) {
    setObjectName("Preferences");
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(text(kCaption));
    setAccessibleName(windowTitle());
    choices_ = prefs::choicesOf(holders_);
    tabs_->setObjectName("PageControl1");
    tabs_->setAccessibleName(windowTitle());  // the pages' holder, which takes the focus too
    tabs_->setUsesScrollButtons(false);       // every tab in sight
    // The tab list is named after the tab shown: a reader coming back to it hears that one,
    // not the first.
    connect(tabs_, &QTabWidget::currentChanged, this, [this](int i) {
        tabs_->tabBar()->setAccessibleName(i >= 0 ? tabs_->tabText(i) : QString());
    });
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs_);
    buildDecimals();
    buildResultComment();
    buildUpdate();
    buildVoice();
    buildRates();
    buildCurrencies();
    buildSelfEmployed();
    buildMiscellaneous();
    buildFonts();
    const auto code = static_cast<config::InstallCode>(p_.installCode());
    for (int i = tabs_->count() - 1; i >= 0; --i) {
        if (prefs::tabHidden(tabs_->widget(i)->objectName().toStdString(), code))
            tabs_->setTabVisible(i, false);
    }
    blink_.setInterval(400);
    connect(&blink_, &QTimer::timeout, this, [this] { blink(); });
    if (!prefs::separatorEnabled(choices_.separator, ds_)) blink_.start();
    setFixedSize(sizeHint().expandedTo(QSize(520, 380)));
}

PreferencesWindow& PreferencesWindow::open(QWidget& keypad, int indicator) {
    auto* window = static_cast<PreferencesWindow*>(keypad.findChild<QDialog*>("Preferences"));
    if (!window) {
        window = new PreferencesWindow(*InstalledParts<PreferencesParts>::of(keypad, kParts));
        window->setWindowModality(Qt::ApplicationModal);
        window->move(keypad.frameGeometry().topLeft() + QPoint(2, 200));
    }
    window->showTab(QString::fromStdString(prefs::tabOfIndicator(indicator)));
    window->show();
    window->raise();
    window->activateWindow();
    return *window;
}

void PreferencesWindow::showTab(const QString& name) {
    for (int i = 0; i < tabs_->count(); ++i) {
        if (tabs_->widget(i)->objectName() == name && tabs_->isTabVisible(i))
            tabs_->setCurrentIndex(i);
    }
}

PreferencesWindow::~PreferencesWindow() = default;

QString PreferencesWindow::text(const Message& m) const {
    QString t = qs(tr_->text(m));
    if (t.isEmpty()) t = qs(m.french);
    // A "&" of the language file marks a mnemonic: it goes, the letter after it stays.
    return t.replace(QStringLiteral("&&"), QStringLiteral("\x01"))
        .remove(QLatin1Char('&'))
        .replace(QStringLiteral("\x01"), QStringLiteral("&&"));
}

QWidget* PreferencesWindow::addTab(const char* name, const QString& caption) {
    auto* page = new QWidget(tabs_);
    page->setObjectName(name);
    new QVBoxLayout(page);
    tabs_->addTab(page, caption.trimmed());
    return page;
}

QGroupBox* PreferencesWindow::addGroup(QWidget* page, const char* name, const QString& title) {
    auto* box = new QGroupBox(title.trimmed(), page);
    box->setObjectName(name);
    new QVBoxLayout(box);
    static_cast<QVBoxLayout*>(page->layout())->addWidget(box);
    return box;
}

// Tab enters a group of radio buttons on the checked one, as desktop dialogs do: the current
// choice is heard before the arrows change it. The others are left to the arrows, unless the
// checked one cannot be used (a separator the system refuses).
void PreferencesWindow::tabIntoChecked(QButtonGroup* group) {
    QAbstractButton* checked = group->checkedButton();
    const bool usable = checked && checked->isEnabled();
    for (QAbstractButton* b : group->buttons()) {
        b->setFocusPolicy(!usable || b == checked ? Qt::StrongFocus : Qt::ClickFocus);
    }
}

QButtonGroup* PreferencesWindow::radios(QGroupBox* box,
                                        const std::vector<std::pair<const char*, QString>>& items,
                                        int checked, std::function<void(int)> chosen) {
    auto* group = new QButtonGroup(box);
    for (std::size_t i = 0; i < items.size(); ++i) {
        auto* b = new QRadioButton(items[i].second, box);
        b->setObjectName(items[i].first);
        box->layout()->addWidget(b);
        group->addButton(b, static_cast<int>(i));
        b->setChecked(static_cast<int>(i) == checked);  // before the signal is connected
    }
    connect(group, &QButtonGroup::idClicked, this, [chosen](int id) { chosen(id); });
    tabIntoChecked(group);
    connect(group, &QButtonGroup::buttonToggled, this, [group] { tabIntoChecked(group); });
    return group;
}

RateEdit* PreferencesWindow::rateEdit(QGroupBox* box, const char* name, const QString& label,
                                      int kind, const std::string& value,
                                      std::function<void(const std::string&)> set) {
    auto* row = new QWidget(box);
    auto* line = new QHBoxLayout(row);
    line->setContentsMargins(0, 0, 0, 0);
    auto* caption = new QLabel(label, row);
    auto* edit = new RateEdit(static_cast<RateEdit::Kind>(kind), ds_, row);
    edit->setObjectName(name);
    edit->setText(qs(value));
    edit->setAccessibleName(label);
    caption->setBuddy(edit);
    // Every field of the window as wide: their left edges stand in one column.
    edit->setFixedWidth(edit->fontMetrics().horizontalAdvance(QLatin1Char('0')) * 16 + 12);
    line->addWidget(caption);
    line->addStretch();
    line->addWidget(edit);
    box->layout()->addWidget(row);
    edit->onEnter = [this] { close(); };
    edit->onChanged = [this, set](const QString& t) {
        set(t.toStdString());
        changed();
    };
    edit->onFocused = [this, edit] { colourGroup(edit); };
    hintAtOnce(edit);
    return edit;
}

void PreferencesWindow::hintAtOnce(QWidget* w) {
    w->setToolTip(text(kAtOnce));
}

void PreferencesWindow::colourGroup(RateEdit* focused) {
    for (const std::vector<RateEdit*>& group : edtGroups_) {
        if (std::find(group.begin(), group.end(), focused) == group.end()) continue;
        for (RateEdit* e : group) {
            QPalette p = e->palette();
            const QVariant rest = e->property("restColour");
            p.setColor(QPalette::Base, e == focused     ? kFocusYellow
                                       : rest.isValid() ? rest.value<QColor>()
                                                        : QColor(Qt::white));
            e->setPalette(p);
        }
    }
}

void PreferencesWindow::changed() {
    prefs::apply(choices_, holders_);
    p_.refresh();
}

void PreferencesWindow::done(int result) {
    if (!closed_) {
        closed_ = true;
        setObjectName("PreferencesClosed");  // the next opening makes a new window
        blink_.stop();
        prefs::close(choices_, holders_, ds_);
        p_.refresh();
    }
    QDialog::done(result);
}

}  // namespace zumbrel::gui
