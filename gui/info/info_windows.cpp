#include "gui/info/info_windows.h"

#include <unistd.h>

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStorageInfo>
#include <QTimer>
#include <QUrl>
#include <QVBoxLayout>

#include "core/config/language.h"
#include "core/local_file_system.h"
#include "core/version.h"
#include "gui/config/translate_windows.h"
#include "gui/net/network_services.h"
#include "gui/ui/licence_text.h"
#include "gui/ui/open_address.h"
#include "gui/ui/qt_ports.h"

namespace zumbrel::gui {
namespace {

constexpr Message kAbout{"ABOUT", "A propos..."};
constexpr Message kDevelopedUnder{"DEVELOPED_UNDER", "Développé avec"};
constexpr Message kAboutVoices{"ABOUT_THE_VOCAL_RESOURCES", "A propos des ressources vocales"};
constexpr Message kTranslation{"NAME_AUTHOR_TRANSLATION",
                               "Auteur de la traduction de cette langue :"};
constexpr Message kTranslator{"NAME_A_T", ""};
constexpr Message kTranslatorSiteWord{"SITE_AUTHOR_TRANSLATION", "Site Web de ce traducteur :"};
constexpr Message kTranslatorSite{"SITE_A_T", ""};
constexpr Message kTranslatorMailWord{"EMAIL_AUTHOR_TRANSLATION",
                                      "Adresse email de ce traducteur :"};
constexpr Message kTranslatorMail{"EMAIL_A_T", ""};
constexpr Message kPrinciple{"PRINCIPLE_OF_FUNCTIONING", "Principe de fonctionnement"};
// The machine's figures in About.
constexpr Message kPhysicalMemory{"ABOUT_PHYSICAL_MEMORY", "Mémoire physique disponible  :"};
constexpr Message kMemoryLoad{"ABOUT_MEMORY_LOAD", "Ressources système utilisées :"};
constexpr Message kProcessors{"ABOUT_PROCESSORS", "Nombre de processeurs        :"};
constexpr Message kProcessorRevision{"ABOUT_PROCESSOR_REVISION", "N° de révision processeur(s) :"};
constexpr Message kDiskTotal{"ABOUT_DISK_TOTAL", "Capacité totale :"};
constexpr Message kDiskFree{"ABOUT_DISK_FREE", "Espace libre    :"};
constexpr Message kDiskUsed{"ABOUT_DISK_USED", "Espace utilisé  :"};
constexpr Message kKilobytes{"ABOUT_KILOBYTES", "Ko"};
constexpr Message kBytes{"ABOUT_BYTES", "octets"};
constexpr Message kCredits{"CREDITS", "Remerciements"};
constexpr Message kLicence{"LICENSE", "Licence"};
constexpr Message kVoicesOf{"THE_VOICE_OF", "Les voix de..."};

constexpr const char* kVoiceNotice =
    "ABOUT THE VOICES\n\n"
    "Zumbrel's voices are not recordings of people: they are generated from text by the "
    "espeak-ng speech synthesizer (GPL-3.0-or-later) when Zumbrel is built, one WAV file a "
    "word, in a man's and a woman's voice for each language. Corsican is spoken by the "
    "closest voice espeak-ng has.\n\n"
    "LES VOIX\n\n"
    "Les voix de Zumbrel ne sont pas des enregistrements : elles sont produites à partir du "
    "texte par le synthétiseur vocal espeak-ng (GPL-3.0 ou ultérieure) lors de la construction "
    "de Zumbrel, un fichier WAV par mot, d'une voix d'homme et d'une voix de femme pour chaque "
    "langue. Le corse est dit par la voix la plus proche dont dispose espeak-ng.";

constexpr const char* kPrincipleText =
    "Zumbrel is a tape calculator: every number, operator and result is printed on the tape "
    "on the left, in colour, and can be saved, printed or exported. Type with the keyboard or "
    "click the keys; Enter computes, from left to right as an adding machine does. The "
    "buttons under the keys write finished blocks: VAT, currency, self-employed charges, the "
    "golden number. The README that comes with Zumbrel tells every key and command.\n\n"
    "Zumbrel est une calculatrice à ruban : chaque nombre, opérateur et résultat s'imprime "
    "sur le ruban à gauche, en couleur, et peut être enregistré, imprimé ou exporté. Tapez au "
    "clavier ou cliquez les touches ; Entrée calcule, de gauche à droite comme une machine à "
    "additionner. Les boutons sous les touches écrivent des blocs tout faits : TVA, monnaies, "
    "charges d'auto-entrepreneur, nombre d'or. Le README livré avec Zumbrel décrit chaque "
    "touche et chaque commande.";

constexpr const char* kCreditsText =
    "        AUX AUTEURS DES RESSOURCES SUIVANTES\n"
    "   TO THE AUTHORS OF THE FOLLOWING RESOURCES\n\n"
    "Qt 6 — The Qt Company and the Qt Project (LGPL-3.0): windows, text, printing.\n"
    "espeak-ng — its authors (GPL-3.0-or-later): the voices, generated at build time.\n"
    "Liberation fonts — Red Hat (SIL Open Font License 1.1): the tape's font where "
    "Courier New is missing.\n"
    "DejaVu fonts — the DejaVu authors (Bitstream Vera licence): the windows' text.\n"
    "GoogleTest and Google Benchmark — Google (BSD-3-Clause): the tests and measurements.";

// A modal window of one text, read-only, closed by Escape or its button.
void textWindow(QWidget* parent, const char* name, const QString& title, const QString& text,
                const std::function<void(QDialog&, QVBoxLayout&)>& more = {}) {
    QDialog dialog(parent);
    dialog.setObjectName(name);
    dialog.setWindowTitle(title);
    dialog.setAccessibleName(title);
    auto* layout = new QVBoxLayout(&dialog);
    auto* body = new QPlainTextEdit(text, &dialog);
    body->setObjectName("lblCommentaire");
    body->setReadOnly(true);
    body->setAccessibleName(title);
    body->setMinimumSize(520, 260);
    layout->addWidget(body);
    if (more) more(dialog, *layout);
    auto* close = new QPushButton(QStringLiteral("OK"), &dialog);
    close->setObjectName("btnOK");
    QObject::connect(close, &QPushButton::clicked, &dialog, &QDialog::accept);
    layout->addWidget(close, 0, Qt::AlignRight);
    dialog.exec();
}

QLabel* line(QWidget* parent, QVBoxLayout& layout, const char* name, const QString& text) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(name);
    l->setTextFormat(Qt::PlainText);
    l->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    layout.addWidget(l);
    return l;
}

}  // namespace

