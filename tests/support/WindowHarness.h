#pragma once

#include "app/GameAccessible.h"
#include "app/GameArea.h"
#include "app/clsHelp.h"
#include "app/frmMain.h"
#include "platform/MessageBox.h"
#include "support/GameProbe.h"
#include "support/Widgets.h"

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QTest>
#include <QTimer>
#include <qpa/qwindowsysteminterface.h>

#include <functional>
#include <memory>

// The main window with scripted chance, recorded sounds and its own settings; message boxes
// are recorded and answered from a list instead of waiting for a person.
struct WindowHarness {
    explicit WindowHarness(bool sounds = true) {
        if (!sounds) {
            IsolatedSettings::Write(Stored::Key::Sounds, QStringLiteral("off"));
        }
        SetMessageBoxAnswerer([this](const MessageBoxRequest& request) {
            boxes.append(request);
            return answers.isEmpty() ? IDOK : answers.takeFirst();
        });
        window = std::make_unique<frmMain>(frmMain::Services{{statistics, random, sound}, help});
        window->show();
        window->activateWindow(); // as a window manager would; a test display may have none
    }
    ~WindowHarness() { SetMessageBoxAnswerer(nullptr); }

    GameProbe probe() { return GameProbe(window->Game()); }

    // Closes the window and opens a new one on the same store, as starting again does.
    void Restart() {
        window->close();
        window = std::make_unique<frmMain>(frmMain::Services{{statistics, random, sound}, help});
        window->show();
        window->activateWindow();
    }

    // What the game shows, as screen readers are told it.
    GameFacts Facts() const { return FactsOf(*window->Canvas()); }

    QAction* Action(const QString& text) const { return MenuEntry(window->menuBar(), text); }

    // On the area as shown, at its zoom.
    QPoint CellCentre(int32_t col, int32_t row) const {
        return QPointF(QPointF((col - 1) * 34 + 17, (row - 1) * 34 + 17) * window->Canvas()->Zoom())
            .toPoint();
    }
    void Click(int32_t col, int32_t row, Qt::MouseButton button = Qt::LeftButton) {
        QTest::mouseClick(window->Canvas(), button, Qt::NoModifier, CellCentre(col, row));
    }
    // Keys pressed and let go on the game area, as a player without a mouse does.
    void Keys(const QList<Qt::Key>& keys) {
        for (const Qt::Key key : keys) {
            QTest::keyClick(window->Canvas(), key);
        }
    }
    // A key as the window system delivers it, held down (repeated) or not.
    void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier, bool repeated = false) {
        QKeyEvent press(QEvent::KeyPress, key, modifiers, QString(), repeated);
        QApplication::sendEvent(window->Canvas(), &press);
    }

    // A key pressed and let go on the window as the window system delivers it, so that the
    // menus' shortcuts see it too.
    void Shortcut(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) const {
        QWindow* handle = window->windowHandle();
        for (const auto type : {QEvent::KeyPress, QEvent::KeyRelease}) {
            QWindowSystemInterface::handleKeyEvent<QWindowSystemInterface::AsynchronousDelivery>(
                handle, type, key, modifiers);
        }
        QWindowSystemInterface::flushWindowSystemEvents();
    }

    // Runs an action once the next modal window is up, from inside its event loop. A modal
    // window that never comes, or that the action leaves open for seconds, fails the test and
    // is closed, so that a test never hangs on a dialog.
    static void WhenModal(std::function<void(QWidget*)> action) {
        constexpr int kPatienceMs = 5000;
        auto* timer = new QTimer;
        timer->setInterval(5);
        auto waited = std::make_shared<QElapsedTimer>();
        waited->start();
        QObject::connect(timer, &QTimer::timeout, [timer, action, waited] {
            QWidget* modal = QApplication::activeModalWidget();
            if (modal == nullptr) {
                if (waited->hasExpired(kPatienceMs)) {
                    timer->stop();
                    timer->deleteLater();
                    QTest::qFail("no modal window opened", __FILE__, __LINE__);
                }
                return;
            }
            timer->stop();
            timer->deleteLater();
            action(modal);
            QTimer::singleShot(kPatienceMs, modal, [modal] {
                if (modal->isVisible() && QApplication::activeModalWidget() == modal) {
                    QTest::qFail("a modal window was left open", __FILE__, __LINE__);
                    auto* dialog = qobject_cast<QDialog*>(modal);
                    dialog != nullptr ? dialog->reject() : void(modal->close());
                }
            });
        });
        timer->start();
    }

    IsolatedSettings settings;
    clsStatistics statistics;
    clsHelp help;
    ScriptedRandom random;
    RecordingSoundPlayer sound;
    QList<MessageBoxRequest> boxes;
    QList<int32_t> answers;
    std::unique_ptr<frmMain> window;
};
