#include "WindowList.h"

#include <QApplication>

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

std::vector<QWidget*> EveryWindow(GameWindows& windows)
{
    return { &windows.form1(), &windows.form2(), &windows.form3(), &windows.form4(), &windows.form5(), &windows.form6(),
        &windows.form7(), &windows.form8(), &windows.form9(), &windows.form10(), &windows.form11(), &windows.form12(),
        &windows.form13(), &windows.form14(), &windows.form15(), &windows.form16(), &windows.form17(),
        &windows.form18(), &windows.form19(), &windows.form20(), &windows.form21(), &windows.form22(),
        &windows.form23(), &windows.form24(), &windows.form25(), &windows.form26(), &windows.form27(),
        &windows.form28(), &windows.form29(), &windows.form30(), &windows.form31(), &windows.form32(),
        &windows.form33(), &windows.form35(), &windows.form36(), &windows.form37(), &windows.aboutBox(),
        &windows.form38(), &windows.form39(), &windows.form40(), &windows.form41(), &windows.form42(),
        &windows.form43(), &windows.form44(), &windows.form45(), &windows.form46() };
}

void OpenEveryWindow(GameWindows& windows, ScriptedUi& ui, const std::function<void(QWidget&)>& check)
{
    ZeroDraws draws;
    ui.closeNextModalWith(ModalResult::Ok);
    ui.closeNextModalWith(ModalResult::Ok);
    for (QWidget* window : EveryWindow(windows)) {
        window->show();
        QApplication::processEvents();
        check(*window);
        window->close();
    }
}
