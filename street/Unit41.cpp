#include "street/Unit41.h"

#include "core/GameState.h"
#include "core/GameWindows.h"
#include "core/Guarded.h"
#include "core/Random.h"
#include "street/Unit27.h"
#include "street/Unit42.h"

#include <QPushButton>

TForm41::TForm41(GameWindows& windows)
    : TTalkWindow(windows, QStringLiteral("\"Разговор\" c \"жертвой\""), QStringLiteral("Data\\MyGOPSTOP\\GOPNIK.DLG"),
        QStringLiteral(":/art/victim_portrait.svg"))
{
    Button4 = AddFixedButton("Начать драку");
    Button5 = AddFixedButton("Отпустить его");
    Connect(Button4, &QPushButton::clicked, this, &TForm41::Button4Click);
    Connect(Button5, &QPushButton::clicked, this, &TForm41::Button5Click);
}

void TForm41::Button4Click()
{
    if (windows().form27().FightPasserBy()) {
        ui().showModal(windows().form42());
    } else {
        ui().message(QStringLiteral("Ха-ха-ха! Какой-то лох победил вас в этой драке. Пока вы находились без "
                                    "сознания, он успел убежать. Ваш авторитет упал на 5 единиц."));
        state().add(Field::Authority, -5);
    }
    closeWith(ModalResult::Ok);
}

void TForm41::Button5Click() { closeWith(ModalResult::Ok); }

void TForm41::EndWith(const QString& message)
{
    ui().message(message);
    closeWith(ModalResult::Ok);
}

void TForm41::OutcomeWar()
{
    EndWith(QStringLiteral("Вы передумали отбирать у него деньги и отпустили его. Жаль, у него стопудово трицон "
                           "лежал в кармане."));
}

void TForm41::OutcomeCh1()
{
    const int given = Random(50);
    state().add(Field::Money, given);
    EndWith(QStringLiteral("Он отдал вам %1 рублей, вы пожали друг-другу руки и разошлись.").arg(given));
}

void TForm41::OutcomeCh3()
{
    EndWith(QStringLiteral("Э, ты, мля, куда? - крикнули мы ему. Бежать за ним неохота, пусть бежит, чмо."));
}

void TForm41::OutcomeWin()
{
    state().add(Field::Money, 5);
    EndWith(QStringLiteral("Он отдал вам 5 рублей, вы пожали друг-другу руки и разошлись."));
}
