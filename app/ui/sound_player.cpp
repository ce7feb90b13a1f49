#include "app/ui/sound_player.h"

#include <QAudioDevice>
#include <QDir>
#include <QFileInfo>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

#include "app/ui/start_up.h"

namespace suimei {

WavSoundPlayer::WavSoundPlayer(const QString& folder, QObject* parent)
    : QObject(parent), folder_(folder) {
    enabled_ = !runningUnderTests() && !QMediaDevices::audioOutputs().isEmpty();
}

void WavSoundPlayer::play(const QString& fileName) {
    if (!enabled_) return;
    const QString path = QDir(folder_).filePath(fileName);
    if (!QFileInfo::exists(path)) return;  // a missing sound is not worth a message
    QSoundEffect*& effect = effects_[fileName];
    if (!effect) {
        effect = new QSoundEffect(this);
        effect->setSource(QUrl::fromLocalFile(path));
    }
    effect->stop();
    effect->play();
}

}  // namespace suimei
