// The diary: the grade table of all sixteen subjects, read-only, with the current quarter under it.
#pragma once

#include "core/DiaryGrades.h"
#include "core/GameWindow.h"

#include <array>
#include <memory>

class QLabel;
class QPushButton;
class TMyYearWindow;

class TForm4 : public TGameWindow {
    Q_OBJECT
public:
    explicit TForm4(GameWindows& windows);
    ~TForm4() override;

    // The line "Данная четверть:" shows the quarter copied in by the main window.
    void SetCurrentQuarter(const QString& quarter);
    QString CurrentQuarter() const;

    // The cell of a subject (diary order) and column (GradeColumn).
    QLabel* gradeLabel(int subject, int column) const { return m_cells[subject][column]; }

    QLabel* titleLabel;
    QLabel* quarterLabel;
    QPushButton* Button1; // "ОК, посмотрел."

    void Button1Click();
    // «Мой год»: the charts of the days lived so far, over the diary.
    void myYearButtonClick();
    // The charts' window, made when it is first wanted.
    TMyYearWindow& MyYear();

private:
    void showGrades();
    std::array<std::array<QLabel*, GradeColumnCount>, SubjectCount> m_cells {};
    std::unique_ptr<TMyYearWindow> m_myYear;
};
