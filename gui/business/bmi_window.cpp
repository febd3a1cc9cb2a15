#include "gui/business/bmi_window.h"

#include <QAction>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpressionValidator>

#include "core/business/bmi.h"
#include "core/calc/calculator.h"
#include "core/config/language.h"
#include "core/local_file_system.h"
#include "gui/config/translate_windows.h"
#include "gui/ui/painted_widgets.h"
#include "gui/ui/qt_ports.h"
#include "gui/voice/sound_output.h"

namespace zumbrel::gui {
namespace {

constexpr Message kCaption{"ITMPPM_IMC", "Indice de Masse Corporelle"};
constexpr Message kWeight{"YOUR_WEIGHT", "Votre poids"};
constexpr Message kHeight{"YOUR_SIZE", "Votre taille"};
constexpr Message kCalculate{"CALCULATE_THE_BODY_MASS_INDEX",
                             "Calculez l'Indice de Masse Corporelle"};
constexpr Message kYourIndex{"YOUR_BODY_MASS_INDEX_IS",
                             "Votre Indice de Masse Corporelle est de :"};
constexpr Message kConsult{"CONSULT_YOUR_DOCTOR", "N'hésitez pas à consulter votre médecin !"};
constexpr Message kWarning{"WARNING", "Avertissement !"};

// The French notice, line by line.
constexpr const char* kNotice =
    "MISE EN GARDE !\n\nCette classification ne s'applique pas systématiquement à tous les "
    "adultes, notamment les sportifs ou les personnes âgées.\n\nIMC signifie : Indice de Masse "
    "Corporelle.\n\nClassification de l'IMC suivant les critères déterminés par l'OMS :\n\n"
    "IMC inférieur à 18,50 .............. : Insuffisance pondérale\n"
    "IMC inférieur à 16,00 .............. : Maigreur sévère\n"
    "IMC De 16,00 à 16,99 .............. : Maigreur modérée\n"
    "IMC De 17,00 à 18,49 .............. : Maigreur légère\n"
    "IMC De 18,50 à 24,99 .............. : Valeur normale\n"
    "IMC De 25,00 à 29,99 .............. : Pré-obèse\n"
    "IMC De 30,00 à 34,99 .............. : Obésité classe I\n"
    "IMC De 35,00 à 39,99 .............. : Obésité classe II\n"
    "IMC égal ou supérieur à 40,00 : Obésité classe III\n\n"
    "Pour de plus amples conseils, consultez votre médecin ! ";

// A character the field would refuse: a decimal point in the weight, a letter, a fourth
// digit. It is refused with a beep, so that "70.5" does not silently become 705.
bool refusesTyping(const QLineEdit& field, const QString& typed) {
    if (typed.isEmpty() || !typed.front().isPrint() || !field.validator()) return false;
    QString text = field.text();
    int at = field.cursorPosition();
    if (field.hasSelectedText()) {
        at = field.selectionStart();
        text.remove(at, field.selectedText().size());
    }
    text.insert(at, typed);
    int pos = at + static_cast<int>(typed.size());
    return field.validator()->validate(text, pos) == QValidator::Invalid;
}

}  // namespace

BmiWindow::BmiWindow(QWidget* parent, const Translator& texts, std::optional<char> letter,
                     SoundOutput& sound, char decimalSeparator)
    : QDialog(parent), texts_(texts), letter_(letter), sound_(sound), ds_(decimalSeparator) {
    setObjectName("IMC");
    setWindowTitle(qs(texts_.text(kCaption)));
    setAccessibleName(windowTitle());
    auto* grid = new QGridLayout(this);
    const auto heading = [&](const Message& m, int row) {
        auto* l = new QLabel(qs(texts_.text(m)), this);
        grid->addWidget(l, row, 0);
        return l;
    };
    heading(kWeight, 0)->setObjectName("lblPoids");
    heading(kHeight, 1)->setObjectName("lblTaille");
    edtPoids_ = addField("edtPoids", "75", 3);
    edtMetres_ = addField("edtMetres", "1", 1);
    edtCentimetres_ = addField("edtCentimetres", "77", 2);
    edtPoids_->setValidator(
        new QRegularExpressionValidator(QRegularExpression("[0-9]{0,3}"), this));
    edtMetres_->setValidator(new QRegularExpressionValidator(QRegularExpression("[12]?"), this));
    edtCentimetres_->setValidator(
        new QRegularExpressionValidator(QRegularExpression("[0-9]{0,2}"), this));
    lblKilos_ = new QLabel(this);
    lblKilos_->setObjectName("lblKilos");
    lblMetre_ = new QLabel(this);
    lblMetre_->setObjectName("lblMetre");
    grid->addWidget(edtPoids_, 0, 1);
    grid->addWidget(lblKilos_, 0, 2);
    grid->addWidget(edtMetres_, 1, 1);
    grid->addWidget(lblMetre_, 1, 2);
    grid->addWidget(edtCentimetres_, 1, 3);
    btnCalculIMC_ = new QPushButton(qs(texts_.text(kCalculate)), this);
    btnCalculIMC_->setObjectName("btnCalculIMC");
    btnCalculIMC_->setAutoDefault(false);
    grid->addWidget(btnCalculIMC_, 2, 0, 1, 4);
    lblTableau_ = new QLabel(this);
    lblTableau_->setObjectName("lblTableau");
    setTextLook(lblTableau_, QColor(0, 0, 128), 13);
    lblWarn_ = new QLabel(this);
    lblWarn_->setObjectName("lblWarn");
    setTextLook(lblWarn_, Qt::red, 13, true);
    for (QLabel* l : {lblTableau_, lblWarn_}) {
        l->setTextFormat(Qt::PlainText);
        l->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
        l->setFocusPolicy(Qt::NoFocus);  // until it holds a result
    }
    grid->addWidget(lblTableau_, 3, 0, 1, 4);
    grid->addWidget(lblWarn_, 4, 0, 1, 3);
    auto* warn = new QPushButton(QStringLiteral("!"), this);
    warn->setObjectName("btnWarn");
    warn->setAccessibleName(qs(texts_.text(kWarning)));
    warn->setAutoDefault(false);
    warn->setFixedWidth(32);
    grid->addWidget(warn, 4, 3);
    connect(btnCalculIMC_, &QPushButton::clicked, this, [this] { calculate(); });
    connect(warn, &QPushButton::clicked, this, [this] { showNotice(); });
    showUnits();
    nameFields();
    keepSizeForEveryResult(grid);
}

// What a screen reader says of each field: the weight, and the height in metres and
// centimetres. A heading that already names its unit ("Your weight (kg)") keeps its words.
void BmiWindow::nameFields() {
    const auto withUnit = [](QString heading, const char* unit) {
        if (heading.endsWith(')') && heading.contains(" ("))
            heading.truncate(heading.lastIndexOf(" ("));
        return heading + " (" + unit + ")";
    };
    const QString height = qs(texts_.text(kHeight));
    edtPoids_->setAccessibleName(withUnit(qs(texts_.text(kWeight)), "kg"));
    edtMetres_->setAccessibleName(withUnit(height, "m"));
    edtCentimetres_->setAccessibleName(withUnit(height, "cm"));
}

// The window is as large as its longest result from the start: it never grows under the mouse.
void BmiWindow::keepSizeForEveryResult(QGridLayout* grid) {
    const std::string spacer = config::FrenchSpace(config::InstallCode::ZMB, letter_);
    int widest = 0;
    for (int c = 0; c <= static_cast<int>(business::BmiCategory::ObesityIII); ++c) {
        const QString line =
            qs(business::categoryLine(static_cast<business::BmiCategory>(c), texts_, spacer, ds_));
        widest = std::max(widest, QFontMetrics(lblTableau_->font()).horizontalAdvance(line));
    }
    lblTableau_->setMinimumWidth(widest + 4);
    const QString longestIndex = qs(texts_.text(kYourIndex)) + " 999" + QChar(ds_) + "99";
    btnCalculIMC_->setMinimumWidth(
        QFontMetrics(btnCalculIMC_->font()).horizontalAdvance(longestIndex) + 24);
    lblWarn_->setMinimumWidth(
        QFontMetrics(lblWarn_->font()).horizontalAdvance(qs(texts_.text(kConsult))) + 4);
    // An empty line is as tall as a written one.
    for (QLabel* l : {lblTableau_, lblWarn_})
        l->setMinimumHeight(QFontMetrics(l->font()).height());
    setFixedSize(grid->sizeHint());
    edtPoids_->selectAll();  // the window opens on the weight, ready to be typed over
}

QLineEdit* BmiWindow::addField(const char* name, const QString& text, int maxLength) {
    auto* e = new QLineEdit(text, this);
    e->setObjectName(name);
    e->setMaxLength(maxLength);
    e->setFixedWidth(12 * maxLength + 24);
    e->setMouseTracking(true);
    e->installEventFilter(this);
    connect(e, &QLineEdit::textEdited, this, [this, e] { refill(e); });
    connect(e, &QLineEdit::returnPressed, this, [this] { calculate(); });
    return e;
}

// After every change: no empty field, no weight of zero; a weight does not begin with 0 (a
// height's centimetres may: 1 m 05).
void BmiWindow::refill(QLineEdit* field) {
    const QString t = field->text();
    if (field == edtMetres_) {
        if (t.isEmpty()) field->setText(QStringLiteral("1"));
        field->selectAll();
        showUnits();
    } else if (t.isEmpty() || (field == edtPoids_ && t.toInt() == 0)) {
        // Put back selected: the next digit typed replaces it (82 typed after erasing 75).
        field->setText(QStringLiteral("77"));
        field->selectAll();
    } else if (field == edtPoids_ && t.startsWith('0')) {
        sound_.beep(Beep::Default);
        field->setText(t.mid(1));
    }
}

void BmiWindow::showUnits() {
    const business::BmiUnits u = business::bmiUnits(letter_, edtMetres_->text().toInt());
    lblKilos_->setText(qs(u.kilos));
    lblMetre_->setText(qs(u.metres));
}

void BmiWindow::calculate() {
    const auto bmi =
        business::bodyMassIndex(edtPoids_->text().toStdString(), edtMetres_->text().toStdString(),
                                edtCentimetres_->text().toStdString(), ds_);
    if (!bmi) return;
    btnCalculIMC_->setText(qs(texts_.text(kYourIndex)) + " " + qs(bmi->index));
    btnCalculIMC_->setAccessibleName(btnCalculIMC_->text());
    const std::string spacer = config::FrenchSpace(config::InstallCode::ZMB, letter_);
    lblTableau_->setText(qs(business::categoryLine(bmi->category, texts_, spacer, ds_)));
    lblWarn_->setText(bmi->advice ? qs(texts_.text(kConsult)) : QString());
    // An empty line is no stop for the keyboard.
    for (QLabel* l : {lblTableau_, lblWarn_})
        l->setFocusPolicy(l->text().isEmpty() ? Qt::NoFocus : Qt::TabFocus);
    // A reader hears the result as it appears.
    lblTableau_->setAccessibleName(btnCalculIMC_->text() + ". " + lblTableau_->text());
}

QString BmiWindow::notice(QString& title) const {
    QString text = QString::fromUtf8(kNotice);
    title = QStringLiteral("Avertissement !");
    if (!letter_ || letter_ == 'F') return text;
    if (letter_ == 'Q') {
        // Quebec typography: no space before "!" and ":".
        title = QStringLiteral("Avertissement!");
        return text.replace(QStringLiteral(" !"), QStringLiteral("!"))
            .replace(QStringLiteral(" :"), QStringLiteral(":"));
    }
    // The other languages: the language file's texts in the French notice's order.
    const auto t = [this](const char* key) { return qs(texts_.text(Message{key, ""})); };
    title = t("WARNING");
    QStringList lines{t("WARNING"),
                      {},
                      t("THIS_CLASSIFICATION_DOES_NOT_ALWAYS"),
                      t("INCLUDING_ATHLETES"),
                      {},
                      t("BMI_MEANING"),
                      {},
                      t("CLASSIFICATION_FOLLOWING_CRITERIA"),
                      {}};
    const std::pair<const char*, const char*> classes[] = {
        {"< 18,50", "WEIGHT_INCAPACITY"},        {"< 16,00", "SEVERE_THINNESS"},
        {"16,00 - 16,99", "MODERATE_THINNESS"},  {"17,00 - 18,49", "LIGHT_THINNESS"},
        {"18,50 - 24,99", "NORMAL_VALUES"},      {"25,00 - 29,99", "PRE_OBESE"},
        {"30,00 - 34,99", "OBESITE_CLASSIFY_I"}, {"35,00 - 39,99", "OBESITE_CLASSIFY_II"},
        {">= 40,00", "OBESITE_CLASSIFY_III"}};
    for (const auto& [range, key] : classes)
        lines << QString::fromLatin1(range) + " : " + t(key);
    lines << QString() << t("FOR_MORE_AMPLE_ADVICE_CONSULT");
    return lines.join('\n');
}

void BmiWindow::showNotice() {
    QString title;
    const QString text = notice(title);
    QMessageBox box(QMessageBox::Warning, title, text, QMessageBox::Ok, this);
    box.setObjectName("IMCNotice");
    box.exec();
}

bool BmiWindow::eventFilter(QObject* watched, QEvent* event) {
    auto* field = qobject_cast<QLineEdit*>(watched);
    if (field && event->type() == QEvent::MouseMove) field->selectAll();
    if (field && event->type() == QEvent::KeyPress &&
        refusesTyping(*field, static_cast<QKeyEvent*>(event)->text())) {
        sound_.beep(Beep::Default);
        return true;
    }
    if (field && event->type() == QEvent::KeyPress) {
        // The arrows go from field to field.
        const int key = static_cast<QKeyEvent*>(event)->key();
        QLineEdit* to = nullptr;
        if (field == edtPoids_)
            to = key == Qt::Key_Up ? edtCentimetres_ : key == Qt::Key_Down ? edtMetres_ : nullptr;
        else if (field == edtMetres_)
            to = key == Qt::Key_Up                               ? edtPoids_
                 : (key == Qt::Key_Down || key == Qt::Key_Right) ? edtCentimetres_
                                                                 : nullptr;
        else if (field == edtCentimetres_)
            to = (key == Qt::Key_Up || key == Qt::Key_Down) ? edtPoids_
                 : key == Qt::Key_Left                      ? edtMetres_
                                                            : nullptr;
        if (to) {
            to->setFocus();
            to->selectAll();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace zumbrel::gui
