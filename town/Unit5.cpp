#include "town/Unit5.h"

#include "core/GameWindows.h"
#include "core/Look.h"
#include "street/PlaceActions.h"
#include "street/Unit39.h"
#include "town/CopyInOut.h"
#include "town/LocationLook.h"
#include "town/LocationRules.h"
#include "town/Unit12.h"
#include "town/Unit17.h"
#include "town/Unit18.h"
#include "town/Unit7.h"
#include "town/Unit8.h"
#include "town/Unit9.h"

#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TForm5::TForm5(GameWindows& windows)
    : TGameWindow(windows, QStringLiteral("Осмотр местности: Вне школы"), QSize(612, 456), WindowFrame::NoCloseBox)
{
    AddBackground(this, QStringLiteral(":/art/outside_school.svg"));
    Label1 = MakeLocationHeading(this);

    buttonFrame = new QFrame(this);
    buttonFrame->setFrameShape(QFrame::Panel);
    buttonFrame->setFrameShadow(QFrame::Raised);
    MakePanel(buttonFrame);

    const QSize size(177, 33);
    Button1 = MakeMenuButton(buttonFrame, this, "Пойти в местный супермаркет", size, &TForm5::Button1Click);
    Button9 = MakeMenuButton(buttonFrame, this, "Пойти в игровой зал \"Геймер\"", size, &TForm5::Button9Click);
    Button2 = MakeMenuButton(buttonFrame, this, "Пойти к девушке из класса...", size, &TForm5::Button2Click);
    Button4 = MakeMenuButton(buttonFrame, this, "Пойти в \"Клуб Каратист\"", size, &TForm5::Button4Click);
    Button6 = MakeMenuButton(buttonFrame, this, "Пойти в \"Центр Занятости Молодежи\"", size, &TForm5::Button6Click);
    Button11 = MakeMenuButton(buttonFrame, this, "Пойти в кафе \"Солнышко\"", size, &TForm5::Button11Click);
    Button8 = MakeMenuButton(buttonFrame, this, "Ничего не делать", size, &TForm5::Button8Click, true);
    Button3 = MakeMenuButton(buttonFrame, this, "Моя копилка", size, &TForm5::Button3Click);
    Button5 = MakeMenuButton(buttonFrame, this, "Мобильник", size, &TForm5::Button5Click);
    Button7 = MakeMenuButton(buttonFrame, this, "Поговорить с мамой", size, &TForm5::Button7Click);
    Button10 = MakeMenuButton(buttonFrame, this, "Заняться ГОП-СТОПОМ", size, &TForm5::Button10Click);

    // Three columns: four places, three with the way out at the bottom, four more.
    auto* grid = new QGridLayout(buttonFrame);
    grid->setContentsMargins(12, 12, 12, 12);
    grid->setHorizontalSpacing(14);
    grid->setVerticalSpacing(8);
    QPushButton* const columns[3][4] = {
        { Button1, Button9, Button2, Button4 },
        { Button6, Button11, Button8, nullptr },
        { Button3, Button5, Button7, Button10 },
    };
    for (int column = 0; column < 3; ++column) {
        for (int row = 0; row < 4; ++row) {
            if (QPushButton* placed = columns[column][row])
                grid->addWidget(placed, column == 1 && row == 2 ? 3 : row, column);
        }
    }

    NameControls({ { Label1, "Label1" }, { buttonFrame, "buttonFrame" }, { Button1, "Button1" }, { Button9, "Button9" },
        { Button2, "Button2" }, { Button4, "Button4" }, { Button6, "Button6" }, { Button11, "Button11" },
        { Button8, "Button8" }, { Button3, "Button3" }, { Button5, "Button5" }, { Button7, "Button7" },
        { Button10, "Button10" } });

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 14, 12, 14);
    layout->addWidget(Label1);
    layout->addStretch();
    layout->addWidget(buttonFrame, 0, Qt::AlignHCenter);
}

void TForm5::Button1Click() { ui().showModal(windows().form7()); }

void TForm5::Button9Click() { ShowWithCopies(state(), windows().form8()); }

void TForm5::Button2Click() { GirlsAction(windows()); }

void TForm5::Button4Click() { ShowWithCopies(state(), windows().form9()); }

void TForm5::Button6Click()
{
    // Every visit starts at the first job; without its description the centre does not open.
    TForm17& centre = windows().form17();
    centre.ShowFirstJob();
    ui().showModal(centre);
}

void TForm5::Button11Click() { ShowWithCopies(state(), windows().form18()); }

void TForm5::Button8Click() { closeWith(ModalResult::Ok); }

void TForm5::Button3Click() { ShowWithCopies(state(), windows().form12()); }

void TForm5::Button5Click() { PhoneAction(windows()); }

void TForm5::Button7Click() { MotherTalkAction(windows()); }

void TForm5::Button10Click()
{
    if (state().number(Field::FightSkill) < RobberyFightSkill) {
        ui().message(QString::fromUtf8(RobberyTooWeakMessage));
        return;
    }
    ui().showModal(windows().form39());
}
