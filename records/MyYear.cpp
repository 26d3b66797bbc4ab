#include "records/MyYear.h"

#include "core/Button.h"
#include "core/GameState.h"
#include "core/GameWindows.h"
#include "core/Look.h"

#include "records/YearChartModule.h"

#include <QAbstractTableModel>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSet>
#include <QSortFilterProxyModel>
#include <QTabWidget>
#include <QTableView>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <climits>
#include <vector>

namespace {

const char* const MonthNames[12] = { "Январь", "Февраль", "Март", "Апрель", "Май", "Июнь", "Июль", "Август", "Сентябрь",
    "Октябрь", "Ноябрь", "Декабрь" };
const char* const MonthShortNames[12]
    = { "янв", "фев", "мар", "апр", "май", "июн", "июл", "авг", "сен", "окт", "ноя", "дек" };
const char* const QuarterNames[4] = { "I четверть", "II четверть", "III четверть", "IV четверть" };

// A log with fewer days than this shows every day as a dot too, so that a single day is seen at all.
constexpr int DotsUpTo = 40;

QString Utf8(const char* text) { return QString::fromUtf8(text); }

QString DateAloud(int day, int month, int year) { return DateInWords(year, month, day); }

} // namespace

// A table over the life log, shown again from the start whenever the window is given a log.
class LifeLogModel : public QAbstractTableModel {
public:
    using QAbstractTableModel::QAbstractTableModel;

    void setLog(const LifeLog* log)
    {
        beginResetModel();
        m_log = log;
        endResetModel();
    }

protected:
    const LifeLog* m_log = nullptr;
};

// The days of the log as rows: the date, then every value and flag in the file's order.
class LifeLogTableModel : public LifeLogModel {
public:
    using LifeLogModel::LifeLogModel;

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
            return DateAloud(day.day, day.month, day.year);
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
};

// What the game told the player, the newest first: the date, the time and the message.
class LifeLogEventsModel : public LifeLogModel {
public:
    using LifeLogModel::LifeLogModel;

    int rowCount(const QModelIndex& parent = {}) const override
    {
        return parent.isValid() || !m_log ? 0 : int(m_log->events().size());
    }
    int columnCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : 3; }

    QVariant data(const QModelIndex& index, int role) const override
    {
        if (!m_log || !index.isValid() || index.row() >= rowCount())
            return {};
        const LifeLogEvent& event = m_log->events()[m_log->events().size() - 1 - index.row()];
        if (role == Qt::TextAlignmentRole)
            return int(Qt::AlignLeft | Qt::AlignVCenter);
        if (role != Qt::DisplayRole && !(role == Qt::ToolTipRole && index.column() == 2))
            return {};
        switch (index.column()) {
        case 0:
            return DateAloud(event.day, event.month, event.year);
        case 1:
            return QStringLiteral("%1:%2").arg(event.hour).arg(event.minute, 2, 10, QLatin1Char('0'));
        default:
            return event.text;
        }
    }

    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        if (role != Qt::DisplayRole || orientation != Qt::Horizontal)
            return {};
        const char* const names[] = { "Дата", "Время", "Сообщение" };
        return section >= 0 && section < 3 ? Utf8(names[section]) : QVariant();
    }
};

