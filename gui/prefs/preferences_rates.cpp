// The preferences' rates: VAT (or the Quebec taxes), the currencies and the self-employed
// profiles. Each field writes its register at every change.

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

#include "core/business/messages.h"
#include "gui/prefs/preferences_texts.h"
#include "gui/prefs/preferences_window.h"
#include "gui/prefs/rate_edit.h"
#include "gui/ui/qt_ports.h"

namespace zumbrel::gui {

using namespace prefs_texts;

namespace {

constexpr int kRateField = static_cast<int>(RateEdit::Kind::Rate);
constexpr int kCeiling = static_cast<int>(RateEdit::Kind::Ceiling);
constexpr int kTaxName = static_cast<int>(RateEdit::Kind::TaxName);

// The self-employed profiles' own colours: A, B, C.
const QColor kProfileColours[] = {QColor(0xA6, 0xA6, 0xFF), QColor(0xFF, 0xA8, 0x51),
                                  QColor(0x97, 0xFF, 0x97)};

void restColour(RateEdit* e, const QColor& c) {
    e->setProperty("restColour", c);
    QPalette p = e->palette();
    p.setColor(QPalette::Base, c);
    e->setPalette(p);
}

}  // namespace

void PreferencesWindow::buildRates() {
    const bool quebec = p_.letter() == 'Q';
    QWidget* page =
        addTab("TabSheet5", quebec ? text(kQuebecTab)
                                   : text(prefs_texts::kRate) + " " + text(business::msg::kTVA));
    QGroupBox* vat = addGroup(page, "gbTauxTVA", text(kVatRates));
    std::vector<RateEdit*> vatEdits;
    const Message labels[] = {{"RATE_1", "Taux 1"}, {"RATE_2", "Taux 2"}, {"RATE_3", "Taux 3"},
                              {"RATE_4", "Taux 4"}, {"RATE_5", "Taux 5"}, {"RATE_6", "Taux 6"}};
    for (std::size_t i = 0; i < 6; ++i) {
        const std::string name = "edtTauxTVA" + std::to_string(i + 1);
        vatEdits.push_back(rateEdit(vat, name.c_str(), text(labels[i]), kRateField, choices_.vat[i],
                                    [this, i](const std::string& t) { choices_.vat[i] = t; }));
    }
    QGroupBox* taxes = addGroup(page, "gbTauxQuebec", text(kQuebecRates));
    std::vector<RateEdit*> quebecEdits{
        rateEdit(taxes, "EdtTauxTPS", text(kQuebecTps), kRateField, choices_.tps,
                 [this](const std::string& t) { choices_.tps = t; }),
        rateEdit(taxes, "EdTTauxTVP", text(kQuebecTvp), kRateField, choices_.tvp,
                 [this](const std::string& t) { choices_.tvp = t; }),
        rateEdit(taxes, "edtQuebTVP", text(kQuebecTaxName), kTaxName, choices_.taxName,
                 [this](const std::string& t) { choices_.taxName = t; })};
    vat->setVisible(!quebec);
    taxes->setVisible(quebec);
    edtGroups_.push_back(vatEdits);
    edtGroups_.push_back(quebecEdits);
    static_cast<QVBoxLayout*>(page->layout())->addStretch();
}

void PreferencesWindow::buildCurrencies() {
    QWidget* page = addTab("TabSheet8", text(kCurrencies));
    // "Taux euro": the rate's word and the currency's name without its plural "s".
    QString euro = qs(choices_.euros);
    if (euro.endsWith('s')) euro.chop(1);
    QGroupBox* rate = addGroup(page, "gbTauxEuro", text(prefs_texts::kRate) + " " + euro);
    RateEdit* rateField =
        rateEdit(rate, "edtTauxEuro", rate->title(), kRateField, choices_.euroRate,
                 [this](const std::string& t) { choices_.euroRate = t; });
    edtGroups_.push_back({rateField});

    QGroupBox* buttons = addGroup(page, "gbLibelleBtn", text(kButtonTitles));
    const auto captionRow = [this, buttons](const char* edit, const char* preview,
                                            std::string& field) {
        auto* row = new QWidget(buttons);
        auto* line = new QHBoxLayout(row);
        line->setContentsMargins(0, 0, 0, 0);
        auto* e = new QLineEdit(qs(field), row);
        e->setObjectName(edit);
        auto* b = new QPushButton(qs(field), row);
        b->setObjectName(preview);
        b->setFocusPolicy(Qt::NoFocus);
        // The preview is read as the key it shows, its caption, under the group's title.
        b->setAccessibleDescription(text(kButtonTitles).trimmed());
        e->setAccessibleName(text(kButtonTitles).trimmed() + " " + qs(field));
        line->addWidget(e);
        line->addWidget(b);
        buttons->layout()->addWidget(row);
        hintAtOnce(e);
        connect(e, &QLineEdit::textChanged, this, [this, b, &field](const QString& t) {
            field = t.toStdString();
            b->setText(t);
            changed();
        });
    };
    captionRow("edtEuroToFranc", "btnEuroToFrancPreview", choices_.euroToFranc);
    captionRow("edtFrancToEuro", "btnFrancToEuroPreview", choices_.francToEuro);
    auto* reset = new QPushButton(text(kDefaultCurrencies), buttons);
    reset->setObjectName("btnDefaultLibel");
    buttons->layout()->addWidget(reset);
    connect(reset, &QPushButton::clicked, this, [this] { resetCurrencyLabels(); });

    QGroupBox* names = addGroup(page, "gbLibelleMoney", text(kCurrencyNames));
    const std::pair<const char*, std::string*> fields[] = {
        {"edtLibelleMoneyFrancs", &choices_.francs}, {"edtLibelleMoneyEuros", &choices_.euros}};
    for (const auto& [name, field] : fields) {
        auto* e = new QLineEdit(qs(*field), names);
        e->setObjectName(name);
        e->setAccessibleName(text(kCurrencyNames).trimmed() + " " + qs(*field));
        names->layout()->addWidget(e);
        hintAtOnce(e);
        connect(e, &QLineEdit::textChanged, this, [this, field = field](const QString& t) {
            *field = t.toStdString();
            changed();
        });
    }
}

void PreferencesWindow::resetCurrencyLabels() {
    QMessageBox ask(QMessageBox::Warning, text(kByDefault) + "...", text(kDefaultCurrencies) + " ?",
                    QMessageBox::Yes | QMessageBox::No, this);
    ask.setObjectName("AskDefaultCurrencies");
    ask.setDefaultButton(QMessageBox::No);
    if (ask.exec() != QMessageBox::Yes) return;
    const std::pair<const char*, QString> values[] = {
        {"edtEuroToFranc", QStringLiteral("€ > F")},
        {"edtFrancToEuro", QStringLiteral("F > €")},
        {"edtLibelleMoneyFrancs", QStringLiteral("francs")},
        {"edtLibelleMoneyEuros", QStringLiteral("euros")},
        {"edtTauxEuro", QStringLiteral("6%155957").arg(QChar(ds_))}};
    for (const auto& [name, value] : values)
        findChild<QLineEdit*>(name)->setText(value);
    choices_.euroRate = values[4].second.toStdString();  // a rate field reports typing only
    findChild<QGroupBox*>("gbTauxEuro")->setTitle(text(prefs_texts::kRate) + " euro");
    changed();
}

void PreferencesWindow::buildSelfEmployed() {
    QWidget* page = addTab("TabSheet6", text(business::msg::kSE));
    const Message profiles[] = {kProfileA, kProfileB, kProfileC};
    const char* const letters[] = {"A", "B", "C"};
    QGroupBox* rates = addGroup(page, "gbTauxCharges", text(kAeRates));
    QGroupBox* ceilings = addGroup(page, "gbCAMaxAE", text(kAeCeilings));
    std::vector<RateEdit*> rateEdits, ceilingEdits;
    for (std::size_t i = 0; i < 3; ++i) {
        const std::string rateName = std::string("edtTauxAE_") + letters[i];
        const std::string ceilingName = std::string("edtCAMaxAE_") + letters[i];
        rateEdits.push_back(rateEdit(rates, rateName.c_str(), text(profiles[i]), kRateField,
                                     choices_.aeRate[i],
                                     [this, i](const std::string& t) { choices_.aeRate[i] = t; }));
        ceilingEdits.push_back(rateEdit(
            ceilings, ceilingName.c_str(), text(profiles[i]), kCeiling, choices_.aeCeiling[i],
            [this, i](const std::string& t) { choices_.aeCeiling[i] = t; }));
        // Both fields of a profile show its letter; a reader hears which of the two it is.
        rateEdits.back()->setAccessibleName(text(profiles[i]) + ", " + text(kAeRates).trimmed());
        ceilingEdits.back()->setAccessibleName(text(profiles[i]) + ", " +
                                               text(kAeCeilings).trimmed());
        restColour(rateEdits.back(), kProfileColours[i]);
        restColour(ceilingEdits.back(), kProfileColours[i]);
    }
    edtGroups_.push_back(rateEdits);
    edtGroups_.push_back(ceilingEdits);
    QGroupBox* profile = addGroup(page, "gbProfilAE", text(business::msg::kSE));
    profile->setFlat(true);
    radios(profile,
           {{"rbProfilAE_A", text(kProfileA)},
            {"rbProfilAE_B", text(kProfileB)},
            {"rbProfilAE_C", text(kProfileC)}},
           choices_.profile - 1, [this](int i) {
               choices_.profile = i + 1;
               changed();
           });
}

}  // namespace zumbrel::gui
