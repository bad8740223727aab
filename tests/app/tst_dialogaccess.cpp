#include "app/frmAbout.h"
#include "platform/HelpViewer.h"
#include "platform/MessageBox.h"
#include "scores/ScoreRows.h"
#include "scores/clsStatistics.h"
#include "scores/frmNameInput.h"
#include "scores/frmStatistics.h"
#include "support/AccessibleEvents.h"
#include "support/Fakes.h"
#include "support/ScreenReader.h"
#include "support/WindowHarness.h"

#include <QAccessible>
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>

#include <memory>

// What screen readers get from the dialogs, through Qt's accessibility interfaces and the
// events its bridge would send them.
// The texts of the labels under an object that stand alone, as screen readers gather them to
// read a message box: shown, and no label for anything else.
QStringList LoneLabels(QAccessibleInterface* parent) {
    QStringList texts;
    for (int i = 0; i < parent->childCount(); ++i) {
        QAccessibleInterface* child = parent->child(i);
        if (child->role() == QAccessible::StaticText && !child->state().invisible &&
            child->relations().isEmpty() && !child->text(QAccessible::Name).isEmpty()) {
            texts << child->text(QAccessible::Name);
        }
        texts << LoneLabels(child);
    }
    return texts;
}

// A help file of two short paragraphs, shown in the help window of an owner window.
struct HelpWindow {
    HelpWindow() {
        QFile file(folder.filePath(QStringLiteral("help.html")));
        if (file.open(QIODevice::WriteOnly)) {
            file.write("<html><head><title>Test Help</title></head><body>"
                       "<p>One two three.</p><p>Four five.</p></body></html>");
        }
        file.close();
        owner.show();
        HtmlHelp(&owner, file.fileName(), QString());
        viewer = owner.findChild<QTextBrowser*>();
    }
    QAccessibleTextInterface* Text() const {
        return QAccessible::queryAccessibleInterface(viewer)->textInterface();
    }

    QTemporaryDir folder;
    QWidget owner;
    QPointer<QTextBrowser> viewer;
};

