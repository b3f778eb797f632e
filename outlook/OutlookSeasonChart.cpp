#include "outlook/OutlookSeasonChart.h"

#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QLabel>
#include <QLineSeries>
#include <QValueAxis>
#include <QVBoxLayout>

#include "desktop/AnsiQt.h"

namespace brackwell {

namespace {

constexpr const char* kChartName = "Chance of first, stage by stage";

}  // namespace

OutlookSeasonChart::OutlookSeasonChart(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("OutlookSeasonChart"));
    chart_ = new QChart;
    chart_->setTitle(QLatin1String(kChartName));
    chart_->legend()->setAlignment(Qt::AlignRight);
    view_ = new QChartView(chart_, this);
    view_->setObjectName(QStringLiteral("chtSeason"));
    view_->setRenderHint(QPainter::Antialiasing);
    view_->setAccessibleName(QLatin1String(kChartName));
    view_->setFocusPolicy(Qt::StrongFocus);
    // Room for the stage captions and the axis titles: a shorter chart elides them.
    view_->setMinimumHeight(280);
    lblNote_ = new QLabel(this);
    lblNote_->setObjectName(QStringLiteral("lblSeasonNote"));
    lblNote_->setWordWrap(true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(view_, 1);
    layout->addWidget(lblNote_);
    ShowNote(QStringLiteral("The replay is drawn once the outlook is counted."));
}

void OutlookSeasonChart::ShowNote(const QString& note) {
    lblNote_->setText(note);
    view_->setAccessibleDescription(note);
}

void OutlookSeasonChart::ShowSeason(const std::vector<SeasonStage>& stages, const std::vector<SeasonLine>& lines) {
    chart_->removeAllSeries();
    for (QAbstractAxis* axis : chart_->axes()) {
        chart_->removeAxis(axis);
        delete axis;
    }
    auto* stageAxis = new QCategoryAxis;
    stageAxis->setTitleText(QStringLiteral("Stage of the season"));
    stageAxis->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    for (std::size_t s = 0; s < stages.size(); ++s)
        stageAxis->append(AnsiToQString(stages[s].caption), static_cast<qreal>(s));
    stageAxis->setRange(0, static_cast<qreal>(std::max<std::size_t>(stages.size(), 2) - 1));
    auto* chanceAxis = new QValueAxis;
    chanceAxis->setTitleText(QStringLiteral("Chance of first (%)"));
    chanceAxis->setRange(0, 100);
    chanceAxis->setLabelFormat(QStringLiteral("%d"));
    chart_->addAxis(stageAxis, Qt::AlignBottom);
    chart_->addAxis(chanceAxis, Qt::AlignLeft);
    for (const SeasonLine& line : lines) {
        auto* series = new QLineSeries;
        series->setName(AnsiToQString(line.player));
        series->setPointsVisible(true);
        for (std::size_t s = 0; s < line.chances.size(); ++s) series->append(static_cast<qreal>(s), line.chances[s]);
        chart_->addSeries(series);
        series->attachAxis(stageAxis);
        series->attachAxis(chanceAxis);
    }
    const QString description = AnsiToQString(SeasonDescription(stages, lines));
    lblNote_->setText(lines.empty() ? QStringLiteral("No participant to follow.") : QString());
    lblNote_->setVisible(lines.empty());
    view_->setAccessibleDescription(description);
}

QString OutlookSeasonChart::Description() const { return view_->accessibleDescription(); }

}  // namespace brackwell
