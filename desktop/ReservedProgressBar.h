#pragma once
// The progress bar of a window's long work: hidden while nothing runs, yet keeping its room in
// the layout, so that showing it moves none of the window's buttons.

#include <QProgressBar>
#include <QString>

namespace brackwell {

inline QProgressBar* NewReservedProgressBar(const QString& name, const QString& accessibleName, QWidget* parent = nullptr) {
    auto* bar = new QProgressBar(parent);
    bar->setObjectName(name);
    bar->setAccessibleName(accessibleName);
    QSizePolicy policy = bar->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    bar->setSizePolicy(policy);
    bar->hide();
    return bar;
}

}  // namespace brackwell
