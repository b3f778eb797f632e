#include "desktop/frmAbout.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace brackwell {

namespace {

QLabel* Label(const QString& name, const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignHCenter);
    return label;
}

}  // namespace

frmAbout::frmAbout(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral("About Brackwell"));
    setModal(true);

    QLabel* program = Label(QStringLiteral("lblProgram"), QStringLiteral("Brackwell"), this);
    QFont large = program->font();
    large.setPointSizeF(large.pointSizeF() * 1.6);
    large.setBold(true);
    program->setFont(large);
    QLabel* version = Label(QStringLiteral("lblVersion"), QStringLiteral("Version " BRACKWELL_VERSION), this);
    QLabel* description = Label(QStringLiteral("lblDescription"),
                                QStringLiteral("Runs an office pool on the 64-team NCAA basketball tournament."), this);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    QPushButton* ok = buttons->button(QDialogButtonBox::Ok);
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setText(QStringLiteral("OK"));
    ok->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(program);
    layout->addWidget(version);
    layout->addWidget(description);
    layout->addSpacing(8);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

}  // namespace brackwell
