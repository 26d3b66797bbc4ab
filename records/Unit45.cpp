#include "records/Unit45.h"
#include "core/Guarded.h"

#include "core/DataPath.h"
#include "core/Errors.h"
#include "core/GameState.h"
#include "core/Look.h"
#include "core/Picture.h"
#include "core/TextFile.h"
#include "records/RecordsContent.h"
#include "records/YearEnd.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

TForm45::TForm45(GameWindows& windows)
    : TGameWindow(windows, QStringLiteral("Концовка"), QSize(720, 440))
{
    SetBackground(this, Palette::Black);

    Label1 = new QLabel(QStringLiteral("Концовка:"), this);
    Label2 = new QLabel(this);
    Label3 = new QLabel(QStringLiteral("Количество баллов:"), this);
    Label4 = new QLabel(this);
    for (QLabel* label : { Label1, Label3 }) {
        SetTextColor(label, Palette::White);
        SetBold(label, 2);
    }
    for (QLabel* label : { Label2, Label4 }) {
        SetTextColor(label, Palette::LampLight);
        SetBold(label, 2);
        label->setTextFormat(Qt::PlainText);
    }
    Label1->setBuddy(Label2);
    Label3->setBuddy(Label4);

    GroupBox1 = new QGroupBox(QStringLiteral("Карикатурка не в тему"), this);
    MakePanel(GroupBox1);
    SetTextColor(GroupBox1, Palette::White); // the title stands on the black above the panel
    GroupBox1->setFixedSize(210, 160);
    for (int i = 0; i < int(Images.size()); ++i) {
        Images[i] = new PictureBox(GroupBox1);
        Images[i]->setGeometry(25, 30, 160, 120);
        Images[i]->setArt(QStringLiteral(":/art/ending%1.svg").arg(i + 1));
        Images[i]->setObjectName(QStringLiteral("Image%1").arg(i + 1));
        Images[i]->hide();
    }

    Memo1 = new QPlainTextEdit(this);
    Memo1->setReadOnly(true);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->setAccessibleName(QStringLiteral("Рассказ концовки"));

    Button1 = new QPushButton(QStringLiteral("OK"), this);
    Button1->setMinimumSize(100, 28);
    ConnectGuarded(Button1, &QPushButton::clicked, this, &TForm45::Button1Click);

    NameControls({ { Label1, "Label1" }, { Label2, "Label2" }, { Label3, "Label3" }, { Label4, "Label4" },
        { GroupBox1, "GroupBox1" }, { Memo1, "Memo1" }, { Button1, "Button1" } });

    auto* heading = new QGridLayout;
    heading->addWidget(Label1, 0, 0);
    heading->addWidget(Label2, 0, 1);
    heading->addWidget(Label3, 1, 0);
    heading->addWidget(Label4, 1, 1);
    heading->setColumnStretch(1, 1);

    auto* left = new QVBoxLayout;
    left->addWidget(GroupBox1, 0, Qt::AlignLeft);
    left->addStretch();
    left->addWidget(Button1, 0, Qt::AlignLeft);

    auto* body = new QHBoxLayout;
    body->addLayout(left);
    body->addWidget(Memo1, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(heading);
    layout->addSpacing(6);
    layout->addLayout(body, 1);
    layout->setContentsMargins(12, 12, 12, 12);
}

void TForm45::showEvent(QShowEvent* event)
{
    TGameWindow::showEvent(event);
    FormShow();
}

void TForm45::FormShow()
{
    m_ending = ChooseEnding(state());
    const EndingInfo& ending = EndingOf(m_ending);
    Label2->setText(QString::fromUtf8(ending.name));
    Label4->setText(QString::fromUtf8(ending.score));
    for (int i = 0; i < int(Images.size()); ++i)
        Images[i]->setVisible(i + 1 == ending.picture);
    try {
        Memo1->setPlainText(
            ReadLines1251(DataPath(RecordsContent::EndingStory.path(m_ending))).join(QLatin1Char('\n')));
    } catch (const EInOutError& error) {
        // The story is lost, the ending is not: the name, the score and the picture still show.
        Memo1->setPlainText(QStringLiteral("Рассказ об этой концовке куда-то потерялся. Но главное вы и так "
                                           "знаете: школьный год позади! =)\n\n")
            + error.message());
    }
    Memo1->moveCursor(QTextCursor::Start);
}

void TForm45::Button1Click() { closeWith(ModalResult::Ok); }
