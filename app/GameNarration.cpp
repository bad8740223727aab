#include "app/GameNarration.h"

QString GameNarration::ColourName(int32_t lngColour) {
    switch (lngColour) {
    case 0:
        return tr("red");
    case 1:
        return tr("blue");
    case 2:
        return tr("green");
    case 3:
        return tr("yellow");
    case 4:
        return tr("cyan");
    case 5:
        return tr("magenta");
    case 6:
        return tr("orange");
    default:
        return tr("empty");
    }
}

QString GameNarration::Place(int32_t lngIndex) {
    return tr("row %1, column %2").arg(CellRow(lngIndex)).arg(CellColumn(lngIndex));
}

QString GameNarration::CellName(int32_t lngIndex, int32_t lngColour, bool blnSelected) {
    const QString name = tr("%1, %2").arg(Place(lngIndex), ColourName(lngColour));
    return blnSelected ? tr("%1, selected").arg(name) : name;
}

QString GameNarration::Colours(const NextColourArray& colours) {
    return tr("%1, %2, %3")
        .arg(ColourName(colours[0]), ColourName(colours[1]), ColourName(colours[2]));
}

QString GameNarration::Account(const QList<GameHappening>& step, const NextColourArray& next) {
    QStringList sentences;
    QStringList arrivals; // new balls, told together once they have all come
    bool nextChosen = false;
    const auto tellArrivals = [&] {
        if (!arrivals.isEmpty()) {
            sentences << tr("new balls: %1", nullptr, static_cast<int>(arrivals.size()))
                             .arg(arrivals.join(tr(", ")));
            arrivals.clear();
        }
    };
    for (const GameHappening& happening : step) {
        if (happening.kind != GameHappening::Added) {
            tellArrivals();
        }
        switch (happening.kind) {
        case GameHappening::NewGame:
            sentences << tr("new game");
            break;
        case GameHappening::Ignored: // nothing to take up here, or one ball is taken up already
            if (happening.colour < 0) {
                sentences << CellName(happening.cell, -1, false);
                break;
            }
            [[fallthrough]];
        case GameHappening::Selected:
            sentences << tr("%1 ball at %2 selected")
                             .arg(ColourName(happening.colour), Place(happening.cell));
            break;
        case GameHappening::Deselected:
            sentences << tr("%1 ball at %2 put back")
                             .arg(ColourName(happening.colour), Place(happening.cell));
            break;
        case GameHappening::Moved:
            sentences << tr("moved to %1").arg(Place(happening.cell));
            break;
        case GameHappening::NoRoute:
            sentences << tr("no route");
            break;
        case GameHappening::Removed:
            // Points come in tens from 50 up, which take the same form of the word in every
            // language Orbet speaks: only the balls need plural forms.
            sentences << tr("%n balls removed, %1 points, score %2", nullptr, happening.count)
                             .arg(happening.points)
                             .arg(happening.score);
            break;
        case GameHappening::Added:
            // A ball and where it stands: "red at row 8, column 1".
            arrivals << tr("%1 at %2").arg(ColourName(happening.colour), Place(happening.cell));
            break;
        case GameHappening::NextColours:
            nextChosen = true;
            break;
        case GameHappening::GameOver:
            sentences << tr("game over, final score %1").arg(happening.score);
            break;
        case GameHappening::Undone:
            sentences << tr("move taken back")
                      << tr("%1 ball back at %2")
                             .arg(ColourName(happening.colour), Place(happening.cell));
            break;
        }
    }
    tellArrivals();
    if (nextChosen) {
        sentences << tr("next: %1").arg(Colours(next));
    }
    return sentences.isEmpty() ? QString() : sentences.join(tr(". ")) + tr(".");
}
