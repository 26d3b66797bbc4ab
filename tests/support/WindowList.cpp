#include "WindowList.h"

#include <QApplication>

#include "core/GameClock.h"

std::vector<QWidget*> EveryWindow(Forms& forms) { return forms.PlayerWindows(); }

void OpenEveryWindow(Forms& windows, ScriptedUi& ui, const std::function<void(QWidget&)>& check)
{
    ZeroDraws draws;
    // The game's time stands still during the walk: on a busy machine the walk outlasts the hour to the first
    // lesson's question, whose window would come between two windows of the walk.
    ClockPause pause(windows.clock());
    ui.closeNextModalWith(ModalResult::Ok);
    ui.closeNextModalWith(ModalResult::Ok);
    for (QWidget* window : EveryWindow(windows)) {
        window->show();
        QApplication::processEvents();
        check(*window);
        window->close();
    }
}
