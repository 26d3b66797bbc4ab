// The diary: the grade table of all sixteen subjects, read-only, with the current quarter under it.
#pragma once

#include "core/DiaryGrades.h"
#include "core/GameWindow.h"

#include <QString>
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
    const QString& CurrentQuarter() const { return m_quarter; }

    void Button1Click();
    // «Мой год»: the charts of the days lived so far, over the diary.
    void myYearButtonClick();
    // The charts' window, made when it is first wanted.
    TMyYearWindow& MyYear();

private:
    void showGrades();

    QLabel* titleLabel;
    QLabel* quarterLabel;
    QPushButton* Button1; // "ОК, посмотрел."
    // The grade cells by subject (diary order) and column (GradeColumn); each is named "grade<subject>_<column>".
    std::array<std::array<QLabel*, GradeColumnCount>, SubjectCount> m_cells {};
    QString m_quarter;
    std::unique_ptr<TMyYearWindow> m_myYear;
};
