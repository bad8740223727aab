#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

// The About box: icon, title, version, copyright, and two links that light up under the
// pointer. It opens with OK focused; Tab goes on to the version and the links. OK (Enter) hides
// the box for the next showing, Esc does nothing; the close box destroys it.
class frmAbout : public QDialog {
    Q_OBJECT

public:
    explicit frmAbout(QWidget* owner);

    static QString WebAddress() { return QStringLiteral("https://www.example.com/orbet"); }
    static QString MailAddress() { return QStringLiteral("orbet@example.com"); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void Form_Load();
    void cmdOK_Click();
    void lblWebAddress_MouseMove();
    void lblMailto_MouseMove();
    void Form_MouseMove();
    void Form_GotFocus();
    void lblWebAddress_Click();
    void lblMailto_Click();

    QLabel* imgAbout;
    QLabel* lblTitle;
    QLabel* lblVersion;
    QLabel* lblRevision;
    QLabel* lblCopyRight;
    QLabel* lblInformation;
    QLabel* lblWebAddress;
    QLabel* lblComments;
    QLabel* lblMailto;
    QPushButton* cmdOK;
    bool mInDoubleClick = false;
};
