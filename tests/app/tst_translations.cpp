#include "app/frmAbout.h"
#include "scores/frmNameInput.h"
#include "scores/frmStatistics.h"
#include "support/WindowHarness.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLibraryInfo>
#include <QMenu>
#include <QPushButton>
#include <QRegularExpression>
#include <QStyle>
#include <QTest>
#include <QTranslator>

#include <memory>

namespace {

// Every message about 40% longer and accented, its place markers (%1, %n) and access keys (&)
// kept: a translation longer than any shipped one, which the fit checks must catch.
class PseudoTranslator : public QTranslator {
public:
    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* source, const char*, int) const override {
        const QString text = QString::fromUtf8(source);
        if (QByteArray(context) == "QGuiApplication") {
            return text; // the layout direction stays as it is
        }
        static const QString plain = QStringLiteral("aeiouAEIOUcnyCNY");
        static const QString accented = QStringLiteral("áéíóúÁÉÍÓÚçñýÇÑÝ");
        QString result;
        int letters = 0;
        for (qsizetype i = 0; i < text.size(); ++i) {
            const QChar c = text.at(i);
            if ((c == QLatin1Char('%') || c == QLatin1Char('&')) && i + 1 < text.size()) {
                result += c;
                result += text.at(++i); // a place marker or an access key, as it is
                continue;
            }
            const qsizetype at = plain.indexOf(c);
            result += at >= 0 ? accented.at(at) : c;
            letters += c.isLetter() ? 1 : 0;
        }
        return result + QString(qMax(1, letters * 2 / 5), QChar(0x00B7)); // "·": 40% more
    }
};

// The player's language as Orbet loads it: its catalogue and Qt's, and the direction it runs.
class Language {
public:
    explicit Language(const QString& code) {
        if (code == QLatin1String("pseudo")) {
            mOurs = std::make_unique<PseudoTranslator>();
        } else {
            mOurs = std::make_unique<QTranslator>();
            mLoaded = mOurs->load(QStringLiteral(":/i18n/orbet_%1.qm").arg(code));
            mQt = std::make_unique<QTranslator>();
            if (mQt->load(QStringLiteral("qt_") + code,
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
                QCoreApplication::installTranslator(mQt.get());
            }
        }
        QCoreApplication::installTranslator(mOurs.get());
        QGuiApplication::setLayoutDirection(
            QGuiApplication::translate("QGuiApplication", "QT_LAYOUT_DIRECTION") ==
                    QLatin1String("RTL")
                ? Qt::RightToLeft
                : Qt::LeftToRight);
    }
    ~Language() {
        QCoreApplication::removeTranslator(mOurs.get());
        if (mQt) {
            QCoreApplication::removeTranslator(mQt.get());
        }
        QGuiApplication::setLayoutDirection(Qt::LeftToRight);
    }
    Language(const Language&) = delete;
    Language& operator=(const Language&) = delete;

    bool Loaded() const { return mLoaded || mQt == nullptr; }

private:
    std::unique_ptr<QTranslator> mOurs;
    std::unique_ptr<QTranslator> mQt;
    bool mLoaded = false;
};

QString Plain(const QString& text) {
    return QString(text).remove(QRegularExpression(QStringLiteral("&(?=[^&])")));
}

// What does not fit in a window: texts wider than their widgets, widgets beyond the window or
// on top of each other, a menu bar wider than the window, access keys twice in one menu.
QStringList Misfits(QWidget* window) {
    QStringList misfits;
    const QString where = window->windowTitle();
    QList<QWidget*> placed;
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        if (!widget->isVisibleTo(window) || widget->parentWidget() == nullptr) {
            continue;
        }
        const QRect room = widget->parentWidget()->rect();
        QString text;
        int needed = 0;
        if (auto* label = qobject_cast<QLabel*>(widget);
            label != nullptr && !label->text().isEmpty()) {
            text = label->text();
            needed = label->fontMetrics().boundingRect(Plain(text)).width();
            if (needed > label->contentsRect().width()) {
                misfits << QStringLiteral("%1: \"%2\" needs %3 pixels, has %4")
                               .arg(where, text)
                               .arg(needed)
                               .arg(label->contentsRect().width());
            }
            placed << label;
        } else if (auto* button = qobject_cast<QAbstractButton*>(widget);
                   button != nullptr && !button->text().isEmpty()) {
            text = button->text();
            needed = button->fontMetrics().horizontalAdvance(Plain(text)) + 6; // its frame
            if (needed > button->width()) {
                misfits << QStringLiteral("%1: button \"%2\" needs %3 pixels, has %4")
                               .arg(where, text)
                               .arg(needed)
                               .arg(button->width());
            }
        } else {
            continue;
        }
        if (!room.contains(widget->geometry())) {
            misfits << QStringLiteral("%1: \"%2\" goes beyond its window").arg(where, text);
        }
    }
    // Where each label's glyphs stand: labels, and the lines their texts take, may touch; what
    // is drawn may not.
    const auto ink = [](QLabel* label) {
        const QFontMetrics metrics = label->fontMetrics();
        const QString text = Plain(label->text());
        const QRect line = QStyle::alignedRect(
            label->layoutDirection(), label->alignment(),
            QSize(metrics.horizontalAdvance(text), metrics.height()), label->contentsRect());
        return metrics.tightBoundingRect(text)
            .translated(line.left(), line.top() + metrics.ascent())
            .translated(label->pos());
    };
    for (qsizetype i = 0; i < placed.size(); ++i) {
        for (qsizetype j = i + 1; j < placed.size(); ++j) {
            auto* a = static_cast<QLabel*>(placed[i]);
            auto* b = static_cast<QLabel*>(placed[j]);
            if (a->parentWidget() == b->parentWidget() && ink(a).intersects(ink(b))) {
                misfits << QStringLiteral("%1: \"%2\" and \"%3\" overlap")
                               .arg(where, a->text(), b->text());
            }
        }
    }
    return misfits;
}

