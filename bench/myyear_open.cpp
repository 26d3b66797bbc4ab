// How long «Мой год» takes to open beside the diary it is opened from, as a ratio measured in one process: each round
// makes a fresh window of each kind, fills it and paints it whole (the first opening), then lets a game midnight add a
// day and opens both again (a later opening). The log holds a whole school year. Run from the repository root:
//     build/release/bench/myyear_open [rounds] [folder]       (QT_QPA_PLATFORM=offscreen or under xvfb-run)
// The goal: each ratio under 1.5. With a folder, a picture of the diary and of every tab of «Мой год» goes there too.
#include "QuietUi.h"

#include "core/Application.h"
#include "core/GameState.h"
#include "game/Forms.h"
#include "records/LifeLog.h"
#include "records/MyYear.h"
#include "records/Unit4.h"
#include "records/YearChartModule.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTabWidget>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <vector>

namespace {

// Shown, laid out and painted into a picture, as the screen would get it; then hidden again.
void Paint(QDialog& window)
{
    window.show();
    QCoreApplication::processEvents();
    window.grab();
    window.hide();
}

template <class Body> double Milliseconds(Body body)
{
    QElapsedTimer timer;
    timer.start();
    body();
    return double(timer.nsecsElapsed()) / 1e6;
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

double Least(const std::vector<double>& values) { return *std::min_element(values.begin(), values.end()); }

// The medians and, steadier on a busy machine, the quickest of the rounds.
void Report(const char* what, const std::vector<double>& diary, const std::vector<double>& year)
{
    std::printf("%s: diary %.1f ms, «Мой год» %.1f ms (medians), ratio %.2f; quickest %.1f / %.1f ms, ratio %.2f "
                "(goal < 1.5)\n",
        what, Median(diary), Median(year), Median(year) / Median(diary), Least(diary), Least(year),
        Least(year) / Least(diary));
}

} // namespace

int main(int argc, char** argv)
{
    TApplication app(argc, argv);
    QuietUi quiet;
    YearChartModule::SetFileName(QStringLiteral(TRAMBUL_CHART_MODULE));
    const int rounds = argc > 1 ? std::max(1, atoi(argv[1])) : 15;

    Forms forms;
    // A school year of days, 1 September to 23 May, with values that move every day.
    auto dayOfYear = [](int i) {
        LifeLogDay day;
        const int month = 8 + i / 30;
        day.year = 2005 + month / 12;
        day.month = month % 12 + 1;
        day.day = i % 30 + 1;
        day.values = { 200 - 7 * i, 3 * i, 90 - i % 60, 100 - i % 40, 50 + i % 50, i / 5, i / 7 - 10, i % 30 };
        day.flags = { i % 2 == 0, i % 3 == 0, i > 100 };
        return day;
    };
    for (int i = 0; i < 263; ++i)
        forms.lifeLog().Record(dayOfYear(i));
    for (int subject = 0; subject < SubjectCount; ++subject)
        forms.state().setGrade(subject, Quarter1 + subject % 4, QString::number(2 + subject % 4));

    std::vector<double> diaryFirst, yearFirst, diaryAgain, yearAgain;
    for (int round = 0; round < rounds; ++round) {
        std::unique_ptr<TForm4> diary;
        std::unique_ptr<TMyYearWindow> year;
        diaryFirst.push_back(Milliseconds([&] {
            diary = std::make_unique<TForm4>(forms);
            diary->SetCurrentQuarter(QStringLiteral("3"));
            Paint(*diary);
        }));
        yearFirst.push_back(Milliseconds([&] {
            year = std::make_unique<TMyYearWindow>(forms);
            year->Refresh();
            Paint(*year);
        }));
        diaryAgain.push_back(Milliseconds([&] {
            diary->SetCurrentQuarter(QStringLiteral("4"));
            Paint(*diary);
        }));
        forms.lifeLog().Record(dayOfYear(263 + round));
        yearAgain.push_back(Milliseconds([&] {
            year->Refresh();
            Paint(*year);
        }));
    }
    if (argc > 2) {
        const QDir folder(QString::fromLocal8Bit(argv[2]));
        TForm4 diary(forms);
        diary.SetCurrentQuarter(QStringLiteral("3"));
        diary.show();
        QCoreApplication::processEvents();
        diary.grab().save(folder.filePath(QStringLiteral("diary.png")));
        TMyYearWindow year(forms);
        year.Refresh();
        year.show();
        auto* tabs = year.findChild<QTabWidget*>(QStringLiteral("tabs"));
        for (int tab = 0; tab < tabs->count(); ++tab) {
            tabs->setCurrentIndex(tab);
            QCoreApplication::processEvents();
            year.grab().save(folder.filePath(QStringLiteral("myyear-%1.png").arg(tab)));
        }
    }

    Report("first opening", diaryFirst, yearFirst);
    Report("later opening, a day more", diaryAgain, yearAgain);
    return 0;
}
