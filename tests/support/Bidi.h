#pragma once

#include <QFont>
#include <QGlyphRun>
#include <QTextLayout>

#include <algorithm>
#include <utility>
#include <vector>

// The characters of a text that show a glyph, spaces aside, in the order they stand from left
// to right when the text is laid out on one line in a paragraph of the given direction.
inline QString ShownLeftToRight(const QString& text, Qt::LayoutDirection direction) {
    QTextLayout layout(text, QFont());
    QTextOption option;
    option.setTextDirection(direction);
    layout.setTextOption(option);
    layout.beginLayout();
    layout.createLine().setLineWidth(1e6);
    layout.endLayout();
    std::vector<std::pair<qreal, QChar>> shown;
    for (int i = 0; i < text.size(); ++i) {
        QRectF glyphs;
        for (const QGlyphRun& run : layout.glyphRuns(i, 1)) {
            glyphs |= run.boundingRect();
        }
        if (glyphs.width() > 0 && !text.at(i).isSpace()) {
            shown.emplace_back(glyphs.center().x(), text.at(i));
        }
    }
    std::sort(shown.begin(), shown.end(),
              [](const auto& a, const auto& b) { return a.first < b.first; });
    QString characters;
    for (const auto& character : shown) {
        characters += character.second;
    }
    return characters;
}
