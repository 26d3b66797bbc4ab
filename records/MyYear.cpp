#include "records/MyYear.h"

#include "core/Button.h"
#include "core/GameState.h"
#include "core/GameWindows.h"
#include "core/Look.h"

#include <QAbstractTableModel>
#include <QBarCategoryAxis>
#include <QBarSet>
#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QHorizontalBarSeries>
#include <QLabel>
#include <QLegend>
#include <QLineSeries>
#include <QPushButton>
#include <QSet>
#include <QTabWidget>
#include <QTableView>
#include <QTableWidget>
#include <QVBoxLayout>
#include <QValueAxis>

#include <algorithm>
#include <climits>

namespace {

const char* const MonthNames[12] = { "Январь", "Февраль", "Март", "Апрель", "Май", "Июнь", "Июль", "Август", "Сентябрь",
    "Октябрь", "Ноябрь", "Декабрь" };
const char* const MonthShortNames[12]
    = { "янв", "фев", "мар", "апр", "май", "июн", "июл", "авг", "сен", "окт", "ноя", "дек" };
// "1 сентября 2005", as the table reads a date aloud.
const char* const MonthsOfDate[12] = { "января", "февраля", "марта", "апреля", "мая", "июня", "июля", "августа",
    "сентября", "октября", "ноября", "декабря" };
const char* const QuarterNames[4] = { "I четверть", "II четверть", "III четверть", "IV четверть" };

// A log with fewer days than this shows every day as a dot too, so that a single day is seen at all.
constexpr int DotsUpTo = 40;

QString Utf8(const char* text) { return QString::fromUtf8(text); }

} // namespace

// The days of the log as rows: the date, then every value and flag in the file's order.
class LifeLogTableModel : public QAbstractTableModel {
public:
    using QAbstractTableModel::QAbstractTableModel;

    void setLog(const LifeLog* log)
    {
        beginResetModel();
        m_log = log;
        endResetModel();
    }

    int rowCount(const QModelIndex& parent = {}) const override
    {
        return parent.isValid() || !m_log ? 0 : int(m_log->days().size());
    }
    int columnCount(const QModelIndex& parent = {}) const override
    {
        return parent.isValid() ? 0 : 1 + LogValueCount + LogFlagCount;
    }

    QVariant data(const QModelIndex& index, int role) const override
    {
        if (!m_log || !index.isValid() || index.row() >= rowCount())
            return {};
        const LifeLogDay& day = m_log->days()[index.row()];
        const int column = index.column();
        if (role == Qt::TextAlignmentRole)
            return column == 0 ? int(Qt::AlignLeft | Qt::AlignVCenter) : int(Qt::AlignRight | Qt::AlignVCenter);
        if (role != Qt::DisplayRole)
            return {};
        if (column == 0)
            return QStringLiteral("%1 %2 %3").arg(day.day).arg(Utf8(MonthsOfDate[day.month - 1])).arg(day.year);
        if (column <= LogValueCount)
            return QString::number(day.values[column - 1]);
        return day.flags[column - 1 - LogValueCount] ? TextYes : TextNo;
    }

    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        if (role != Qt::DisplayRole)
            return {};
        if (orientation == Qt::Vertical)
            return QString::number(section + 1);
        if (section == 0)
            return QStringLiteral("Дата");
        if (section <= LogValueCount)
            return LogValueName(LogValue(section - 1));
        return LogFlagName(LogFlag(section - 1 - LogValueCount));
    }

private:
    const LifeLog* m_log = nullptr;
};

