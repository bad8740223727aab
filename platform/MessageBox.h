#pragma once

#include <QString>

#include <cstdint>
#include <functional>

class QWidget;

enum : uint32_t {
    MB_OK = 0x0,
    MB_YESNO = 0x4,
    MB_ICONQUESTION = 0x20,
    MB_ICONEXCLAMATION = 0x30,
    MB_ICONINFORMATION = 0x40,
};
enum : int32_t { IDOK = 1, IDYES = 6, IDNO = 7 };

// A modal message box owned by a window: text (CR LF breaks lines), buttons and icon flags,
// and a caption; an empty caption shows the application's name. Yes is the default button.
// Returns the button pressed.
int32_t MsgBox(QWidget* owner, const QString& prompt, uint32_t buttons, const QString& title);

struct MessageBoxRequest {
    QWidget* owner;
    QString prompt;
    uint32_t buttons;
    QString title;
};
// Answers every message box in place of a person while set; for tests. Pass nothing to reset.
void SetMessageBoxAnswerer(std::function<int32_t(const MessageBoxRequest&)> answerer);
