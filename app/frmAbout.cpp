#include "app/frmAbout.h"

#include "platform/App.h"
#include "platform/DeviceContext.h"
#include "platform/FitToText.h"
#include "platform/RightToLeft.h"
#include "platform/Shell.h"
#include "platform/Twips.h"

#include <QCloseEvent>
#include <QEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>

namespace {

constexpr QRgb kBlue = RGB(0, 0, 255);
constexpr QRgb kRed = RGB(255, 0, 0);

QLabel* Label(QWidget* parent, int left, int top) {
    auto* label = new QLabel(parent);
    label->move(left, top);
    // Only the links and the free area change the links' colours: the pointer over any other
    // label stops here.
    label->setAttribute(Qt::WA_NoMousePropagation);
    return label;
}

QFont Font(const QString& family, qreal points, bool bold, bool underline = false) {
    QFont font(family);
    font.setPointSizeF(points);
    font.setBold(bold);
    font.setUnderline(underline);
    return font;
}

void SetColour(QLabel* label, QRgb colour) {
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, QColor(colour));
    label->setPalette(palette);
}

void SetText(QLabel* label, const QString& text) {
    label->setText(text);
    FitToText(*label);
}

void Rule(QWidget* parent, int left, int top, int right) {
    auto* line = new QFrame(parent);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    line->setGeometry(left, top, right - left, 2);
    line->setAttribute(Qt::WA_TransparentForMouseEvents); // the pointer over it is on free area
}

} // namespace

frmAbout::frmAbout(QWidget* owner)
    : QDialog(owner, DIALOG_FRAME), imgAbout(Label(this, 16, 16)), lblTitle(Label(this, 64, 8)),
      lblVersion(Label(this, 64, 56)), lblRevision(Label(this, 256, 56)),
      lblCopyRight(Label(this, 64, 72)), lblInformation(Label(this, 64, 96)),
      lblWebAddress(new QLabel(this)), lblComments(Label(this, 64, 128)),
      lblMailto(new QLabel(this)), cmdOK(new QPushButton(tr("OK"), this)) {
    setModal(true);
    setFixedSize(Twips(6090), Twips(3060));
    setMouseTracking(true);

    imgAbout->setFixedSize(32, 32);
    imgAbout->setPixmap(App::Icon().pixmap(32, 32));
    lblTitle->setFont(Font(QStringLiteral("Tahoma"), 24, true));
    SetColour(lblTitle, RGB(0, 0, 0));
    lblVersion->setFont(Font(QStringLiteral("Verdana"), 9.75, true));
    lblRevision->setFixedSize(138, 13);
    lblRevision->setVisible(false);
    for (QLabel* link : {lblWebAddress, lblMailto}) {
        link->setFont(Font(QStringLiteral("MS Sans Serif"), 8.25, false, true));
        link->setMouseTracking(true);
        link->setCursor(Qt::PointingHandCursor);
        link->installEventFilter(this);
        SetColour(link, kBlue);
    }
    // Tab reaches the version and the links, so that screen readers read them.
    for (QLabel* label : {lblVersion, lblWebAddress, lblMailto}) {
        label->setFocusPolicy(Qt::TabFocus);
    }
    lblWebAddress->move(64, 112);
    lblMailto->move(64, 144);
    Rule(this, 64, 48, 392);
    Rule(this, 64, 168, 392);
    cmdOK->setGeometry(312, 176, 84, 23);
    cmdOK->setDefault(true);
    cmdOK->setAttribute(Qt::WA_NoMousePropagation);
    connect(cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);

    Form_Load();
    PlaceFromTheRight(*this);
}

void frmAbout::Form_Load() {
    setWindowTitle(tr("About %1").arg(App::Title()));
    SetText(lblVersion, tr("Version %1.%2").arg(App::Major()).arg(App::Minor()));
    if (App::Revision() != 0) {
        lblRevision->setVisible(true);
        lblRevision->setText(tr("Revision %1").arg(App::Revision()));
    }
    SetText(lblTitle, App::Title());
    SetText(lblCopyRight, App::LegalCopyright());
    SetText(lblInformation, tr("For further information:"));
    SetText(lblWebAddress, WebAddress());
    SetText(lblComments, tr("Send questions and comments to:"));
    SetText(lblMailto, MailAddress());
}

void frmAbout::cmdOK_Click() {
    hide();
}

void frmAbout::lblWebAddress_MouseMove() {
    SetColour(lblWebAddress, kRed);
    SetColour(lblMailto, kBlue);
}

void frmAbout::lblMailto_MouseMove() {
    SetColour(lblWebAddress, kBlue);
    SetColour(lblMailto, kRed);
}

void frmAbout::Form_MouseMove() {
    SetColour(lblWebAddress, kBlue);
    SetColour(lblMailto, kBlue);
}

void frmAbout::Form_GotFocus() {
    Form_MouseMove();
}

void frmAbout::lblWebAddress_Click() {
    SetColour(lblWebAddress, kBlue);
    ShellExecute(QStringLiteral("Open"), WebAddress());
}

void frmAbout::lblMailto_Click() {
    SetColour(lblMailto, kBlue);
    ShellExecute(QStringLiteral("Open"), QStringLiteral("mailto:") + MailAddress());
}

bool frmAbout::eventFilter(QObject* watched, QEvent* event) {
    const bool web = watched == lblWebAddress;
    if (event->type() == QEvent::MouseMove) {
        web ? lblWebAddress_MouseMove() : lblMailto_MouseMove();
        return true;
    }
    if (event->type() == QEvent::MouseButtonDblClick) {
        mInDoubleClick = true; // its second press is not a second click
        return true;
    }
    if (event->type() == QEvent::MouseButtonRelease) {
        auto* release = static_cast<QMouseEvent*>(event);
        const bool click =
            release->button() == Qt::LeftButton && !mInDoubleClick &&
            static_cast<QWidget*>(watched)->rect().contains(release->position().toPoint());
        mInDoubleClick = false;
        if (click) {
            web ? lblWebAddress_Click() : lblMailto_Click();
        }
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void frmAbout::mouseMoveEvent(QMouseEvent* event) {
    Form_MouseMove();
    QDialog::mouseMoveEvent(event);
}

void frmAbout::focusInEvent(QFocusEvent* event) {
    Form_GotFocus();
    QDialog::focusInEvent(event);
}

void frmAbout::showEvent(QShowEvent* event) {
    cmdOK->setFocus(); // at every showing, wherever Tab left the focus the last time
    QDialog::showEvent(event);
}

void frmAbout::closeEvent(QCloseEvent* event) {
    // Not WA_DeleteOnClose: a modal run deletes such a dialog even when OK only hid it.
    deleteLater();
    QDialog::closeEvent(event);
}

void frmAbout::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        event->accept(); // Esc does not close the About box
        return;
    }
    QDialog::keyPressEvent(event);
}