namespace {

// What a chart shows, in the game's terms: the chart library (records/charts) only draws it.
struct ChartLine {
    QString name;
    QRgb color;
    int style = YEAR_CHART_SOLID;
    int width = 2;
    bool dots = false;
    QList<double> x, y;
};

struct ChartBars {
    QString name;
    QRgb color;
    QList<double> values;
};

struct Chart {
    int kind = YEAR_CHART_LINES;
    QString title;
    QList<ChartLine> lines;
    QString dayTitle;
    double dayLow = 0, dayHigh = 0;
    QList<std::pair<QString, double>> dayLabels;
    double dayTickAnchor = 0, dayTickStep = 0;
    QStringList dayTips;
    QList<ChartBars> bars;
    QStringList categories;
    double barWidth = 0;
    QString valueTitle;
    double valueLow = 0, valueHigh = 0;
    int valueTicks = 0;
};

// Hands a chart to the library in the library's terms: to the view when there is one, else to a new view on the page.
// False when the library refuses it.
bool Draw(const YearChartModule& module, QWidget* page, QWidget*& view, const Chart& chart)
{
    std::vector<QByteArray> texts; // every text as UTF-8, kept until the library has drawn them
    texts.reserve(3 + chart.lines.size() + chart.dayLabels.size() + chart.dayTips.size() + chart.bars.size()
        + chart.categories.size());
    auto text = [&](const QString& value) { return texts.emplace_back(value.toUtf8()).constData(); };
    std::vector<YearChartLine> lines;
    for (const ChartLine& line : chart.lines) {
        lines.push_back({ text(line.name), line.color & 0xffffffu, line.style, line.width, line.dots,
            line.x.constData(), line.y.constData(), int32_t(std::min(line.x.size(), line.y.size())) });
    }
    std::vector<YearChartLabel> labels;
    for (const auto& [label, end] : chart.dayLabels)
        labels.push_back({ text(label), end });
    std::vector<const char*> tips;
    for (const QString& tip : chart.dayTips)
        tips.push_back(text(tip));
    std::vector<YearChartBars> bars;
    for (const ChartBars& set : chart.bars) {
        if (set.values.size() < chart.categories.size())
            return false;
        bars.push_back({ text(set.name), set.color & 0xffffffu, set.values.constData() });
    }
    std::vector<const char*> categories;
    for (const QString& category : chart.categories)
        categories.push_back(text(category));
    const YearChart description { chart.kind, text(chart.title), Palette::Paper & 0xffffffu, lines.data(),
        int32_t(lines.size()), text(chart.dayTitle), chart.dayLow, chart.dayHigh, labels.data(), int32_t(labels.size()),
        chart.dayTickAnchor, chart.dayTickStep, tips.data(), int32_t(tips.size()), bars.data(), int32_t(bars.size()),
        categories.data(), int32_t(categories.size()), chart.barWidth, text(chart.valueTitle), chart.valueLow,
        chart.valueHigh, chart.valueTicks };
    if (view)
        return module.Show(view, &description) == 0;
    view = module.Make(page, &description);
    return view != nullptr;
}

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
void MonthAxis(Chart& chart, const LifeLog& log)
{
    chart.dayLow = 0;
    chart.dayHigh = DaySpan(log);
    // An axis without a single month would float its title into the chart's corner: an empty log's chart has none
    // (the window says above that no day has ended yet).
    if (log.isEmpty())
        return;
    chart.dayTitle = QStringLiteral("Месяц");
    const qint64 first = log.days().first().ordinal();
    const qint64 last = log.days().last().ordinal();
    const qint64 firstMonth = first / 30;
    const qint64 lastMonth = last / 30;
    const bool manyMonths = lastMonth - firstMonth >= 12;
    const qint64 span = last - first + 1;
    // Thin ticks at the day boundaries, from the first of a month: every day for a month or so, else every 5 or 10.
    chart.dayTickStep = span <= 45 ? 1 : span <= 120 ? 5 : 10;
    chart.dayTickAnchor = double(firstMonth * 30 - first);
    QSet<QString> used;
    for (qint64 month = firstMonth; month <= lastMonth; ++month) {
        const int monthOfYear = int(month % 12);
        const int year = int(month / 12);
        // A month the log only touches at one end gets its short name, which still fits under its few days.
        const qint64 daysShown = std::min(last + 1, (month + 1) * 30) - std::max(first, month * 30);
        const bool narrow = firstMonth != lastMonth && daysShown < std::max<qint64>(3, span / 12);
        QString label = manyMonths
            ? QStringLiteral("%1 %2").arg(Utf8(MonthShortNames[monthOfYear])).arg(year % 100, 2, 10, QLatin1Char('0'))
            : narrow ? Utf8(MonthShortNames[monthOfYear])
                     : Utf8(MonthNames[monthOfYear]);
        if (used.contains(label))
            label += QStringLiteral(" %1").arg(year);
        if (used.contains(label))
            continue; // the axis takes each label once
        used.insert(label);
        const double end = double(std::min(last + 1, (month + 1) * 30) - first);
        chart.dayLabels.append({ label, end });
    }
}

// A line of the days. The lines of a chart differ in colour and in dash, and the first is the widest, so a line that
// runs over another leaves it showing on both sides.
ChartLine DaySeries(const LifeLog& log, LogValue value, QRgb color, int style, int width)
{
    ChartLine line { LogValueName(value), color, style, width, log.days().size() < DotsUpTo, {}, {} };
    line.x.reserve(log.days().size());
    line.y.reserve(log.days().size());
    for (const LifeLogDay& day : log.days()) {
        line.x.append(DayPosition(log, day));
        line.y.append(double(day.value(value)));
    }
    return line;
}

// Puts the lines on a chart over the days with a number axis covering every value and the given range.
Chart DaysChart(const QString& title, const LifeLog& log, const QList<ChartLine>& lines, const QString& axisTitle,
    qint64 low, qint64 high)
{
    Chart chart;
    chart.title = title;
    chart.lines = lines;
    for (const ChartLine& line : lines) {
        for (double value : line.y) {
            low = std::min(low, qint64(value));
            high = std::max(high, qint64(value));
        }
    }
    MonthAxis(chart, log);
    // The tip under the mouse: the day's date and every value the lines show of it. A calendar the cheat editor sent
    // years ahead leaves a span too wide for a tip per day.
    if (!log.isEmpty() && DaySpan(log) <= 3 * 360) {
        chart.dayTips.resize(qsizetype(DaySpan(log)));
        for (int i = 0; i < log.days().size(); ++i) {
            const LifeLogDay& day = log.days()[i];
            QString tip = DateAloud(day.day, day.month, day.year);
            for (const ChartLine& line : lines) {
                if (i < line.y.size() && line.x.size() == log.days().size())
                    tip += QStringLiteral("\n%1: %2").arg(line.name).arg(qint64(line.y[i]));
            }
            chart.dayTips[qsizetype(DayPosition(log, day))] = tip;
        }
    }
    chart.valueTitle = axisTitle;
    chart.valueLow = double(low);
    chart.valueHigh = double(high);
    return chart;
}

Chart HealthChart(const LifeLog& log)
{
    QList<ChartLine> lines { DaySeries(log, LogValue::Satiety, Palette::ChartVermilion, YEAR_CHART_SOLID, 5),
        DaySeries(log, LogValue::Mood, Palette::ChartBlue, YEAR_CHART_DASH, 3),
        DaySeries(log, LogValue::Vigor, Palette::ChartGreen, YEAR_CHART_DOT, 2) };
    // Satiety, mood or vigor at zero or below is the end of the game.
    lines.append({ QStringLiteral("Черта смерти (0)"), Palette::Ink, YEAR_CHART_DASH_DOT, 1, false, { 0, DaySpan(log) },
        { 0, 0 } });
    return DaysChart(QStringLiteral("Сытость, настроение и бодрость"), log, lines, QStringLiteral("Уровень"), 0, 100);
}

Chart MoneyChart(const LifeLog& log)
{
    return DaysChart(QStringLiteral("Деньги и копилка"), log,
        { DaySeries(log, LogValue::Money, Palette::ChartBlue, YEAR_CHART_SOLID, 4),
            DaySeries(log, LogValue::PiggyBank, Palette::ChartVermilion, YEAR_CHART_DASH, 2) },
        QStringLiteral("Рубли"), 0, 10);
}

Chart SkillsChart(const LifeLog& log)
{
    return DaysChart(QStringLiteral("Умение драться и авторитет"), log,
        { DaySeries(log, LogValue::FightSkill, Palette::ChartVermilion, YEAR_CHART_SOLID, 4),
            DaySeries(log, LogValue::Authority, Palette::ChartBlue, YEAR_CHART_DASH, 2) },
        QStringLiteral("Очки"), 0, 10);
}

int GradeOf(const DiaryGrades& diary, int subject, int quarter)
{
    bool ok = false;
    const int grade = diary.cell(subject, Quarter1 + quarter).toInt(&ok);
    return ok ? std::clamp(grade, 0, 5) : 0;
}

// The quarter grades of every subject as bars; the first subject of the diary stands on top.
Chart GradesChart(const DiaryGrades& diary)
{
    Chart chart;
    chart.kind = YEAR_CHART_BARS;
    chart.title = QStringLiteral("Оценки по четвертям");
    chart.barWidth = 0.9; // four quarters share a subject's row
    const QRgb colors[4] = { Palette::ChartBlue, Palette::ChartOrange, Palette::ChartGreen, Palette::ChartVermilion };
    for (int quarter = 0; quarter < 4; ++quarter) {
        ChartBars set { Utf8(QuarterNames[quarter]), colors[quarter], {} };
        for (int subject = SubjectCount - 1; subject >= 0; --subject)
            set.values.append(GradeOf(diary, subject, quarter));
        chart.bars.append(set);
    }
    for (int subject = SubjectCount - 1; subject >= 0; --subject)
        chart.categories << SubjectShown(subject);
    chart.valueTitle = QStringLiteral("Оценка (0 — оценки ещё нет)");
    chart.valueLow = 0;
    chart.valueHigh = 5;
    chart.valueTicks = 6;
    return chart;
}

const char* const TabTitles[]
    = { "Самочувствие", "Деньги", "Сила и авторитет", "Оценки", "Дни таблицей", "Оценки таблицей", "События" };

} // namespace