namespace {

// Days run along the x axis: a day sits in the middle of its own unit, counted from the log's first day, so that
// gaps in the calendar stay gaps.
double DayPosition(const LifeLog& log, const LifeLogDay& day)
{
    return double(day.ordinal() - log.days().first().ordinal()) + 0.5;
}

double DaySpan(const LifeLog& log)
{
    return log.isEmpty() ? 30.0 : double(log.days().last().ordinal() - log.days().first().ordinal() + 1);
}

// The month names under the days, each in the middle of its month.
QCategoryAxis* MonthAxis(const LifeLog& log)
{
    auto* axis = new QCategoryAxis;
    axis->setTitleText(QStringLiteral("Месяц"));
    axis->setLabelsPosition(QCategoryAxis::AxisLabelsPositionCenter);
    axis->setGridLineVisible(true);
    axis->setStartValue(0);
    axis->setRange(0, DaySpan(log));
    if (log.isEmpty())
        return axis;
    const qint64 first = log.days().first().ordinal();
    const qint64 last = log.days().last().ordinal();
    const qint64 firstMonth = first / 30;
    const qint64 lastMonth = last / 30;
    const bool manyMonths = lastMonth - firstMonth >= 12;
    QSet<QString> used;
    for (qint64 month = firstMonth; month <= lastMonth; ++month) {
        const int monthOfYear = int(month % 12);
        const int year = int(month / 12);
        QString label = manyMonths
            ? QStringLiteral("%1 %2").arg(Utf8(MonthShortNames[monthOfYear])).arg(year % 100, 2, 10, QLatin1Char('0'))
            : Utf8(MonthNames[monthOfYear]);
        if (used.contains(label))
            label += QStringLiteral(" %1").arg(year);
        if (used.contains(label))
            continue; // the axis takes each label once
        used.insert(label);
        const double end = double(std::min(last + 1, (month + 1) * 30) - first);
        axis->append(label, end);
    }
    return axis;
}

QValueAxis* NumberAxis(const QString& title, qint64 low, qint64 high)
{
    auto* axis = new QValueAxis;
    axis->setTitleText(title);
    axis->setRange(double(low), double(high));
    axis->applyNiceNumbers();
    axis->setLabelFormat(QStringLiteral("%i"));
    return axis;
}

QLineSeries* DaySeries(const LifeLog& log, LogValue value, QRgb color)
{
    auto* series = new QLineSeries;
    series->setName(LogValueName(value));
    QList<QPointF> points;
    points.reserve(log.days().size());
    for (const LifeLogDay& day : log.days())
        points.append(QPointF(DayPosition(log, day), double(day.value(value))));
    series->replace(points);
    series->setPen(QPen(QColor(color), 2));
    series->setPointsVisible(log.days().size() < DotsUpTo);
    return series;
}

QChart* NewChart(const QString& title)
{
    auto* chart = new QChart;
    chart->setTitle(title);
    QFont font = chart->titleFont();
    font.setBold(true);
    chart->setTitleFont(font);
    chart->setBackgroundBrush(QColor(Palette::Paper));
    chart->setAnimationOptions(QChart::NoAnimation);
    chart->legend()->setAlignment(Qt::AlignBottom);
    chart->setMargins(QMargins(4, 4, 4, 4));
    return chart;
}

// Puts the series on a chart over the days with a number axis covering every value and the given range.
QChart* DaysChart(const QString& title, const LifeLog& log, const QList<QLineSeries*>& series, const QString& axisTitle,
    qint64 low, qint64 high)
{
    QChart* chart = NewChart(title);
    for (QLineSeries* line : series) {
        for (const QPointF& point : line->points()) {
            low = std::min(low, qint64(point.y()));
            high = std::max(high, qint64(point.y()));
        }
    }
    QCategoryAxis* days = MonthAxis(log);
    QValueAxis* numbers = NumberAxis(axisTitle, low, high);
    chart->addAxis(days, Qt::AlignBottom);
    chart->addAxis(numbers, Qt::AlignLeft);
    for (QLineSeries* line : series) {
        chart->addSeries(line);
        line->attachAxis(days);
        line->attachAxis(numbers);
    }
    return chart;
}

QChart* HealthChart(const LifeLog& log)
{
    QList<QLineSeries*> series { DaySeries(log, LogValue::Satiety, Palette::Brick),
        DaySeries(log, LogValue::Mood, Palette::Blue), DaySeries(log, LogValue::Vigor, Palette::Ink) };
    // Satiety, mood or vigor at zero or below is the end of the game.
    auto* death = new QLineSeries;
    death->setName(QStringLiteral("Черта смерти (0)"));
    death->append(0, 0);
    death->append(DaySpan(log), 0);
    death->setPen(QPen(QColor(Palette::Blood), 2, Qt::DashLine));
    series.append(death);
    return DaysChart(QStringLiteral("Сытость, настроение и бодрость"), log, series, QStringLiteral("Уровень"), 0, 100);
}

QChart* MoneyChart(const LifeLog& log)
{
    return DaysChart(QStringLiteral("Деньги и копилка"), log,
        { DaySeries(log, LogValue::Money, Palette::BlueDark), DaySeries(log, LogValue::PiggyBank, Palette::Brick) },
        QStringLiteral("Рубли"), 0, 10);
}

QChart* SkillsChart(const LifeLog& log)
{
    return DaysChart(QStringLiteral("Умение драться и авторитет"), log,
        { DaySeries(log, LogValue::FightSkill, Palette::Brick),
            DaySeries(log, LogValue::Authority, Palette::BlueDark) },
        QStringLiteral("Очки"), 0, 10);
}

int GradeOf(const DiaryGrades& diary, int subject, int quarter)
{
    bool ok = false;
    const int grade = diary.cell(subject, Quarter1 + quarter).toInt(&ok);
    return ok ? std::clamp(grade, 0, 5) : 0;
}

// The quarter grades of every subject as bars; the first subject of the diary stands on top.
QChart* GradesChart(const DiaryGrades& diary)
{
    QChart* chart = NewChart(QStringLiteral("Оценки по четвертям"));
    auto* series = new QHorizontalBarSeries;
    series->setBarWidth(0.9); // four quarters share a subject's row
    const QRgb colors[4] = { Palette::Blue, Palette::BlueDark, Palette::Brick, Palette::WoodDark };
    for (int quarter = 0; quarter < 4; ++quarter) {
        auto* set = new QBarSet(Utf8(QuarterNames[quarter]));
        set->setColor(QColor(colors[quarter]));
        for (int subject = SubjectCount - 1; subject >= 0; --subject)
            set->append(GradeOf(diary, subject, quarter));
        series->append(set);
    }
    QStringList subjects;
    for (int subject = SubjectCount - 1; subject >= 0; --subject)
        subjects << SubjectShown(subject);
    chart->addSeries(series);
    auto* subjectAxis = new QBarCategoryAxis;
    subjectAxis->append(subjects);
    auto* gradeAxis = new QValueAxis;
    gradeAxis->setTitleText(QStringLiteral("Оценка (0 — оценки ещё нет)"));
    gradeAxis->setRange(0, 5);
    gradeAxis->setTickCount(6);
    gradeAxis->setLabelFormat(QStringLiteral("%i"));
    chart->addAxis(subjectAxis, Qt::AlignLeft);
    chart->addAxis(gradeAxis, Qt::AlignBottom);
    series->attachAxis(subjectAxis);
    series->attachAxis(gradeAxis);
    return chart;
}

const char* const TabTitles[]
    = { "Самочувствие", "Деньги", "Сила и авторитет", "Оценки", "Дни таблицей", "Оценки таблицей" };

} // namespace

