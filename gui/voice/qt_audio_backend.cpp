// The audio backend on Qt Multimedia, built as a library of its own and loaded at the first
// sound. Without an audio device nothing plays and nothing waits.

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QBuffer>
#include <QMediaDevices>
#include <memory>

#include "gui/voice/audio_backend.h"

namespace zumbrel::gui {
namespace {

QAudioFormat formatOf(const voice::PcmWave& w) {
    QAudioFormat f;
    f.setSampleRate(w.sampleRate);
    f.setChannelCount(w.channels);
    f.setSampleFormat(w.bitsPerSample == 8    ? QAudioFormat::UInt8
                      : w.bitsPerSample == 32 ? QAudioFormat::Int32
                                              : QAudioFormat::Int16);
    return f;
}

class QtAudioBackend final : public AudioBackend {
  public:
    bool playSync(const voice::PcmWave& wave, const std::function<bool()>& cutShort) override {
        auto play = start(wave);
        if (!play) return false;
        const int limit = static_cast<int>(wave.seconds() * 1000) + 2000;
        waitKeepingWindowPainted(
            [&] {
                const QAudio::State s = play->sink->state();
                return s == QAudio::IdleState || s == QAudio::StoppedState ||
                       (cutShort && cutShort());
            },
            limit, cutShort != nullptr);
        const bool heard =
            play->sink->error() == QAudio::NoError && play->sink->processedUSecs() > 0;
        play->sink->stop();
        return heard;
    }

    void playAsync(const voice::PcmWave& wave) override { async_ = start(wave); }

  private:
    struct Playing {
        QByteArray bytes;
        QBuffer buffer;
        std::unique_ptr<QAudioSink> sink;
    };

    std::unique_ptr<Playing> start(const voice::PcmWave& wave) {
        async_.reset();  // a new sound cuts the click off
        const QAudioDevice device = QMediaDevices::defaultAudioOutput();
        if (device.isNull() || wave.data.empty()) return nullptr;
        auto p = std::make_unique<Playing>();
        p->bytes = QByteArray(wave.data.data(), static_cast<qsizetype>(wave.data.size()));
        p->buffer.setData(p->bytes);
        p->buffer.open(QIODevice::ReadOnly);
        p->sink = std::make_unique<QAudioSink>(device, formatOf(wave));
        p->sink->start(&p->buffer);
        if (p->sink->error() != QAudio::NoError) return nullptr;
        return p;
    }

    std::unique_ptr<Playing> async_;
};

}  // namespace
}  // namespace zumbrel::gui

extern "C" Q_DECL_EXPORT zumbrel::gui::AudioBackend* zumbrel_create_audio_backend() {
    return new zumbrel::gui::QtAudioBackend;
}