TMyYearWindow::TMyYearWindow(GameWindows& windows)
    : TGameWindow(windows, QStringLiteral("Мой год"), QSize(780, 580), WindowFrame::CloseBox)
    , m_daysModel(new LifeLogTableModel(this))
    , m_eventsModel(new LifeLogEventsModel(this))
    , m_eventsFilter(new QSortFilterProxyModel(this))
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

    // The journal: every message of the year, the newest on top, narrowed to the rows holding the word searched for.
    auto* eventsPage = new QWidget(this);
    auto* searchLabel = new QLabel(QStringLiteral("&Найти:"), eventsPage);
    m_eventsSearch = new QLineEdit(eventsPage);
    m_eventsSearch->setClearButtonEnabled(true);
    m_eventsSearch->setAccessibleDescription(QStringLiteral("Оставляет в списке событий только строки с этим словом"));
    searchLabel->setBuddy(m_eventsSearch);
    m_eventsFilter->setSourceModel(m_eventsModel);
    m_eventsFilter->setFilterKeyColumn(-1);
    m_eventsFilter->setFilterCaseSensitivity(Qt::CaseInsensitive);
    connect(m_eventsSearch, &QLineEdit::textChanged, m_eventsFilter, &QSortFilterProxyModel::setFilterFixedString);
    m_eventsTable = new QTableView(eventsPage);
    m_eventsTable->setModel(m_eventsFilter);
    m_eventsTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_eventsTable->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_eventsTable->setWordWrap(false);
    m_eventsTable->setAccessibleName(QStringLiteral("События года"));
    m_eventsTable->verticalHeader()->hide();
    m_eventsTable->verticalHeader()->setDefaultSectionSize(m_eventsTable->fontMetrics().height() + 6);
    m_eventsTable->horizontalHeader()->setStretchLastSection(true);
    auto* search = new QHBoxLayout;
    search->addWidget(searchLabel);
    search->addWidget(m_eventsSearch, 1);
    auto* eventsLayout = new QVBoxLayout(eventsPage);
    eventsLayout->addLayout(search);
    eventsLayout->addWidget(m_eventsTable, 1);
    m_tabs->addTab(eventsPage, Utf8(TabTitles[EventsTab]));

    m_closeButton = MakeButton(this, QStringLiteral("Закрыть"), QSize(120, 28), this, &TMyYearWindow::closeButtonClick);
    m_closeButton->setDefault(true);
    NameControls({ { m_emptyNote, "emptyNote" }, { m_tabs, "tabs" }, { m_daysTable, "daysTable" },
        { m_gradesTable, "gradesTable" }, { m_eventsSearch, "eventsSearch" }, { m_eventsTable, "eventsTable" },
        { m_closeButton, "closeButton" } });

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_closeButton);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 10, 10, 10);
    layout->addWidget(m_emptyNote);
    layout->addWidget(m_tabs, 1);
    layout->addLayout(buttons);

    m_daysModel->setLog(&m_log);
    m_eventsModel->setLog(&m_log);
    fillGradesTable();
    connect(m_tabs, &QTabWidget::currentChanged, this, &TMyYearWindow::showTab);
}

