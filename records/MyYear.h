// «Мой год»: the road the player has travelled, day by day, in charts and as a table a screen reader reads.
#pragma once

#include "core/DiaryGrades.h"
#include "core/GameWindow.h"
#include "records/LifeLog.h"

#include <array>

class QLabel;
class QLineEdit;
class QSortFilterProxyModel;
class QPushButton;
class QTabWidget;
class QTableView;
class QTableWidget;
class LifeLogTableModel;
class LifeLogEventsModel;

class TMyYearWindow : public TGameWindow {
    Q_OBJECT
public:
    explicit TMyYearWindow(GameWindows& windows);
    ~TMyYearWindow() override;

    // Takes the life log and the diary as they are now; the charts follow when their tab is first looked at.
    void Refresh();

    void closeButtonClick();

private:
    enum Tab { HealthTab, MoneyTab, SkillsTab, GradesTab, DaysTableTab, GradesTableTab, EventsTab, TabCount };
    void showTab(int tab);
    void fillGradesTable();

    QLabel* m_emptyNote;
    QTabWidget* m_tabs;
    std::array<QWidget*, GradesTab + 1> m_chartPages {};
    std::array<QWidget*, GradesTab + 1> m_charts {}; // the chart library's views
    std::array<QLabel*, GradesTab + 1> m_chartNotes {}; // why a page has no chart
    QTableView* m_daysTable;
    QTableWidget* m_gradesTable;
    QPushButton* m_closeButton;
    LifeLogTableModel* m_daysModel;
    QLineEdit* m_eventsSearch;
    QTableView* m_eventsTable;
    LifeLogEventsModel* m_eventsModel;
    QSortFilterProxyModel* m_eventsFilter;

    LifeLog m_log;
    DiaryGrades m_diary;
    std::array<bool, TabCount> m_current {}; // whether a tab shows what Refresh took
};
