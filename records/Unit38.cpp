#include "records/Unit38.h"
#include "core/Guarded.h"

#include "core/Look.h"
#include "core/Picture.h"

#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextEdit>
#include <QTimer>

namespace {
constexpr int StageWidth = 540;
constexpr int StageHeight = 440;
constexpr int TextLeft = 12;
constexpr int TextWidth = 356;
constexpr int TextHeight = 2849;
constexpr int PictureLeft = 380;
constexpr int TallPictureHeight = 3453;
constexpr int SecondPictureHeight = 440;
// The tall picture's top below which its last part is covered by the second picture.
constexpr int SecondPictureFrom = -3012;
constexpr int EndWidth = 208;
constexpr int EndTop = 190;
constexpr int Step = 2;
}

TForm38::TForm38(GameWindows& windows)
    : TGameWindow(windows, QStringLiteral("Титры и полезная информация"), QSize(StageWidth, StageHeight + 44))
{
    SetBackground(this, Palette::Black);

    // The stage clips what rolls through it, so nothing slides under the button.
    Stage = new QWidget(this);
    Stage->setGeometry(0, 0, StageWidth, StageHeight);

    Memo1 = new QTextEdit(Stage);
    Memo1->setReadOnly(true);
    Memo1->setFrameShape(QFrame::NoFrame);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Memo1->setFocusPolicy(Qt::NoFocus);
    Memo1->setAccessibleName(QStringLiteral("Титры"));
    QPalette palette = Memo1->palette();
    palette.setColor(QPalette::Base, QColor(Palette::Black));
    Memo1->setPalette(palette);
    SetTextColor(Memo1, Palette::White);
    Memo1->setGeometry(TextLeft, StageHeight, TextWidth, TextHeight);

    Image1 = new PictureBox(Stage);
    Image1->setGeometry(PictureLeft, 0, 150, TallPictureHeight);
    Image1->setArt(QStringLiteral(":/art/credits_tall.svg"));
    Image2 = new PictureBox(Stage);
    Image2->setGeometry(PictureLeft, 0, 150, SecondPictureHeight);
    Image2->setArt(QStringLiteral(":/art/credits_second.svg"));
    Image2->hide();

    Label1 = new QLabel(QStringLiteral("ТИПА,  THE END"), Stage);
    SetHeading(Label1, 22);
    SetTextColor(Label1, Palette::LampLight);
    Label1->setGeometry(-EndWidth, EndTop, EndWidth, 40);

    Button1 = new QPushButton(QStringLiteral("Новая игра"), this);
    Button1->setGeometry(StageWidth - 12 - 130, StageHeight + 8, 130, 28);
    ConnectGuarded(Button1, &QPushButton::clicked, this, &TForm38::Button1Click);

    Timer1 = new QTimer(this);
    Timer1->setInterval(70);
    ConnectGuarded(Timer1, &QTimer::timeout, this, &TForm38::Timer1Timer);

    NameControls({ { Stage, "Stage" }, { Memo1, "Memo1" }, { Image1, "Image1" }, { Image2, "Image2" },
        { Label1, "Label1" }, { Button1, "Button1" }, { Timer1, "Timer1" } });
}

// The text is read and laid out on the first roll, in the largest letters that still fit the box.
void TForm38::FitText()
{
    if (m_textFitted)
        return;
    m_textFitted = true;
    QFile file(QStringLiteral(":/art/credits.txt"));
    const QString text = file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    Memo1->setPlainText(text);
    QTextCursor all(Memo1->document());
    all.select(QTextCursor::Document);
    QTextBlockFormat centred;
    centred.setAlignment(Qt::AlignHCenter);
    all.mergeBlockFormat(centred);
    for (int pixels = 15; pixels >= 9; --pixels) {
        QFont font = Memo1->font();
        font.setPixelSize(pixels);
        Memo1->document()->setDefaultFont(font);
        Memo1->document()->setTextWidth(Memo1->viewport()->width());
        if (Memo1->document()->size().height() <= TextHeight)
            break;
    }
}

void TForm38::StartScrolling()
{
    FitText();
    Memo1->move(Memo1->x(), StageHeight);
    Label1->move(-EndWidth, Label1->y());
    Image1->move(Image1->x(), 0);
    Image2->hide();
    Timer1->start();
}

void TForm38::StopScrolling() { Timer1->stop(); }

// The text and the tall picture roll up together until the text has gone; then the pictures roll on alone, the
// last one takes over, and "THE END" slides in from the left.
void TForm38::Timer1Timer()
{
    if (Memo1->y() >= -TextHeight) {
        Memo1->move(Memo1->x(), Memo1->y() - Step);
        Image1->move(Image1->x(), Image1->y() - Step);
        Image2->setVisible(Image1->y() < SecondPictureFrom);
        return;
    }
    Image1->move(Image1->x(), Image1->y() - Step);
    if (Label1->x() <= 72)
        Label1->move(Label1->x() + Step, Label1->y());
}

void TForm38::Button1Click() { closeWith(ModalResult::Ok); }
