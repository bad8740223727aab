#include "platform/MessageBox.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QPushButton>

namespace {

std::function<int32_t(const MessageBoxRequest&)>& Answerer() {
    static std::function<int32_t(const MessageBoxRequest&)> answerer;
    return answerer;
}

} // namespace

void SetMessageBoxAnswerer(std::function<int32_t(const MessageBoxRequest&)> answerer) {
    Answerer() = std::move(answerer);
}

int32_t MsgBox(QWidget* owner, const QString& prompt, uint32_t buttons, const QString& title) {
    if (Answerer()) {
        return Answerer()(MessageBoxRequest{owner, prompt, buttons, title});
    }
    QMessageBox box(owner);
    box.setWindowTitle(title.isEmpty() ? QCoreApplication::applicationName() : title);
    box.setText(QString(prompt).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    switch (buttons & 0xF0) {
    case MB_ICONQUESTION:
        box.setIcon(QMessageBox::Question);
        break;
    case MB_ICONEXCLAMATION:
        box.setIcon(QMessageBox::Warning);
        break;
    case MB_ICONINFORMATION:
        box.setIcon(QMessageBox::Information);
        break;
    default:
        break;
    }
    if ((buttons & MB_YESNO) == MB_YESNO) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
        box.setEscapeButton(QMessageBox::No);
    } else {
        box.setStandardButtons(QMessageBox::Ok);
    }
    const int pressed = box.exec();
    if (pressed == QMessageBox::Yes) {
        return IDYES;
    }
    return pressed == QMessageBox::No ? IDNO : IDOK;
}
