// A bare main window of Orbet's size with its menu bar built the same way: the yardstick for
// how fast a Qt window can show its first frame.

#include "FirstFrame.h"

#include <QApplication>
#include <QLayout>
#include <QMainWindow>
#include <QMenuBar>

int main(int argc, char* argv[]) {
    const auto start = FirstFrame::Clock::now();
    QApplication app(argc, argv);
    QMainWindow window(nullptr, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                                    Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    auto* client = new QWidget(&window);
    client->setFixedSize(463, 339);
    window.setCentralWidget(client);
    window.layout()->setSizeConstraint(QLayout::SetFixedSize);
    QMenu* game = window.menuBar()->addMenu(QStringLiteral("&Game"));
    game->addAction(QStringLiteral("&New"))->setShortcut(Qt::Key_F2);
    game->addAction(QStringLiteral("&High Scores"))->setShortcut(Qt::Key_F4);
    game->addSeparator();
    game->addAction(QStringLiteral("&Sound"))->setCheckable(true);
    game->addSeparator();
    game->addAction(QStringLiteral("E&xit"));
    QMenu* help = window.menuBar()->addMenu(QStringLiteral("&Help"));
    help->addAction(QStringLiteral("&Contents"))->setShortcut(Qt::Key_F1);
    help->addSeparator();
    help->addAction(QStringLiteral("&About"));
    window.setWindowTitle(QStringLiteral("Orbet"));
    window.show();
    FirstFrame probe(start, client);
    return QApplication::exec();
}
