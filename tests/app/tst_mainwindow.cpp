#include "support/Guards.h"
#include "support/Pixels.h"
#include "support/WindowHarness.h"

#include "app/TitleBar.h"
#include "game/KeptGame.h"
#include "scores/frmNameInput.h"
#include "scores/frmStatistics.h"

#include <QAbstractEventDispatcher>
#include <QAccessible>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QLockFile>
#include <QMouseEvent>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QStyle>
#include <QTextBrowser>
#include <QToolButton>
#include <qpa/qwindowsysteminterface.h>

#include <xcb/xcb.h>

#include <csignal>
#include <optional>

// What to do in the name dialog, step by step: type a text, then press a button.
struct NameStep {
    QString text;
    QString button; // "OK", "Cancel" or "close"
};

Q_DECLARE_METATYPE(NameStep)

namespace {

// Brings the game to its end with the given score: the piece on cell 99 moves to 100, and the
// new pieces fill the last two cells.
void FinishGame(WindowHarness& h, int32_t score,
                const std::function<void()>& beforeLastPress = {}) {
    LayOut(h.probe().Board(), RunFree(99));
    h.probe().Board().Item(98)->setPopulated(false);
    h.probe().Board().Item(99)->setColour(5);
    h.probe().Board().BuildRoutes();
    h.probe().SetScore(score);
    h.probe().NextColours() = {1, 2, 3};
    h.Click(10, 9);
    h.random.PushCell(98);
    h.random.PushCell(100);
    if (beforeLastPress) {
        beforeLastPress();
    }
    h.Click(10, 10);
}

void DriveNameDialog(QList<NameStep> steps, QStringList* selections) {
    if (steps.isEmpty()) {
        return;
    }
    WindowHarness::WhenModal([steps, selections](QWidget* modal) mutable {
        auto* dialog = qobject_cast<frmNameInput*>(modal);
        if (dialog == nullptr) {
            QFAIL("the name dialog did not open");
        }
        const NameStep step = steps.takeFirst();
        auto* name = dialog->findChild<QLineEdit*>();
        name->setText(step.text);
        if (step.button == QLatin1String("close")) {
            dialog->close();
        } else {
            for (auto* button : dialog->findChildren<QPushButton*>()) {
                if (button->text().remove(QLatin1Char('&')) == step.button) {
                    button->click();
                }
            }
        }
        if (dialog->isVisible()) {
            selections->append(name->selectedText());
            DriveNameDialog(steps, selections);
        }
    });
}

QPoint CellCorner(int32_t index) {
    const RECT cell = CellRect(index);
    return QPoint(cell.left, cell.top);
}

// Every ball on the board and in the preview shows its colour's piece image, with or without
// the glyphs, on white when selected.
void ExpectBalls(WindowHarness& h, bool shapes) {
    const QImage& surface = h.window->Surface().Image();
    for (int32_t index = 1; index <= BOARD_CELLS; ++index) {
        const clsPiece& cell = *h.probe().Board().Item(index);
        if (cell.Populated()) {
            QVERIFY2(Shows(surface, CellCorner(index),
                           DrawPieceImage(cell.Colour(), cell.Selected(), 1.0, shapes)),
                     qPrintable(QStringLiteral("cell %1").arg(index)));
        }
    }
    for (int k = 0; k < 3; ++k) {
        const int32_t colour = h.probe().NextColours()[static_cast<size_t>(k)];
        QVERIFY2(
            Shows(surface, QPoint(350 + 35 * k, 25), DrawPieceImage(colour, false, 1.0, shapes)),
            "the preview");
    }
}

// Tells of every window that shows while it lives, and closes it again.
class WindowsShown : public QObject {
public:
    explicit WindowsShown(std::function<void(QWidget*)> told) : mTold(std::move(told)) {
        qApp->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* object, QEvent* event) override {
        auto* widget = qobject_cast<QWidget*>(object);
        if (event->type() == QEvent::Show && widget != nullptr && widget->isWindow()) {
            mTold(widget);
            QMetaObject::invokeMethod(widget, &QWidget::close, Qt::QueuedConnection);
        }
        return false;
    }

private:
    std::function<void(QWidget*)> mTold;
};

} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT

private slots:
    void windowIsLaidOut() {
        WindowHarness h;
        frmMain& w = *h.window;
        QCOMPARE(w.windowTitle(), QStringLiteral("Orbet"));
        QCOMPARE(w.Canvas()->size(), QSize(463, 339));
        QCOMPARE(w.Canvas()->y(), w.menuBar()->height());
        QVERIFY(w.windowFlags() & Qt::WindowMinimizeButtonHint);
        QVERIFY(!(w.windowFlags() & Qt::WindowMaximizeButtonHint));
        QCOMPARE(w.minimumSize(), w.maximumSize());
        QVERIFY(!w.windowIcon().isNull());

        const QList<std::tuple<QString, QPoint>> labels{
            {QStringLiteral("Next Move:"), QPoint(346, 5)},
            {QStringLiteral("Your Score:"), QPoint(346, 242)},
            {QStringLiteral("High Score:"), QPoint(346, 293)},
        };
        QList<QRect> placed;
        for (const auto& [text, at] : labels) {
            QLabel* label = WithText<QLabel>(w.Canvas(), text);
            QVERIFY2(label != nullptr, qPrintable(text));
            QCOMPARE(label->pos(), at);
            QCOMPARE(label->palette().color(QPalette::WindowText), QColor(0, 0, 255));
            placed << label->geometry();
        }
        // Each label stands above its box, inside the side panel.
        const QList<QRect> boxes{QRect(345, 20, 113, 40), QRect(345, 261, 113, 20),
                                 QRect(345, 311, 113, 20)};
        for (qsizetype i = 0; i < boxes.size(); ++i) {
            QVERIFY(placed[i].bottom() < boxes[i].top());
            QVERIFY(placed[i].right() < 464);
            QVERIFY(i == 0 || placed[i].top() > boxes[i - 1].bottom());
        }
    }

    void menusHaveTheirEntries_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QKeySequence>("shortcut");
        QTest::newRow("New") << QStringLiteral("&New") << QKeySequence(Qt::Key_F2);
        QTest::newRow("Undo") << QStringLiteral("&Undo") << QKeySequence(Qt::CTRL | Qt::Key_Z);
        QTest::newRow("High Scores") << QStringLiteral("&High Scores") << QKeySequence(Qt::Key_F4);
        QTest::newRow("Sound") << QStringLiteral("&Sound") << QKeySequence();
        QTest::newRow("Shapes") << QStringLiteral("Sh&apes") << QKeySequence();
        QTest::newRow("Remember Game") << QStringLiteral("Re&member Game") << QKeySequence();
        QTest::newRow("Zoom") << QStringLiteral("&Zoom") << QKeySequence();
        QTest::newRow("Exit") << QStringLiteral("E&xit") << QKeySequence();
        QTest::newRow("Contents") << QStringLiteral("&Contents") << QKeySequence(Qt::Key_F1);
        QTest::newRow("About") << QStringLiteral("&About") << QKeySequence();
    }
    void menusHaveTheirEntries() {
        QFETCH(QString, text);
        QFETCH(QKeySequence, shortcut);
        WindowHarness h;
        QAction* action = h.Action(text);
        QVERIFY(action != nullptr);
        QCOMPARE(action->shortcut(), shortcut);
        QStringList menus;
        for (QAction* menu : h.window->menuBar()->actions()) {
            menus << menu->text();
        }
        QCOMPARE(menus, (QStringList{QStringLiteral("&Game"), QStringLiteral("&Help")}));
        QStringList game;
        for (QAction* entry : h.window->menuBar()->actions().first()->menu()->actions()) {
            game << entry->text();
        }
        QCOMPARE(game, (QStringList{"&New", "&Undo", "&High Scores", "", "&Sound", "Sh&apes",
                                    "Re&member Game", "&Zoom", "", "E&xit"}));
    }

    void anyButtonPlays_data() {
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::newRow("left") << Qt::LeftButton;
        QTest::newRow("right") << Qt::RightButton;
        QTest::newRow("middle") << Qt::MiddleButton;
    }
    void anyButtonPlays() {
        QFETCH(Qt::MouseButton, button);
        WindowHarness h;
        LayOut(h.probe().Board(), BoardWith({{5, "....3....."}}));
        h.probe().Board().BuildRoutes();
        h.Click(5, 5, button);
        QCOMPARE(h.probe().Board().GetSelectedPieceIndex(), CellIndex(5, 5));
        h.Click(5, 5, button);
        QCOMPARE(h.probe().Board().SelectedPieceCount(), 0);
        h.Click(5, 5, button);
        h.Click(9, 2, button);
        QCOMPARE(h.probe().Board().Item(CellIndex(9, 2))->Colour(), 3);
        QCOMPARE(h.probe().Board().SelectedPieceCount(), 0);
        // The move reached the screen: the window shows the surface.
        const QImage shown = h.window->Canvas()->grab().toImage();
        const QImage ball = h.window->Surface().picPiece(3).Image();
        QCOMPARE(shown.pixel(272 + 15, 36 + 15), ball.pixel(15, 15));
    }

    void doubleClickActsOnce() {
        WindowHarness h;
        LayOut(h.probe().Board(), BoardWith({{1, "2........."}}));
        // The window system reports a double click as a press, a release, a double-click
        // event in place of the second press, and a release.
        QWidget* canvas = h.window->Canvas();
        const QPoint at = h.CellCentre(1, 1);
        QTest::mousePress(canvas, Qt::LeftButton, Qt::NoModifier, at);
        QTest::mouseRelease(canvas, Qt::LeftButton, Qt::NoModifier, at);
        QMouseEvent second(QEvent::MouseButtonDblClick, at, canvas->mapToGlobal(at), Qt::LeftButton,
                           Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(canvas, &second);
        QTest::mouseRelease(canvas, Qt::LeftButton, Qt::NoModifier, at);
        QCOMPARE(h.probe().Board().GetSelectedPieceIndex(), 1);
        QCOMPARE(h.sound.played.count(QStringLiteral("select.wav")), 1);
    }

    // Each option of the Game menu turns over and back and is stored each time; a choice that
    // cannot be stored holds for the session. Only the shapes change the picture.
    void optionEntryTogglesAndStores_data() {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("initially");
        QTest::addColumn<QStringList>("stored"); // once turned over, then back
        QTest::addColumn<bool>("writable");
        const QStringList sounds{QStringLiteral("off"), QStringLiteral("on")};
        const QStringList shapes{QStringLiteral("True"), QStringLiteral("False")};
        const int sound = int(Stored::Key::Sounds);
        const int shape = int(Stored::Key::Shapes);
        const int remember = int(Stored::Key::RememberGame);
        QTest::newRow("Sound") << "&Sound" << sound << true << sounds << true;
        QTest::newRow("Sound, store read-only") << "&Sound" << sound << true << sounds << false;
        QTest::newRow("Shapes") << "Sh&apes" << shape << false << shapes << true;
        QTest::newRow("Shapes, store read-only") << "Sh&apes" << shape << false << shapes << false;
        QTest::newRow("Remember Game") << "Re&member Game" << remember << false << shapes << true;
    }
    void optionEntryTogglesAndStores() {
        QFETCH(QString, entry);
        QFETCH(int, key);
        QFETCH(bool, initially);
        QFETCH(QStringList, stored);
        QFETCH(bool, writable);
        const bool sound = entry == QLatin1String("&Sound");
        const bool shapes = entry == QLatin1String("Sh&apes");
        WindowHarness h;
        QAction* option = h.Action(entry);
        QVERIFY(option->isCheckable());
        QCOMPARE(option->isChecked(), initially);

        // Two balls of every colour and one selected; a score, and the next colours.
        LayOut(h.probe().Board(), BoardWith({{2, ".0123456.."}, {7, "..6543210."}}));
        h.probe().Board().BuildRoutes();
        h.probe().SetScore(120);
        h.probe().NextColours() = {4, 5, 6};
        h.probe().DrawBoard();
        h.Click(5, 7);
        const QImage plain = h.window->Surface().Image();
        const GameFacts facts = h.Facts();
        std::optional<AsOrdinaryUser> user;
        if (!writable) {
            h.window->Game().setSounds(true); // so the file exists
            h.settings.MakeReadOnly();
            user.emplace();
        }
        const QString before = IsolatedSettings::Read(Stored::Key(key)).toString();
        const QPoint selected = CellCorner(CellIndex(5, 7)) + QPoint(15, 15);

        for (int turn = 0; turn < 2; ++turn) {
            const bool on = initially == (turn == 1);
            option->trigger();
            QCOMPARE(option->isChecked(), on);
            QCOMPARE(h.window->Game().Sounds(), sound ? on : true);
            QCOMPARE(h.window->Game().Shapes(), shapes && on);
            QCOMPARE(IsolatedSettings::Read(Stored::Key(key)).toString(),
                     writable ? stored[turn] : before);
            ExpectBalls(h, shapes && on);
            QCOMPARE(h.window->Surface().Image() == plain, !shapes || !on); // back, every pixel
            QCOMPARE(h.Facts(), facts); // selection, scores and all stay
            QCOMPARE(h.window->Canvas()->grab().toImage().pixel(selected),
                     h.window->Surface().Image().pixel(selected));
        }
    }

    void optionsStartFromTheStore_data() {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<int>("key");
        QTest::addColumn<QVariant>("stored"); // nothing: no value stored
        QTest::addColumn<bool>("on");
        const QString sound = QStringLiteral("&Sound");
        const int sounds = int(Stored::Key::Sounds);
        const QString shapes = QStringLiteral("Sh&apes");
        const int key = int(Stored::Key::Shapes);
        QTest::newRow("Sound, nothing stored") << sound << sounds << QVariant() << true;
        QTest::newRow("Sound, off") << sound << sounds << QVariant(QStringLiteral("off")) << false;
        QTest::newRow("Shapes, nothing stored") << shapes << key << QVariant() << false;
        QTest::newRow("Shapes, True") << shapes << key << QVariant(QStringLiteral("True")) << true;
        QTest::newRow("Shapes, true") << shapes << key << QVariant(QStringLiteral("true")) << true;
        QTest::newRow("Shapes, False")
            << shapes << key << QVariant(QStringLiteral("False")) << false;
        QTest::newRow("Shapes, empty") << shapes << key << QVariant(QStringLiteral("")) << false;
        QTest::newRow("Shapes, other text")
            << shapes << key << QVariant(QStringLiteral("on")) << false;
        QTest::newRow("Shapes, padded")
            << shapes << key << QVariant(QStringLiteral(" True")) << false;
        QTest::newRow("Shapes, a list")
            << shapes << key
            << QVariant(QStringList{QStringLiteral("True"), QStringLiteral("True")}) << false;
    }
    // What the entry chose last time, as a new start finds it.
    void optionsStartFromTheStore() {
        QFETCH(QString, entry);
        QFETCH(int, key);
        QFETCH(QVariant, stored);
        QFETCH(bool, on);
        const bool sound = entry == QLatin1String("&Sound");
        WindowHarness h;
        h.Action(entry)->trigger(); // stores its choice
        QSettings store(QStringLiteral("Hollenby Ltd"), QStringLiteral("Orbet"));
        const QString path = IsolatedSettings::Path(Stored::Of(Stored::Key(key)));
        store.remove(path);
        if (stored.isValid()) {
            store.setValue(path, stored);
        }
        store.sync();
        h.Restart();
        QCOMPARE(h.Action(entry)->isChecked(), on);
        QCOMPARE(sound ? h.window->Game().Sounds() : h.window->Game().Shapes(), on);
        ExpectBalls(h, !sound && on);
    }

    void newStartsAFreshBoard() {
        WindowHarness h;
        IsolatedSettings::WriteScores({700});
        LayOut(h.probe().Board(), RunFree(60));
        h.probe().SetScore(120);
        h.Action(QStringLiteral("&New"))->trigger();
        QCOMPARE(h.window->Game().Score(), 0);
        QCOMPARE(h.probe().Board().PopulatedPieceCount(), 3);
        QCOMPARE(h.probe().BestScoreShown(), 700);
        QCOMPARE(h.statistics.GetScore(2), QStringLiteral("0")); // the old score is not recorded
    }

    void gameOverFlows_data() {
        QTest::addColumn<QList<int>>("stored");
        QTest::addColumn<int>("score");
        QTest::addColumn<QList<int32_t>>("answers");
        QTest::addColumn<QList<NameStep>>("steps");
        QTest::addColumn<QStringList>("captions");
        QTest::addColumn<QString>("recordedName"); // empty: nothing recorded
        QTest::addColumn<int>("rank");

        const QList<int> some{500, 400, 300, 250};
        const QList<int> tens(10, 100);
        const QString caption = QStringLiteral("HIGH SCORE");
        const QString confirm = QStringLiteral("CONFIRMATION");
        const QString tooLong = QString(26, QLatin1Char('x'));
        const QString longest = QString(25, QLatin1Char('y'));
        QTest::newRow("score 0") << QList<int>{} << 0 << QList<int32_t>{} << QList<NameStep>{}
                                 << QStringList{QStringLiteral("GAME OVER")} << QString() << 0;
        QTest::newRow("equal to rank 10 of a full table")
            << tens << 100 << QList<int32_t>{} << QList<NameStep>{}
            << QStringList{QStringLiteral("GAME OVER")} << QString() << 0;
        QTest::newRow("high score, No") << some << 300 << QList<int32_t>{IDNO} << QList<NameStep>{}
                                        << QStringList{caption} << QString() << 4;
        QTest::newRow("high score, name")
            << some << 300 << QList<int32_t>{IDYES}
            << QList<NameStep>{{QStringLiteral("Alice"), QStringLiteral("OK")}}
            << QStringList{caption} << QStringLiteral("Alice") << 4;
        QTest::newRow("empty table, name") << QList<int>{} << 10 << QList<int32_t>{IDYES}
                                           << QList<NameStep>{{QStringLiteral("Z"), "OK"}}
                                           << QStringList{caption} << QStringLiteral("Z") << 1;
        QTest::newRow("spaces only, then Yes")
            << some << 600 << QList<int32_t>{IDYES, IDYES}
            << QList<NameStep>{{QStringLiteral("   "), QStringLiteral("OK")}}
            << QStringList{caption, confirm} << QString() << 1;
        QTest::newRow("empty, No, then a name")
            << some << 600 << QList<int32_t>{IDYES, IDNO}
            << QList<NameStep>{{QString(), QStringLiteral("OK")},
                               {QStringLiteral("Bob"), QStringLiteral("OK")}}
            << QStringList{caption, confirm} << QStringLiteral("Bob") << 1;
        QTest::newRow("26 characters, then Cancel")
            << some << 600 << QList<int32_t>{IDYES, IDOK}
            << QList<NameStep>{{tooLong, QStringLiteral("OK")}, {tooLong, QStringLiteral("Cancel")}}
            << QStringList{caption, QString()} << QString() << 1;
        QTest::newRow("25 characters with spaces around")
            << some << 600 << QList<int32_t>{IDYES}
            << QList<NameStep>{{QStringLiteral("  ") + longest + QStringLiteral("  "), "OK"}}
            << QStringList{caption} << longest << 1;
        const QString beyondThePlane = QString(24, QLatin1Char('z')) + QStringLiteral("\U0001F600");
        QTest::newRow("25 characters, one beyond the basic plane")
            << some << 600 << QList<int32_t>{IDYES} << QList<NameStep>{{beyondThePlane, "OK"}}
            << QStringList{caption} << beyondThePlane << 1;
        QTest::newRow("Cancel") << some << 600 << QList<int32_t>{IDYES}
                                << QList<NameStep>{{QStringLiteral("Carol"), "Cancel"}}
                                << QStringList{caption} << QString() << 1;
        QTest::newRow("close box") << some << 600 << QList<int32_t>{IDYES}
                                   << QList<NameStep>{{QStringLiteral("Dan"), "close"}}
                                   << QStringList{caption} << QString() << 1;
    }
    void gameOverFlows() {
        QFETCH(QList<int>, stored);
        QFETCH(int, score);
        QFETCH(QList<int32_t>, answers);
        QFETCH(QList<NameStep>, steps);
        QFETCH(QStringList, captions);
        QFETCH(QString, recordedName);
        QFETCH(int, rank);
        WindowHarness h;
        IsolatedSettings::WriteScores(stored);
        h.answers = answers;
        QStringList selections;
        DriveNameDialog(steps, &selections);

        FinishGame(h, score);

        QStringList shown;
        for (const MessageBoxRequest& box : h.boxes) {
            shown << box.title;
            QCOMPARE(box.owner != nullptr, true);
        }
        QCOMPARE(shown, captions);
        const MessageBoxRequest& first = h.boxes.first();
        if (first.title == QLatin1String("GAME OVER")) {
            QCOMPARE(first.prompt, QStringLiteral("Game Over."));
            QCOMPARE(first.buttons, uint32_t(MB_ICONINFORMATION));
        } else {
            QCOMPARE(first.prompt,
                     QStringLiteral("You have achieved a high score that places you at position "
                                    "%1\r\nin the High Score table.\r\n\r\nDo you wish to add "
                                    "your name to the High Score table?")
                         .arg(rank));
            QCOMPARE(first.buttons, uint32_t(MB_ICONQUESTION | MB_YESNO));
        }
        if (captions.contains(QStringLiteral("CONFIRMATION"))) {
            QCOMPARE(h.boxes.at(1).prompt,
                     QStringLiteral("You did not enter a name.\r\n\r\nAre you sure that you do "
                                    "not wish to enter your name into the\r\nHigh Score table?"));
        }
        if (captions.contains(QString())) {
            QCOMPARE(h.boxes.at(1).buttons, uint32_t(MB_OK));
            QCOMPARE(selections.value(0), QString(26, QLatin1Char('x'))); // all selected
        }

        if (recordedName.isEmpty()) {
            for (int32_t k = 1; k <= 10; ++k) {
                QCOMPARE(h.statistics.GetScore(k).toInt(), stored.value(k - 1));
            }
        } else {
            QCOMPARE(h.statistics.GetName(rank), recordedName);
            QCOMPARE(h.statistics.GetScore(rank), QString::number(score));
        }
        // A new game is running, showing the (possibly new) best score.
        QCOMPARE(h.window->Game().EndOfGame(), false);
        QCOMPARE(h.window->Game().Score(), 0);
        QCOMPARE(h.probe().Board().PopulatedPieceCount(), 3);
        QCOMPARE(h.probe().BestScoreShown(), h.statistics.GetScore(1).toInt());
        QVERIFY(QApplication::activeModalWidget() == nullptr);
    }

    void unsavedScoreIsToldOnce() {
        WindowHarness h;
        IsolatedSettings::WriteScores({500});
        h.settings.MakeReadOnly();
        const AsOrdinaryUser user;
        h.answers = {IDYES};
        QStringList selections;
        DriveNameDialog({{QStringLiteral("Ann"), QStringLiteral("OK")}}, &selections);
        FinishGame(h, 600);

        QCOMPARE(h.boxes.size(), 2);
        const MessageBoxRequest& told = h.boxes.at(1);
        QCOMPARE(told.title, QStringLiteral("Orbet"));
        QCOMPARE(told.buttons, uint32_t(MB_OK | MB_ICONEXCLAMATION));
        QVERIFY(told.prompt.startsWith(QStringLiteral("Your score could not be saved.")));
        QVERIFY(told.prompt.contains(h.settings.File()));
        // What is shown is what is stored.
        QCOMPARE(h.statistics.GetName(1), QStringLiteral("P1"));
        QCOMPARE(h.probe().BestScoreShown(), 500);
    }

    void pressesWaitWhileTheGameIsOver() {
        WindowHarness h;
        LayOut(h.probe().Board(), RunFree(101));
        h.window->Game().setGameOverHandler({}); // leave the finished game standing
        h.probe().AddNewPieces();
        QVERIFY(h.window->Game().EndOfGame());
        h.sound.played.clear();
        h.Click(1, 1);
        QCOMPARE(h.probe().Board().SelectedPieceCount(), 0);
        QVERIFY(h.sound.played.isEmpty());
    }

    void highScoreWindowShowsTheTable_data() {
        QTest::addColumn<int>("closeKey");
        QTest::newRow("Enter") << int(Qt::Key_Return);
        QTest::newRow("Esc") << int(Qt::Key_Escape);
    }
    void highScoreWindowShowsTheTable() {
        QFETCH(int, closeKey);
        WindowHarness h;
        h.statistics.AddStatistic(QStringLiteral("Eve"), 1250);
        QStringList rows;
        bool closed = false;
        WindowHarness::WhenModal([&](QWidget* modal) {
            QCOMPARE(modal->windowTitle(), QStringLiteral("Orbet High Scores"));
            QVERIFY(qobject_cast<frmStatistics*>(modal) != nullptr);
            QList<QLabel*> labels = modal->findChildren<QLabel*>();
            QMap<QPair<int, int>, QString> grid; // (top, left) -> text
            for (QLabel* label : labels) {
                grid[{label->y(), label->x()}] = label->text();
            }
            for (int i = 0; i < 10; ++i) {
                const int top = (1200 + 240 * i) / 15;
                rows << QStringLiteral("%1|%2|%3")
                            .arg(grid.value({top, 64}), grid.value({top, 112}),
                                 grid.value({top, 256}));
            }
            QTest::keyClick(modal, static_cast<Qt::Key>(closeKey));
            closed = !modal->isVisible();
        });
        h.Action(QStringLiteral("&High Scores"))->trigger();
        QVERIFY(closed);
        QCOMPARE(rows.value(0), QStringLiteral("1|Eve|1250"));
        QCOMPARE(rows.value(1), QStringLiteral("2|-|0"));
        QCOMPARE(rows.value(9), QStringLiteral("10|-|0"));
    }

    void helpOpensTheHelpFile() {
        WindowHarness h;
        QTemporaryDir folder;
        const QString file = folder.filePath(QStringLiteral("orbet.html"));
        QFile html(file);
        QVERIFY(html.open(QIODevice::WriteOnly));
        html.write("<html><head><title>Orbet Help</title></head><body>Help</body></html>");
        html.close();
        h.help.setHelpFile(file);
        h.Action(QStringLiteral("&Contents"))->trigger();
        auto* viewer = h.window->findChild<QTextBrowser*>();
        QVERIFY(viewer != nullptr && viewer->isVisible());
        QCOMPARE(viewer->windowTitle(), QStringLiteral("Orbet Help"));
        QVERIFY(!viewer->isModal());
    }

    // Where the window draws its own title bar, it offers a minimise and a close box only, which
    // never take the keys, and the game area keeps its size below the menu bar. The bar spans
    // the window as it grows and, right to left, mirrors whole: the icon opposite the boxes.
    void ownTitleBar_data() {
        QTest::addColumn<bool>("close");
        QTest::addColumn<Qt::LayoutDirection>("direction");
        QTest::addColumn<QString>("caption"); // empty: the game's own
        QTest::newRow("minimise box") << false << Qt::LeftToRight << QString();
        QTest::newRow("close box") << true << Qt::LeftToRight << QString();
        QTest::newRow("right to left") << false << Qt::RightToLeft << QString();
        QTest::newRow("a caption too long to centre, right to left and back")
            << false << Qt::RightToLeft << QStringLiteral("Orbet ").repeated(30);
    }
    void ownTitleBar() {
        QFETCH(bool, close);
        QFETCH(Qt::LayoutDirection, direction);
        QFETCH(QString, caption);
        WindowHarness h;
        frmMain& w = *h.window;
        w.setLayoutDirection(direction);
        QSignalSpy unloaded(&w, &frmMain::Unloaded);
        const QSize before = w.size();
        TitleBar* bar = TitleBar::Install(w);
        QTRY_COMPARE(w.size(), before + QSize(0, TitleBar::HEIGHT));
        QCOMPARE(bar->geometry(), QRect(0, 0, before.width(), TitleBar::HEIGHT));
        QCOMPARE(w.Canvas()->size(), QSize(463, 339));
        QCOMPARE(w.Canvas()->y(), TitleBar::HEIGHT + w.menuBar()->height());
        QCOMPARE(bar->findChildren<QAbstractButton*>(),
                 QList<QAbstractButton*>({bar->MinimiseButton(), bar->CloseButton()}));
        QCOMPARE(bar->MinimiseButton()->accessibleName(), QStringLiteral("Minimise"));
        QCOMPARE(bar->CloseButton()->accessibleName(), QStringLiteral("Close"));
        for (QAbstractButton* box : bar->findChildren<QAbstractButton*>()) {
            QCOMPARE(box->focusPolicy(), Qt::NoFocus);
        }
        w.setContentsMargins(w.contentsMargins() + QMargins(0, 0, 100, 0));
        QTRY_COMPARE(w.width(), before.width() + 100);
        QCOMPARE(bar->geometry(), QRect(0, 0, w.width(), TitleBar::HEIGHT));
        // The icon, 16 pixels square 8 in from the edge away from the boxes, clear of them.
        const QRect icon = QStyle::visualRect(direction, bar->rect(), QRect(8, 8, 16, 16));
        const QImage shown = bar->grab(icon).toImage();
        QVERIFY(!bar->childrenRegion().intersects(icon));
        QImage ground(shown.size(), shown.format());
        ground.fill(shown.pixel(0, 0));
        QVERIFY(shown != ground); // the icon is drawn there
        if (!caption.isEmpty()) { // cut short between the icon and the boxes, none under them
            w.setWindowTitle(caption);
            for (const Qt::LayoutDirection way : {Qt::RightToLeft, Qt::LeftToRight}) {
                w.setLayoutDirection(way);
                bar->layout()->activate();
                const QRect boxes = bar->childrenRegion().boundingRect() &
                                    bar->rect().adjusted(0, 0, 0, -1); // above the bar's edge
                QImage drawn(bar->size(), QImage::Format_RGB32);
                bar->render(&drawn, QPoint(), QRegion(), QWidget::DrawWindowBackground);
                QImage clear(boxes.size(), drawn.format());
                clear.fill(drawn.pixel(0, 0));
                QVERIFY2(drawn.copy(boxes) == clear,
                         way == Qt::RightToLeft ? "right to left" : "left to right");
            }
        }

        QTest::mouseClick(close ? bar->CloseButton() : bar->MinimiseButton(), Qt::LeftButton);
        QCOMPARE(unloaded.count(), close ? 1 : 0);
        QCOMPARE(w.isMinimized(), !close);
    }

    // Undo, by the menu or Ctrl+Z, takes one move back, silently; there is then nothing more
    // to take back.
    void undoTakesOneMoveBack_data() {
        QTest::addColumn<bool>("byKey");
        QTest::newRow("menu") << false;
        QTest::newRow("Ctrl+Z") << true;
    }
    void undoTakesOneMoveBack() {
        QFETCH(bool, byKey);
        WindowHarness h;
        QAction* undo = h.Action(QStringLiteral("&Undo"));
        LayOut(h.probe().Board(), BoardWith({{1, "2........."}}));
        h.probe().Board().BuildRoutes();
        const GamePosition before = h.window->Game().Position();
        QVERIFY(!undo->isEnabled());
        h.Click(1, 1);
        QVERIFY(!undo->isEnabled()); // taking a ball up is no move
        h.Click(4, 4);
        QVERIFY(undo->isEnabled());
        h.sound.played.clear();
        byKey ? h.Shortcut(Qt::Key_Z, Qt::ControlModifier) : undo->trigger();
        QCOMPARE(h.window->Game().Position(), before);
        QVERIFY(!undo->isEnabled());
        QCOMPARE(h.sound.played, QStringList());
    }

    // With Remember Game on, a kept game that can be played on is shown at start instead of a
    // new one, with the High Score table as ever; anything else starts a new game, and nothing
    // else in the file changes.
    void keptGameStartsWhenPlayable_data() {
        QTest::addColumn<QString>("remember");
        QTest::addColumn<QStringList>("kept"); // board, next colours, score; empty: none kept
        QTest::addColumn<bool>("resumed");
        const QString board = QString(QLatin1Char('-')).repeated(97) + QStringLiteral("012");
        const QString on = QStringLiteral("True");
        QTest::newRow("playable") << on << QStringList{board, "456", "150"} << true;
        QTest::newRow("the option in other letters")
            << "true" << QStringList{board, "4", "1"} << false;
        QTest::newRow("nothing kept") << on << QStringList() << false;
        QTest::newRow("option off") << "False" << QStringList{board, "456", "150"} << false;
        QTest::newRow("board too short")
            << on << QStringList{board.left(99), "456", "150"} << false;
        QTest::newRow("board too long") << on << QStringList{board + '-', "456", "150"} << false;
        QTest::newRow("colour 7") << on << QStringList{board.left(99) + '7', "456", "150"} << false;
        QTest::newRow("a letter") << on << QStringList{board.left(99) + 'x', "456", "150"} << false;
        QTest::newRow("full board") << on << QStringList{QString(100, '3'), "456", "150"} << false;
        QTest::newRow("next colour 7") << on << QStringList{board, "457", "150"} << false;
        QTest::newRow("two next colours") << on << QStringList{board, "45", "150"} << false;
        QTest::newRow("score negative") << on << QStringList{board, "456", "-10"} << false;
        QTest::newRow("score spaced") << on << QStringList{board, "456", " 150"} << false;
        QTest::newRow("score of 20 digits")
            << on << QStringList{board, "456", "99999999999999999990"} << false;
        QTest::newRow("score beyond 32 bits that wraps to 10")
            << on << QStringList{board, "456", "4294967306"} << false;
        QTest::newRow("score empty") << on << QStringList{board, "456", ""} << false;
    }
    void keptGameStartsWhenPlayable() {
        QFETCH(QString, remember);
        QFETCH(QStringList, kept);
        QFETCH(bool, resumed);
        WindowHarness h;
        IsolatedSettings::WriteScores({700, 300});
        IsolatedSettings::Write(Stored::Key::RememberGame, remember);
        IsolatedSettings::Write(Stored::Key::Sounds, QStringLiteral("off"));
        const std::array keys{Stored::Key::GameBoard, Stored::Key::GameNext,
                              Stored::Key::GameScore};
        for (size_t i = 0; i < size_t(kept.size()); ++i) {
            IsolatedSettings::Write(keys.at(i), kept.at(qsizetype(i)));
        }
        const QByteArray file = h.settings.Bytes();
        h.random.PushColours({1, 1, 1}); // a new game's first balls go to cells 1, 2 and 3
        h.random.PushCells({1, 2, 3});
        h.Restart();
        const GamePosition shown = h.window->Game().Position();
        const NextColourArray keptNext{4, 5, 6};
        QCOMPARE(shown.cells[97] == 0 && shown.next == keptNext, resumed);
        QCOMPARE(shown.score, resumed ? 150 : 0);
        QCOMPARE(h.probe().BestScoreShown(), 700);
        const bool on = remember.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0;
        QCOMPARE(h.Action(QStringLiteral("Re&member Game"))->isChecked(), on);
        if (!on) {
            QCOMPARE(h.settings.Bytes(), file); // with the option off, nothing is written
        }
        QCOMPARE(h.statistics.GetScore(2), QStringLiteral("300"));
        QCOMPARE(Stored::Read(Stored::Key::Sounds), QStringLiteral("off"));
    }

    // With Remember Game on, the game after a move comes back at the next start however Orbet
    // closed, even while the move still played its sound or after the store refused it once; a
    // move taken back comes back made, so that a new start never draws its balls anew. Turned
    // off, the kept game goes at once.
    void rememberedGameComesBack_data() {
        QTest::addColumn<int>("close");
        QTest::newRow("Exit") << int(ByExit);
        QTest::newRow("close box") << int(ByCloseBox);
        QTest::newRow("SIGTERM") << int(BySignal);
        QTest::newRow("close box, during the move") << int(DuringTheMove);
        QTest::newRow("a second move before the first is kept") << int(AtOnce);
        QTest::newRow("turned on during the move") << int(OnDuringTheMove);
        QTest::newRow("High Scores opened before the move is kept") << int(BoxAtOnce);
        QTest::newRow("store held by another game, then Exit") << int(AfterARefusal);
        QTest::newRow("taken back, then Exit") << int(AfterUndo);
        QTest::newRow("a new game, then Exit") << int(AfterNew);
        QTest::newRow("turned off, then Exit") << int(TurnedOff);
    }
    void rememberedGameComesBack() {
        QFETCH(int, close);
        WindowHarness h;
        QSignalSpy unloaded(h.window.get(), &frmMain::Unloaded);
        QAction* remember = h.Action(QStringLiteral("Re&member Game"));
        if (close != OnDuringTheMove) {
            remember->trigger();
        }
        LayOut(h.probe().Board(), BoardWith({{1, "2........."}, {6, ".....5...."}}));
        h.probe().Board().BuildRoutes();
        h.Click(1, 1);
        QTest::qWait(300);             // as a player takes a moment
        std::optional<QLockFile> held; // as another game saving holds the store
        if (close == AfterARefusal) {
            held.emplace(h.settings.File() + QStringLiteral(".lock"));
            QVERIFY(held->tryLock());
        } else if (close == DuringTheMove) {
            QTimer::singleShot(0, h.window.get(), [&h] { h.window->close(); });
        } else if (close == OnDuringTheMove) {
            QTimer::singleShot(0, remember, &QAction::trigger);
        }
        h.Click(4, 4);         // a move: three new balls, the next colours anew
        if (close == AtOnce) { // while the first still waits to be kept
            h.Click(4, 4);
            h.Click(7, 2);
            QCOMPARE(h.window->Game().CellColour(CellIndex(7, 2)), 2);
        }
        std::optional<GamePosition> played; // none once the window has closed, during the move
        if (close != DuringTheMove) {
            played = h.window->Game().Position();
        }
        if (close == BoxAtOnce) { // kept while the box stands open, as a kill then finds it
            WindowHarness::WhenModal([&](QWidget* box) {
                QTRY_VERIFY(KeptGame::Read() == played);
                box->close();
            });
            h.Action(QStringLiteral("&High Scores"))->trigger();
        }
        QTest::qWait(300); // drawn, and kept if it can be
        held.reset();
        if (close == AfterNew) {
            h.Action(QStringLiteral("&New"))->trigger();
            played = h.window->Game().Position();
        } else if (close == AfterUndo) {
            h.Action(QStringLiteral("&Undo"))->trigger();
        } else if (close == TurnedOff) {
            remember->trigger();
            QCOMPARE(IsolatedSettings::Read(Stored::Key::GameBoard), QVariant());
        }
        if (close == ByCloseBox) {
            h.window->close();
        } else if (close == BySignal) {
            std::raise(SIGTERM);
        } else if (close != DuringTheMove) {
            h.Action(QStringLiteral("E&xit"))->trigger();
        }
        QTRY_COMPARE(unloaded.count(), 1);
        h.Restart();
        const GamePosition shown = h.window->Game().Position();
        if (played) {
            QCOMPARE(shown == *played, close != TurnedOff);
        } else { // the ball stands where it moved
            QCOMPARE(shown.cells[CellIndex(4, 4) - 1], 2);
            QCOMPARE(shown.cells[CellIndex(1, 1) - 1], -1);
        }
    }

    void exitAndCloseBoxUnload_data() {
        QTest::addColumn<bool>("byMenu");
        QTest::addColumn<int>("after"); // what the window system had queued behind the close
        QTest::addColumn<QString>("entry");
        QTest::newRow("Exit") << true << int(Nothing) << QString();
        QTest::newRow("close box") << false << int(Nothing) << QString();
        for (const char* entry :
             {"&New", "&High Scores", "&Sound", "Sh&apes", "E&xit", "&Contents", "&About"}) {
            QTest::addRow("close box, then %s", entry) << false << int(Entry) << entry;
        }
        QTest::newRow("close box, then a press") << false << int(Press) << QString();
        QTest::newRow("close box, then Space") << false << int(Space) << QString();
        QTest::newRow("close box twice") << false << int(Close) << QString();
        QTest::newRow("close box, then a screen reader presses New")
            << false << int(ScreenReader) << QStringLiteral("&New");
    }
    // Once unloaded, the window takes no more input: it unloads once and opens nothing.
    void exitAndCloseBoxUnload() {
        QFETCH(bool, byMenu);
        QFETCH(int, after);
        QFETCH(QString, entry);
        WindowHarness h;
        QSignalSpy unloaded(h.window.get(), &frmMain::Unloaded);
        if (after == Nothing) {
            h.Action(QStringLiteral("&Contents"))->trigger(); // an open help window goes too
        }
        QWindow* window = h.window->windowHandle();
        QAction* chosen = h.Action(entry);
        auto* menu = chosen != nullptr ? qobject_cast<QMenu*>(chosen->parent()) : nullptr;
        if (after == Entry) {
            menu->popup(h.window->mapToGlobal(QPoint()));
            QVERIFY(QTest::qWaitForWindowExposed(menu));
        }
        h.sound.played.clear();
        const auto click = [](QWindow* on, QPointF at) {
            for (const auto type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
                const Qt::MouseButtons held =
                    type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton;
                QWindowSystemInterface::handleMouseEvent<
                    QWindowSystemInterface::AsynchronousDelivery>(on, at, on->mapToGlobal(at), held,
                                                                  Qt::LeftButton, type);
            }
        };
        if (byMenu) {
            h.Action(QStringLiteral("E&xit"))->trigger();
        } else if (after == Nothing) {
            h.window->close();
        } else {
            QWindowSystemInterface::handleCloseEvent<QWindowSystemInterface::AsynchronousDelivery>(
                window);
        }
        if (after == Entry) {
            click(menu->windowHandle(), menu->actionGeometry(chosen).center());
        } else if (after == Press) {
            click(window, h.window->Canvas()->mapTo(h.window.get(), h.CellCentre(1, 1)));
        } else if (after == Space) {
            QWindowSystemInterface::handleKeyEvent<QWindowSystemInterface::AsynchronousDelivery>(
                window, QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
        } else if (after == Close) {
            QWindowSystemInterface::handleCloseEvent<QWindowSystemInterface::AsynchronousDelivery>(
                window);
        }
        QStringList opened; // windows shown after the close, closed again at once
        WindowsShown shown([&opened](QWidget* w) { opened << w->windowTitle(); });
        QWindowSystemInterface::flushWindowSystemEvents();
        if (after == ScreenReader) {
            QAccessibleInterface* items = QAccessible::queryAccessibleInterface(menu);
            int pressed = 0;
            for (int i = 0; i < items->childCount(); ++i) {
                if (items->child(i)->text(QAccessible::Name) == QLatin1String("New")) {
                    items->child(i)->actionInterface()->doAction(
                        QAccessibleActionInterface::pressAction());
                    ++pressed;
                }
            }
            QCOMPARE(pressed, 1);
        }
        // What a screen reader reads of the board, the next colours and the scores until the
        // window goes comes from no game at all, not from the one released.
        QAccessibleInterface* area = QAccessible::queryAccessibleInterface(h.window->Canvas());
        QAccessibleInterface* board = area->child(0);
        QVERIFY(board != nullptr && board->tableInterface() != nullptr);
        QCOMPARE(board->tableInterface()->cellAt(0, 0)->text(QAccessible::Name),
                 QStringLiteral("row 1, column 1, empty"));
        QStringList parts;
        for (const int part : {2, 4, 6}) {
            parts << area->child(part)->text(QAccessible::Name);
        }
        QCOMPARE(parts, (QStringList{"Next Move: ", "Your Score: 0", "High Score: 0"}));
        QCOMPARE(unloaded.count(), 1);
        QVERIFY(!h.window->isVisible());
        QCOMPARE(opened, QStringList());
        QCOMPARE(h.sound.played, QStringList());
        QCOMPARE(IsolatedSettings::Read(Stored::Key::Sounds), QVariant());
        QCOMPARE(IsolatedSettings::Read(Stored::Key::Shapes), QVariant());
        h.window.reset();
        for (QWidget* w : QApplication::topLevelWidgets()) {
            QVERIFY(qobject_cast<QTextBrowser*>(w) == nullptr);
        }
    }

    // On Wayland a close request reaches the window while a box is open over it, or about to
    // open. The box goes first, nothing else opens, the score is not recorded, and the window
    // unloads once; then it goes as the program lets it go, once control is back in its loop.
    void closeOverABoxClosesTheBoxFirst_data() {
        QTest::addColumn<int>("box");
        QTest::newRow("High Scores") << int(HighScores);
        QTest::newRow("High Scores, by F4") << int(HighScoresByKey);
        QTest::newRow("About") << int(About);
        QTest::newRow("GAME OVER") << int(GameOver);
        QTest::newRow("HIGH SCORE") << int(HighScoreQuestion);
        QTest::newRow("High Score Entry") << int(NameEntry);
        QTest::newRow("CONFIRMATION over the entry") << int(Confirmation);
        QTest::newRow("the last move's sound, before GAME OVER") << int(LastSound);
    }
    void closeOverABoxClosesTheBoxFirst() {
        QFETCH(int, box);
        WindowHarness h;
        QSignalSpy unloaded(h.window.get(), &frmMain::Unloaded);
        QPointer<frmMain> window = h.window.get();
        QObject::connect(window, &frmMain::Unloaded, [&h] { h.window.release()->deleteLater(); });
        const auto close = [window] { window->windowHandle()->close(); }; // as Wayland does
        if (box == GameOver || box == HighScoreQuestion) {
            SetMessageBoxAnswerer(nullptr); // the real boxes
        } else {
            SetMessageBoxAnswerer([&](const MessageBoxRequest& request) {
                h.boxes << request;
                if (request.title == QLatin1String("CONFIRMATION")) {
                    close();
                }
                return int32_t(IDYES);
            });
        }
        QStringList selections;
        QStringList opened; // a window shown once the close has come is closed again at once
        std::optional<WindowsShown> shown;
        if (box == LastSound) {
            shown.emplace([&opened](QWidget* w) { opened << w->windowTitle(); });
        } else if (box == Confirmation) {
            DriveNameDialog({{QString(), QStringLiteral("OK")}}, &selections);
        } else {
            WindowHarness::WhenModal([close](QWidget*) { close(); });
        }
        if (box == HighScores || box == About) {
            h.Action(box == About ? QStringLiteral("&About") : QStringLiteral("&High Scores"))
                ->trigger();
        } else if (box == HighScoresByKey) {
            h.Shortcut(Qt::Key_F4);
        } else {
            FinishGame(h, box == GameOver ? 0 : 500,
                       [&] { box == LastSound ? QTimer::singleShot(0, window, close) : void(); });
        }
        QCOMPARE(unloaded.count(), 1);
        for (QWidget* top : QApplication::topLevelWidgets()) {
            QVERIFY2(!top->isVisible(), qPrintable(top->windowTitle()));
        }
        QCOMPARE(h.boxes.size(), box == NameEntry ? 1 : box == Confirmation ? 2 : 0);
        QCOMPARE(opened, QStringList());
        QCOMPARE(h.statistics.GetScore(1), QStringLiteral("0"));
        QTRY_VERIFY(window.isNull());
        SetMessageBoxAnswerer(nullptr);
    }

    void windowLostToTheWindowSystemEnds() {
        WindowHarness h;
        QSignalSpy unloaded(h.window.get(), &frmMain::Unloaded);
        // What X11 reports when a window is destroyed from outside, as "xdotool windowclose" does.
        auto destroyed = [](WId window) {
            xcb_destroy_notify_event_t event{};
            event.response_type = XCB_DESTROY_NOTIFY;
            event.event = static_cast<xcb_window_t>(window);
            event.window = static_cast<xcb_window_t>(window);
            qintptr result = 0;
            QAbstractEventDispatcher::instance()->filterNativeEvent("xcb_generic_event_t", &event,
                                                                    &result);
        };
        destroyed(h.window->internalWinId() + 1000); // some other window
        // Not a wait: only what the filter has queued, if anything, is delivered.
        QCoreApplication::processEvents();
        QCOMPARE(unloaded.count(), 0);
        destroyed(h.window->internalWinId());
        QTRY_COMPARE(unloaded.count(), 1);
        QVERIFY(!h.window->isVisible());
    }

    void closeDuringAMoveWaitsForIt() {
        WindowHarness h;
        LayOut(h.probe().Board(), BoardWith({{1, "4........."}}));
        h.probe().Board().BuildRoutes();
        QSignalSpy unloaded(h.window.get(), &frmMain::Unloaded);
        h.Click(1, 1);
        // While the move plays its sound, the window system asks the window to close.
        h.sound.played.clear();
        QTimer::singleShot(0, h.window.get(), [&] { h.window->close(); });
        h.Click(5, 5);
        QCOMPARE(h.sound.played, QStringList{QStringLiteral("add.wav")});
        QCOMPARE(unloaded.count(), 1);
        QVERIFY(!h.window->isVisible());
    }

private:
    enum After { Nothing, Entry, Press, Space, Close, ScreenReader };
    enum Box {
        HighScores,
        HighScoresByKey,
        About,
        GameOver,
        HighScoreQuestion,
        NameEntry,
        Confirmation,
        LastSound
    };
    enum Close {
        ByExit,
        ByCloseBox,
        BySignal,
        DuringTheMove,
        AtOnce,
        OnDuringTheMove,
        BoxAtOnce,
        AfterARefusal,
        AfterUndo,
        AfterNew,
        TurnedOff
    };
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
