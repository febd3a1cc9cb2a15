// The preferences' choices: decimals and separator, the result comment, the update check,
// the voice, and the miscellaneous tab (warnings and translucency).

#include <QAbstractItemView>
#include <QButtonGroup>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QRadioButton>
#include <QSlider>
#include <QTabWidget>

#include "core/calc/calculator.h"
#include "core/voice/speech_rate.h"
#include "gui/arrange/window_arranger.h"
#include "gui/net/network_services.h"
#include "gui/prefs/preferences_texts.h"
#include "gui/prefs/preferences_window.h"
#include "gui/ui/qt_ports.h"

namespace zumbrel::gui {

using namespace prefs_texts;

namespace {

constexpr char kSeparators[] = {'N', 'S', 'Q', 'C', 'P'};
const char* const kVoices[] = {"WMa", "WWo", "WCS", "WNS"};

// A red circle beside a separator the system cannot take.
QLabel* led(QWidget* parent, const char* name) {
    auto* l = new QLabel(parent);
    l->setObjectName(name);
    l->setFixedSize(12, 12);
    l->hide();
    return l;
}

void paintLed(QLabel* l, const QColor& c) {
    QPixmap dot(24, 24);
    dot.fill(Qt::transparent);
    QPainter p(&dot);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    p.drawEllipse(QRectF(2, 2, 20, 20));
    dot.setDevicePixelRatio(2);
    l->setPixmap(dot);
}

}  // namespace

void PreferencesWindow::buildDecimals() {
    QWidget* page = addTab("TabSheet1", text(kDecimals));
    QGroupBox* count = addGroup(page, "gbNbrDec", text(kNumberOfDecimals));
    radios(count,
           {{"rb0Dec", text(kNoneF)},
            {"rb1Dec", text(kOne)},
            {"rb2Dec", text(kTwo)},
            {"rb3Dec", text(kThree)},
            {"rb4Dec", text(kFour)},
            {"rb5Dec", text(kFive)}},
           choices_.decimals, [this](int n) {
               choices_.decimals = n;
               changed();
           });
    QGroupBox* thousands = addGroup(page, "gbSepMil", text(kThousands));
    const int checked = static_cast<int>(
        std::find(std::begin(kSeparators), std::end(kSeparators), choices_.separator) -
        std::begin(kSeparators));
    QButtonGroup* group = radios(thousands,
                                 {{"rbSepMilN", text(kNoneM)},
                                  {"rbSepMilS", text(kSpace)},
                                  {"rbSepMilQ", text(kQuote)},
                                  {"rbSepMilC", text(kComma)},
                                  {"rbSepMilP", text(kPoint)}},
                                 checked, [this](int i) {
                                     choices_.separator = kSeparators[i];
                                     separatorClicked();
                                     changed();
                                 });
    for (int i : {3, 4})
        group->button(i)->setEnabled(prefs::separatorEnabled(kSeparators[i], ds_));
    tabIntoChecked(group);
    for (int i : {3, 4}) {
        QAbstractButton* b = group->button(i);
        // The circle stands right of its button.
        auto* row = new QWidget(thousands);
        auto* line = new QHBoxLayout(row);
        line->setContentsMargins(0, 0, 0, 0);
        thousands->layout()->removeWidget(b);
        b->setParent(row);
        line->addWidget(b);
        leds_[i - 3] = led(row, i == 3 ? "shLedC" : "shLedP");
        line->addWidget(leds_[i - 3]);
        line->addStretch();
        thousands->layout()->addWidget(row);
        if (!b->isEnabled() && b->isChecked()) leds_[i - 3]->show();
    }
}

void PreferencesWindow::separatorClicked() {
    blink_.stop();
    for (QLabel* l : leds_)
        l->hide();
}

void PreferencesWindow::blink() {
    ledsRed_ = !ledsRed_;
    for (QLabel* l : leds_)
        paintLed(l, ledsRed_ ? QColor(Qt::red) : palette().color(QPalette::Button));
}

void PreferencesWindow::buildResultComment() {
    QWidget* page = addTab("TabSheet2", text(kResultComment));
    QGroupBox* box = addGroup(page, "gbDemandeConfirm", text(kConfirm));
    radios(box, {{"rbAvertirCR", text(kAskFirst)}, {"rbNoAvertirCR", text(kDontAsk)}},
           choices_.warnCR ? 0 : 1, [this](int i) {
               choices_.warnCR = i == 0;
               changed();
           });
    static_cast<QVBoxLayout*>(page->layout())->addStretch();
}

void PreferencesWindow::buildUpdate() {
    QWidget* page = addTab("TabSheet3", text(kUpdate));
    QGroupBox* box = addGroup(page, "gbDetectAuto", text(kDetectAuto));
    radios(box, {{"rbUpdateAutoOK", text(kYes)}, {"rbUpdateautoNo", text(kNo)}},
           choices_.seekUpdate ? 0 : 1, [this](int i) {
               choices_.seekUpdate = i == 0;
               changed();
           });
    // Without an update service there is nothing to look for.
    const auto* services =
        static_cast<const NetworkServices*>(p_.window.findChild<QObject*>("NetworkServices"));
    if (!services || services->base.isEmpty()) {
        box->setEnabled(false);
        auto* note = new QLabel(text(kServiceNotConfigured), page);
        note->setObjectName("lblNoService");
        page->layout()->addWidget(note);
    }
    static_cast<QVBoxLayout*>(page->layout())->addStretch();
}

void PreferencesWindow::buildVoice() {
    QWidget* page = addTab("TabSheet4", text(kVoice));
    QGroupBox* sounds = addGroup(page, "gbResSound", text(kSoundResources));
    const int voice =
        static_cast<int>(std::find_if(std::begin(kVoices), std::end(kVoices),
                                      [this](const char* v) { return choices_.voice == v; }) -
                         std::begin(kVoices));
    radios(sounds,
           {{"rbVoiceMan", text(kManVoice)},
            {"rbVoiceWoman", text(kWomanVoice)},
            {"rbWavCS", text(kCommonSound)},
            {"rbWavNS", text(kNoSound)}},
           voice, [this](int i) {
               choices_.voice = kVoices[i];
               changed();
           });
    QGroupBox* keys = addGroup(page, "gbEnoncResult", text(kKeysSpoken));
    radios(keys, {{"rbWavRY", text(kYes)}, {"rbWavRN", text(kNo)}}, choices_.speakKeys ? 0 : 1,
           [this](int i) {
               choices_.speakKeys = i == 0;
               changed();
           });
    // The voice's rate, 1 to 3 in quarters, written with the program's separator.
    QGroupBox* speed = addGroup(page, "gbVoiceRate", text(kVoiceRate));
    auto* rates = new QComboBox(speed);
    rates->setObjectName("cbVoiceRate");
    rates->setAccessibleName(text(kVoiceRate));
    rates->view()->setAccessibleName(text(kVoiceRate));  // its drop-down list
    const char ds = p_.calculator.registers().decimalSeparator;
    for (double r = voice::kSlowestRate; r <= voice::kFastestRate; r += voice::kRateStep) {
        rates->addItem(qs(voice::rateText(r)).replace('.', QChar(ds)) + " ×", r);
        if (r == choices_.rate) rates->setCurrentIndex(rates->count() - 1);
    }
    speed->layout()->addWidget(rates);
    connect(rates, &QComboBox::currentIndexChanged, this, [this, rates](int i) {
        choices_.rate = rates->itemData(i).toDouble();
        changed();
    });
    // Keys are spoken in French words only.
    const std::optional<char> letter = p_.letter();
    keys->setEnabled(!letter || std::string_view("GESIPQ").find(*letter) == std::string_view::npos);
}

void PreferencesWindow::buildMiscellaneous() {
    QWidget* page = addTab("TabSheet7", text(kMiscellaneous));
    QGroupBox* quit = addGroup(page, "gbAvertirQuit", text(kWarnQuit));
    radios(quit, {{"rbWarnModifiedOK", text(kYes)}, {"rbWarnModifiedNo", text(kNo)}},
           p_.modifiedWarn ? 0 : 1, [this](int i) { p_.modifiedWarn = i == 0; });
    QGroupBox* erase = addGroup(page, "gbAvertirDelRuban", text(kWarnErase));
    radios(erase, {{"rbWarnDelListOK", text(kYes)}, {"rbWarnDelListNo", text(kNo)}},
           p_.calculator.settings().okBoxGum ? 0 : 1,
           [this](int i) { p_.calculator.settings().okBoxGum = i == 0; });
    QGroupBox* interim = addGroup(page, "gbInterimSaid", text(kInterimSaid));
    // The example amount is written with the calculator's decimal separator.
    const auto example = [this](const Message& m) {
        const QString amount = QStringLiteral("15") + QChar(ds_) + QStringLiteral("00");
        return text(m)
            .replace(QStringLiteral("15,00"), amount)
            .replace(QStringLiteral("15.00"), amount);
    };
    radios(interim,
           {{"rbInterimLong", example(kInterimLong)}, {"rbInterimShort", example(kInterimShort)}},
           p_.calculator.settings().shortInterim ? 1 : 0,
           [this](int i) { p_.calculator.settings().shortInterim = i == 1; });
    QGroupBox* items = addGroup(page, "gbCountItems", text(kCountItems));
    radios(items, {{"rbCountItemsYes", text(kYes)}, {"rbCountItemsNo", text(kNo)}},
           p_.calculator.settings().countItems ? 0 : 1,
           [this](int i) { p_.calculator.settings().countItems = i == 0; });
    QGroupBox* alpha = addGroup(page, "gbAlphaBlend", text(kTranslucency));
    WindowArranger& arranger = *WindowArranger::of(p_.window);
    const std::pair<const char*, Message> bars[] = {{"tbTranspKeyboard", kKeypad},
                                                    {"tbTranspRibbon", kTape}};
    for (const auto& [name, caption] : bars) {
        const bool keypadBar = std::string_view(name) == "tbTranspKeyboard";
        auto* row = new QWidget(alpha);
        auto* line = new QHBoxLayout(row);
        line->setContentsMargins(0, 0, 0, 0);
        auto* label = new QLabel(text(caption), row);
        auto* bar = new QSlider(Qt::Horizontal, row);
        bar->setObjectName(name);
        bar->setRange(100, 255);
        bar->setAccessibleName(text(caption) + " – " + text(kTranslucency).trimmed());
        label->setBuddy(bar);
        auto* value = new QLabel(row);
        value->setObjectName(QString(name) + "Value");
        value->setMinimumWidth(32);
        // Filled before it is connected: opening the window changes nothing, even from a
        // value outside the bar's range.
        const int position = arranger.opacityValue(keypadBar);
        bar->setValue(position);
        value->setNum(position);
        connect(bar, &QSlider::valueChanged, this, [&arranger, keypadBar, value](int v) {
            arranger.setOpacityValue(keypadBar, v);
            value->setNum(v);
        });
        line->addWidget(label);
        line->addWidget(bar, 1);
        line->addWidget(value);
        alpha->layout()->addWidget(row);
    }
}

}  // namespace zumbrel::gui