info::MachineFigures InfoWindows::readMachineFigures() {
    info::MachineFigures f;
    const auto slurp = [](const char* path) {
        QFile file(QString::fromLatin1(path));
        return file.open(QIODevice::ReadOnly) ? file.read(1 << 20).toStdString() : std::string();
    };
    const std::string meminfo = slurp("/proc/meminfo");
    f.memoryKb = info::memoryTotalKb(meminfo);
    f.memoryLoad = info::memoryLoadPercent(meminfo);
    if (const long n = sysconf(_SC_NPROCESSORS_ONLN); n > 0) f.processors = n;
    f.processorRevision = info::processorRevision(slurp("/proc/cpuinfo"));
    const QStorageInfo home(QDir::homePath());
    if (home.isValid() && home.isReady()) {
        f.diskTotal = static_cast<std::uint64_t>(home.bytesTotal());
        f.diskFree = static_cast<std::uint64_t>(home.bytesAvailable());
    }
    return f;
}

void InfoWindows::about(QWidget* parent, const Translator& texts, bool french) {
    QDialog dialog(parent);
    dialog.setObjectName("AboutBox");
    dialog.setWindowTitle(qs(texts.text(kAbout)));
    dialog.setAccessibleName(dialog.windowTitle());
    auto* layout = new QVBoxLayout(&dialog);
    const QString group = QLocale::system().groupSeparator();
    const std::string sep = group.isEmpty() ? std::string(" ") : group.toStdString();
    const info::MachineFigures f = readMachineFigures();
    line(&dialog, *layout, "lblProduct",
         "Zumbrel  v " + QString::fromLatin1(kVersion.data(), kVersion.size()) + " — 2026");
    line(&dialog, *layout, "lblTool", qs(texts.text(kDevelopedUnder)) + " C++20, Qt 6");
    const auto caption = [&texts](const Message& m) { return qs(texts.text(m)) + " "; };
    const std::string kilobytes = texts.text(kKilobytes), bytes = texts.text(kBytes);
    line(&dialog, *layout, "PhysMem",
         caption(kPhysicalMemory) + qs(info::memoryText(f, sep, kilobytes)));
    line(&dialog, *layout, "FreeRes", caption(kMemoryLoad) + qs(info::loadText(f)));
    line(&dialog, *layout, "NbrProc",
         caption(kProcessors) +
             (f.processors ? QString::number(*f.processors) : qs(info::kUnknown)));
    line(&dialog, *layout, "RevisProc", caption(kProcessorRevision) + qs(f.processorRevision));
    line(&dialog, *layout, "lblUnite", QDir::homePath());
    line(&dialog, *layout, "lblCapacite",
         caption(kDiskTotal) + qs(info::diskTotalText(f, sep, bytes)));
    line(&dialog, *layout, "lblHDDLibre",
         caption(kDiskFree) + qs(info::diskFreeText(f, sep, bytes)));
    line(&dialog, *layout, "lblUtilise", qs(info::diskUsedText(f, texts.text(kDiskUsed))));
    auto* voices = new QPushButton(qs(texts.text(kAboutVoices)), &dialog);
    voices->setObjectName("btnResSound");
    layout->addWidget(voices);
    // The translator's block: for the languages that have one.
    if (!french) {
        line(&dialog, *layout, "lblTranslation",
             qs(texts.text(kTranslation)) + " " + qs(texts.text(kTranslator)));
        // A translator who gave no site or address has no line for it.
        const std::pair<const char*, std::pair<Message, Message>> links[] = {
            {"lblTranslatorSite", {kTranslatorSiteWord, kTranslatorSite}},
            {"lblTranslatorMail", {kTranslatorMailWord, kTranslatorMail}}};
        for (const auto& [name, words] : links) {
            const std::string link = texts.text(words.second);
            if (!link.empty())
                line(&dialog, *layout, name, qs(texts.text(words.first)) + " " + qs(link));
        }
    }
    auto* close = new QPushButton(QStringLiteral("OK"), &dialog);
    close->setObjectName("btnOK");
    layout->addWidget(close, 0, Qt::AlignRight);
    QObject::connect(close, &QPushButton::clicked, &dialog, &QDialog::accept);
    // Enter closes the window wherever the focus stands; the voices' button takes Space.
    voices->setAutoDefault(false);
    close->setDefault(true);
    bool notice = false;
    // The voice notice follows once About has closed, never from inside it.
    QObject::connect(voices, &QPushButton::clicked, &dialog, [&dialog, &notice] {
        notice = true;
        dialog.accept();
    });
    dialog.exec();
    if (notice) voiceNotice(parent, texts);
}

