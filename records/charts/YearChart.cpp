// The chart library of «Мой год»: Qt Charts behind a C entry point, loaded by the window only when it draws a chart.
#include "records/charts/YearChartApi.h"

#include <QBarCategoryAxis>
#include <QBarSet>
#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QHorizontalBarSeries>
#include <QLegend>
#include <QLineSeries>
#include <QMouseEvent>
#include <QToolTip>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

namespace {

QString Text(const char* text) { return text ? QString::fromUtf8(text) : QString(); }

QColor Color(uint32_t rgb) { return QColor(QRgb(0xff000000u | rgb)); }

template <class T> bool Whole(const T* array, int32_t count) { return count == 0 || (count > 0 && array); }

bool Whole(const YearChart& chart)
{
    if (chart.kind == YEAR_CHART_LINES) {
        if (!Whole(chart.lines, chart.lineCount) || !Whole(chart.dayLabels, chart.dayLabelCount)
            || !Whole(chart.dayTips, chart.dayTipCount))
            return false;
        for (int32_t i = 0; i < chart.lineCount; ++i) {
            const YearChartLine& line = chart.lines[i];
            if (!Whole(line.x, line.count) || !Whole(line.y, line.count))
                return false;
        }
        return true;
    }
    if (chart.kind == YEAR_CHART_BARS) {
        if (!Whole(chart.bars, chart.barCount) || !Whole(chart.categories, chart.categoryCount))
            return false;
        for (int32_t i = 0; i < chart.barCount; ++i) {
            if (!Whole(chart.bars[i].values, chart.categoryCount))
                return false;
        }
        return true;
    }
    return false;
}

QValueAxis* ValueAxis(const YearChart& chart)
{
    auto* axis = new QValueAxis;
    axis->setTitleText(Text(chart.valueTitle));
    axis->setRange(chart.valueLow, chart.valueHigh);
    if (chart.valueTicks > 1)
        axis->setTickCount(chart.valueTicks);
    else
        axis->applyNiceNumbers();
    axis->setLabelFormat(QStringLiteral("%i"));
    return axis;
}

Qt::PenStyle PenStyle(int32_t style)
{
    switch (style) {
    case YEAR_CHART_DASH:
        return Qt::DashLine;
    case YEAR_CHART_DOT:
        return Qt::DotLine;
    case YEAR_CHART_DASH_DOT:
        return Qt::DashDotLine;
    default:
        return Qt::SolidLine;
    }
}

// Thin lines across the chart at the day ticks; the axis itself shows no numbers (the months say where a day is).
void AddDayTicks(QChart& chart, const YearChart& description)
{
    if (!(description.dayTickStep > 0) || description.dayHigh <= description.dayLow)
        return;
    auto* ticks = new QValueAxis;
    ticks->setRange(description.dayLow, description.dayHigh);
    ticks->setTickType(QValueAxis::TicksDynamic);
    ticks->setTickAnchor(description.dayTickAnchor);
    ticks->setTickInterval(description.dayTickStep);
    ticks->setLabelsVisible(false);
    ticks->setLineVisible(false);
    ticks->setGridLinePen(QPen(QColor(0, 0, 0, 28), 1));
    chart.addAxis(ticks, Qt::AlignBottom);
}

void AddLines(QChart& chart, const YearChart& description)
{
    auto* days = new QCategoryAxis;
    days->setTitleText(Text(description.dayTitle));
    days->setLabelsPosition(QCategoryAxis::AxisLabelsPositionCenter);
    days->setGridLineVisible(true);
    days->setStartValue(description.dayLow);
    days->setRange(description.dayLow, description.dayHigh);
    for (int32_t i = 0; i < description.dayLabelCount; ++i)
        days->append(Text(description.dayLabels[i].text), description.dayLabels[i].end);
    QValueAxis* values = ValueAxis(description);
    chart.addAxis(days, Qt::AlignBottom);
    chart.addAxis(values, Qt::AlignLeft);
    AddDayTicks(chart, description);
    for (int32_t i = 0; i < description.lineCount; ++i) {
        const YearChartLine& line = description.lines[i];
        auto* series = new QLineSeries;
        series->setName(Text(line.name));
        QList<QPointF> points;
        points.reserve(line.count);
        for (int32_t point = 0; point < line.count; ++point)
            points.append(QPointF(line.x[point], line.y[point]));
        series->replace(points);
        series->setPen(QPen(Color(line.color), std::max(1, line.width), PenStyle(line.style)));
        series->setPointsVisible(line.dots != 0);
        chart.addSeries(series);
        series->attachAxis(days);
        series->attachAxis(values);
    }
}

void AddBars(QChart& chart, const YearChart& description)
{
    auto* series = new QHorizontalBarSeries;
    series->setBarWidth(description.barWidth);
    for (int32_t i = 0; i < description.barCount; ++i) {
        const YearChartBars& bars = description.bars[i];
        auto* set = new QBarSet(Text(bars.name));
        set->setColor(Color(bars.color));
        for (int32_t category = 0; category < description.categoryCount; ++category)
            set->append(bars.values[category]);
        series->append(set);
    }
    chart.addSeries(series);
    auto* categories = new QBarCategoryAxis;
    for (int32_t category = 0; category < description.categoryCount; ++category)
        categories->append(Text(description.categories[category]));
    QValueAxis* values = ValueAxis(description);
    chart.addAxis(categories, Qt::AlignLeft);
    chart.addAxis(values, Qt::AlignBottom);
    series->attachAxis(categories);
    series->attachAxis(values);
}

// The chart a description asks for; null when it is not whole.
QChart* NewChart(const YearChart* description)
{
    if (!description || !Whole(*description))
        return nullptr;
    auto* chart = new QChart;
    chart->setTitle(Text(description->title));
    QFont font = chart->titleFont();
    font.setBold(true);
    chart->setTitleFont(font);
    chart->setBackgroundBrush(Color(description->background));
    chart->setAnimationOptions(QChart::NoAnimation);
    chart->legend()->setAlignment(Qt::AlignBottom);
    chart->setMargins(QMargins(4, 4, 4, 4));
    if (description->kind == YEAR_CHART_LINES)
        AddLines(*chart, *description);
    else
        AddBars(*chart, *description);
    return chart;
}

// A chart view that tells the date and values of the day under the mouse.
class YearChartView : public QChartView {
public:
    YearChartView(QChart* chart, QWidget* parent)
        : QChartView(chart, parent)
    {
        setMouseTracking(true);
        setRenderHint(QPainter::Antialiasing);
    }

