#pragma once
// PickDialogs with Qt's message box and file dialog, over the given window.

#include <QWidget>

#include "pickapp/PickDialogs.h"

namespace brackwell::pick {

class QtPickDialogs final : public PickDialogs {
public:
    void setParent(QWidget* parent) { parent_ = parent; }

    void Warn(const std::string& title, const std::string& text) override;
    std::optional<std::string> SaveFileName(const SaveFileRequest& request) override;
    void About() override;

private:
    QWidget* parent_ = nullptr;
};

// Windows-1252 text as Qt holds it, and back ("?" for a character the code page lacks).
QString PickText(const std::string& ansi);
std::string AnsiFromPickText(const QString& text);

}  // namespace brackwell::pick
