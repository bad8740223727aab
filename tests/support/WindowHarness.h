#pragma once

#include "app/clsHelp.h"
#include "app/frmMain.h"
#include "platform/MessageBox.h"
#include "support/GameProbe.h"

#include <QAction>
#include <QApplication>
#include <QMenuBar>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>

// The main window with scripted chance, recorded sounds and its own settings; message boxes
// are recorded and answered from a list instead of waiting for a person.
struct WindowHarness {
    explicit WindowHarness(bool sounds = true) {
        if (!sounds) {
            IsolatedSettings::Write(QStringLiteral("Options/Sounds"), QStringLiteral("off"));
        }
        SetMessageBoxAnswerer([this](const MessageBoxRequest& request) {
            boxes.append(request);
            return answers.isEmpty() ? IDOK : answers.takeFirst();
        });
        window = std::make_unique<frmMain>(frmMain::Services{statistics, help, random, sound});
        window->show();
    }
    ~WindowHarness() { SetMessageBoxAnswerer(nullptr); }

    GameProbe probe() { return GameProbe(window->Game()); }

    QAction* Action(const QString& text) const {
        for (QAction* menu : window->menuBar()->actions()) {
            for (QAction* entry : menu->menu()->actions()) {
                if (entry->text() == text) {
                    return entry;
                }
            }
        }
        return nullptr;
    }

    QPoint CellCentre(int32_t col, int32_t row) const {
        return QPoint((col - 1) * 34 + 17, (row - 1) * 34 + 17);
    }
    void Click(int32_t col, int32_t row, Qt::MouseButton button = Qt::LeftButton) {
        QTest::mouseClick(window->Canvas(), button, Qt::NoModifier, CellCentre(col, row));
    }

    // Runs an action once the next modal window is up, from inside its event loop.
    static void WhenModal(std::function<void(QWidget*)> action) {
        auto* timer = new QTimer;
        timer->setInterval(5);
        QObject::connect(timer, &QTimer::timeout, [timer, action] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                timer->stop();
                timer->deleteLater();
                action(modal);
            }
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
