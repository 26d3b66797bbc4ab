// A scripted play session for its peak memory: the game as at start-up, the main window on screen, a day of the clock
// at speed "3", every place of the town opened once (each window made when first opened), a save and a load. Run from
// the repository root; prints the peak resident memory (KiB) at the end. bench/speed.py compares it with
// bench/minimal_dialog.
#include "QuietUi.h"

#include "core/Application.h"
#include "core/GameClock.h"
#include "core/GameState.h"
#include "core/Look.h"
#include "game/Forms.h"
#include "game/Unit1.h"
#include "records/SaveLoad.h"
#include "town/Unit10.h"
#include "town/Unit11.h"
#include "town/Unit15.h"
#include "town/Unit17.h"
#include "town/Unit18.h"
#include "town/Unit24.h"
#include "town/Unit5.h"
#include "town/Unit6.h"
#include "town/Unit7.h"
#include "town/Unit8.h"
#include "town/Unit9.h"

#include <QDialog>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>
#include <sys/resource.h>

namespace {
void RunEvents(int milliseconds)
{
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

double ProcessCpuSeconds()
{
    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec)
        + double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

void ShowOnce(QDialog& window)
{
    window.show();
    RunEvents(50); // laid out, painted and its pictures drawn
    window.hide();
}
}

int main(int argc, char** argv)
{
    TApplication app(argc, argv);
    app.loadRussianTranslations();
    UseGameFont();
    QuietUi host;
    InstallUi(&host);
    int result = 0;
    {
        Forms forms;
        TForm1& main = forms.form1();
        main.show();
        RunEvents(100);

        // A day at speed "3": 144 ticks of 10 minutes, 10 ms apart.
        TGameState& state = forms.state();
        main.clock().setPeriod(ClockPeriodFast);
        const double cpuBefore = ProcessCpuSeconds();
        QElapsedTimer wall;
        wall.start();
        main.clock().start();
        QEventLoop day;
        int ticks = 0;
        QObject::connect(&main.clock(), &GameClock::tick, [&] {
            if (++ticks >= 144)
                day.quit();
        });
        QTimer::singleShot(10000, &day, &QEventLoop::quit);
        day.exec();
        main.clock().pause();
        // With the main window on screen, so the status panel is painted on every tick.
        std::printf("speed 3 with the main window shown: %.2f %% of one core\n",
            100.0 * (ProcessCpuSeconds() - cpuBefore) / (double(wall.nsecsElapsed()) / 1e9));

        // Every place of the town, opened once.
        QDialog* places[] = { &forms.form5(), &forms.form6(), &forms.form7(), &forms.form8(), &forms.form9(),
            &forms.form10(), &forms.form11(), &forms.form15(), &forms.form17(), &forms.form18(), &forms.form24() };
        for (QDialog* place : places)
            ShowOnce(*place);

        // A save and a load of the same file.
        QTemporaryDir folder;
        host.savePath = folder.filePath(QStringLiteral("session.sav"));
        host.openPath = host.savePath;
        SaveGameCommand(forms);
        LoadGameCommand(forms);
        RunEvents(50);
        std::printf("ticks %d, day %s.%s, modal windows answered %d, messages %d, errors %d\n", ticks,
            qPrintable(state.text(Field::Day)), qPrintable(state.text(Field::Month)), host.modals, host.messages,
            host.errors);
        result = host.errors == 0 && ticks >= 144 ? 0 : 1;
    }
    InstallUi(nullptr);
    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("peak resident memory %ld KiB\n", usage.ru_maxrss);
    return result;
}
