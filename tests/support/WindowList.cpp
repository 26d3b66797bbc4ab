#include "WindowList.h"

#include <QApplication>

#include "core/GameClock.h"

#include "core/Unit2.h"
#include "core/Unit3.h"
#include "core/Unit32.h"
#include "core/Unit34.h"
#include "core/Unit43.h"
#include "core/Unit46.h"
#include "game/Unit1.h"
#include "records/Unit21.h"
#include "records/Unit35.h"
#include "records/Unit38.h"
#include "records/Unit4.h"
#include "records/Unit44.h"
#include "records/Unit45.h"
#include "street/Unit19.h"
#include "street/Unit20.h"
#include "street/Unit22.h"
#include "street/Unit23.h"
#include "street/Unit25.h"
#include "street/Unit26.h"
#include "street/Unit27.h"
#include "street/Unit28.h"
#include "street/Unit29.h"
#include "street/Unit30.h"
#include "street/Unit31.h"
#include "street/Unit33.h"
#include "street/Unit36.h"
#include "street/Unit37.h"
#include "street/Unit39.h"
#include "street/Unit40.h"
#include "street/Unit41.h"
#include "street/Unit42.h"
#include "town/Unit10.h"
#include "town/Unit11.h"
#include "town/Unit12.h"
#include "town/Unit13.h"
#include "town/Unit14.h"
#include "town/Unit15.h"
#include "town/Unit16.h"
#include "town/Unit17.h"
#include "town/Unit18.h"
#include "town/Unit24.h"
#include "town/Unit5.h"
#include "town/Unit6.h"
#include "town/Unit7.h"
#include "town/Unit8.h"
#include "town/Unit9.h"

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
