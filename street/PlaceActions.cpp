#include "street/PlaceActions.h"

#include "core/GameState.h"
#include "core/GameWindows.h"
#include "core/Ui.h"
#include "street/Unit19.h"
#include "street/Unit30.h"

void GirlsAction(GameWindows& windows) { ui().showModal(windows.form19()); }

void PhoneAction(GameWindows& windows)
{
    if (windows.state().text(Field::MobilePhone) == TextNo) {
        ui().message(QStringLiteral("Если вы не в курсе, у вас нет мобильника..."));
        return;
    }
    ui().showModal(windows.form30());
}

void MotherTalkAction(GameWindows& windows) { windows.TalkWithMother(); }
