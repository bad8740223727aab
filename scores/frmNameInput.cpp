#include "scores/frmNameInput.h"

#include "platform/App.h"
#include "platform/FitToText.h"
#include "platform/Isolated.h"
#include "platform/MessageBox.h"
#include "platform/RightToLeft.h"
#include "platform/Twips.h"
#include "scores/clsStatistics.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

// Only spaces are trimmed: other blanks inside or around a name are kept as typed.
QString TrimSpaces(const QString& text) {
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text.at(first) == QLatin1Char(' ')) {
        ++first;
    }
    while (last > first && text.at(last - 1) == QLatin1Char(' ')) {
        --last;
    }
    return text.mid(first, last - first);
}

} // namespace

frmNameInput::frmNameInput(clsStatistics& statistics, QWidget* owner)
    : QDialog(owner, DIALOG_FRAME), mStatistics(statistics),
      Label1(new QLabel(tr("Enter Name:"), this)), txtName(new QLineEdit(this)),
      cmdCancel(new QPushButton(tr("&Cancel"), this)), cmdOK(new QPushButton(tr("&OK"), this)) {
    setWindowTitle(tr("High Score Entry"));
    setFixedSize(Twips(4905), Twips(1065));
    setModal(true);

    Label1->move(Twips(120), Twips(0));
    FitToText(*Label1);
    txtName->setGeometry(Twips(120), Twips(240), Twips(4695), Twips(285));
    cmdCancel->setGeometry(Twips(2760), Twips(600), Twips(975), Twips(375));
    cmdOK->setGeometry(Twips(3840), Twips(600), Twips(975), Twips(375));
    cmdOK->setDefault(true);
    // Where the word for Cancel is longer than the button, the button grows to its left, into
    // the empty room there, with the margins its frame needs.
    const int needed =
        cmdCancel->fontMetrics().horizontalAdvance(QString(cmdCancel->text()).remove('&')) + 12;
    if (needed > cmdCancel->width()) {
        cmdCancel->setGeometry(
            cmdCancel->geometry().adjusted(cmdCancel->width() - needed, 0, 0, 0));
    }
    Label1->setBuddy(txtName); // screen readers name the field by its label
    setTabOrder(txtName, cmdCancel);
    setTabOrder(cmdCancel, cmdOK);
    txtName->setFocus();

    connect(cmdOK, &QPushButton::clicked, this, &frmNameInput::cmdOK_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmNameInput::cmdCancel_Click);
    PlaceFromTheRight(*this);
}

void frmNameInput::cmdOK_Click() {
    const QString name = TrimSpaces(txtName->text());
    const auto length = name.toUcs4().size(); // characters, not UTF-16 units
    if (length == 0) {
        const int32_t answer = MsgBox(this,
                                      tr("You did not enter a name.\r\n\r\n"
                                         "Are you sure that you do not wish to enter "
                                         "your name into the\r\nHigh Score table?"),
                                      MB_ICONQUESTION | MB_YESNO, tr("CONFIRMATION"));
        if (answer == IDYES) {
            reject();
        } else {
            txtName->setFocus();
        }
        return;
    }
    if (length <= MAX_NAME_LENGTH) {
        if (!mStatistics.AddStatistic(name, clsStatistics::ScoreNumber(mstrTag).value_or(0))) {
            MsgBox(this,
                   tr("Your score could not be saved.\r\n\r\nThe High Score table is "
                      "kept in\r\n%1\r\nand that file could not be written.")
                       .arg(IsolatedLeftToRight(QDir::toNativeSeparators(mStatistics.FileName()))),
                   MB_OK | MB_ICONEXCLAMATION, App::Title());
        }
        accept();
        return;
    }
    MsgBox(this,
           tr("The name entered exceeds %n characters.\r\n\r\n"
              "Please shorten it so that you name can be entered into the High Score table.",
              nullptr, MAX_NAME_LENGTH),
           MB_OK, QString());
    txtName->setFocus();
    txtName->setSelection(0, static_cast<int>(txtName->text().size()));
}

void frmNameInput::cmdCancel_Click() {
    reject();
}