void InfoWindows::voiceNotice(QWidget* parent, const Translator& texts) {
    textWindow(parent, "ResSound", qs(texts.text(kAboutVoices)), QString::fromUtf8(kVoiceNotice));
}

void InfoWindows::principle(QWidget* parent, const Translator& texts) {
    // The tutorials are on the maker's web server, when there is one: without it the window
    // shows no button that could only say so behind itself.
    auto* services = parent ? parent->findChild<NetworkServices*>("NetworkServices") : nullptr;
    textWindow(parent, "Info", qs(texts.text(kPrinciple)), QString::fromUtf8(kPrincipleText),
               [&](QDialog& dialog, QVBoxLayout& layout) {
                   if (!services || services->base.isEmpty()) return;
                   auto* tutorials = new QPushButton("  " + qs(texts.text(kPrinciple)), &dialog);
                   tutorials->setObjectName("btnInfo");
                   QObject::connect(tutorials, &QPushButton::clicked, services,
                                    [services] { services->openPage("/tutos.html#zmb"); });
                   layout.addWidget(tutorials, 0, Qt::AlignLeft);
               });
}

void InfoWindows::credits(QWidget* parent, const Translator& texts) {
    textWindow(parent, "Credits", qs(texts.text(kCredits)), QString::fromUtf8(kCreditsText),
               [&texts](QDialog& dialog, QVBoxLayout& layout) {
                   auto* row = new QHBoxLayout;
                   auto* voices = new QPushButton(qs(texts.text(kVoicesOf)), &dialog);
                   voices->setObjectName("btnPopUpMenu");
                   auto* menu = new QMenu(voices);
                   menu->setObjectName("ppmVox");
                   QAction* espeak = menu->addAction(QStringLiteral("espeak-ng"));
                   QObject::connect(espeak, &QAction::triggered, &dialog, [&dialog, &texts] {
                       openOrTell(QUrl(QStringLiteral("https://github.com/espeak-ng/espeak-ng")),
                                  dialog, texts);
                   });
                   voices->setMenu(menu);
                   auto* aboutQt = new QPushButton(
                       // Qt's own words for it, in Qt's translation of the language.
                       QCoreApplication::translate("QMessageBox", "About Qt"), &dialog);
                   aboutQt->setObjectName("btnAboutQt");
                   QObject::connect(aboutQt, &QPushButton::clicked, &dialog,
                                    [&dialog] { QMessageBox::aboutQt(&dialog); });
                   row->addWidget(voices);
                   row->addWidget(aboutQt);
                   row->addStretch();
                   layout.addLayout(row);
                   QTimer::singleShot(0, voices, [voices] { voices->setFocus(); });
               });
}