class TestDialogAccess : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        QVERIFY2(BridgeIsUp(), "needs Qt's bridge to screen readers: run it with "
                               "tests/support/on_accessibility_bus.sh");
    }

    // What screen readers say a field or list is: the label that stands before it.
    void fieldsAreNamedByTheirLabels_data() {
        QTest::addColumn<bool>("nameDialog");
        QTest::addColumn<int>("role");
        QTest::addColumn<QString>("label");
        QTest::newRow("name field") << true << int(QAccessible::EditableText) << "Enter Name:";
        QTest::newRow("High Score rows") << false << int(QAccessible::List) << "High Scores";
    }
    void fieldsAreNamedByTheirLabels() {
        QFETCH(bool, nameDialog);
        QFETCH(int, role);
        QFETCH(QString, label);
        IsolatedSettings settings;
        clsStatistics statistics;
        std::unique_ptr<QDialog> dialog;
        QWidget* field = nullptr;
        if (nameDialog) {
            dialog = std::make_unique<frmNameInput>(statistics, nullptr);
            field = dialog->findChild<QLineEdit*>();
        } else {
            dialog = std::make_unique<frmStatistics>(statistics, nullptr);
            field = dialog->findChild<ScoreRows*>();
        }
        QVERIFY(field != nullptr);
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(field);
        QCOMPARE(int(iface->role()), role);
        const auto labels = iface->relations(QAccessible::Label);
        QCOMPARE(labels.size(), 1);
        QCOMPARE(labels.first().first->text(QAccessible::Name), label);
    }

    // Screen readers read the rows as a list of ten, each row as it shows, with whole names.
    void highScoreRowsReadAsAList_data() {
        QTest::addColumn<QStringList>("stored"); // name and score, rank after rank
        QTest::addColumn<QStringList>("read");   // the first, second and last items
        QTest::newRow("empty") << QStringList() << QStringList{"1, -, 0", "2, -, 0", "10, -, 0"};
        QTest::newRow("two entries") << QStringList{"Ann", "300", "Bo", "120"}
                                     << QStringList{"1, Ann, 300", "2, Bo, 120", "10, -, 0"};
        const QString wide(25, QChar(0x5168)); // wider than its column: shown cut short
        QTest::newRow("a wide name, markup, a percent sign")
            << QStringList{wide, "50", "<b>%1</b>", "40"}
            << QStringList{"1, " + wide + ", 50", "2, <b>%1</b>, 40", "10, -, 0"};
    }
    void highScoreRowsReadAsAList() {
        QFETCH(QStringList, stored);
        QFETCH(QStringList, read);
        IsolatedSettings settings;
        for (qsizetype i = 0; i + 1 < stored.size(); i += 2) {
            IsolatedSettings::WriteRow(static_cast<int>(i / 2 + 1), stored[i], stored[i + 1]);
        }
        clsStatistics statistics;
        frmStatistics window(statistics, nullptr);
        QAccessibleInterface* list =
            QAccessible::queryAccessibleInterface(window.findChild<ScoreRows*>());
        QCOMPARE(list->childCount(), 10);
        QStringList items;
        for (const int index : {0, 1, 9}) {
            QAccessibleInterface* item = list->child(index);
            QCOMPARE(item->role(), QAccessible::ListItem);
            QCOMPARE(list->indexOfChild(item), index);
            QCOMPARE(item->parent(), list);
            items << item->text(QAccessible::Name);
        }
        QCOMPARE(items, read);
    }

    // OK has the focus when the window opens; Tab reaches the rows, where Up and Down choose
    // one and screen readers are told which; Enter and Esc close the window from there too.
    void highScoreRowsByKeys_data() {
        QTest::addColumn<QList<int>>("keys");
        QTest::addColumn<QString>("focus");     // where the focus ends, "none" once closed
        QTest::addColumn<QStringList>("heard"); // what was given the focus, in order
        QTest::addColumn<int>("result");
        using L = QList<int>;
        const int open = -1;
        const QString ok = QStringLiteral("OK");
        const QString list = QStringLiteral("High Scores");
        const QString first = QStringLiteral("1, Ann, 300");
        const QString second = QStringLiteral("2, Bo, 120");
        const QString last = QStringLiteral("10, -, 0");
        QTest::newRow("opens on OK") << L{} << "&OK" << QStringList{ok} << open;
        // The row is given the focus after the list, so that it is what screen readers read.
        QTest::newRow("Tab") << L{Qt::Key_Tab} << "ScoreRows" << QStringList{ok, list, first}
                             << open;
        QTest::newRow("Tab, Tab") << L{Qt::Key_Tab, Qt::Key_Tab} << "&OK"
                                  << QStringList{ok, list, first, ok} << open;
        QTest::newRow("Shift+Tab")
            << L{Qt::Key_Backtab} << "ScoreRows" << QStringList{ok, list, first} << open;
        QTest::newRow("Down, Down, Up")
            << L{Qt::Key_Tab, Qt::Key_Down, Qt::Key_Down, Qt::Key_Up} << "ScoreRows"
            << QStringList{ok, list, first, second, "3, -, 0", second} << open;
        QTest::newRow("Up at the top, End, Down at the bottom")
            << L{Qt::Key_Tab, Qt::Key_Up, Qt::Key_End, Qt::Key_Down} << "ScoreRows"
            << QStringList{ok, list, first, last} << open;
        QTest::newRow("End, Home") << L{Qt::Key_Tab, Qt::Key_End, Qt::Key_Home} << "ScoreRows"
                                   << QStringList{ok, list, first, last, first} << open;
        QTest::newRow("Enter on the rows")
            << L{Qt::Key_Tab, Qt::Key_Down, Qt::Key_Return} << "none"
            << QStringList{ok, list, first, second} << int(QDialog::Accepted);
        QTest::newRow("Esc on the rows") << L{Qt::Key_Tab, Qt::Key_Escape} << "none"
                                         << QStringList{ok, list, first} << int(QDialog::Rejected);
        // Qt's buttons pass the focus on with the arrow keys, as with Tab.
        QTest::newRow("Down on OK, Up")
            << L{Qt::Key_Down, Qt::Key_Up} << "ScoreRows" << QStringList{ok, list, first} << open;
    }
    void highScoreRowsByKeys() {
        QFETCH(QList<int>, keys);
        QFETCH(QString, focus);
        QFETCH(QStringList, heard);
        QFETCH(int, result);
        IsolatedSettings settings;
        IsolatedSettings::WriteRow(1, QStringLiteral("Ann"), QStringLiteral("300"));
        IsolatedSettings::WriteRow(2, QStringLiteral("Bo"), QStringLiteral("120"));
        clsStatistics statistics;
        frmStatistics window(statistics, nullptr);
        AccessibleEvents events;
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        for (const int key : keys) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
            QCoreApplication::processEvents(); // the row follows the list's own focus event
        }
        QCOMPARE(FocusName(), focus);
        QCOMPARE(events.Focused(), heard);
        if (focus == QLatin1String("ScoreRows")) {
            QAccessibleInterface* rows =
                QAccessible::queryAccessibleInterface(QApplication::focusWidget());
            QCOMPARE(rows->focusChild()->text(QAccessible::Name), heard.last());
            QVERIFY(rows->focusChild()->state().focused);
        }
        QCOMPARE(window.isVisible(), result == -1);
        if (result != -1) {
            QCOMPARE(window.result(), result);
        }
    }

    // The About box opens on OK, every time; Tab reads the version and both links; Enter
    // closes the box from anywhere, Esc never.
    void aboutByKeys_data() {
        QTest::addColumn<QList<int>>("keys");
        QTest::addColumn<QStringList>("heard"); // what was given the focus, in order
        QTest::addColumn<bool>("open");
        using L = QList<int>;
        const QString ok = QStringLiteral("OK");
        const QString version = QStringLiteral("Version 1.1");
        const QString web = frmAbout::WebAddress();
        const QString mail = frmAbout::MailAddress();
        QTest::newRow("opens on OK") << L{} << QStringList{ok} << true;
        QTest::newRow("Tab, round") << L{Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Tab}
                                    << QStringList{ok, version, web, mail, ok} << true;
        QTest::newRow("Shift+Tab") << L{Qt::Key_Backtab} << QStringList{ok, mail} << true;
        QTest::newRow("Esc on a link")
            << L{Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Escape} << QStringList{ok, version, web} << true;
        QTest::newRow("Enter on OK") << L{Qt::Key_Return} << QStringList{ok} << false;
        QTest::newRow("Enter on a link") << L{Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Return}
                                         << QStringList{ok, version, web} << false;
    }
    void aboutByKeys() {
        QFETCH(QList<int>, keys);
        QFETCH(QStringList, heard);
        QFETCH(bool, open);
        WindowHarness h;
        AccessibleEvents events;
        QPointer<QWidget> about;
        bool openAfterKeys = false;
        QString focusAgain;
        WindowHarness::WhenModal([&](QWidget* modal) {
            about = modal;
            QVERIFY(QTest::qWaitForWindowActive(modal));
            for (const int key : keys) {
                QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
            }
            openAfterKeys = modal->isVisible();
            if (openAfterKeys) {
                QTest::keyClick(modal, Qt::Key_Return); // to end the test
            }
        });
        h.Action(QStringLiteral("&About"))->trigger();
        QVERIFY(!about.isNull());
        QStringList focused = events.Focused();
        focused.removeAll(QStringLiteral("Orbet")); // the main window, once the box has gone
        focused.removeIf([](const QString& name) {  // the board's cell, before and after
            return name.startsWith(QLatin1String("row "));
        });
        QCOMPARE(focused.mid(0, heard.size()), heard);
        QCOMPARE(openAfterKeys, open);
        QVERIFY(!about->isVisible());
        // Shown again, it opens on OK, wherever the focus was when it was hidden.
        WindowHarness::WhenModal([&](QWidget* modal) {
            auto* button = qobject_cast<QPushButton*>(modal->focusWidget());
            focusAgain = button != nullptr ? button->text() : QStringLiteral("not OK");
            QTest::keyClick(modal, Qt::Key_Return);
        });
        h.Action(QStringLiteral("&About"))->trigger();
        QCOMPARE(focusAgain, QStringLiteral("OK"));
    }

    // Esc and Ctrl+W close the help window; other keys leave it open.
    void helpWindowCloses_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<bool>("closes");
        QTest::newRow("Esc") << int(Qt::Key_Escape) << int(Qt::NoModifier) << true;
        QTest::newRow("Ctrl+W") << int(Qt::Key_W) << int(Qt::ControlModifier) << true;
        QTest::newRow("W") << int(Qt::Key_W) << int(Qt::NoModifier) << false;
        QTest::newRow("Down") << int(Qt::Key_Down) << int(Qt::NoModifier) << false;
    }
    void helpWindowCloses() {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(bool, closes);
        HelpWindow help;
        QVERIFY(help.viewer != nullptr);
        QVERIFY(QTest::qWaitForWindowActive(help.viewer));
        QTest::keyClick(help.viewer, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QCoreApplication::processEvents(); // a closed window is deleted later
        QCOMPARE(help.viewer.isNull(), closes);
    }

    // The help text is a document with a caret, read by character, word, line and paragraph.
    void helpIsADocument_data() {
        QTest::addColumn<int>("unit");
        QTest::addColumn<QString>("where"); // at, before or after
        QTest::addColumn<int>("offset");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("start");
        const int line = QAccessible::LineBoundary;
        const int word = QAccessible::WordBoundary;
        const int character = QAccessible::CharBoundary;
        // One two three.\nFour five.
        QTest::newRow("character") << character << "at" << 1 << "n" << 1;
        QTest::newRow("next character") << character << "after" << 1 << "e" << 2;
        QTest::newRow("character before") << character << "before" << 1 << "O" << 0;
        QTest::newRow("word with its blank") << word << "at" << 5 << "two " << 4;
        QTest::newRow("next word") << word << "after" << 0 << "two " << 4;
        QTest::newRow("word before") << word << "before" << 4 << "One " << 0;
        QTest::newRow("last word") << word << "at" << 21 << "five" << 20;
        QTest::newRow("line") << line << "at" << 5 << "One two three." << 0;
        QTest::newRow("next line") << line << "after" << 5 << "Four five." << 15;
        QTest::newRow("line before") << line << "before" << 16 << "One two three." << 0;
        QTest::newRow("nothing before the first line") << line << "before" << 3 << "" << -1;
        QTest::newRow("nothing after the last line") << line << "after" << 16 << "" << -1;
        QTest::newRow("past the end") << line << "at" << 26 << "" << -1;
        QTest::newRow("paragraph")
            << int(QAccessible::ParagraphBoundary) << "at" << 17 << "Four five." << 15;
        QTest::newRow("all") << int(QAccessible::NoBoundary) << "at" << 3
                             << "One two three.\nFour five." << 0;
    }
    void helpIsADocument() {
        QFETCH(int, unit);
        QFETCH(QString, where);
        QFETCH(int, offset);
        QFETCH(QString, text);
        QFETCH(int, start);
        HelpWindow help;
        QAccessibleInterface* document = QAccessible::queryAccessibleInterface(help.viewer);
        QCOMPARE(document->role(), QAccessible::Document);
        QCOMPARE(document->text(QAccessible::Name), QStringLiteral("Test Help"));
        QVERIFY(document->state().readOnly);
        QAccessibleTextInterface* reader = help.Text();
        QVERIFY(reader != nullptr);
        QCOMPARE(reader->characterCount(), 25);
        int from = -2;
        int to = -2;
        const auto boundary = QAccessible::TextBoundaryType(unit);
        const QString read = where == QLatin1String("at")
                                 ? reader->textAtOffset(offset, boundary, &from, &to)
                             : where == QLatin1String("before")
                                 ? reader->textBeforeOffset(offset, boundary, &from, &to)
                                 : reader->textAfterOffset(offset, boundary, &from, &to);
        QCOMPARE(read, text);
        QCOMPARE(from, start);
        QCOMPARE(to, start == -1 ? -1 : start + int(text.size()));
    }

    // While a screen reader listens, Down moves a caret to the next line and the screen reader
    // is told; without one, the help window behaves as it did, with no caret to show.
    void helpCaretWhileListening_data() {
        QTest::addColumn<bool>("listening");
        QTest::addColumn<int>("caret"); // after Down
        QTest::newRow("listening") << true << 15;
        QTest::newRow("not listening") << false << 0;
    }
    void helpCaretWhileListening() {
        QFETCH(bool, listening);
        QFETCH(int, caret);
        HelpWindow help;
        QVERIFY(QTest::qWaitForWindowActive(help.viewer));
        AccessibleEvents events;
        QAccessible::setActive(listening); // as Qt's bridge tells it when a screen reader comes
        const auto flags = help.viewer->textInteractionFlags();
        QTest::keyClick(help.viewer, Qt::Key_Down);
        const int moved = help.Text()->cursorPosition();
        QAccessible::setActive(true);
        QCOMPARE(moved, caret);
        QCOMPARE(flags.testFlag(Qt::TextSelectableByKeyboard), listening);
        if (!listening) {
            QCOMPARE(flags, QTextBrowser().textInteractionFlags());
        }
        QCOMPARE(events.Moved(), listening ? QList<int>{15} : QList<int>());
    }

    // A message box is an alert named by its caption, whose text screen readers find in a
    // label of its own and read when it opens, then its default button.
    void messageBoxIsReadWhole_data() {
        QTest::addColumn<QString>("prompt");
        QTest::addColumn<uint>("buttons");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("read");    // the caption, then the text
        QTest::addColumn<QString>("focused"); // the default button
        QTest::newRow("question")
            << "You have achieved a high score that places you at position 3\r\nin the High "
               "Score table.\r\n\r\nDo you wish to add your name to the High Score table?"
            << uint(MB_ICONQUESTION | MB_YESNO) << "HIGH SCORE"
            << "HIGH SCORE: You have achieved a high score that places you at position 3\nin the "
               "High Score table.\n\nDo you wish to add your name to the High Score table?"
            << "Yes";
        QTest::newRow("information") << "Game Over." << uint(MB_ICONINFORMATION) << "GAME OVER"
                                     << "GAME OVER: Game Over."
                                     << "OK";
        QTest::newRow("no caption, no icon")
            << "The name entered exceeds 25 characters." << uint(MB_OK) << ""
            << QCoreApplication::applicationName() + ": The name entered exceeds 25 characters."
            << "OK";
    }
    void messageBoxIsReadWhole() {
        QFETCH(QString, prompt);
        QFETCH(uint, buttons);
        QFETCH(QString, caption);
        QFETCH(QString, read);
        QFETCH(QString, focused);
        QWidget owner;
        owner.show();
        QString heard;
        QString button;
        WindowHarness::WhenModal([&](QWidget* modal) {
            QAccessibleInterface* box = QAccessible::queryAccessibleInterface(modal);
            QCOMPARE(box->role(), QAccessible::AlertMessage);
            heard = box->text(QAccessible::Name) + QStringLiteral(": ") +
                    LoneLabels(box).join(QStringLiteral(" | "));
            // The box gives its button the focus once the window system has activated it.
            QTRY_VERIFY_WITH_TIMEOUT(modal->focusWidget() != nullptr, 5000);
            auto* focus = qobject_cast<QPushButton*>(modal->focusWidget());
            button = focus != nullptr ? focus->text().remove(QLatin1Char('&')) : QString();
            QTest::keyClick(modal, Qt::Key_Escape);
        });
        MsgBox(&owner, prompt, buttons, caption);
        QCOMPARE(heard, read);
        QCOMPARE(button, focused);
    }
};

QTEST_MAIN(TestDialogAccess)
#include "tst_dialogaccess.moc"
