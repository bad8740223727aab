#include "platform/Isolated.h"

#include <QGuiApplication>

namespace {

constexpr char16_t kLeftToRightIsolate = 0x2066;
constexpr char16_t kRightToLeftIsolate = 0x2067;
constexpr char16_t kFirstStrongIsolate = 0x2068;
constexpr char16_t kPopDirectionalIsolate = 0x2069;

// The text between an isolate's opening and its end. An end in the text with no opening of its
// own would close the isolate early, and an opening it leaves unclosed would run past its end:
// each is matched outside the text, so the whole text stays inside.
QString Between(char16_t opening, const QString& text) {
    qsizetype unclosed = 0;
    qsizetype unopened = 0;
    for (const QChar c : text) {
        switch (c.unicode()) {
        case kLeftToRightIsolate:
        case kRightToLeftIsolate:
        case kFirstStrongIsolate:
            ++unclosed;
            break;
        case kPopDirectionalIsolate:
            unclosed > 0 ? --unclosed : ++unopened;
            break;
        default:
            break;
        }
    }
    return QString(unopened + 1, QChar(opening)) + text +
           QString(unclosed + 1, QChar(kPopDirectionalIsolate));
}

// Left-to-right text without a direction control, in a sentence that runs left to right, can
// reach nothing: it stays as it is, so that what is shown, read aloud or copied is unchanged.
bool MayReachBeyond(const QString& text) {
    if (QGuiApplication::isRightToLeft()) {
        return true;
    }
    for (const QChar c : text) {
        switch (c.direction()) {
        case QChar::DirR:
        case QChar::DirAL:
        case QChar::DirLRE:
        case QChar::DirLRO:
        case QChar::DirRLE:
        case QChar::DirRLO:
        case QChar::DirPDF:
        case QChar::DirLRI:
        case QChar::DirRLI:
        case QChar::DirFSI:
        case QChar::DirPDI:
            return true;
        default:
            break;
        }
    }
    return false;
}

} // namespace

QString Isolated(const QString& text) {
    return MayReachBeyond(text) ? Between(kFirstStrongIsolate, text) : text;
}

QString IsolatedLeftToRight(const QString& text) {
    return MayReachBeyond(text) ? Between(kLeftToRightIsolate, text) : text;
}