TMyYearWindow::~TMyYearWindow() = default;

void TMyYearWindow::Refresh()
{
    // The tables are always ready for a screen reader; a chart is drawn again only when what it shows has changed,
    // and only once its tab is in sight.
    if (!(m_log == windows().lifeLog())) {
        const bool daysChanged = m_log.days() != windows().lifeLog().days();
        m_log = windows().lifeLog();
        m_daysModel->setLog(&m_log);
        m_eventsModel->setLog(&m_log);
        m_current[EventsTab] = false;
        for (int tab : { HealthTab, MoneyTab, SkillsTab, DaysTableTab })
            m_current[tab] = m_current[tab] && !daysChanged;
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
    if (tab == EventsTab) {
        m_eventsTable->resizeColumnToContents(0);
        m_eventsTable->resizeColumnToContents(1);
    }
    if (tab > GradesTab)
        return;
    const Chart chart = tab == HealthTab ? HealthChart(m_log)
        : tab == MoneyTab                ? MoneyChart(m_log)
        : tab == SkillsTab               ? SkillsChart(m_log)
                                         : GradesChart(m_diary);
    const YearChartModule* module = YearChartModule::Get();
    const bool made = m_charts[tab] != nullptr;
    const bool drawn = module && Draw(*module, m_chartPages[tab], m_charts[tab], chart);
    if (drawn && !made) {
        m_charts[tab]->setAccessibleName(Utf8(TabTitles[tab]) + QStringLiteral(": график"));
        m_charts[tab]->setAccessibleDescription(
            QStringLiteral("Те же числа — на вкладках «Дни таблицей» и «Оценки таблицей»."));
        m_chartPages[tab]->layout()->addWidget(m_charts[tab]);
    }
    // Without the library the page says why there is no chart, and where the same numbers are.
    if (!drawn && !m_chartNotes[tab]) {
        m_chartNotes[tab] = new QLabel(
            QStringLiteral("График недоступен: %1.\nТе же числа — на вкладках «Дни таблицей» и "
                           "«Оценки таблицей».")
                .arg(module ? QStringLiteral("библиотека графиков не смогла его нарисовать") : YearChartModule::why()),
            m_chartPages[tab]);
        m_chartNotes[tab]->setObjectName(QStringLiteral("chartNote"));
        m_chartNotes[tab]->setAlignment(Qt::AlignCenter);
        m_chartNotes[tab]->setWordWrap(true);
        m_chartPages[tab]->layout()->addWidget(m_chartNotes[tab]);
    }
    if (m_chartNotes[tab]) {
        m_chartNotes[tab]->setVisible(!drawn);
        if (m_charts[tab])
            m_charts[tab]->setVisible(drawn);
    }
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
