#include "gui/business/business_panel.h"

#include <QAction>
#include <QFontMetrics>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTimer>
#include <algorithm>
#include <vector>

#include "core/business/messages.h"
#include "core/business/panel_texts.h"
#include "core/calc/calculator.h"
#include "core/config/language_keys.h"
#include "gui/business/rate_panel.h"
#include "gui/ui/accessibility.h"
#include "gui/ui/number_list_popup.h"
#include "gui/ui/painted_widgets.h"
#include "gui/ui/qt_ports.h"

namespace zumbrel::gui {
namespace {

using business::BusinessKey;

constexpr int kButton = 84, kPanel = 100, kHeight = 32, kGap = 4, kRow2 = 38;
constexpr int kSecondGroup = 2 * (kButton + kGap) + kPanel + 10;

const KeyButton::Colors kBusinessColors{QColor("#e6ecf8"), QColor("#cfd9ef"), QColor("#a9b6d6"),
                                        QColor("#1c3266")};
const QColor kListStripe(0xC9, 0xCB, 0xF1);  // 15846601

QRect cell(int x, int y, int width) {
    return {x, y, width, kHeight};
}

// A caption in the largest size up to 14 pixels that fits its button ("EU Steuern").
void fitCaption(QPushButton& b, const QString& caption) {
    QFont f = b.font();
    for (f.setPixelSize(14); f.pixelSize() > 9; f.setPixelSize(f.pixelSize() - 1)) {
        if (QFontMetrics(f).horizontalAdvance(caption) <= b.width() - 10) break;
    }
    b.setFont(f);
    b.setText(caption);
}

}  // namespace

BusinessPanel::BusinessPanel(QWidget* parent, calc::Calculator& calc, const Translator& tr,
                             const Hint& hint)
    : QWidget(parent),
      calc_(calc),
      tr_(tr),
      rows_(new QStandardItemModel(this)),
      vatRates_(new QStandardItemModel(this)) {
    setObjectName("PanelBusiness");
    setMouseTracking(true);
    const int panelX = 2 * (kButton + kGap);
    hint(addButton("btnTVAPlus", "+ TVA", cell(0, 0, kButton), BusinessKey::TvaPlus), "Calcul TVA");
    hint(addButton("btnTVAMoins", "- TVA", cell(kButton + kGap, 0, kButton), BusinessKey::TvaMinus),
         "Calcul HT sur un TTC");
    vatRate_ = addPanel("pnlTauxTVA", cell(panelX, 0, kPanel));
    hint(vatRate_, "Affiche taux TVA et déroule liste des taux (clic et double-clic)");
    quebecRates_ = addPanel("pnlTauxTPSTVP", cell(panelX, 0, kPanel));
    hint(quebecRates_, "Affiche le taux TPS et ");
    quebecRates_->hide();

    hint(addButton("btnEuroToFranc", "€ > F", cell(kSecondGroup, 0, kButton),
                   BusinessKey::EuroToOther),
         "Calcul convertir");
    hint(addButton("btnFrancToEuro", "F > €", cell(kSecondGroup + kButton + kGap, 0, kButton),
                   BusinessKey::OtherToEuro),
         "Calcul convertir");
    moneyRate_ = addPanel("pnlEuro", cell(kSecondGroup + panelX, 0, kPanel));
    hint(moneyRate_, "Double-clic afin de choisir le taux de monnaie");

    hint(addButton("BtnCAResteAE", "AE Reste", cell(0, kRow2, kButton), BusinessKey::AeRemaining),
         "Option AE : calcul du CA restant à effectuer");
    hint(addButton("BtnChargesAE", "AE Charges", cell(kButton + kGap, kRow2, kButton),
                   BusinessKey::AeCharges),
         "Option AE : calcul des charges suivant CA effectué");
    profile_ = addPanel("pnlAE", cell(panelX, kRow2, kPanel + 20));
    hint(profile_, "Option AE : taux de charges et CA maximum (Clic et double-clic)");
    // The margin block's keys, between the self-employed panel and the golden number.
    const int marginX = panelX + kPanel + 20 + kGap;
    constexpr int kSmall = 54;
    hint(addButton("btnCost", "Coût", cell(marginX, kRow2, kSmall), BusinessKey::Cost),
         "Marge : coût hors taxes");
    hint(addButton("btnSale", "Vente", cell(marginX + kSmall + kGap, kRow2, kSmall),
                   BusinessKey::Sale),
         "Marge : prix de vente hors taxes");
    QPushButton* rate =
        addButton("btnMarginRate", "Marge %", cell(marginX + 2 * (kSmall + kGap), kRow2, kSmall),
                  BusinessKey::MarginRate);
    hint(rate, "Marge : taux de marge (sur le coût) ; appui long : taux de marque");
    addMarkonRate(*rate);
    QPushButton* golden = addButton("btnNbrGold", QStringLiteral("φ"),
                                    cell(kSecondGroup + panelX + kPanel - kButton, kRow2, kButton),
                                    BusinessKey::Golden);
    setTextLook(golden, kBusinessColors.text, 20, true, true);
    hint(golden, "Calcul du Nombre d'Or");
    resize(kSecondGroup + panelX + kPanel, kRow2 + kHeight);

    vatRate_->onClick = [this] { openVatRates(); };
    vatRate_->onDoubleClick = [this] {
        if (onPreferences) onPreferences(5);
    };
    // Its hint asks for a double click: both a click and a double click open the rates.
    quebecRates_->onClick = vatRate_->onDoubleClick;
    quebecRates_->onDoubleClick = vatRate_->onDoubleClick;
    moneyRate_->onDoubleClick = [this] {
        if (onPreferences) onPreferences(8);
    };
    profile_->onClick = [this] { openProfiles(); };
    profile_->onDoubleClick = [this] {
        if (onPreferences) onPreferences(6);
    };
    refresh();
}

// The two lists are made when first opened: the start draws none of them. A row chosen
// becomes the one in use; closed, the list gives the focus back to its panel.
NumberListPopup& BusinessPanel::list(NumberListPopup*& made, const char* name,
                                     void (business::BusinessRegisters::*choose)(std::size_t),
                                     QWidget* panel) {
    if (!made) {
        made = new NumberListPopup(this, name, 7, kListStripe);
        made->onChosen = [this, choose](int row) {
            (calc_.business().*choose)(static_cast<std::size_t>(row));
            refresh();
        };
        made->onClosed = [panel] { panel->setFocus(); };
    }
    return *made;
}

QPushButton* BusinessPanel::addButton(const char* name, const QString& caption, QRect where,
                                      BusinessKey key) {
    auto* b = new KeyButton(caption, kBusinessColors, 14, this);
    b->setObjectName(name);
    b->setGeometry(where);
    b->setFocusPolicy(Qt::TabFocus);
    connect(b, &QPushButton::clicked, this, [this, key] {
        if (onKey) onKey(key);
    });
    return b;
}

// The taux de marque, the margin key's second value: a long press, or its menu (right click,
// Shift+F10), for the mouse, the keyboard and screen readers alike.
void BusinessPanel::addMarkonRate(QPushButton& rate) {
    auto* markon = new QAction(qs(tr_.text(business::msg::kMarginMarkonItem)), &rate);
    markon->setObjectName("mItemMarkonRate");
    connect(markon, &QAction::triggered, this, [this] {
        if (onKey) onKey(BusinessKey::MarkonRate);
    });
    rate.addAction(markon);
    rate.setContextMenuPolicy(Qt::ActionsContextMenu);
    auto* held = new QTimer(&rate);
    held->setSingleShot(true);
    held->setInterval(600);
    connect(&rate, &QPushButton::pressed, held, qOverload<>(&QTimer::start));
    connect(held, &QTimer::timeout, this, [&rate, markon] {
        rate.setDown(false);  // the release that follows is no click
        markon->trigger();
    });
    connect(&rate, &QPushButton::released, held, &QTimer::stop);
}

RatePanel* BusinessPanel::addPanel(const char* name, QRect where) {
    auto* p = new RatePanel(name, this);
    p->setGeometry(where);
    return p;
}

// The rows of a list of choices; a reader hears which one is in use: "5,5 % (en cours)".
void BusinessPanel::fillChoices(QStandardItemModel& model, const QStringList& rows,
                                int inUse) const {
    const QString mark =
        qs(tr_.text(Message{"A11Y_RATE_IN_USE", config::frenchAccessibleName("A11Y_RATE_IN_USE")}));
    model.clear();
    for (int i = 0; i < rows.size(); ++i) {
        auto* row = new QStandardItem(rows[i]);
        if (i == inUse) row->setData(rows[i] + " (" + mark + ")", Qt::AccessibleTextRole);
        model.appendRow(row);
    }
}

void BusinessPanel::openVatRates() {
    // "5,5 %" in the program's separator.
    const business::BusinessRegisters& b = calc_.business();
    QStringList rows;
    int current = -1;
    for (std::size_t i = 0; i < b.lblTauxTVA.size(); ++i) {
        rows << qs(rateShown(b.lblTauxTVA[i])) + " %";
        if (b.lblTauxTVA[i] == b.pnlTauxTVA && current < 0) current = static_cast<int>(i);
    }
    fillChoices(*vatRates_, rows, current);
    list(vatList_, "cbbListTVA", &business::BusinessRegisters::chooseVatRate, vatRate_)
        .open(vatRates_, vatRate_, std::max(current, 0));
}

std::string BusinessPanel::rateShown(std::string_view rate) const {
    return business::rateShown(rate, calc_.registers().decimalSeparator);
}

void BusinessPanel::openProfiles() {
    QStringList rows;
    for (const std::string& r : calc_.business().profileRows(tr_.text(business::msg::kProfile),
                                                             tr_.text(business::msg::kSE)))
        rows << qs(r);
    // The list opens on the profile in use, marked, as the VAT list on its rate.
    const int current = static_cast<int>(calc_.business().profileRow());
    fillChoices(*rows_, rows, current);
    list(profileList_, "cbbListProfilAE", &business::BusinessRegisters::chooseProfile, profile_)
        .open(rows_, profile_, current);
}

void BusinessPanel::refresh() {
    const business::BusinessRegisters& b = calc_.business();
    const business::ButtonCaptions captions = business::buttonCaptions(tr_, b.letter);
    const std::pair<const char*, std::string_view> buttons[] = {
        {"btnTVAPlus", captions.btnTVAPlus},     {"btnTVAMoins", captions.btnTVAMoins},
        {"BtnCAResteAE", captions.BtnCAResteAE}, {"BtnChargesAE", captions.BtnChargesAE},
        {"btnEuroToFranc", b.btnEuroToFranc},    {"btnFrancToEuro", b.btnFrancToEuro},
    };
    for (const auto& [name, caption] : buttons)
        fitCaption(*findChild<QPushButton*>(name), qs(caption));
    marginShown_.reset();  // the language may have changed: the captions are made again
    showMarginValues(b.margin);
    if (auto* markon = findChild<QAction*>("mItemMarkonRate"))
        markon->setText(qs(tr_.text(business::msg::kMarginMarkonItem)));
    vatRate_->setVisible(!captions.quebecPanel);
    quebecRates_->setVisible(captions.quebecPanel);

    const std::pair<RatePanel*, QString> values[] = {
        {vatRate_, qs(rateShown(b.pnlTauxTVA)) + " %"},
        {quebecRates_, qs(rateShown(b.pnlTauxTPSTVP()))},
        {moneyRate_, qs(rateShown(b.pnlEuro()))},
        {profile_, qs(rateShown(b.pnlAE()))},
    };
    for (const auto& [panel, value] : values) {
        panel->setText(value);
        // The provincial tax is named as the user named it (TVQ, TVH).
        nameWithValue(*panel, value,
                      accessibleCaption(*panel).replace(QStringLiteral("%1"), qs(b.lblQuebTVP)));
    }
    // The hints that name the rates in use.
    for (const auto& [name, text] : business::composedHints(tr_, b)) {
        if (auto* w = findChild<QWidget*>(QString::fromLatin1(name.data(), name.size()))) {
            w->setProperty("zumbrelHint", qs(text));
            w->setAccessibleDescription(qs(text));
        }
    }
}

// A small key's caption in the largest size from 13 pixels down to 8 that fits, on one line,
// or on two (split at its last space) when one is too wide; a value waiting goes on a line
// of its own under the caption, or a check mark when it is too long to be drawn whole.
void fitSmallCaption(QPushButton& b, const QString& caption, const QString& value) {
    QFont f = b.font();
    const auto fitsAt = [&](int size, const QStringList& lines) {
        f.setPixelSize(size);
        const QFontMetrics m(f);
        int widest = 0;
        for (const QString& line : lines)
            widest = std::max(widest, m.horizontalAdvance(line));
        return widest <= b.width() - 6 && m.lineSpacing() * lines.size() <= b.height() - 2;
    };
    const qsizetype space = caption.lastIndexOf(' ');
    std::vector<QStringList> candidates;
    if (!value.isEmpty()) {
        candidates.push_back({caption, value});
        // A value too long for the key is only marked there; the status line and the key's
        // name tell it whole.
        candidates.push_back({caption, QStringLiteral("✓")});
    } else {
        candidates.push_back({caption});
        if (space > 0) candidates.push_back({caption.left(space), caption.mid(space + 1)});
    }
    for (const QStringList& lines : candidates) {
        for (int size = 13; size >= 8; --size) {
            if (!fitsAt(size, lines)) continue;
            b.setFont(f);
            b.setText(lines.join('\n'));
            return;
        }
    }
    fitsAt(8, candidates.back());  // the smallest size, whatever does not fit
    b.setFont(f);
    b.setText(candidates.back().join('\n'));
}

// The margin keys show what waits for the block: "Coût 80", "Marge % 25".
void BusinessPanel::showMarginValues(const business::MarginValues& m) {
    if (marginShown_ && *marginShown_ == m) return;  // the keys already show it
    marginShown_ = m;
    const char ds = calc_.registers().decimalSeparator;
    const auto waiting = [ds](const std::optional<business::Exact>& v) {
        return v ? qs(business::formatShortest(*v, ds)) : QString();
    };
    const QString rateCaption = m.rateOnSale ? qs(tr_.text(business::msg::kMarginMarkonItem))
                                             : qs(tr_.text(business::msg::kMarginRateButton));
    const std::tuple<const char*, QString, QString> keys[] = {
        {"btnCost", qs(tr_.text(business::msg::kMarginCostButton)), waiting(m.cost)},
        {"btnSale", qs(tr_.text(business::msg::kMarginSaleButton)), waiting(m.sale)},
        {"btnMarginRate", m.rate ? rateCaption : qs(tr_.text(business::msg::kMarginRateButton)),
         waiting(m.rate)},
    };
    for (const auto& [name, caption, value] : keys) {
        auto* b = findChild<QPushButton*>(name);
        const QString spoken = value.isEmpty() ? caption : caption + " " + value;
        if (b->accessibleName() == spoken) continue;  // most keys change nothing here
        fitSmallCaption(*b, caption, value);
        b->setAccessibleName(spoken);
    }
}

}  // namespace zumbrel::gui
