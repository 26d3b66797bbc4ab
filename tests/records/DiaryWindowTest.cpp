// The diary window: what it shows, that it follows the grades and that the clock runs while it is open.
#include "GameFixture.h"
#include "TestHelpers.h"
#include "core/GameClock.h"
#include "game/Unit1.h"
#include "records/Grades.h"
#include "records/Unit4.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

TEST_F(GameFixture, DiaryShowsTheGradesAndTheQuarterWhileTimeRuns)
{
    forms->clock().start();
    given({ { Field::Quarter, "3" } });
    DiaryGrades grades;
    RecordQuarterGrade(grades, "1", "Химия", "5");
    RecordExamGrade(grades, "Обществознание", "4");
    state.setDiary(grades);
    const int chemistry = SubjectIndex("Химия");

    ui.onModal<TForm4>([&](TForm4& w) {
        EXPECT_TRUE(forms->clock().isRunning());
        EXPECT_EQ(Child<QLabel>(w, "quarterLabel")->text(), "3");
        EXPECT_EQ(DiaryCellText(w, chemistry, Quarter1), "5");
        EXPECT_EQ(DiaryCellText(w, 15, ExamGrade), "4");
        EXPECT_EQ(DiaryCellText(w, 15, FinalGrade), "4");
        EXPECT_EQ(DiaryCellText(w, 0, Quarter2), "0");

        // The long headings break only at their soft hyphens, which a screen reader does not read.
        QStringList texts;
        for (QLabel* label : w.findChildren<QLabel*>())
            texts << label->text().remove(QChar(0x00AD));
        for (const char* text :
            { "ИТОГОВЫЕ ОЦЕНКИ:", "№  ПРЕДМЕТ", "Оценка по четвертям", "I", "II", "III", "IV", "Годовая оценка",
                "Оценка на экзамене", "Итоговая оценка", "Данная четверть:", "16", "Русский язык", "Обществозн." })
            EXPECT_TRUE(texts.contains(QString::fromUtf8(text))) << text;
        EXPECT_FALSE(texts.contains("Обществознание"));

        // A grade given while the diary is open shows at once.
        state.setGrade(chemistry, Quarter3, "2");
        EXPECT_EQ(DiaryCellText(w, chemistry, Quarter3), "2");
        QPushButton* ok = Child<QPushButton>(w, "Button1");
        EXPECT_EQ(ok->text(), "ОК, посмотрел.");
        click(ok);
    });
    forms->form1().diaryButtonClick();
    EXPECT_EQ(ui.shownWindows, QStringList { "Дневник" });

    ResetForNewGame(state);
    EXPECT_EQ(DiaryCellText(forms->form4(), chemistry, Quarter1), "0");
}
