#pragma once
// A read-only view of the loaded start field: title, the four regions with their seeded teams,
// the points per round and the two comments.

#include <QWidget>

#include "core/Model.h"

namespace brackwell {

class FieldOverview : public QWidget {
    Q_OBJECT

public:
    explicit FieldOverview(const StartLinesArray& lines, QWidget* parent = nullptr);
};

}  // namespace brackwell
