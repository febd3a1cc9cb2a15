#include "gui/app/session.h"

#include <QMessageBox>

#include "core/config/language.h"
#include "core/local_file_system.h"
#include "core/voice/speech_rate.h"
#include "core/voice/voice_state.h"
#include "gui/arrange/window_arranger.h"
#include "gui/keypad/keypad_window.h"
#include "gui/tape/recent_tapes_menu.h"
#include "gui/tape/tape_window.h"
#include "gui/ui/qt_ports.h"
#include "gui/ui/user_folders.h"

namespace zumbrel::gui {

Session::Session(std::string appFolder, config::Environment env, char decimalSeparator)
    : files_(std::make_unique<LocalFileSystem>()),
      layout_(config::decideInstallLayout(*files_, std::move(appFolder), env)),
      file_(config::ProfileFile::load(*files_, layout_.settingsPath)),
      settings_(config::Settings::firstRun(decimalSeparator)) {
    config::ReadINI(file_, layout_.code, decimalSeparator, settings_);
}

Session::~Session() = default;

void Session::attach(KeypadWindow& keypad) {
    voice::VoiceState& v = keypad.voiceState();
    v.install = layout_.code;
    v.soundRoot = layout_.code == config::InstallCode::E ? std::string() : layout_.soundRoot;
    v.languageFolder = voice::languageFolderOf(settings_.lang);
    v.kind = settings_.voice;
    v.voiceCode = settings_.voice == "WMa" ? "M01" : "W01";
    v.speakKeys = settings_.rr;
    v.wavKeyOnly = settings_.wavKeyOnly;
    v.rate = voice::parseRate(settings_.voiceRate).value_or(1.0);  // any other text: as recorded
    keypad.applySettings(settings_);
    keypad.setLanguageSource(layout_.appFolder, static_cast<int>(layout_.code));
    WindowArranger* arranger = WindowArranger::of(keypad);
    arranger->setSkinFolders(qs(layout_.appFolder), qs(userDataFolder()));
    arranger->applySettings(settings_);
    if (RecentTapesMenu* recent = RecentTapesMenu::of(keypad)) recent->load(settings_.recentTapes);
    if (layout_.code == config::InstallCode::ZMB) keypad.chooseLanguage(settings_.lang, false);
    keypad.placeOnFirstShow = [this](KeypadWindow& k) {
        return WindowArranger::of(k)->placeAtStart(file_, settings_);
    };
    keypad.onClosing = [this](KeypadWindow& k) {
        std::string error;
        if (save(k, error) || reportedFailure_) return;
        reportedFailure_ = true;
        QMessageBox::warning(
            &k, QStringLiteral("Zumbrel"),
            QStringLiteral("Les réglages n'ont pas pu être enregistrés dans\n%1\n\n%2")
                .arg(qs(layout_.settingsPath), qs(error)));
    };
}

bool Session::save(KeypadWindow& keypad, std::string& error) {
    keypad.collectSettings(settings_);
    WindowArranger::of(keypad)->collectSettings(settings_);
    if (config::languageOfNumber(keypad.languageNumber())) settings_.lang = keypad.languageNumber();
    settings_.voice = keypad.voiceState().kind;
    settings_.rr = keypad.voiceState().speakKeys;
    settings_.wavKeyOnly = keypad.voiceState().wavKeyOnly;
    settings_.voiceRate = voice::rateText(keypad.voiceState().rate);
    if (const RecentTapesMenu* recent = RecentTapesMenu::of(keypad))
        settings_.recentTapes = recent->paths();
    config::writeOnClose(file_, layout_.code, settings_);
    WindowArranger::of(keypad)->savePlacements(file_);
    if (layout_.settingsInUserConfig) {
        const std::string folder =
            layout_.settingsPath.substr(0, layout_.settingsPath.find_last_of('/'));
        files_->createFolders(folder);
    }
    return file_.save(*files_, error);
}

}  // namespace zumbrel::gui
