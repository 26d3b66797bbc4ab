#include "core/Unit2.h"
#include "core/Button.h"
#include "core/Guarded.h"
#include "core/Look.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TForm2::TForm2(GameWindows& windows)
    : TGameWindow(windows, QStringLiteral("Осмотр местности: Сон"), QSize(576, 432))
{
    AddBackground(this, QStringLiteral(":/art/sleep_background.svg"));

    Label1 = new QLabel(QStringLiteral("А не поздно ли куда-то идти?!?"), this);
    SetHeadingPoints(Label1, 16);
    SetTextColor(Label1, Palette::MoonLight);
    Label1->setAlignment(Qt::AlignCenter);
    AddShadow(Label1, Palette::NightDeep, 6, 1);

    Button1 = MakeButton(this, QStringLiteral("Я все понял, извини."), QSize(200, 33), this, &TForm2::Button1Click);

    NameControls({ { Label1, "Label1" }, { Button1, "Button1" } });

    auto* layout = new QVBoxLayout(this);
    // The moon and the alarm clock are the background's own; the words stand under them.
    layout->addStretch(3);
    layout->addWidget(Label1);
    layout->addStretch();
    layout->addWidget(Button1, 0, Qt::AlignHCenter);
    layout->setContentsMargins(16, 16, 16, 24);
}

void TForm2::Button1Click() { closeWith(ModalResult::Ok); }