void InfoWindows::licence(QWidget* parent, const Translator& texts) {
    const QString french = QStringLiteral(
        "CONTRAT DE LICENCE\n\nZumbrel est distribué sous la licence MIT, dont le texte anglais "
        "fait foi ci-dessous : vous pouvez l'utiliser, le copier, le modifier et le distribuer "
        "librement, à condition d'en garder la mention de droit d'auteur et cette licence ; il "
        "est fourni tel quel, sans aucune garantie.\n\nLICENSE  AGREEMENT\n\n");
    textWindow(parent, "Licence", qs(texts.text(kLicence)),
               french + QString::fromUtf8(kLicenceText));
}

void InfoWindows::install(const InfoCommands& c) {
    const auto open = [c](void (*window)(QWidget*, const Translator&, bool)) {
        const auto texts = c.texts();
        window(c.window, *texts, texts->french());
    };
    const std::pair<const char*, void (*)(QWidget*, const Translator&, bool)> items[] = {
        {"mItemAPropos", [](QWidget* p, const Translator& t, bool f) { about(p, t, f); }},
        {"mItemLicence", [](QWidget* p, const Translator& t, bool) { licence(p, t); }},
        {"mItemCredits", [](QWidget* p, const Translator& t, bool) { credits(p, t); }},
        {"mItemPrincipeFonction", [](QWidget* p, const Translator& t, bool) { principle(p, t); }},
    };
    for (const auto& [name, window] : items) {
        QAction* item = c.window->findChild<QAction*>(name);
        item->setEnabled(true);
        QObject::connect(item, &QAction::triggered, c.window,
                         [open, window = window] { open(window); });
    }
    // The tape's toolbar button and its right-click menu item open the principle as well.
    for (QAction* info : {c.tapeInfo, c.tapePrinciple}) {
        info->setEnabled(true);
        QObject::connect(info, &QAction::triggered, c.window, [open] {
            open([](QWidget* p, const Translator& t, bool) { principle(p, t); });
        });
    }
}

}  // namespace zumbrel::gui
