#include "street/Unit33.h"

#include "core/DataPath.h"
#include "core/GameState.h"
#include "core/Guarded.h"
#include "core/Look.h"
#include "core/Picture.h"
#include "core/TextFile.h"
#include "street/SmsReplies.h"
#include "street/StreetContent.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <QVBoxLayout>
#include <algorithm>

namespace {
// How long the phone takes to send a message.
constexpr int SendingMs = 3000;

const char* const Recipients[]
    = { "Костэн", "Тема", "Серый", "Катя", "Вероника", "Лена", "Настя", "Таня", "Даша", "Яна", "Маша", "Ира", "Оля" };

QGroupBox* Panel(QWidget* parent, const char* caption, const char* name, QRect geometry)
{
    auto* panel = new QGroupBox(QString::fromUtf8(caption), parent);
    panel->setObjectName(QString::fromUtf8(name));
    MakePanel(panel);
    panel->setGeometry(geometry);
    panel->hide();
    return panel;
}

PictureBox* SmsPicture(QWidget* parent, QSize size)
{
    auto* picture = new PictureBox(parent);
    picture->setFixedSize(size);
    picture->setArt(QStringLiteral(":/art/sms_envelope.svg"));
    return picture;
}
}

QStringList ShownLines(const QPlainTextEdit& box)
{
    const qreal width = box.width() - 2 * box.frameWidth() - 2 * box.document()->documentMargin();
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    QStringList lines;
    for (const QString& paragraph : box.toPlainText().split(QLatin1Char('\n'))) {
        QTextLayout layout(paragraph, box.font());
        layout.setTextOption(option);
        layout.beginLayout();
        int made = 0;
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine(), ++made) {
            line.setLineWidth(width);
            lines.append(paragraph.mid(line.textStart(), line.textLength()));
        }
        layout.endLayout();
        if (made == 0)
            lines.append(QString());
    }
    return lines;
}

TForm33::TForm33(GameWindows& windows)
    : TGameWindow(windows, QStringLiteral("Сообщения SMS"), QSize(640, 440), WindowFrame::NoCloseBox)
{
    AddBackground(this, QStringLiteral(":/art/sms_background.svg"));

    auto menuButton = [this](const char* caption, int y, void (TForm33::*handler)()) {
        auto* button = new QPushButton(QString::fromUtf8(caption), this);
        button->setGeometry(12, y, 138, 34);
        ConnectGuarded(button, &QPushButton::clicked, this, handler);
        return button;
    };
    Button1 = menuButton("Написать SMS", 22, &TForm33::Button1Click);
    Button2 = menuButton("Входящие SMS", 64, &TForm33::Button2Click);
    Button3 = menuButton("Назад", 392, &TForm33::Button3Click);
    SetBold(Button3);

    composePanel = Panel(this, "Создание SMS", "composePanel", QRect(160, 8, 304, 142));
    Label1 = new QLabel(QStringLiteral("Символов:"), composePanel);
    Label2 = new QLabel(QString::number(SmsLength), composePanel);
    SetBold(Label2);
    SetTextColor(Label2, Palette::BlueDark);
    Label1->setBuddy(Label2);
    Memo1 = new QPlainTextEdit(composePanel);
    Memo1->setFixedSize(273, 57);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Memo1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    Memo1->setAccessibleName(QStringLiteral("Текст сообщения"));
    SetHeading(Memo1, 13);
    ConnectGuarded(Memo1, &QPlainTextEdit::textChanged, this, &TForm33::Memo1Change);
    Button4 = new QPushButton(QStringLiteral("Отправить"), composePanel);
    ConnectGuarded(Button4, &QPushButton::clicked, this, &TForm33::Button4Click);
    auto* composeLayout = new QVBoxLayout(composePanel);
    composeLayout->setContentsMargins(10, 18, 10, 8);
    auto* counterRow = new QHBoxLayout;
    counterRow->addWidget(Label1);
    counterRow->addWidget(Label2);
    counterRow->addStretch();
    counterRow->addWidget(Button4);
    composeLayout->addLayout(counterRow);
    composeLayout->addWidget(Memo1, 0, Qt::AlignHCenter);

    recipientPanel = Panel(this, "Кому", "recipientPanel", QRect(472, 8, 160, 290));
    Image1 = SmsPicture(recipientPanel, QSize(48, 36));
    ListBox1 = new QListWidget(recipientPanel);
    for (const char* name : Recipients)
        ListBox1->addItem(QString::fromUtf8(name));
    ListBox1->setAccessibleName(QStringLiteral("Кому"));
    Button5 = new QPushButton(QStringLiteral("Отправить"), recipientPanel);
    ConnectGuarded(Button5, &QPushButton::clicked, this, &TForm33::Button5Click);
    auto* recipientLayout = new QVBoxLayout(recipientPanel);
    recipientLayout->setContentsMargins(8, 18, 8, 8);
    recipientLayout->addWidget(Image1, 0, Qt::AlignHCenter);
    recipientLayout->addWidget(ListBox1, 1);
    recipientLayout->addWidget(Button5);

    sendingPanel = Panel(this, "Отправка", "sendingPanel", QRect(160, 158, 304, 126));
    Image2 = SmsPicture(sendingPanel, QSize(80, 60));
    Label3 = new QLabel(QStringLiteral("Сообщение"), sendingPanel);
    Label3->setWordWrap(true);
    auto* sendingLayout = new QHBoxLayout(sendingPanel);
    sendingLayout->setContentsMargins(10, 18, 10, 8);
    sendingLayout->addWidget(Image2);
    sendingLayout->addWidget(Label3, 1);

    newMessagePanel = Panel(this, "Входящие SMS", "newMessagePanel", QRect(472, 306, 160, 126));
    Image3 = SmsPicture(newMessagePanel, QSize(52, 38));
    Label4 = new QLabel(QStringLiteral("ВАМ СООБЩЕНИЕ!"), newMessagePanel);
    SetBold(Label4);
    SetTextColor(Label4, Palette::Red);
    Button6 = new QPushButton(QStringLiteral("Читать"), newMessagePanel);
    ConnectGuarded(Button6, &QPushButton::clicked, this, &TForm33::Button6Click);
    auto* newLayout = new QVBoxLayout(newMessagePanel);
    newLayout->setContentsMargins(8, 18, 8, 8);
    newLayout->addWidget(Image3, 0, Qt::AlignHCenter);
    newLayout->addWidget(Label4, 0, Qt::AlignHCenter);
    newLayout->addWidget(Button6);

    inboxPanel = Panel(this, "Входящие SMS", "inboxPanel", QRect(160, 292, 304, 140));
    Inbox = new QPlainTextEdit(inboxPanel);
    Inbox->setReadOnly(true);
    Inbox->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Inbox->setAccessibleName(QStringLiteral("Входящее сообщение"));
    Button7 = new QPushButton(QStringLiteral("Ответить"), inboxPanel);
    ConnectGuarded(Button7, &QPushButton::clicked, this, &TForm33::Button7Click);
    auto* inboxLayout = new QVBoxLayout(inboxPanel);
    inboxLayout->setContentsMargins(10, 18, 10, 8);
    inboxLayout->addWidget(Inbox, 1);
    inboxLayout->addWidget(Button7, 0, Qt::AlignRight);

    NameControls({ { Button1, "Button1" }, { Button2, "Button2" }, { Button3, "Button3" }, { Label1, "Label1" },
        { Label2, "Label2" }, { Memo1, "Memo1" }, { Button4, "Button4" }, { Image1, "Image1" },
        { ListBox1, "ListBox1" }, { Button5, "Button5" }, { Image2, "Image2" }, { Label3, "Label3" },
        { Image3, "Image3" }, { Label4, "Label4" }, { Button6, "Button6" }, { Inbox, "Inbox" },
        { Button7, "Button7" } });
}

