#include "qt_end_sound.h"

#include <QAudioDevice>
#include <QEventLoop>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QTimer>
#include <QUrl>

namespace vortalis {
namespace {

constexpr int kLongestWaitMilliseconds = 3000;

}  // namespace

void QtEndSound::Play() {
    std::error_code ignored;
    if (!std::filesystem::is_regular_file(file_, ignored)) return;
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
    effect.setSource(QUrl::fromLocalFile(QString::fromStdString(file_.string())));
    effect.play();
    if (effect.status() != QSoundEffect::Error) wait.exec(QEventLoop::ExcludeUserInputEvents);
}

}  // namespace vortalis
