// Makes the README's picture of the running game: a real main window, drawn offscreen, after a
// few moves of a seeded game. Usage: orbet_screenshot OUTPUT.png

#include "SampleGame.h"
#include "app/GameArea.h"
#include "platform/WindowSurface.h"

#include <QApplication>
#include <QTest>

#include <random>
#include <vector>

int main(int argc, char** argv) {
    if (argc != 2) {
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    SampleGame game;
    frmMain& window = game.Window();
    window.show();

    // Play a few moves the way a person would, reading the board off the screen: press a
    // piece, then an empty cell; put the piece back down when it cannot get there.
    std::mt19937 chance(7);
    auto centre = [](int i) { return QPoint((i / 10) * 34 + 17, (i % 10) * 34 + 17); };
    auto corner = [](int i) { return QPoint((i / 10) * 34 + 3, (i % 10) * 34 + 3); };
    auto press = [&](int i) {
        QTest::mouseClick(window.Canvas(), Qt::LeftButton, Qt::NoModifier, centre(i));
    };
    for (int move = 0; move < 16; ++move) {
        std::vector<int> pieces;
        std::vector<int> empties;
        for (int i = 0; i < 100; ++i) {
            const bool black = window.Surface().Image().pixel(centre(i)) == qRgb(0, 0, 0);
            (black ? empties : pieces).push_back(i);
        }
        const int from = pieces[chance() % pieces.size()];
        press(from);
        press(empties[chance() % empties.size()]);
        if (window.Surface().Image().pixel(corner(from)) == qRgb(255, 255, 255)) {
            press(from);
        }
    }
    for (int i = 0; i < 100; ++i) {
        if (window.Surface().Image().pixel(centre(i)) != qRgb(0, 0, 0)) {
            press(i); // show a selected piece too
            break;
        }
    }
    return window.grab().save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}
