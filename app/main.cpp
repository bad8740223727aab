#include "board/colPieces.h"
#include "platform/WindowSurface.h"

#include <QApplication>
#include <QLabel>
#include <QPixmap>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    OffscreenSurface surface;
    colPieces board;
    for (int32_t i = 0; i < 10; ++i) {
        for (int32_t j = 0; j < 10; ++j) {
            board.Add(i * 34 + 2, j * 34 + 2, j * 34 + 32, i * 34 + 32, j + 1, i + 1);
        }
    }
    for (int32_t k = 0; k < 14; ++k) {
        board.Item(k * 7 + 1)->setColour(k % 7);
        board.Item(k * 7 + 1)->setSelected(k >= 7);
    }
    for (const auto& cell : board.NewEnum()) {
        cell->Draw(surface);
    }
    QLabel window;
    window.setWindowTitle(QStringLiteral("Orbet"));
    window.setPixmap(QPixmap::fromImage(surface.Image()));
    window.show();
    return app.exec();
}
