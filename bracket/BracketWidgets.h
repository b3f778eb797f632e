#pragma once
// The widget helpers the parts of the bracket window share: its labels and fields, their
// colours and locks, the scaling of design coordinates and the trap around each handler.

#include <QRect>
#include <QString>

#include <functional>
#include <string>

#include "core/Dialogs.h"

class QColor;
class QLabel;
class QLineEdit;
class QRectF;
class QWidget;

namespace brackwell::bracket_ui {

// The property that marks a team label with its index, for the drop target found under the pointer.
inline constexpr const char* kTeamLabelProperty = "teamLabel";

std::string ProcedureTitle(const char* procedure);
// What a handler throws is shown, never passed on to the event loop.
void TrapErrors(Dialogs& dialogs, const char* procedure, const std::function<void()>& body);
QLabel* MakeLabel(QWidget* parent, const QString& name, const QString& text, double points = 8, bool bold = false);
// Names a label and gives it its text and an Arial font.
void StyleLabel(QLabel* label, const QString& name, const QString& text, double points = 8, bool bold = false);
void SetTextColor(QWidget* widget, const QColor& color);
QLineEdit* MakeEdit(QWidget* parent, const QString& name, const QString& accessibleName);
void SetLocked(QLineEdit* edit, bool locked);
QRect Scaled(const QRectF& design, double sx, double sy);

}  // namespace brackwell::bracket_ui