    void setTips(const YearChart& description)
    {
        m_tips.clear();
        m_low = description.dayLow;
        if (description.kind != YEAR_CHART_LINES)
            return;
        for (int32_t i = 0; i < description.dayTipCount; ++i)
            m_tips.append(Text(description.dayTips[i]));
    }

protected:
    void mouseMoveEvent(QMouseEvent* event) override
    {
        QChartView::mouseMoveEvent(event);
        const QPointF position = event->position();
        QString tip;
        if (chart() && chart()->plotArea().contains(position)) {
            const double day = std::floor(chart()->mapToValue(position).x() - m_low);
            if (day >= 0 && day < m_tips.size())
                tip = m_tips[int(day)];
        }
        if (tip.isEmpty())
            QToolTip::hideText();
        else
            QToolTip::showText(event->globalPosition().toPoint(), tip, this);
    }

private:
    QStringList m_tips;
    double m_low = 0;
};

} // namespace

extern "C" {

YEAR_CHART_EXPORT int32_t TrambulYearChartVersion(void) { return YEAR_CHART_VERSION; }

YEAR_CHART_EXPORT QWidget* TrambulMakeYearChart(QWidget* parent, const YearChart* description)
{
    QChart* chart = NewChart(description);
    if (!chart)
        return nullptr;
    auto* view = new YearChartView(chart, parent);
    view->setTips(*description);
    return view;
}

YEAR_CHART_EXPORT int32_t TrambulShowYearChart(QWidget* widget, const YearChart* description)
{
    auto* view = dynamic_cast<YearChartView*>(widget);
    QChart* chart = view ? NewChart(description) : nullptr;
    if (!chart)
        return -1;
    view->setTips(*description);
    QChart* old = view->chart();
    view->setChart(chart); // the view takes the new chart; the one it had is ours to delete
    delete old;
    return 0;
}

} // extern "C"