TMyYearWindow::TMyYearWindow(GameWindows& windows)
    : TGameWindow(windows, QStringLiteral("Мой год"), QSize(780, 580), WindowFrame::CloseBox)
    , m_daysModel(new LifeLogTableModel(this))
{
    SetBackground(this, Palette::Cream);

    m_emptyNote = new QLabel(
        QStringLiteral("В журнале пока нет ни одного дня: каждый прожитый день записывается в полночь."), this);
    m_emptyNote->setWordWrap(true);
    SetBold(m_emptyNote);

    m_tabs = new QTabWidget(this);
    for (int tab = HealthTab; tab <= GradesTab; ++tab) {
        // The chart's view is made when the tab is first looked at.
        m_chartPages[tab] = new QWidget(this);
        auto* page = new QVBoxLayout(m_chartPages[tab]);
        page->setContentsMargins(0, 0, 0, 0);
        m_tabs->addTab(m_chartPages[tab], Utf8(TabTitles[tab]));
    }

    m_daysTable = new QTableView(this);
    m_daysTable->setModel(m_daysModel);
    m_daysTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_daysTable->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_daysTable->setAccessibleName(QStringLiteral("Мой год по дням"));
    m_daysTable->verticalHeader()->setDefaultSectionSize(m_daysTable->fontMetrics().height() + 6);
    m_tabs->addTab(m_daysTable, Utf8(TabTitles[DaysTableTab]));

    m_gradesTable = new QTableWidget(SubjectCount, 4, this);
    m_gradesTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_gradesTable->setAccessibleName(QStringLiteral("Оценки по четвертям"));
    QStringList quarters;
    for (const char* name : QuarterNames)
        quarters << Utf8(name);
    m_gradesTable->setHorizontalHeaderLabels(quarters);
    QStringList subjects;
    for (int subject = 0; subject < SubjectCount; ++subject)
        subjects << SubjectShown(subject);
    m_gradesTable->setVerticalHeaderLabels(subjects);
    m_gradesTable->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    m_tabs->addTab(m_gradesTable, Utf8(TabTitles[GradesTableTab]));

    m_closeButton = MakeButton(this, QStringLiteral("Закрыть"), QSize(120, 28), this, &TMyYearWindow::closeButtonClick);
    m_closeButton->setDefault(true);
    NameControls({ { m_emptyNote, "emptyNote" }, { m_tabs, "tabs" }, { m_daysTable, "daysTable" },
        { m_gradesTable, "gradesTable" }, { m_closeButton, "closeButton" } });

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_closeButton);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 10, 10, 10);
    layout->addWidget(m_emptyNote);
    layout->addWidget(m_tabs, 1);
    layout->addLayout(buttons);

    m_daysModel->setLog(&m_log);
    fillGradesTable();
    connect(m_tabs, &QTabWidget::currentChanged, this, &TMyYearWindow::showTab);
}

