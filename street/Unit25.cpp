#include "street/Unit25.h"

#include "core/GameState.h"
#include "core/GameWindows.h"
#include "core/Guarded.h"
#include "core/Random.h"
#include "street/StreetRules.h"
#include "street/Unit26.h"
#include "street/Unit27.h"
#include "street/Unit28.h"
#include "street/Unit29.h"

#include <QPushButton>

TForm25::TForm25(GameWindows& windows)
    : TTalkWindow(windows, QStringLiteral("Гопник!"), QStringLiteral("Data\\Dialogs\\Gopniks\\GOPNIK.DLG"),
        QStringLiteral(":/art/thug_portrait.svg"))
{
    Button4 = AddFixedButton("Отдать деньги");
    Button5 = AddFixedButton("Начать драку");
    Button6 = AddFixedButton("Попытаться убежать");
    Connect(Button4, &QPushButton::clicked, this, &TForm25::Button4Click);
    Connect(Button5, &QPushButton::clicked, this, &TForm25::Button5Click);
    Connect(Button6, &QPushButton::clicked, this, &TForm25::Button6Click);
}

// The story of the dark street comes first; the thug's first words are already on show behind it.
void TForm25::AfterStart() { ui().showModal(windows().form26()); }

void TForm25::Button4Click()
{
    ui().message(QStringLiteral("Вы отдали гопнику 95% всех ваших денег.. Жаль бабки-то... =("));
    state().setNumber(Field::Money, MoneyAfterHandingOver(state().number(Field::Money)));
    closeWith(ModalResult::Ok);
}

void TForm25::Button5Click()
{
    if (windows().form27().FightThug()) {
        ui().showModal(windows().form28());
        ui().message(QStringLiteral("У вас поднялся авторитет на 5 единиц."));
        state().add(Field::Authority, 5);
    } else {
        ui().message(QStringLiteral("К сожалению, гопник победил в этой драке. Пока вы находились без сознания, он "
                                    "успел украсть у вас все деньги... =("));
        state().setNumber(Field::Money, 0);
    }
    closeWith(ModalResult::Ok);
}

void TForm25::Button6Click()
{
    ui().message(QStringLiteral("Стой, мля, куда побежал-то?"));
    if (Random(4) != 0) {
        ui().message(QStringLiteral(
            "Увы, он оказался быстрее вас... Он вас завалил пинком в спину и отнял все ваши деньги... =("));
        state().setNumber(Field::Money, 0);
    } else {
        ui().message(QStringLiteral(
            "Поздравляю! Вам повезло - он, куряга, не смог вас догнать! Круто же вы от него избавились, да? =)"));
    }
    closeWith(ModalResult::Ok);
}

void TForm25::OutcomeWar() { CloseAnswers(QStringLiteral("По нормальному с ним вы уже не договорите")); }

void TForm25::OutcomeWin()
{
    ui().showModal(windows().form29());
    closeWith(ModalResult::Ok);
}
