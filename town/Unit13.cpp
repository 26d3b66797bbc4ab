#include "town/Unit13.h"

#include "core/DataPath.h"
#include "core/GameWindows.h"
#include "core/Guarded.h"
#include "core/Look.h"
#include "core/Picture.h"
#include "core/TextFile.h"
#include "core/WrapButton.h"
#include "town/TownContent.h"
#include "town/Unit14.h"

#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QVBoxLayout>

TForm13::TForm13(GameWindows& windows)
    : TGameWindow(windows, QStringLiteral("Разговор с мамой"), QSize(580, 400), WindowFrame::NoCloseBox)
{
    SetBackground(this, Palette::Cream);
    Memo1 = new QPlainTextEdit(this);
    Memo1->setReadOnly(true);
    Memo1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->setAccessibleName(QStringLiteral("Мама говорит"));

    QPushButton** answers[] = { &Button1, &Button2, &Button3 };
    for (QPushButton** answer : answers) {
        *answer = new WrapButton(QString(), this);
        (*answer)->setMinimumHeight(40);
    }
    ConnectGuarded(Button1, &QPushButton::clicked, this, &TForm13::Button1Click);
    ConnectGuarded(Button2, &QPushButton::clicked, this, &TForm13::Button2Click);
    ConnectGuarded(Button3, &QPushButton::clicked, this, &TForm13::Button3Click);
    Button4 = new WrapButton(QStringLiteral("Ладно, я пошел, давай, пока!"), this);
    Button4->setMinimumHeight(40);
    SetBold(Button4);
    ConnectGuarded(Button4, &QPushButton::clicked, this, [this] { closeWith(ModalResult::Ok); });

    NameControls({ { Memo1, "Memo1" }, { Button1, "Button1" }, { Button2, "Button2" }, { Button3, "Button3" },
        { Button4, "Button4" } });

    auto* picture = new PictureBox(this);
    picture->setFixedSize(180, 126);
    picture->setArt(QStringLiteral(":/art/mother_kitchen.svg"));

    auto* left = new QVBoxLayout;
    left->addWidget(picture);
    left->addStretch();
    left->addWidget(Button4);

    auto* right = new QVBoxLayout;
    right->setSpacing(6);
    right->addWidget(Memo1, 1);
    right->addWidget(Button1);
    right->addWidget(Button2);
    right->addWidget(Button3);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(12, 12, 12, 12);
    layout->setSpacing(12);
    layout->addLayout(left);
    layout->addLayout(right, 1);
}

void TForm13::StartTalk()
{
    const QStringList lines = ReadLines1251(DataPath(TownContent::MotherTalk.path()));
    m_talk.start(lines);
    setWindowTitle(m_talk.caption());
    ShowTalk();
}

void TForm13::Answer(int slot)
{
    const MotherTalk::Outcome outcome = m_talk.answer(slot, state());
    ShowTalk();
    TellPlayer(outcome.messages);
    if (outcome.openLunchMoney)
        ui().showModal(windows().form14());
}

void TForm13::ShowTalk()
{
    Memo1->setPlainText(m_talk.speech().join(QLatin1Char('\n')));
    QPushButton* const buttons[] = { Button1, Button2, Button3 };
    for (int answer = 0; answer < MotherAnswerCount; ++answer)
        buttons[answer]->setText(m_talk.answers().captions[answer]);
}
