#include "app/GameNarration.h"
#include "app/frmAbout.h"
#include "board/AreaLayout.h"
#include "platform/DataFile.h"
#include "platform/Translations.h"
#include "scores/frmNameInput.h"
#include "scores/frmStatistics.h"
#include "support/WindowHarness.h"

#include <QAbstractButton>
#include <QDir>
#include <QFileInfo>
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

// The player's language, loaded as the program loads it for a locale; or the made-up one.
class Language {
public:
    explicit Language(const QString& locale) : mBefore(QLocale()) {
        if (locale == QLatin1String("pseudo")) {
            auto* pseudo = new PseudoTranslator;
            pseudo->setParent(qApp);
            QCoreApplication::installTranslator(pseudo);
            mLanguage = locale;
        } else {
            QLocale::setDefault(QLocale(locale));
            mLanguage = Translations::Install(*qApp);
        }
    }
    ~Language() {
        for (QTranslator* translator : qApp->findChildren<QTranslator*>()) {
            QCoreApplication::removeTranslator(translator);
            delete translator;
        }
        QLocale::setDefault(mBefore);
        QGuiApplication::setLayoutDirection(Qt::LayoutDirectionAuto); // as Qt starts
    }
    Language(const Language&) = delete;
    Language& operator=(const Language&) = delete;

    QString Loaded() const { return mLanguage; }

private:
    QLocale mBefore;
    QString mLanguage;
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
    QList<QWidget*> buttons;
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
            buttons << button;
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
    for (qsizetype i = 0; i < buttons.size(); ++i) { // a button widened for its text stays apart
        for (qsizetype j = i + 1; j < buttons.size(); ++j) {
            if (buttons[i]->parentWidget() == buttons[j]->parentWidget() &&
                buttons[i]->geometry().intersects(buttons[j]->geometry())) {
                misfits << QStringLiteral("%1: two buttons overlap").arg(where);
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
    // The player's language is taken from the locale as Qt takes it, with a region or
    // without; the help page follows it, and a language Orbet does not speak stays English.
    void loadsThePlayersLanguage_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("page");
        QTest::addColumn<bool>("rightToLeft");
        // How a step with one new ball, and one with three, begins when told aloud.
        QTest::addColumn<QString>("oneNew");
        QTest::addColumn<QString>("threeNew");
        const auto row = [](const char* name, const char* locale, const char* language,
                            const char* page, bool rightToLeft, const char* one,
                            const char* three) {
            QTest::newRow(name) << QString::fromLatin1(locale) << QString::fromLatin1(language)
                                << QString::fromLatin1(page) << rightToLeft
                                << QString::fromUtf8(one) << QString::fromUtf8(three);
        };
        row("German in Germany", "de_DE", "de", "orbet_de.html", false,
            "Neue Kugel: ", "Neue Kugeln: ");
        row("French in Canada", "fr_CA", "fr", "orbet_fr.html", false,
            "Nouvelle boule\u00a0: ", "Nouvelles boules\u00a0: ");
        row("Dutch", "nl_NL", "nl", "orbet_nl.html", false, "nieuwe bal: ", "nieuwe ballen: ");
        row("Portuguese in Brazil", "pt_BR", "pt_BR", "orbet_pt_BR.html", false,
            "nova bola: ", "novas bolas: ");
        row("Chinese in China", "zh_CN", "zh_CN", "orbet_zh_CN.html", false, "新球：", "新球：");
        row("Arabic in Egypt", "ar_EG", "ar", "orbet_ar.html", true, "كرة جديدة: ", "كرات جديدة: ");
        row("Hebrew", "he_IL", "he", "orbet_he.html", true, "כדור חדש: ", "כדורים חדשים: ");
        row("English", "en_US", "en", "orbet.html", false, "new ball: ", "new balls: ");
        row("Swedish, not spoken", "sv_SE", "", "orbet.html", false, "new ball: ", "new balls: ");
        row("Portuguese in Portugal, not spoken", "pt_PT", "", "orbet.html", false,
            "new ball: ", "new balls: ");
        row("the C locale", "C", "", "orbet.html", false, "new ball: ", "new balls: ");
    }
    void loadsThePlayersLanguage() {
        QFETCH(QString, locale);
        QFETCH(QString, language);
        QFETCH(QString, page);
        QFETCH(bool, rightToLeft);
        QFETCH(QString, oneNew);
        QFETCH(QString, threeNew);
        const Language speaking(locale);
        QCOMPARE(speaking.Loaded(), language);
        QCOMPARE(Translations::Language(), language);
        QCOMPARE(QGuiApplication::layoutDirection() == Qt::RightToLeft, rightToLeft);
        // Qt's own catalogue as well where Qt speaks the language, for the texts Qt's widgets
        // show that Orbet's catalogue leaves alone, such as a scroll bar's menu.
        const bool qtSpeaks =
            !language.isEmpty() && language != QLatin1String("en") &&
            QFileInfo::exists(QDir(QLibraryInfo::path(QLibraryInfo::TranslationsPath))
                                  .filePath(QStringLiteral("qt_%1.qm").arg(language)));
        QCOMPARE(QCoreApplication::translate("QScrollBar", "Scroll here") != "Scroll here",
                 qtSpeaks);
        const QString file = DataFileInFor(QStringLiteral(ORBET_DATA_DIR),
                                           QStringLiteral("orbet.html"), Translations::Language());
        QCOMPARE(QFileInfo(file).fileName(), page);
        QVERIFY2(QFileInfo::exists(file), qPrintable(file)); // beside the program

        // The plural follows the count of new balls, in English without a catalogue as well.
        QList<GameHappening> step{{GameHappening::Added, 1, 0}};
        const QString one = GameNarration::Account(step, {});
        step += {{GameHappening::Added, 12, 1}, {GameHappening::Added, 23, 2}};
        const QString three = GameNarration::Account(step, {});
        QVERIFY2(one.startsWith(oneNew), qPrintable(one));
        QVERIFY2(three.startsWith(threeNew), qPrintable(three));
    }

    void everyTextFits_data() {
        QTest::addColumn<QString>("language");
        QTest::addColumn<bool>("fits");
        QFile list(QStringLiteral(ORBET_LINGUAS)); // every language Orbet speaks
        QVERIFY(list.open(QIODevice::ReadOnly));
        const QStringList languages =
            QString::fromUtf8(list.readAll())
                .split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
        QVERIFY(languages.size() >= 16);
        for (const QString& code : QStringList{QStringLiteral("en")} + languages) {
            QTest::newRow(qPrintable(code)) << code << true;
        }
        // Proves the checks would catch a translation too long for its room.
        QTest::newRow("pseudo, 40% longer") << QStringLiteral("pseudo") << false;
    }
    void everyTextFits() {
        QFETCH(QString, language);
        QFETCH(bool, fits);
        const Language speaking(language);
        QCOMPARE(speaking.Loaded(), language);

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
