#include "records/Unit44.h"
#include "core/Guarded.h"

#include "core/Look.h"
#include "core/Picture.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
// The subjects one may choose, key names as the diary has them.
const char* const Optional[] = { "Литература", "Геометрия", "Информатика", "География", "Биология", "Физика", "Химия",
    "История", "Инностранный", "Черчение", "ОБЖ", "Обществознание" };
}

TForm44::TForm44(GameWindows& windows)
    : TGameWindow(windows, QStringLiteral("Выбор экзаменов"), QSize(470, 230))
{
    Image1 = new PictureBox(this);
    Image1->setFixedSize(160, 120);
    Image1->setArt(QStringLiteral(":/art/exam_choice.svg"));

    Label1 = new QLabel(QStringLiteral("Так-с, русский язык и алгебру хоть как придется сдать. Какие бы мне "
                                       "по-выбору экзамены сдавать?"),
        this);
    Label1->setWordWrap(true);
    SetBold(Label1);

    Label2 = new QLabel(QStringLiteral("Первый выборочный экзамен:"), this);
    Label3 = new QLabel(QStringLiteral("Второй выборочный экзамен:"), this);
    ComboBox1 = new QComboBox(this);
    ComboBox2 = new QComboBox(this);
    for (QComboBox* list : { ComboBox1, ComboBox2 }) {
        for (const char* subject : Optional)
            list->addItem(QString::fromUtf8(subject));
        list->setEditable(false);
    }
    ComboBox1->setCurrentIndex(0);
    ComboBox2->setCurrentIndex(1);
    Label2->setBuddy(ComboBox1);
    Label3->setBuddy(ComboBox2);

    Button1 = new QPushButton(QStringLiteral("ОК"), this);
    Button1->setMinimumSize(100, 28);
    ConnectGuarded(Button1, &QPushButton::clicked, this, &TForm44::Button1Click);

    NameControls({ { Image1, "Image1" }, { Label1, "Label1" }, { Label2, "Label2" }, { Label3, "Label3" },
        { ComboBox1, "ComboBox1" }, { ComboBox2, "ComboBox2" }, { Button1, "Button1" } });

    auto* lists = new QGridLayout;
    lists->addWidget(Label2, 0, 0);
    lists->addWidget(ComboBox1, 1, 0);
    lists->addWidget(Label3, 0, 1);
    lists->addWidget(ComboBox2, 1, 1);

    auto* top = new QHBoxLayout;
    top->addWidget(Image1, 0, Qt::AlignTop);
    top->addWidget(Label1, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(lists);
    layout->addStretch();
    layout->addWidget(Button1, 0, Qt::AlignHCenter);
    layout->setContentsMargins(12, 12, 12, 12);
}

QString TForm44::FirstChoice() const { return ComboBox1->currentText(); }

QString TForm44::SecondChoice() const { return ComboBox2->currentText(); }

void TForm44::Button1Click()
{
    if (FirstChoice() == SecondChoice()) {
        ui().message(QStringLiteral("Два одиннаковых экзамена не сдают, знаешь ли..."));
        return;
    }
    closeWith(ModalResult::Ok);
}
