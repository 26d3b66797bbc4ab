// «Мой год»: opened from the diary, left by its button or Escape, its charts made from logs of one day to a year.
#include "GameFixture.h"
#include "TestHelpers.h"
#include "records/LifeLog.h"
#include "records/MyYear.h"
#include "records/Unit4.h"
#include "records/YearChartModule.h"

#include <QAbstractItemModel>
#include <QBarSet>
#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QHorizontalBarSeries>
#include <QLabel>
#include <QLineEdit>
#include <QLineSeries>
#include <QTabWidget>
#include <QTableView>
#include <QValueAxis>

namespace {

// A log of `count` days from 1 September 2005; money falls by 3 a day from 100, so it goes below zero.
LifeLog DaysFromSeptember(int count)
{
    LifeLog log;
    for (int i = 0; i < count; ++i) {
        LifeLogDay day;
        const int month = 8 + i / 30; // months since January 2005
        day.year = 2005 + month / 12;
        day.month = month % 12 + 1;
        day.day = i % 30 + 1;
        day.values = { 100 - 3 * i, i, 80 - i % 50, 100, 60, i / 10, -i / 20, 0 };
        log.Record(day);
    }
    return log;
}

class MyYearWindow : public GameFixture {
protected:
    TMyYearWindow& open(const LifeLog& log)
    {
        forms->lifeLog() = log;
        TMyYearWindow& window = forms->form4().MyYear();
        window.Refresh();
        return window;
    }

    // The chart of a tab, drawn by looking at it.
    QChart* chart(TMyYearWindow& window, int tab)
    {
        Child<QTabWidget>(window, "tabs")->setCurrentIndex(tab);
        return Child<QTabWidget>(window, "tabs")->widget(tab)->findChild<QChartView*>()->chart();
    }

    static QLineSeries* line(QChart* chart, const char* name)
    {
        for (QAbstractSeries* series : chart->series()) {
            if (series->name() == U(name))
                return qobject_cast<QLineSeries*>(series);
        }
        ADD_FAILURE() << "no line " << name;
        return nullptr;
    }

    static QValueAxis* numberAxis(QChart* chart)
    {
        const auto axes = chart->axes(Qt::Vertical);
        return axes.isEmpty() ? nullptr : qobject_cast<QValueAxis*>(axes.first());
    }
};

} // namespace

TEST_F(MyYearWindow, TheDiaryOpensItAndItsButtonOrEscapeLeavesIt)
{
    forms->lifeLog() = DaysFromSeptember(2);
    ui.onModal<TMyYearWindow>([](TMyYearWindow& w) {
        EXPECT_EQ(Child<QTableView>(w, "daysTable")->model()->rowCount(), 2);
        click(Child<QPushButton>(w, "closeButton"));
    });
    click(Child<QPushButton>(forms->form4(), "myYearButton"));
    forms->lifeLog().Record(DaysFromSeptember(3).days().last()); // a midnight while the window was closed
    ui.onModal<TMyYearWindow>([](TMyYearWindow& w) {
        EXPECT_EQ(Child<QTableView>(w, "daysTable")->model()->rowCount(), 3);
        QTest::keyClick(&w, Qt::Key_Escape);
    });
    click(Child<QPushButton>(forms->form4(), "myYearButton"));
    EXPECT_EQ(ui.shownWindows, (QStringList { U("Мой год"), U("Мой год") }));
    EXPECT_FALSE(forms->form4().MyYear().isVisible());
}

TEST_F(MyYearWindow, ChartsFollowTheLogFromNoDayToAWholeYearWithDebts)
{
    const struct {
        int days;
        QStringList months;
    } cases[] = {
        { 0, {} },
        { 1, { U("Сентябрь") } },
        { 266,
            { U("Сентябрь"), U("Октябрь"), U("Ноябрь"), U("Декабрь"), U("Январь"), U("Февраль"), U("Март"), U("Апрель"),
                U("Май") } },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.days);
        const LifeLog log = DaysFromSeptember(c.days);
        TMyYearWindow& window = open(log);
        EXPECT_EQ(Child<QLabel>(window, "emptyNote")->isVisibleTo(&window), c.days == 0);

        QChart* health = chart(window, 0);
        for (const char* name : { "Сытость", "Настроение", "Бодрость" })
            EXPECT_EQ(line(health, name)->count(), c.days) << name;
        // The death line runs at zero under every day.
        const QList<QPointF> death = line(health, "Черта смерти (0)")->points();
        ASSERT_EQ(death.size(), 2);
        EXPECT_EQ(death[0].y(), 0);
        EXPECT_EQ(death[1].y(), 0);
        EXPECT_LE(numberAxis(health)->min(), 0);
        EXPECT_GE(numberAxis(health)->max(), 100);
        // Lines are told apart without their colours too: no two share a colour or a dash.
        const QList<QAbstractSeries*> series = health->series();
        for (int i = 0; i < series.size(); ++i) {
            for (int j = i + 1; j < series.size(); ++j) {
                const QPen a = qobject_cast<QLineSeries*>(series[i])->pen();
                const QPen b = qobject_cast<QLineSeries*>(series[j])->pen();
                EXPECT_TRUE(a.color() != b.color() && a.style() != b.style()) << i << " and " << j;
            }
        }
        const auto monthAxis = qobject_cast<QCategoryAxis*>(health->axes(Qt::Horizontal).first());
        EXPECT_EQ(monthAxis->categoriesLabels(), c.months);

        QChart* money = chart(window, 1);
        EXPECT_EQ(line(money, "Деньги")->count(), c.days);
        if (c.days > 0) {
            const int lowest = log.days().last().value(LogValue::Money);
            EXPECT_LE(numberAxis(money)->min(), lowest); // debts are on the chart, not cut off
            EXPECT_EQ(line(money, "Деньги")->at(c.days - 1).y(), lowest);
        }
        EXPECT_EQ(line(chart(window, 2), "Авторитет")->count(), c.days);
    }
}

