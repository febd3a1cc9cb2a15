#pragma once

#include <QString>
#include <functional>

class QAction;

namespace zumbrel {
class Translator;
namespace voice {
struct VoiceState;
}
}  // namespace zumbrel

namespace zumbrel::gui {

// "Plus vite" and "Moins vite" in the options menu: the voice one step (0,25) faster or
// slower, from 1 to 3; the rate is told ("Vitesse de la voix : 1,5") through `tell`.
struct VoiceRateCommands {
    QAction* faster = nullptr;
    QAction* slower = nullptr;
    voice::VoiceState* state = nullptr;
    const Translator* tr = nullptr;
    std::function<char()> decimalSeparator;
    std::function<void(const QString&)> tell;
};
void installVoiceRate(const VoiceRateCommands& c);

// "Vitesse de la voix : 1,5", the rate written with the program's decimal separator.
QString voiceRateText(const Translator& tr, double rate, char decimalSeparator);

}  // namespace zumbrel::gui
