#include "street/Unit23.h"

#include "core/Guarded.h"
#include "core/Look.h"
#include "core/Picture.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TForm23::TForm23(GameWindows& windows)
    : TGameWindow(windows, QStringLiteral("--- СМЕРТЬ! ---"), QSize(460, 380), WindowFrame::NoCloseBox)
{
    SetBackground(this, Palette::Cream);
    Image1 = new PictureBox(this);
    Image1->setFixedSize(320, 200);
    Image1->setArt(QStringLiteral(":/art/rejection.svg"));
    Label1 = new QLabel(
        QStringLiteral("Похоже, вы ей совсем не понравились... А жаль, могло быть все совсем по-другому! Ну, это не "
                       "жизнь, попытаться вы сможете еще разик, верно? И помните об одном: нужно обворожить ВСЕХ "
                       "девушек, иначе ни о какой работе \"Продавец CD\" и мечтать не следует! Удачи в повторном "
                       "обворожении! =)"),
        this);
    Label1->setWordWrap(true);
    SetBold(Label1);
    SetTextColor(Label1, Palette::BrickShade);
    AddShadow(Label1, Palette::Sand, 2);
    Button1 = new QPushButton(QStringLiteral("OK"), this);
    Button1->setFixedSize(100, 30);
    Button1->setDefault(true);
    ConnectGuarded(Button1, &QPushButton::clicked, this, &TForm23::Button1Click);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 14, 16, 14);
    layout->addWidget(Image1, 0, Qt::AlignHCenter);
    layout->addWidget(Label1, 1);
    layout->addWidget(Button1, 0, Qt::AlignHCenter);

    NameControls({ { Image1, "Image1" }, { Label1, "Label1" }, { Button1, "Button1" } });
}

void TForm23::Button1Click() { closeWith(ModalResult::Ok); }
