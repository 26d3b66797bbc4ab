#include "street/Unit41.h"

#include "core/GameWindows.h"
#include "core/Guarded.h"
#include "street/StreetContent.h"
#include "street/StreetRules.h"
#include "street/Unit27.h"
#include "street/Unit42.h"

#include <QPushButton>

TForm41::TForm41(GameWindows& windows)
    : TTalkWindow(windows, QStringLiteral("\"Разговор\" c \"жертвой\""), StreetContent::VictimTalk.path(),
        QStringLiteral(":/art/victim_portrait.svg"))
{
    Button4 = AddFixedButton("Начать драку");
    Button5 = AddFixedButton("Отпустить его");
    ConnectGuarded(Button4, &QPushButton::clicked, this, &TForm41::Button4Click);
    ConnectGuarded(Button5, &QPushButton::clicked, this, &TForm41::Button5Click);
    NameControls({ { Button4, "Button4" }, { Button5, "Button5" } });
}

void TForm41::Button4Click()
{
    const bool won = windows().form27().FightPasserBy();
    if (won)
        ui().showModal(windows().form42());
    TellPlayer(AfterVictimFight(state(), won));
    closeWith(ModalResult::Ok);
}

void TForm41::Button5Click() { closeWith(ModalResult::Ok); }

void TForm41::EndWith(DialogOutcome outcome)
{
    TellPlayer(VictimTalkEnds(state(), outcome));
    closeWith(ModalResult::Ok);
}
