#pragma once
// The "Season replay" chart: each leading participant's chance of first at each stage of the
// season, one line each. Its accessible description says every value in words, so the chart
// reads without being seen.

#include <QWidget>

#include <string>
#include <vector>

#include "outlook/rules/OutlookSeason.h"

class QChart;
class QChartView;
class QLabel;

namespace brackwell {

class OutlookSeasonChart final : public QWidget {
    Q_OBJECT

public:
    explicit OutlookSeasonChart(QWidget* parent = nullptr);

    // The stages' captions and the participants' lines; no lines leaves a note instead.
    void ShowSeason(const std::vector<SeasonStage>& stages, const std::vector<SeasonLine>& lines);
    void ShowNote(const QString& note);
    // The description read out for the chart.
    QString Description() const;

private:
    QChart* chart_ = nullptr;
    QChartView* view_ = nullptr;
    QLabel* lblNote_ = nullptr;
};

}  // namespace brackwell
