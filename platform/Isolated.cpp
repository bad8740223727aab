#include "platform/Isolated.h"

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

} // namespace

QString Isolated(const QString& text) {
    return Between(kFirstStrongIsolate, text);
}

QString IsolatedLeftToRight(const QString& text) {
    return Between(kLeftToRightIsolate, text);
}
