#include "gui/arrange/skin_chooser.h"

#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

#include "core/config/language.h"
#include "gui/arrange/skins.h"
#include "gui/arrange/window_arranger.h"
#include "gui/ui/artwork.h"
#include "gui/ui/open_address.h"
#include "gui/ui/qt_ports.h"
#include "gui/ui/user_folders.h"

namespace zumbrel::gui {
namespace {

constexpr Message kTitle{"SKINS_TITLE", "Skins de Zumbrel"};
constexpr Message kUse{"SKINS_USE", "Utiliser ce skin"};
constexpr Message kOpenFolder{"SKINS_OPEN_FOLDER", "Ouvrir le dossier des skins"};
constexpr Message kClose{"SKINS_CLOSE", "Fermer"};
constexpr Message kBuiltIn{"SKINS_BUILT_IN", "Zumbrel (d'origine)"};
constexpr Message kHowTo{"SKINS_HOWTO",
                         "Un skin est un dossier qui contient SkinKeyBoard (626 × 560) et "
                         "SkinSmall (400 × 156), en GIF ou en PNG ; le fuchsia est transparent."};
constexpr QSize kPreview{140, 125};

// The skin as the window shows it: see-through where the picture is fuchsia.
QIcon preview(const QImage& picture) {
    QImage seeThrough = picture.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < seeThrough.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(seeThrough.scanLine(y));
        for (int x = 0; x < seeThrough.width(); ++x) {
            if (qRgb(qRed(line[x]), qGreen(line[x]), qBlue(line[x])) == artwork::kTransparentKey)
                line[x] = 0;
        }
    }
    // Premultiplied, the smoothing blends no fuchsia into the edges.
    const QPixmap shown =
        QPixmap::fromImage(seeThrough.convertToFormat(QImage::Format_ARGB32_Premultiplied)
                               .scaled(kPreview, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    // Chosen, a skin keeps its colours: its name is highlighted, not its picture tinted.
    QIcon icon(shown);
    icon.addPixmap(shown, QIcon::Selected);
    return icon;
}

}  // namespace

SkinChooser::SkinChooser(QWidget& window, WindowArranger& arranger)
    : QDialog(&window), arranger_(arranger), list_(new QListWidget(this)) {
    setObjectName("SkinChooser");
    setAttribute(Qt::WA_DeleteOnClose);
    const auto text = [&arranger](const Message& m) { return qs(arranger.texts().text(m)); };
    setWindowTitle(text(kTitle));
    list_->setObjectName("lstSkins");
    list_->setAccessibleName(text(kTitle));
    list_->setViewMode(QListView::IconMode);
    list_->setIconSize(kPreview);
    list_->setGridSize(kPreview + QSize(30, 40));
    list_->setResizeMode(QListView::Adjust);
    list_->setMovement(QListView::Static);
    list_->setMinimumSize(520, 220);
    auto* howTo = new QLabel(text(kHowTo), this);
    howTo->setWordWrap(true);
    auto* use = new QPushButton(text(kUse), this);
    use->setObjectName("btnUseSkin");
    use->setDefault(true);
    auto* folder = new QPushButton(text(kOpenFolder), this);
    folder->setObjectName("btnSkinsFolder");
    auto* close = new QPushButton(text(kClose), this);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(folder);
    buttons->addStretch();
    buttons->addWidget(use);
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(list_);
    layout->addWidget(howTo);
    layout->addLayout(buttons);
    connect(use, &QPushButton::clicked, this, [this] { useSelected(); });
    connect(list_, &QListWidget::itemActivated, this, [this] { useSelected(); });
    connect(close, &QPushButton::clicked, this, &QDialog::close);
    connect(folder, &QPushButton::clicked, this, [this] {
        QDir().mkpath(userSkinsFolder());
        openOrTell(QUrl::fromLocalFile(userSkinsFolder()), *this, arranger_.texts());
    });
    fill();
}

QString SkinChooser::userSkinsFolder() {
    return QDir(qs(userDataFolder())).filePath("skins");
}

SkinChooser& SkinChooser::open(QWidget& window, WindowArranger& arranger) {
    auto* chooser = static_cast<SkinChooser*>(window.findChild<QDialog*>("SkinChooser"));
    if (!chooser) chooser = new SkinChooser(window, arranger);
    chooser->show();
    chooser->raise();
    chooser->activateWindow();
    return *chooser;
}

void SkinChooser::fill() {
    const QString current = arranger_.skinName();
    auto* builtIn = new QListWidgetItem(preview(artwork::keypadSkin()),
                                        qs(arranger_.texts().text(kBuiltIn)), list_);
    builtIn->setData(Qt::UserRole, QString());
    list_->setCurrentItem(builtIn);
    const QString app = qs(arranger_.appFolder());
    for (const SkinEntry& skin : findSkins(skinFolders(app, QFileInfo(userSkinsFolder()).path()))) {
        QString error;
        const QImage picture = readSkinPicture(skin.keyboard, artwork::kKeypadSkinSize, error);
        auto* item = new QListWidgetItem(preview(picture), skin.name, list_);
        item->setData(Qt::UserRole, skin.name);
        if (!error.isEmpty()) item->setToolTip(error);
        if (skin.name.compare(current, Qt::CaseInsensitive) == 0) list_->setCurrentItem(item);
    }
}

void SkinChooser::useSelected() {
    if (const QListWidgetItem* item = list_->currentItem())
        arranger_.useSkin(item->data(Qt::UserRole).toString());
}

}  // namespace zumbrel::gui
