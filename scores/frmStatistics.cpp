#include "scores/frmStatistics.h"

#include "platform/App.h"
#include "platform/FitToText.h"
#include "platform/Isolated.h"
#include "platform/RightToLeft.h"
#include "platform/Twips.h"
#include "scores/ScoreRows.h"
#include "scores/clsStatistics.h"

#include <QFrame>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QTextDocument>

namespace {

QFont Tahoma(qreal points, bool bold) {
    QFont font(QStringLiteral("Tahoma"));
    font.setPointSizeF(points);
    font.setWeight(bold ? QFont::Bold : QFont::Normal);
    return font;
}

QLabel* Label(QWidget* parent, const QString& text, const QFont& font, int left, int top) {
    auto* label = new QLabel(text, parent);
    label->setFont(font);
    label->move(Twips(left), Twips(top));
    FitToText(*label);
    return label;
}

QLabel* Cell(QWidget* parent, const QString& text, int left, int top, int width) {
    QLabel* label = Label(parent, text, Tahoma(8.25, false), left, top);
    label->setTextFormat(Qt::PlainText); // a name is shown as typed, never as markup
    label->setFixedSize(Twips(width), Twips(255));
    return label;
}

// A plain line one pixel wide, in the window's text colour.
void Rule(QWidget* parent, int left, int top, int right) {
    auto* line = new QFrame(parent);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Plain);
    line->setLineWidth(1);
    line->setGeometry(Twips(left), Twips(top), Twips(right - left), 1);
}

} // namespace

frmStatistics::frmStatistics(const clsStatistics& statistics, QWidget* owner)
    : QDialog(owner, DIALOG_FRAME), mStatistics(statistics), imgOrbet(new QLabel(this)),
      cmdOK(new QPushButton(tr("&OK"), this)) {
    setWindowTitle(tr("Orbet High Scores"));
    setWindowIcon(QIcon()); // none of its own, not even its owner's
    setFixedSize(Twips(4680), Twips(4290));
    setModal(true);

    imgOrbet->setGeometry(Twips(120), Twips(120), 32, 32);
    imgOrbet->setPixmap(App::Icon().pixmap(32, 32));
    imgOrbet->setVisible(false);
    QLabel* heading = Label(this, tr("High Scores"), Tahoma(15.75, true), 720, 120);
    Label(this, tr("Rank"), Tahoma(9.75, true), 720, 840);
    Label(this, tr("Player"), Tahoma(9.75, true), 1680, 840);
    Label(this, tr("Score"), Tahoma(9.75, true), 3840, 840);
    Rule(this, 720, 600, 4560);
    Rule(this, 720, 1080, 4560);
    for (int i = 0; i < ROWS; ++i) {
        const int top = 1200 + 240 * i;
        const auto row = static_cast<size_t>(i);
        lblRank[row] = Cell(this, QString::number(i + 1), 960, top, 375);
        lblPlayer[row] = Cell(this, QStringLiteral("-"), 1680, top, 1995);
        lblScore[row] = Cell(this, QStringLiteral("0"), 3840, top, 735);
    }
    // After OK in the Tab order; the window opens with OK focused, as before.
    auto* rows = new ScoreRows(this, ROWS, [this](int row) { return RowText(row); });
    rows->setGeometry(Twips(720), Twips(1200), Twips(4560 - 720), Twips(240 * ROWS));
    heading->setBuddy(rows); // screen readers name the list by the heading
    cmdOK->setGeometry(Twips(3600), Twips(3840), Twips(975), Twips(375));
    cmdOK->setDefault(true);
    cmdOK->setFocus();
    connect(cmdOK, &QPushButton::clicked, this, &frmStatistics::cmdOK_Click);

    Form_Load();
    PlaceFromTheRight(*this);
}

static_assert(frmStatistics::ROWS == clsStatistics::RANKS, "a row for each rank");

void frmStatistics::Form_Load() {
    imgOrbet->setVisible(true);
    const clsStatistics::Table table = mStatistics.Entries();
    for (size_t i = 0; i < lblPlayer.size(); ++i) {
        // A name wider than its column ends in an ellipsis; the whole name is its tooltip.
        const QString& name = table[i].name;
        mNames[i] = name;
        QLabel* label = lblPlayer[i];
        label->setText(label->fontMetrics().elidedText(name, Qt::ElideRight, label->width()));
        // A tooltip takes markup when it sees some: the name goes in as a paragraph of text.
        label->setToolTip(Qt::convertFromPlainText(name, Qt::WhiteSpacePre));
    }
    for (size_t i = 0; i < lblScore.size(); ++i) {
        lblScore[i]->setText(table[i].score);
    }
}

QString frmStatistics::RowText(int row) const {
    const auto i = static_cast<size_t>(row);
    // The whole name, as its tooltip has it, however narrow its column, set apart from the rank
    // and the score whatever direction it runs in.
    return tr("%1, %2, %3", "a High Score row read aloud: rank, player, score")
        .arg(lblRank.at(i)->text(), Isolated(mNames.at(i)), lblScore.at(i)->text());
}

void frmStatistics::cmdOK_Click() {
    accept();
}
