// The end sound's player, built as a module that Sealbox opens only to play it:
// Qt Multimedia and the audio libraries under it would otherwise load with every
// start of the program.

#include <QAudioDevice>
#include <QEventLoop>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QTimer>
#include <QUrl>

namespace {

constexpr int kLongestWaitMilliseconds = 3000;

}  // namespace

// Plays the wave file and returns when it has ended, three seconds at most;
// at once when there is no audio output.
extern "C" Q_DECL_EXPORT void vortalis_play_end_sound(const char* utf8Path) {
    if (QMediaDevices::audioOutputs().isEmpty()) return;

    QSoundEffect effect;
    QEventLoop wait;
    bool started = false;
    QObject::connect(&effect, &QSoundEffect::playingChanged, &wait, [&] {
        if (effect.isPlaying()) {
            started = true;
        } else if (started) {
            wait.quit();
        }
    });
    QObject::connect(&effect, &QSoundEffect::statusChanged, &wait, [&] {
        if (effect.status() == QSoundEffect::Error) wait.quit();
    });
    QTimer::singleShot(kLongestWaitMilliseconds, &wait, &QEventLoop::quit);
    effect.setSource(QUrl::fromLocalFile(QString::fromUtf8(utf8Path)));
    effect.play();
    if (effect.status() != QSoundEffect::Error) wait.exec(QEventLoop::ExcludeUserInputEvents);
}
