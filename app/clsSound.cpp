#include "app/clsSound.h"

#include "platform/SoundPlayer.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>

void clsSound::Play(const QString& strSound) {
    // A press or a menu command handled here would run in the middle of a move: it could
    // select a second piece or start a new game under the move's feet. So input is held back.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    // Input held back stays queued; wake the event loop so that it is delivered as soon as
    // the move returns, not only when the next window event happens to arrive.
    if (QAbstractEventDispatcher* dispatcher = QCoreApplication::eventDispatcher()) {
        dispatcher->wakeUp();
    }
    mPlayer.PlaySound(strSound);
}
