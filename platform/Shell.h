#pragma once

#include <QString>

#include <functional>

// Opens a web or "mailto:" address with the program the desktop has for it; returns at once.
void ShellExecute(const QString& strOperation, const QString& strFile);

// Receives every address in place of the desktop while set; for tests. Pass nothing to reset.
void SetShellHandler(std::function<void(const QString& strOperation, const QString& strFile)>);
