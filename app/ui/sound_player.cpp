#include "app/ui/sound_player.h"

#include <QAudioDevice>
#include <QDir>
#include <QFileInfo>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

#include "app/ui/start_up.h"

namespace suimei {

namespace {

QtMessageHandler outerHandler = nullptr;

// Asking for the audio outputs on a machine without a sound server makes the audio back end
// complain on stderr; having no sound is normal here, so that complaint is dropped.
void withoutAudioServerComplaints(QtMsgType type, const QMessageLogContext& context,
                                  const QString& message) {
    if (message.startsWith(QLatin1String("PulseAudioService"))) return;
    outerHandler(type, context, message);
}

bool hasAudioOutput() {
    outerHandler = qInstallMessageHandler(withoutAudioServerComplaints);
    const bool any = !QMediaDevices::audioOutputs().isEmpty();
    qInstallMessageHandler(outerHandler);
    return any;
}

}  // namespace

WavSoundPlayer::WavSoundPlayer(const QString& folder, QObject* parent)
    : QObject(parent), folder_(folder) {
    enabled_ = !runningUnderTests() && hasAudioOutput();
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
