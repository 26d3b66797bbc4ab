#include "street/LootWindow.h"

#include "core/GameState.h"
#include "core/Guarded.h"
#include "core/Look.h"
#include "core/Random.h"
#include "street/StoryLook.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TLootWindow::TLootWindow(GameWindows& windows, const QString& caption, const QString& art, const QString& question,
    int most, const QString& found)
    : TGameWindow(windows, caption, QSize(460, 340), WindowFrame::NoCloseBox)
    , m_most(most)
    , m_found(found)
{
    AddBackground(this, art);
    Label1 = new QLabel(question, this);
    Label1->setWordWrap(true);
    SetStoryText(Label1, 18);

    Button1 = new QPushButton(QStringLiteral("ДА!!!"), this);
    Button2 = new QPushButton(QStringLiteral("НЕТ"), this);
    auto* buttons = new QHBoxLayout();
    for (QPushButton* button : { Button1, Button2 }) {
        SetBold(button);
        button->setMinimumSize(110, 32);
        button->setAutoDefault(false);
        buttons->addWidget(button);
    }
    ConnectGuarded(Button1, &QPushButton::clicked, this, &TLootWindow::Button1Click);
    ConnectGuarded(Button2, &QPushButton::clicked, this, &TLootWindow::Button2Click);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(18, 16, 18, 14);
    layout->addWidget(Label1);
    layout->addStretch();
    layout->addLayout(buttons);

    NameControls({ { Label1, "Label1" }, { Button1, "Button1" }, { Button2, "Button2" } });
}

void TLootWindow::Button1Click()
{
    const int found = Random(m_most + 1);
    ui().message(m_found.arg(found));
    state().add(Field::Money, found);
    closeWith(ModalResult::Ok);
}

void TLootWindow::Button2Click() { closeWith(ModalResult::Ok); }