QStringList MenuMisfits(frmMain& window) {
    QStringList misfits;
    QMenuBar* bar = window.menuBar();
    if (bar->sizeHint().width() > window.width()) {
        misfits << QStringLiteral("the menu bar needs %1 pixels, the window has %2")
                       .arg(bar->sizeHint().width())
                       .arg(window.width());
    }
    for (QAction* title : bar->actions()) {
        QString keys;
        for (QAction* entry : title->menu()->actions()) {
            const qsizetype amp =
                entry->text().indexOf(QRegularExpression(QStringLiteral("&[^&]")));
            if (amp < 0) {
                continue;
            }
            const QString key = entry->text().mid(amp + 1, 1).toLower();
            if (keys.contains(key)) {
                misfits << QStringLiteral("menu %1: access key %2 twice").arg(title->text(), key);
            }
            keys += key;
        }
    }
    return misfits;
}

} // namespace

class TestTranslations : public QObject {
    Q_OBJECT

private slots:
    void everyTextFits_data() {
        QTest::addColumn<QString>("language");
        QTest::addColumn<bool>("fits");
        for (const char* code : {"en", "ar", "de", "es", "fr", "he", "hi", "it", "ja", "ko", "nl",
                                 "pl", "pt_BR", "ru", "tr", "uk", "zh_CN"}) {
            QTest::newRow(code) << QString::fromLatin1(code) << true;
        }
        // Proves the checks would catch a translation too long for its room.
        QTest::newRow("pseudo, 40% longer") << QStringLiteral("pseudo") << false;
    }
    void everyTextFits() {
        QFETCH(QString, language);
        QFETCH(bool, fits);
        const Language speaking(language);
        QVERIFY2(speaking.Loaded(), qPrintable(language));

        WindowHarness h;
        QStringList misfits = MenuMisfits(*h.window) + Misfits(h.window.get());
        QCOMPARE(h.window->Canvas()->size(), QSize(CLIENT_WIDTH, CLIENT_HEIGHT));
        QCOMPARE(h.window->width(), CLIENT_WIDTH); // the window keeps its size
        if (QGuiApplication::layoutDirection() == Qt::RightToLeft) {
            // The menus run from the right; the game area keeps its picture, its labels align
            // to the right edge of their boxes.
            const QList<QAction*> menus = h.window->menuBar()->actions();
            QVERIFY(h.window->menuBar()->actionGeometry(menus.first()).x() >
                    h.window->menuBar()->actionGeometry(menus.last()).x());
            for (QLabel* label : h.window->Canvas()->findChildren<QLabel*>()) {
                QCOMPARE(label->geometry().right() + 1, PREVIEW_BOX.right);
            }
        }
        {
            frmAbout about(h.window.get());
            misfits += Misfits(&about);
            if (QGuiApplication::layoutDirection() == Qt::RightToLeft) {
                // Laid out by hand, the box runs from the right too: OK at the lower left.
                QCOMPARE(about.findChild<QPushButton*>()->x(), about.width() - 312 - 84);
            }
            frmStatistics scores(h.statistics, h.window.get());
            misfits += Misfits(&scores);
            frmNameInput name(h.statistics, h.window.get());
            misfits += Misfits(&name);
        }
        if (fits) {
            QVERIFY2(misfits.isEmpty(), qPrintable(misfits.join(QLatin1Char('\n'))));
        } else {
            QVERIFY(!misfits.isEmpty());
        }
    }
};

QTEST_MAIN(TestTranslations)
#include "tst_translations.moc"
