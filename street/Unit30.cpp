#include "street/Unit30.h"

#include "core/GameState.h"
#include "core/GameWindows.h"
#include "core/Guarded.h"
#include "core/Look.h"
#include "core/Picture.h"
#include "core/Random.h"
#include "street/PlaceActions.h"
#include "street/Unit31.h"
#include "street/Unit33.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TForm30::TForm30(GameWindows& windows)
    : TGameWindow(windows, QStringLiteral("Мобильник"), QSize(560, 340), WindowFrame::NoCloseBox)
{
    AddBackground(this, QStringLiteral(":/art/phone_menu.svg"));

    Label1 = new QLabel(QStringLiteral("Вы достали мобильник из своего кармана. Что будете с ним делать?"), this);
    Label1->setWordWrap(true);
    SetHeading(Label1, 15);
    SetTextColor(Label1, Palette::Ink);
    AddShadow(Label1, Palette::Paper, 3);

    Image1 = new PictureBox(this);
    Image1->setFixedSize(100, 200);
    Image1->setArt(QStringLiteral(":/art/phone.svg"));
    Image2 = new PictureBox(this);
    Image2->setFixedSize(64, 48);
    Image2->setArt(QStringLiteral(":/art/sms_envelope.svg"));

    auto button = [this](const char* caption, void (TForm30::*handler)()) {
        auto* made = new QPushButton(QString::fromUtf8(caption), this);
        made->setFixedSize(300, 32);
        ConnectGuarded(made, &QPushButton::clicked, this, handler);
        return made;
    };
    Button2 = button("Сообщения SMS", &TForm30::Button2Click);
    Button3 = button("Набрать *102#", &TForm30::Button3Click);
    Button4 = button("Поговорить с подругами из класса", &TForm30::Button4Click);
    Button5 = button("Поговорить с мамой", &TForm30::Button5Click);
    Button6 = button("Поиграть в Java-игру", &TForm30::Button6Click);
    Button1 = button("Положить мобильник обратно в карман", &TForm30::Button1Click);
    SetBold(Button1);

    auto* menu = new QVBoxLayout;
    menu->setSpacing(8);
    for (QPushButton* b : { Button2, Button3, Button4, Button5, Button6 })
        menu->addWidget(b);
    menu->addSpacing(10);
    menu->addWidget(Button1);

    auto* pictures = new QVBoxLayout;
    pictures->addWidget(Image1, 0, Qt::AlignHCenter);
    pictures->addWidget(Image2, 0, Qt::AlignHCenter);

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(18, 14, 18, 16);
    grid->setHorizontalSpacing(24);
    grid->addWidget(Label1, 0, 0, 1, 2);
    grid->addLayout(pictures, 1, 0);
    grid->addLayout(menu, 1, 1, Qt::AlignTop);
    grid->setRowStretch(1, 1);

    NameControls({ { Label1, "Label1" }, { Image1, "Image1" }, { Image2, "Image2" }, { Button1, "Button1" },
        { Button2, "Button2" }, { Button3, "Button3" }, { Button4, "Button4" }, { Button5, "Button5" },
        { Button6, "Button6" } });
}

void TForm30::call(const std::function<void()>& talk)
{
    const int price = CallBasePrice + Random(CallPriceSpread);
    if (state().number(Field::PhoneCredit) < price) {
        ui().message(QStringLiteral("На вашем счету недостаточно денег для звонка."));
        return;
    }
    talk();
    ui().message(QStringLiteral("Связь завершена."));
    state().add(Field::PhoneCredit, -price);
}

void TForm30::Button1Click() { closeWith(ModalResult::Ok); }

void TForm30::Button2Click() { ui().showModal(windows().form33()); }

void TForm30::Button3Click()
{
    ui().message(QStringLiteral("Сумма на счете: ") + state().text(Field::PhoneCredit) + QStringLiteral(" USC"));
}

void TForm30::Button4Click()
{
    call([this] { GirlsAction(windows()); });
}

void TForm30::Button5Click()
{
    call([this] { MotherTalkAction(windows()); });
}

void TForm30::Button6Click() { windows().form31().Play(); }
