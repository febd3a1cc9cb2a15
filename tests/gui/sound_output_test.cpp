// Sound through the audio backend: a reading keeps the window alive and holds keys back.

#include "voice/sound_output.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

#include "memory_ports.h"

namespace zumbrel::gui {
namespace {

// A sink that takes its time, as a loudspeaker does.
class SlowBackend final : public AudioBackend {
  public:
    explicit SlowBackend(int ms) : ms_(ms) {}
    bool playSync(const voice::PcmWave& wave) override {
        played.push_back(wave.data.size());
        QElapsedTimer t;
        t.start();
        waitKeepingWindowPainted([&] { return t.elapsed() >= ms_; }, 5000);
        return deviceWorks;
    }
    bool deviceWorks = true;
    void playAsync(const voice::PcmWave& wave) override { async.push_back(wave.data.size()); }
    std::vector<std::size_t> played;
    std::vector<std::size_t> async;

  private:
    int ms_;
};

class Sound : public testing::Test {
  protected:
    Sound() {
        files.createFolders("/snd");
        for (const char* name : {"/snd/1.wav", "/snd/2.wav", "/snd/3.wav"})
            files.files[name] = voice::writeWav(voice::keyClick());
        files.files["/snd/other.wav"] = voice::writeWav(voice::keyClick(44100));
    }
    MemoryFileSystem files;
};

// Keys from the window system wait until the end of the reading (the loop excludes user
// input); posted keys, which this platform is limited to, still arrive in their order.
TEST_F(Sound, a_reading_keeps_the_window_painted_and_keys_come_in_order) {
    QtSoundOutput out(files);
    auto backend = std::make_unique<SlowBackend>(300);
    SlowBackend* slow = backend.get();
    out.setBackend(std::move(backend));
    QLineEdit edit;
    edit.show();
    int ticks = 0;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, &edit, [&] { ++ticks; });
    timer.start(10);
    QTimer::singleShot(50, &edit, [&] {
        QCoreApplication::postEvent(
            &edit, new QKeyEvent(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, "a"));
        QCoreApplication::postEvent(
            &edit, new QKeyEvent(QEvent::KeyPress, Qt::Key_B, Qt::NoModifier, "b"));
    });
    QElapsedTimer took;
    took.start();
    out.playSync("/snd/1.wav");
    EXPECT_GE(took.elapsed(), 300);  // the call returns when the sound has ended
    EXPECT_EQ(slow->played.size(), 1u);
    EXPECT_GT(ticks, 3);  // timers and painting went on meanwhile
    QCoreApplication::processEvents();
    EXPECT_EQ(edit.text(), "ab");  // keys typed meanwhile all arrive, in order
}

TEST_F(Sound, the_words_of_a_reading_are_joined_into_one_sound) {
    QtSoundOutput out(files);
    auto backend = std::make_unique<SlowBackend>(0);
    SlowBackend* slow = backend.get();
    out.setBackend(std::move(backend));
    out.playSyncSequence({"/snd/1.wav", "/snd/2.wav", "/snd/missing.wav", "/snd/3.wav"});
    ASSERT_EQ(slow->played.size(), 1u);
    EXPECT_EQ(slow->played[0], 3 * voice::keyClick().data.size());
    // Different formats cannot be joined: they play one after the other.
    out.playSyncSequence({"/snd/1.wav", "/snd/other.wav"});
    EXPECT_EQ(slow->played.size(), 3u);
}

TEST_F(Sound, without_an_audio_stack_nothing_waits) {
    QtSoundOutput out(files);  // no backend can be loaded beside the test program
    QElapsedTimer t;
    t.start();
    out.playSync("/snd/1.wav");
    out.playAsync("/snd/2.wav");
    EXPECT_LT(t.elapsed(), 2000);
    EXPECT_FALSE(out.lastReadingHeard());
}

// The window tells the screen reader whatever the voice could not say: a reading is heard only
// when every word was found and the device played it.
TEST_F(Sound, a_reading_is_heard_only_whole_and_from_a_working_device) {
    QtSoundOutput out(files);
    auto backend = std::make_unique<SlowBackend>(0);
    SlowBackend* device = backend.get();
    out.setBackend(std::move(backend));
    struct Case {
        std::vector<std::string> files;
        bool deviceWorks;
        bool heard;
    };
    const Case cases[] = {{{"/snd/1.wav", "/snd/2.wav"}, true, true},
                          {{"/snd/1.wav", "/snd/missing.wav"}, true, false},
                          {{"/snd/missing.wav"}, true, false},
                          {{"/snd/1.wav", "/snd/2.wav"}, false, false},
                          {{"/snd/1.wav", "/snd/other.wav"}, true, true},
                          {{"/snd/1.wav", "/snd/other.wav"}, false, false}};
    for (const Case& c : cases) {
        device->deviceWorks = c.deviceWorks;
        out.playSyncSequence(c.files);
        EXPECT_EQ(out.lastReadingHeard(), c.heard) << c.files.back() << " " << c.deviceWorks;
    }
}

TEST(Wav, reads_what_it_writes_and_refuses_what_is_not_pcm) {
    const voice::PcmWave click = voice::keyClick();
    const auto back = voice::readWav(voice::writeWav(click));
    ASSERT_TRUE(back);
    EXPECT_EQ(back->data, click.data);
    EXPECT_EQ(back->sampleRate, 22050);
    EXPECT_FALSE(voice::readWav("RIFF\x04\0\0\0WAVE"));
    EXPECT_FALSE(voice::readWav("not a wav file at all"));
    std::string truncated = voice::writeWav(click);
    truncated.resize(60);
    EXPECT_TRUE(voice::readWav(truncated));  // what is there is kept
}

TEST(Wav, silence_is_trimmed_at_both_ends) {
    voice::PcmWave w = voice::keyClick();
    const std::size_t sound = w.data.size();
    voice::PcmWave padded = w;
    padded.data = std::string(4000, '\0') + w.data + std::string(4000, '\0');
    const voice::PcmWave trimmed = voice::trimSilence(padded);
    EXPECT_LT(trimmed.data.size(), sound + 2 * 22050 * 2 * 8 / 1000 + 4);
    EXPECT_GT(trimmed.data.size(), sound / 2);
}

}  // namespace
}  // namespace zumbrel::gui
