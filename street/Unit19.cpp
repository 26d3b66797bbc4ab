#include "street/Unit19.h"

#include "core/DataPath.h"
#include "core/GameState.h"
#include "core/GameWindows.h"
#include "core/Guarded.h"
#include "core/Look.h"
#include "core/Picture.h"
#include "core/TextFile.h"
#include "street/GirlRules.h"
#include "street/StreetContent.h"
#include "street/Unit20.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
QLabel* ShadowedText(QWidget* parent, const char* text)
{
    auto* label = new QLabel(QString::fromUtf8(text), parent);
    label->setWordWrap(true);
    SetBold(label);
    SetTextColor(label, Palette::Ink);
    AddShadow(label, Palette::Paper, 3);
    return label;
}
}

TForm19::TForm19(GameWindows& windows)
    : TGameWindow(windows, QStringLiteral("Девушки из класса"), QSize(700, 500), WindowFrame::NoCloseBox)
{
    AddBackground(this, QStringLiteral(":/art/girls_background.svg"));

    Label1 = ShadowedText(this,
        "В вашем классе учится 21 человек, 10 из которых - девушки. Каждая имеет свой индивидуальный характер и для "
        "каждой нужен свой подход. Ваша цель: обворожить 9 девушек из класса и добраться до самой последней девушки, "
        "которую зовут ОЛЯ, и которая поможет вам в работе \"Продавец CD\".");
    Label2 = ShadowedText(this, "Краткая информация о выбранной девушке, ее фото, а также ее требования.");
    Image1 = new PictureBox(this);
    Image1->setFixedSize(96, 72);
    Image1->setArt(QStringLiteral(":/art/girls_note.svg"));

    auto* names = new QFrame(this);
    names->setObjectName(QStringLiteral("namesPanel"));
    MakePanel(names);
    auto* nameLayout = new QGridLayout(names);
    for (int girl = 0; girl < GirlCount; ++girl) {
        auto* button = new QPushButton(QString::fromUtf8(GirlButtonCaptions[girl]), names);
        button->setFixedSize(104, 28);
        ConnectGuarded(button, &QPushButton::clicked, this, [this, girl] { NameButtonClick(girl); });
        nameButtons[girl] = button;
        nameLayout->addWidget(button, girl % 5, girl / 5);
    }

    auto* photoFrame = new QFrame(this);
    photoFrame->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    photoFrame->setLineWidth(2);
    photoFrame->setFixedSize(184, 244);
    Image2 = new PictureBox(photoFrame);
    Image2->setGeometry(2, 2, 180, 240);
    Image2->setAccessibleName(QStringLiteral("Фото девушки"));

    Memo1 = new QPlainTextEdit(this);
    Memo1->setReadOnly(true);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->setAccessibleName(QStringLiteral("О девушке"));

    Button11 = new QPushButton(QStringLiteral("Поговорить с ней"), this);
    Button12 = new QPushButton(QStringLiteral("Назад"), this);
    for (QPushButton* button : { Button11, Button12 })
        button->setMinimumHeight(30);
    SetBold(Button11);
    ConnectGuarded(Button11, &QPushButton::clicked, this, &TForm19::Button11Click);
    ConnectGuarded(Button12, &QPushButton::clicked, this, &TForm19::Button12Click);

    auto* left = new QVBoxLayout;
    left->addWidget(names);
    left->addStretch();
    left->addWidget(Image1, 0, Qt::AlignHCenter);

    auto* right = new QVBoxLayout;
    right->addWidget(Label2);
    right->addWidget(Memo1, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(Button11);
    buttons->addWidget(Button12);
    right->addLayout(buttons);

    auto* middle = new QHBoxLayout;
    middle->addLayout(left);
    middle->addWidget(photoFrame, 0, Qt::AlignTop);
    middle->addLayout(right, 1);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(14, 12, 14, 14);
    layout->addWidget(Label1);
    layout->addSpacing(6);
    layout->addLayout(middle, 1);

    static const char* const nameButtonNames[GirlCount] = { "Button1", "Button2", "Button3", "Button4", "Button5",
        "Button6", "Button7", "Button8", "Button9", "Button10" };
    for (int girl = 0; girl < GirlCount; ++girl)
        NameControls({ { nameButtons[girl], nameButtonNames[girl] } });
    NameControls({ { Label1, "Label1" }, { Label2, "Label2" }, { Image1, "Image1" }, { Image2, "Image2" },
        { Memo1, "Memo1" }, { Button11, "Button11" }, { Button12, "Button12" } });
}

void TForm19::showEvent(QShowEvent* event)
{
    ShowGirlFlags();
    TGameWindow::showEvent(event);
}

void TForm19::ShowGirlFlags()
{
    for (int girl = 0; girl < GirlCount; ++girl) {
        QFont font = nameButtons[girl]->font();
        font.setStrikeOut(state().charmed(girl));
        nameButtons[girl]->setFont(font);
    }
}

void TForm19::NameButtonClick(int girl)
{
    m_selectedGirl = girl;
    Image2->setPicture(DataPath(StreetContent::GirlPhoto.path(girl)));
    Memo1->setPlainText(ReadLines1251(DataPath(StreetContent::GirlInfo.path(girl))).join(QLatin1Char('\n')));
}

void TForm19::Button11Click()
{
    const GirlTalkRequest request = RequestGirlTalk(state(), m_selectedGirl);
    if (!request.talks) {
        if (!request.message.isEmpty())
            ui().message(request.message);
        return;
    }
    const int girl = m_selectedGirl;
    TForm20& talk = windows().form20();
    if (!talk.Start(girl, GirlNameWith(girl)))
        return;
    if (ui().showModal(talk) == ModalResult::Yes) {
        state().setCharmed(girl, true);
        ShowGirlFlags();
    }
}

void TForm19::Button12Click() { closeWith(ModalResult::Ok); }
