#include "bracket/BracketWidgets.h"

#include <QColor>
#include <QFont>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QRectF>

#include "desktop/TrappedCommand.h"

namespace brackwell::bracket_ui {

std::string ProcedureTitle(const char* procedure) { return std::string("Brackwell - frmPoolMain, ") + procedure; }

void TrapErrors(Dialogs& dialogs, const char* procedure, const std::function<void()>& body) {
    RunTrapped(dialogs, ProcedureTitle(procedure), body);
}

QLabel* MakeLabel(QWidget* parent, const QString& name, const QString& text, double points, bool bold) {
    auto* label = new QLabel(parent);
    StyleLabel(label, name, text, points, bold);
    return label;
}

void StyleLabel(QLabel* label, const QString& name, const QString& text, double points, bool bold) {
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    label->setText(text);
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(points);
    font.setBold(bold);
    label->setFont(font);
}

void SetTextColor(QWidget* widget, const QColor& color) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, color);
    palette.setColor(QPalette::Text, color);
    widget->setPalette(palette);
}

QLineEdit* MakeEdit(QWidget* parent, const QString& name, const QString& accessibleName) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setAccessibleName(accessibleName);
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(8);
    edit->setFont(font);
    return edit;
}

void SetLocked(QLineEdit* edit, bool locked) {
    edit->setReadOnly(locked);
    edit->setFocusPolicy(locked ? Qt::NoFocus : Qt::StrongFocus);
}

QRect Scaled(const QRectF& design, double sx, double sy) {
    return QRectF(design.x() * sx, design.y() * sy, design.width() * sx, design.height() * sy).toRect();
}

}  // namespace brackwell::bracket_ui
