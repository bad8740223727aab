#include "app/ZoomChoice.h"

#include "app/GameArea.h"
#include "app/ScreenFollower.h"
#include "board/AreaLayout.h"
#include "platform/Stored.h"

#include <QAction>
#include <QActionGroup>
#include <QEvent>
#include <QMainWindow>
#include <QScreen>
#include <QTimer>

#include <cstdlib>
#include <utility>

ZoomChoice::ZoomChoice(QMainWindow& window, GameArea& area, ScreenFollower& follower,
                       QActionGroup& steps)
    : QObject(&window), mWindow(window), mArea(area), mFollower(follower), mSteps(steps),
      mChosen(Zoom::FromStored(Stored::Read(Stored::Key::Zoom))) {
    for (QAction* entry : steps.actions()) {
        connect(entry, &QAction::triggered, this, [this, entry] { Choose(entry->data().toInt()); });
    }
    // The keys of browsers and viewers, without entries of their own.
    const auto keys = [this](const QList<QKeySequence>& sequences, auto zoom) {
        auto* keyed = new QAction(&mWindow);
        keyed->setShortcuts(sequences);
        mWindow.addAction(keyed);
        connect(keyed, &QAction::triggered, this, zoom);
    };
    keys({QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal)},
         [this] { StepBy(1); });
    keys({QKeySequence(Qt::CTRL | Qt::Key_Minus)}, [this] { StepBy(-1); });
    keys({QKeySequence(Qt::CTRL | Qt::Key_0)}, [this] { Choose(Zoom::NONE); });
    connect(&area, &GameArea::ZoomAsked, this, &ZoomChoice::StepBy);
    connect(&area, &GameArea::Painted, this, &ZoomChoice::Store, Qt::QueuedConnection);
    window.installEventFilter(this);
}

void ZoomChoice::Choose(int32_t step) {
    // A choice that cannot be stored holds for this session.
    mChosen = step;
    mToStore = step;
    Fit();
    QTimer::singleShot(250, this, &ZoomChoice::Store); // also where nothing is drawn
}

void ZoomChoice::StepBy(int steps) {
    int32_t target = mShown;
    for (int step = 0; step < std::abs(steps); ++step) {
        const int32_t next = steps > 0 ? Zoom::Larger(target) : Zoom::Smaller(target);
        if (!Fits(next)) {
            break;
        }
        target = next;
    }
    if (target != mShown) {
        Choose(target);
    }
}

void ZoomChoice::Fit() {
    if (!mWindow.isEnabled()) {
        return; // closing: the steps stay as they are, disabled
    }
    int32_t shown = Zoom::NONE;
    for (QAction* entry : mSteps.actions()) {
        const int32_t step = entry->data().toInt();
        const bool fits = Fits(step);
        entry->setEnabled(fits);
        if (fits && step <= mChosen) {
            shown = step;
        }
    }
    for (QAction* entry : mSteps.actions()) {
        entry->setChecked(entry->data().toInt() == shown);
    }
    mShown = shown;
    if (!qFuzzyCompare(mArea.Zoom(), Zoom::Factor(shown))) {
        mArea.setZoom(Zoom::Factor(shown));
        mFollower.Follow();
    }
}

// Where the window system's frame arrives late (X11), the zoom fits it too.
bool ZoomChoice::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &mWindow && event->type() == QEvent::Move) {
        Fit();
    }
    return false;
}

// The window fits the room its screen leaves for windows, with its frame, at that zoom.
bool ZoomChoice::Fits(int32_t step) const {
    const QScreen* on = mWindow.screen();
    if (step == Zoom::NONE || on == nullptr) {
        return step == Zoom::NONE;
    }
    const QSize around = mWindow.frameGeometry().size() - mArea.size(); // the bars and frame
    const QSize needed = around + AreaSize(Zoom::Factor(step), mWindow.devicePixelRatioF());
    const QSize room = on->availableGeometry().size();
    return needed.width() <= room.width() && needed.height() <= room.height();
}

void ZoomChoice::Store() {
    if (const int32_t step = std::exchange(mToStore, 0); step != 0) {
        Stored::Write(Stored::Key::Zoom, QString::number(step));
    }
}