void TForm33::showEvent(QShowEvent* event)
{
    TGameWindow::showEvent(event);
    ListBox1->setCurrentRow(0);
}

void TForm33::showOnly(QGroupBox* panel)
{
    for (QGroupBox* each : { composePanel, recipientPanel, sendingPanel, newMessagePanel, inboxPanel })
        each->setVisible(each == panel);
}

void TForm33::Button1Click()
{
    if (state().number(Field::PhoneCredit) < SmsPrice) {
        ui().message(QStringLiteral("У вас не хватает USC на отправку SMS"));
        return;
    }
    showOnly(composePanel);
}

void TForm33::Button2Click() { showOnly(inboxPanel); }

void TForm33::Button3Click() { closeWith(ModalResult::Ok); }

void TForm33::Memo1Change()
{
    const QString text = Memo1->toPlainText();
    if (text.size() > SmsLength) {
        // What was just typed or pasted before the cursor is cut back to what still fits.
        const int excess = int(text.size()) - SmsLength;
        const int position = Memo1->textCursor().position();
        const int keep = std::max(0, position - excess);
        const QString fitting = (text.left(keep) + text.mid(position)).left(SmsLength);
        Memo1->setPlainText(fitting);
        QTextCursor cursor = Memo1->textCursor();
        cursor.setPosition(std::min(keep, int(fitting.size())));
        Memo1->setTextCursor(cursor);
        return; // the change above comes back here
    }
    Label2->setText(QString::number(SmsCharactersLeft(ShownLines(*Memo1))));
}

void TForm33::Button4Click() { recipientPanel->show(); }

void TForm33::Button5Click()
{
    state().add(Field::PhoneCredit, -SmsPrice);
    const QString recipient = ListBox1->currentItem() ? ListBox1->currentItem()->text() : QString();
    const QStringList lines = ShownLines(*Memo1);
    Label3->setText(
        QStringLiteral("Сообщение ") + lines.value(0) + QStringLiteral("... успешно отправлено адресату ") + recipient);
    KeepInJournal(QStringLiteral("SMS для %1: %2").arg(recipient, SmsMessage(lines)));
    sendingPanel->show();
    composePanel->hide();
    recipientPanel->hide();
    sendingPanel->repaint();
    ui().sleep(SendingMs);

    const QStringList words = SmsWords(SmsMessage(lines));
    const auto replies = FindSmsReplies(ReadLines1251(DataPath(StreetContent::SmsReplies.path())), words);
    if (!replies)
        return;
    const auto reply = PickSmsReply(*replies);
    if (!reply)
        return;
    newMessagePanel->show();
    Inbox->setPlainText(*reply + QLatin1Char('\n') + QStringLiteral("ОТ: ") + recipient);
    KeepInJournal(QStringLiteral("SMS от %1: %2").arg(recipient, *reply));
}

void TForm33::Button6Click() { inboxPanel->show(); }

void TForm33::Button7Click()
{
    showOnly(composePanel);
    Memo1->clear();
}
