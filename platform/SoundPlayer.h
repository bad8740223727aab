#pragma once

#include <QHash>
#include <QObject>
#include <QString>

#include <functional>

class QSoundEffect;

// Plays a sound file by bare name, without waiting for it.
class SoundPlayer {
public:
    virtual ~SoundPlayer() = default;
    virtual void PlaySound(const QString& strName) = 0;
};

// Looks the name up among the program's data files, or with the locator it is given. A new
// sound cuts off the one still playing, and a file that is missing or cannot be played gives
// the platform's beep instead. Starting the audio system takes longer than drawing a window, so a
// sound asked for before the first window has painted waits for that frame.
class QtSoundPlayer : public QObject, public SoundPlayer {
public:
    using Locator = std::function<QString(const QString& strName)>;
    explicit QtSoundPlayer(Locator locate = {});
    ~QtSoundPlayer() override;
    void PlaySound(const QString& strName) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Start(const QString& strName);
    QSoundEffect* EffectFor(const QString& path);

    Locator mLocate;
    QHash<QString, QSoundEffect*> mEffects; // loaded on first use, children of the player
    QSoundEffect* mPlaying = nullptr;
    bool mFramePainted = false;
    QString mWaiting; // the latest sound asked for before the first frame
};
