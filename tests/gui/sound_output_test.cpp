// Sound through the audio backend: a reading keeps the window alive and holds keys back.

#include "gui/voice/sound_output.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <cmath>

#include "core/memory_ports.h"

namespace zumbrel::gui {
namespace {

// A sink that takes its time, as a loudspeaker does.
class SlowBackend final : public AudioBackend {
  public:
    explicit SlowBackend(int ms) : ms_(ms) {}
    bool playSync(const voice::PcmWave& wave, const std::function<bool()>&) override {
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

// A loudspeaker that plays until the end or until the reading is cut short.
class CuttableBackend final : public AudioBackend {
  public:
    explicit CuttableBackend(int ms = 2000) : ms_(ms) {}
    bool playSync(const voice::PcmWave& wave, const std::function<bool()>& cutShort) override {
        played.push_back(wave.data.size());
        QElapsedTimer t;
        t.start();
        waitKeepingWindowPainted([&] { return t.elapsed() >= ms_ || (cutShort && cutShort()); },
                                 5000, cutShort != nullptr);
        lasted = t.elapsed();
        return true;
    }
    void playAsync(const voice::PcmWave&) override {}
    std::vector<std::size_t> played;
    qint64 lasted = 0;

  private:
    int ms_;
};

void pressOn(QWindow* window, Qt::Key key, Qt::KeyboardModifiers mods, const QString& text) {
    for (QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease})
        QCoreApplication::postEvent(window, new QKeyEvent(type, key, mods, text));
}

// A fast typist never waits for the voice: a key cuts the reading short, then it is typed,
// and every key typed meanwhile arrives, in order.
TEST_F(Sound, a_key_typed_during_a_reading_cuts_it_short_and_nothing_is_lost) {
    QtSoundOutput out(files);
    auto backend = std::make_unique<CuttableBackend>();
    CuttableBackend* device = backend.get();
    out.setBackend(std::move(backend));
    QLineEdit edit;
    edit.show();
    edit.setFocus();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&edit));
    QTimer::singleShot(50, &edit, [&] {
        pressOn(edit.windowHandle(), Qt::Key_A, Qt::NoModifier, "a");
        pressOn(edit.windowHandle(), Qt::Key_B, Qt::NoModifier, "b");
    });
    out.playSync("/snd/1.wav");
    EXPECT_LT(device->lasted, 1000);  // cut short, not the whole 2 s
    EXPECT_EQ(edit.text(), "");       // nothing typed in the middle of the reading
    QCoreApplication::processEvents();
    EXPECT_EQ(edit.text(), "ab");
}

// A click during a reading waits for its end, then presses the button.
TEST_F(Sound, a_click_during_a_reading_presses_the_button_afterwards) {
    QtSoundOutput out(files);
    out.setBackend(std::make_unique<CuttableBackend>(300));
    QPushButton button("OK");
    button.resize(80, 30);
    int clicked = 0;
    QObject::connect(&button, &QPushButton::clicked, &button, [&] { ++clicked; });
    button.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&button));
    QTimer::singleShot(50, &button, [&] {
        const QPointF at(40, 15);
        for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease})
            QCoreApplication::postEvent(
                button.windowHandle(),
                new QMouseEvent(type, at, button.mapToGlobal(at), Qt::LeftButton,
                                type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton,
                                Qt::NoModifier));
    });
    out.playSync("/snd/1.wav");
    EXPECT_EQ(clicked, 0);  // nothing ran in the middle of the reading
    QCoreApplication::processEvents();
    EXPECT_EQ(clicked, 1);
}

// A shortcut pressed during a reading (Qt no longer matches it once held back) runs after it.
TEST_F(Sound, a_shortcut_pressed_during_a_reading_runs_after_it) {
    QtSoundOutput out(files);
    out.setBackend(std::make_unique<CuttableBackend>());
    QLineEdit edit;
    QAction faster(&edit);
    faster.setShortcut(QKeySequence("Ctrl+Shift+Up"));
    edit.addAction(&faster);
    int triggered = 0;
    QObject::connect(&faster, &QAction::triggered, &edit, [&] { ++triggered; });
    edit.show();
    edit.setFocus();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&edit));
    QTimer::singleShot(50, &edit, [&] {
        pressOn(edit.windowHandle(), Qt::Key_Up, Qt::ControlModifier | Qt::ShiftModifier, "");
    });
    out.playSync("/snd/1.wav");
    EXPECT_EQ(triggered, 0);
    QCoreApplication::processEvents();
    EXPECT_EQ(triggered, 1);
    EXPECT_EQ(edit.text(), "");
}

// At rate 2 a reading lasts half as long; the same file at the same rate is made once.
TEST_F(Sound, a_reading_at_rate_two_lasts_half_as_long) {
    voice::PcmWave tone;
    for (int i = 0; i < 11025; ++i) {
        const auto v = static_cast<std::int16_t>(8000 * std::sin(i * 2 * 3.14159265 * 150 / 22050));
        tone.data.push_back(static_cast<char>(v & 0xFF));
        tone.data.push_back(static_cast<char>((v >> 8) & 0xFF));
    }
    files.files["/snd/tone.wav"] = voice::writeWav(tone);
    QtSoundOutput out(files);
    auto backend = std::make_unique<SlowBackend>(0);
    SlowBackend* device = backend.get();
    out.setBackend(std::move(backend));
    double rate = 1;
    out.rate = [&rate] { return rate; };
    for (double r : {1.0, 2.0, 2.0}) {
        rate = r;
        out.playSync("/snd/tone.wav");
    }
    ASSERT_EQ(device->played.size(), 3u);
    EXPECT_NEAR(static_cast<double>(device->played[1]) / static_cast<double>(device->played[0]),
                0.5, 0.05);
    EXPECT_EQ(device->played[2], device->played[1]);
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
