#pragma once

#include <QHash>
#include <QString>

#include <memory>

class QSoundEffect;

// Plays a sound file by bare name, without waiting for it.
class SoundPlayer {
public:
    virtual ~SoundPlayer() = default;
    virtual void PlaySound(const QString& strName) = 0;
};

// Looks the name up in the program's data folder; a new sound cuts off the one still playing,
// and a file that is missing or cannot be played gives the platform's beep instead.
class QtSoundPlayer : public SoundPlayer {
public:
    QtSoundPlayer();
    ~QtSoundPlayer() override;
    void PlaySound(const QString& strName) override;

private:
    QSoundEffect* EffectFor(const QString& path);

    QHash<QString, QSoundEffect*> mEffects; // loaded on first use, owned here
    QSoundEffect* mPlaying = nullptr;
};
