#pragma once
// The about window: the program's name, version and what it is for.

#include <QDialog>

namespace brackwell {

class frmAbout : public QDialog {
    Q_OBJECT

public:
    explicit frmAbout(QWidget* parent = nullptr);
};

}  // namespace brackwell
