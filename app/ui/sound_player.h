#pragma once
// Sound playback of the desktop program: WAV files of the application folder, played without
// waiting. A machine without an audio output stays silent, and so does the test suite.

#include <QHash>
#include <QObject>
#include <QString>
#include <QStringList>

class QSoundEffect;

namespace suimei {

class SoundPlayer {
  public:
    virtual ~SoundPlayer() = default;
    // Starts playing the named file ("kantei.wav") and returns at once.
    virtual void play(const QString& fileName) = 0;
};

// Plays nothing.
class SilentSoundPlayer : public SoundPlayer {
  public:
    void play(const QString&) override {}
};

// Keeps the names it was asked to play (tests).
class RecordingSoundPlayer : public SoundPlayer {
  public:
    QStringList played;
    void play(const QString& fileName) override { played << fileName; }
};

// Plays WAV files from a folder through the default audio output.
class WavSoundPlayer : public QObject, public SoundPlayer {
  public:
    explicit WavSoundPlayer(const QString& folder, QObject* parent = nullptr);
    void play(const QString& fileName) override;
    // False when there is no audio output or under the test suite; play() then does nothing.
    bool enabled() const { return enabled_; }

  private:
    QString folder_;
    bool enabled_ = false;
    QHash<QString, QSoundEffect*> effects_;
};

}  // namespace suimei
