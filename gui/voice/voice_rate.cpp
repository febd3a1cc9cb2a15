#include "gui/voice/voice_rate.h"

#include <QAction>

#include "core/ports.h"
#include "core/voice/speech_rate.h"
#include "core/voice/voice_state.h"
#include "gui/ui/qt_ports.h"

namespace zumbrel::gui {

constexpr Message kVoiceRateSaid{"MSG_VOICE_RATE", "Vitesse de la voix :"};

QString voiceRateText(const Translator& tr, double rate, char decimalSeparator) {
    QString value = qs(voice::rateText(rate));
    value.replace('.', QChar(decimalSeparator));
    return qs(tr.text(kVoiceRateSaid)) + " " + value;
}

void installVoiceRate(const VoiceRateCommands& c) {
    // At either end the rate stays and is told again: the user hears where it stopped.
    auto step = [c](double (*next)(double)) {
        c.state->rate = next(c.state->rate);
        c.tell(voiceRateText(*c.tr, c.state->rate, c.decimalSeparator()));
    };
    c.faster->setEnabled(true);
    c.slower->setEnabled(true);
    QObject::connect(c.faster, &QAction::triggered, c.faster, [step] { step(voice::fasterRate); });
    QObject::connect(c.slower, &QAction::triggered, c.slower, [step] { step(voice::slowerRate); });
}

}  // namespace zumbrel::gui