TEST_F(MyYearWindow, TheGradesAreBarsPerSubjectAndQuarterAndTheTableSaysTheSame)
{
    state.setGrade(SubjectIndex(U("Химия")), Quarter2, U("5"));
    state.setGrade(0, Quarter1, U("3"));
    TMyYearWindow& window = open(DaysFromSeptember(1));
    QChart* grades = chart(window, 3);
    ASSERT_EQ(grades->series().size(), 1);
    const auto bars = qobject_cast<QHorizontalBarSeries*>(grades->series().first());
    ASSERT_EQ(bars->count(), 4);
    // The first subject of the diary stands on top, which is the last category of the axis.
    EXPECT_EQ(bars->barSets()[0]->at(SubjectCount - 1), 3);
    EXPECT_EQ(bars->barSets()[1]->at(SubjectCount - 1 - SubjectIndex(U("Химия"))), 5);
    EXPECT_EQ(bars->barSets()[3]->sum(), 0);

    QAbstractItemModel* table = Child<QTableView>(window, "gradesTable")->model();
    EXPECT_EQ(table->index(SubjectIndex(U("Химия")), 1).data().toString(), U("5"));
    EXPECT_EQ(table->index(SubjectIndex(U("Химия")), 0).data().toString(), U("нет"));
    QAbstractItemModel* days = Child<QTableView>(window, "daysTable")->model();
    EXPECT_EQ(days->index(0, 0).data().toString(), U("1 сентября 2005"));
}

TEST_F(MyYearWindow, WithoutTheChartLibraryTheTablesStayAndEveryChartPageSaysWhy)
{
    struct Restore {
        ~Restore() { YearChartModule::SetFileName(QStringLiteral(TRAMBUL_CHART_MODULE)); }
    } restore;
    YearChartModule::SetFileName(QStringLiteral("NoSuchChartLibrary"));
    TMyYearWindow& window = open(DaysFromSeptember(3));
    auto* tabs = Child<QTabWidget>(window, "tabs");
    for (int tab = 0; tab < 4; ++tab) {
        SCOPED_TRACE(tab);
        tabs->setCurrentIndex(tab);
        EXPECT_EQ(tabs->widget(tab)->findChild<QChartView*>(), nullptr);
        const auto* note = tabs->widget(tab)->findChild<QLabel*>(QStringLiteral("chartNote"));
        ASSERT_NE(note, nullptr);
        EXPECT_TRUE(note->text().startsWith(U("График недоступен: не найдена библиотека графиков.")));
    }
    EXPECT_EQ(Child<QTableView>(window, "daysTable")->model()->rowCount(), 3);
    EXPECT_EQ(Child<QTableView>(window, "gradesTable")->model()->index(0, 0).data().toString(), U("нет"));
}

TEST_F(MyYearWindow, TheEventsPageListsTheMessagesNewestFirstAndFindsAWord)
{
    LifeLog log = DaysFromSeptember(2);
    log.Tell({ 2005, 9, 1, 7, 5, U("Учитель поставил вам 5 по алгебре") });
    log.Tell({ 2005, 9, 2, 23, 50, U("Вы уснули") });
    log.Tell({ 2005, 9, 3, 12, 0, U("Учитель поставил вам 2 по химии") });
    TMyYearWindow& window = open(log);
    QAbstractItemModel* events = Child<QTableView>(window, "eventsTable")->model();
    ASSERT_EQ(events->rowCount(), 3);
    EXPECT_EQ(events->index(0, 2).data().toString(), U("Учитель поставил вам 2 по химии"));
    EXPECT_EQ(events->index(2, 0).data().toString(), U("1 сентября 2005"));
    EXPECT_EQ(events->index(2, 1).data().toString(), U("7:05"));

    const struct {
        const char* word;
        int rows;
    } searches[] = { { "учитель", 2 }, { "АЛГЕБРЕ", 1 }, { "сентября", 3 }, { "23:50", 1 }, { "кино", 0 }, { "", 3 } };
    for (const auto& search : searches) {
        Child<QLineEdit>(window, "eventsSearch")->setText(U(search.word));
        EXPECT_EQ(events->rowCount(), search.rows) << search.word;
    }
}
