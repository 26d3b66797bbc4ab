#include "town/Unit17.h"

#include "core/DataPath.h"
#include "core/Guarded.h"
#include "core/Look.h"
#include "core/Picture.h"
#include "core/TextFile.h"
#include "town/Jobs.h"
#include "town/TownContent.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

TForm17::TForm17(GameWindows& windows)
    : TGameWindow(windows, QStringLiteral("Центр Занятости Молодежи"), QSize(506, 330), WindowFrame::CloseBox)
{
    SetBackground(this, Palette::Cream);
    Label1 = new QLabel(QStringLiteral("Хотите устроиться на какую-нибудь работу? Или желаете сменить предыдущую? Вот "
                                       "вам небольшой списочек работ для вашего возраста, смотрите, выбирайте... =) "),
        this);
    Label1->setWordWrap(true);

    ListBox1 = new QListWidget(this);
    for (const Job& job : Jobs)
        ListBox1->addItem(QString::fromUtf8(job.name));
    // All seven jobs in sight at once.
    ListBox1->setFixedHeight(ListBox1->sizeHintForRow(0) * JobCount + 2 * ListBox1->frameWidth() + 2);
    ConnectGuarded(ListBox1, &QListWidget::currentRowChanged, this, &TForm17::ListBox1Click);
    Memo1 = new QPlainTextEdit(this);
    Memo1->setReadOnly(true);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    auto* jobCaption = new QLabel(QStringLiteral("Работа:"), this);
    jobCaption->setBuddy(ListBox1);
    auto* infoCaption = new QLabel(QStringLiteral("Инфо:"), this);
    infoCaption->setBuddy(Memo1);
    for (QLabel* caption : { jobCaption, infoCaption })
        SetBold(caption);

    Button1 = new QPushButton(QStringLiteral("СОГЛАСЕН"), this);
    SetBold(Button1);
    ConnectGuarded(Button1, &QPushButton::clicked, this, &TForm17::Button1Click);
    Button2 = new QPushButton(QStringLiteral("Уйти отсюда"), this);
    ConnectGuarded(Button2, &QPushButton::clicked, this, [this] { closeWith(ModalResult::Ok); });

    NameControls({ { Label1, "Label1" }, { ListBox1, "ListBox1" }, { Memo1, "Memo1" }, { Button1, "Button1" },
        { Button2, "Button2" } });

    auto* picture = new PictureBox(this);
    picture->setFixedSize(200, 140);
    picture->setArt(QStringLiteral(":/art/job_centre.svg"));

    auto* left = new QVBoxLayout;
    left->addWidget(picture);
    left->addWidget(Label1);
    left->addStretch();

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(Button1);
    buttons->addWidget(Button2);

    auto* right = new QVBoxLayout;
    right->setSpacing(4);
    right->addWidget(jobCaption);
    right->addWidget(ListBox1);
    right->addWidget(infoCaption);
    right->addWidget(Memo1, 1);
    right->addLayout(buttons);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(10, 10, 10, 10);
    layout->setSpacing(12);
    layout->addLayout(left);
    layout->addLayout(right, 1);
}

void TForm17::ShowFirstJob()
{
    LoadDescription(0);
    const QSignalBlocker quiet(ListBox1);
    ListBox1->setCurrentRow(0);
}

void TForm17::ListBox1Click(int position)
{
    if (position >= 0)
        LoadDescription(position);
}

void TForm17::Button1Click()
{
    const int position = ListBox1->currentRow();
    if (position < 0)
        return;
    ui().message(ApplyForJob(position, state()).message);
}

void TForm17::LoadDescription(int position)
{
    const QStringList text = ReadLines1251(DataPath(TownContent::JobDescription.path(position)));
    Memo1->setPlainText(text.join(QLatin1Char('\n')));
}
