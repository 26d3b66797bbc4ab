#include "street/Unit22.h"

#include "core/Guarded.h"
#include "core/Look.h"
#include "core/Picture.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TForm22::TForm22(GameWindows& windows)
    : TGameWindow(windows, QStringLiteral("Это любовь..."), QSize(460, 380), WindowFrame::NoCloseBox)
{
    SetBackground(this, Palette::Paper);
    Image1 = new PictureBox(this);
    Image1->setFixedSize(320, 200);
    Image1->setArt(QStringLiteral(":/art/love.svg"));
    Label1 = new QLabel(this);
    Label1->setWordWrap(true);
    SetBold(Label1);
    SetTextColor(Label1, Palette::Ink);
    Button1 = new QPushButton(QStringLiteral("OK"), this);
    Button1->setFixedSize(100, 30);
    Button1->setDefault(true);
    ConnectGuarded(Button1, &QPushButton::clicked, this, &TForm22::Button1Click);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 14, 16, 14);
    layout->addWidget(Image1, 0, Qt::AlignHCenter);
    layout->addWidget(Label1, 1);
    layout->addWidget(Button1, 0, Qt::AlignHCenter);

    NameControls({ { Image1, "Image1" }, { Label1, "Label1" }, { Button1, "Button1" } });
}

void TForm22::ShowLove(const QString& talkCaption)
{
    Label1->setText(QStringLiteral("Поздравляю! Ваш ") + talkCaption + QStringLiteral(" закончился просто потрясающе ")
        + QStringLiteral("и, по-моему, она в тебя влюбилась (или просто ты ей сильно понравился? =), в ")
        + QStringLiteral("любом случае поздравляю тебя еще раз и желаю тебе такого же конца с остальными ")
        + QStringLiteral("девушками, которых еще нужно обворожить (Если они вообще остались =). Удачи!"));
    ui().showModal(*this);
}

void TForm22::Button1Click() { closeWith(ModalResult::Ok); }
