#include "platform/SoundPlayer.h"

#include "platform/DataFolder.h"

#include <QApplication>
#include <QFileInfo>
#include <QSoundEffect>
#include <QUrl>

QtSoundPlayer::QtSoundPlayer() = default;

QtSoundPlayer::~QtSoundPlayer() {
    qDeleteAll(mEffects);
}

QSoundEffect* QtSoundPlayer::EffectFor(const QString& path) {
    if (QSoundEffect* effect = mEffects.value(path)) {
        return effect;
    }
    auto* effect = new QSoundEffect;
    QObject::connect(effect, &QSoundEffect::statusChanged, effect, [effect] {
        if (effect->status() == QSoundEffect::Error) {
            QApplication::beep();
        }
    });
    effect->setSource(QUrl::fromLocalFile(path));
    mEffects.insert(path, effect);
    return effect;
}

void QtSoundPlayer::PlaySound(const QString& strName) {
    const QString path = DataFolder() + QLatin1Char('/') + strName;
    if (mPlaying != nullptr) {
        mPlaying->stop();
        mPlaying = nullptr;
    }
    if (!QFileInfo(path).isFile()) {
        QApplication::beep();
        return;
    }
    QSoundEffect* effect = EffectFor(path);
    if (effect->status() == QSoundEffect::Error) {
        QApplication::beep();
        return;
    }
    effect->play(); // a sound still loading starts as soon as it is ready
    mPlaying = effect;
}
