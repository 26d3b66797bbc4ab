#include "street/Unit25.h"

#include "core/GameWindows.h"
#include "core/Guarded.h"
#include "street/StreetContent.h"
#include "street/StreetRules.h"
#include "street/Unit26.h"
#include "street/Unit27.h"
#include "street/Unit28.h"
#include "street/Unit29.h"

#include <QPushButton>

TForm25::TForm25(GameWindows& windows)
    : TTalkWindow(
        windows, QStringLiteral("Гопник!"), StreetContent::ThugTalk.path(), QStringLiteral(":/art/thug_portrait.svg"))
{
    Button4 = AddFixedButton("Отдать деньги");
    Button5 = AddFixedButton("Начать драку");
    Button6 = AddFixedButton("Попытаться убежать");
    ConnectGuarded(Button4, &QPushButton::clicked, this, &TForm25::Button4Click);
    ConnectGuarded(Button5, &QPushButton::clicked, this, &TForm25::Button5Click);
    ConnectGuarded(Button6, &QPushButton::clicked, this, &TForm25::Button6Click);
    NameControls({ { Button4, "Button4" }, { Button5, "Button5" }, { Button6, "Button6" } });
}

// The story of the dark street comes first; the thug's first words are already on show behind it.
void TForm25::AfterStart() { ui().showModal(windows().form26()); }

void TForm25::Button4Click()
{
    TellPlayer(HandOverToThug(state()));
    closeWith(ModalResult::Ok);
}

void TForm25::Button5Click()
{
    const bool won = windows().form27().FightThug();
    // The pockets come first; the respect is the same whatever they held.
    if (won)
        ui().showModal(windows().form28());
    TellPlayer(AfterThugFight(state(), won));
    closeWith(ModalResult::Ok);
}

void TForm25::Button6Click()
{
    TellPlayer(RunFromThug(state()));
    closeWith(ModalResult::Ok);
}

void TForm25::OutcomeWar() { CloseAnswers(QStringLiteral("По нормальному с ним вы уже не договорите")); }

void TForm25::OutcomeWin()
{
    ui().showModal(windows().form29());
    closeWith(ModalResult::Ok);
}
