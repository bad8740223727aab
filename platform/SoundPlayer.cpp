#include "platform/SoundPlayer.h"

#include "platform/DataFile.h"

#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QFileInfo>
#include <QSoundEffect>
#include <QTimer>
#include <QUrl>

#include <utility>

QtSoundPlayer::QtSoundPlayer(Locator locate) : mLocate(std::move(locate)) {
    if (QCoreApplication* application = QCoreApplication::instance()) {
        application->installEventFilter(this);
    }
}

QtSoundPlayer::~QtSoundPlayer() = default;

QSoundEffect* QtSoundPlayer::EffectFor(const QString& path) {
    if (QSoundEffect* effect = mEffects.value(path)) {
        return effect;
    }
    auto* effect = new QSoundEffect(this);
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
    if (!mFramePainted) {
        mWaiting = strName;
        return;
    }
    Start(strName);
}

bool QtSoundPlayer::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Paint && !mFramePainted) {
        mFramePainted = true;
        QCoreApplication::instance()->removeEventFilter(this);
        if (!mWaiting.isEmpty()) {
            // After this paint and its flush: the first frame is on screen by then.
            QTimer::singleShot(0, this, [this] { Start(std::exchange(mWaiting, QString())); });
        }
    }
    return QObject::eventFilter(watched, event);
}

void QtSoundPlayer::Start(const QString& strName) {
    const QString path = mLocate ? mLocate(strName) : DataFile(strName);
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