TMyYearWindow::~TMyYearWindow() = default;

void TMyYearWindow::Refresh()
{
    // The tables are always ready for a screen reader; a chart is drawn again only when what it shows has changed,
    // and only once its tab is in sight.
    if (!(m_log == windows().lifeLog())) {
        m_log = windows().lifeLog();
        m_daysModel->setLog(&m_log);
        for (int tab : { HealthTab, MoneyTab, SkillsTab, DaysTableTab })
            m_current[tab] = false;
    }
    if (!(m_diary == state().diary())) {
        m_diary = state().diary();
        fillGradesTable();
        m_current[GradesTab] = false;
    }
    m_emptyNote->setVisible(m_log.isEmpty());
    showTab(m_tabs->currentIndex());
}

// Only the tab in sight is drawn: the window opens about as quickly as the diary, whichever tab was left open.
void TMyYearWindow::showTab(int tab)
{
    if (tab < 0 || tab >= TabCount || m_current[tab])
        return;
    m_current[tab] = true;
    if (tab == DaysTableTab)
        m_daysTable->resizeColumnsToContents();
    if (tab > GradesTab)
        return;
    QChart* chart = nullptr;
    switch (tab) {
    case HealthTab:
        chart = HealthChart(m_log);
        break;
    case MoneyTab:
        chart = MoneyChart(m_log);
        break;
    case SkillsTab:
        chart = SkillsChart(m_log);
        break;
    case GradesTab:
        chart = GradesChart(m_diary);
        break;
    }
    QChartView*& view = m_charts[tab];
    if (!view) {
        view = new QChartView(chart, m_chartPages[tab]);
        view->setRenderHint(QPainter::Antialiasing);
        view->setAccessibleName(Utf8(TabTitles[tab]) + QStringLiteral(": график"));
        view->setAccessibleDescription(QStringLiteral("Те же числа — на вкладках «Дни таблицей» и «Оценки таблицей»."));
        m_chartPages[tab]->layout()->addWidget(view);
        return;
    }
    QChart* old = view->chart();
    view->setChart(chart); // the view takes the new chart; the one it had is ours to delete
    delete old;
}

void TMyYearWindow::fillGradesTable()
{
    for (int subject = 0; subject < SubjectCount; ++subject) {
        for (int quarter = 0; quarter < 4; ++quarter) {
            const int grade = GradeOf(m_diary, subject, quarter);
            auto* item = new QTableWidgetItem(grade == 0 ? QStringLiteral("нет") : QString::number(grade));
            item->setTextAlignment(Qt::AlignCenter);
            m_gradesTable->setItem(subject, quarter, item);
        }
    }
}

void TMyYearWindow::closeButtonClick() { closeWith(ModalResult::Ok); }
