#include "town/Unit16.h"

#include "core/EnterKey.h"
#include "core/Guarded.h"
#include "core/Look.h"
#include "core/Picture.h"
#include "town/BookShop.h"
#include "town/FoodCounter.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScopeGuard>
#include <QVBoxLayout>

TForm16::TForm16(GameWindows& windows)
    : TGameWindow(windows, QStringLiteral("Продажа ГДЗ"), QSize(681, 329), WindowFrame::NoCloseBox)
{
    SetBackground(this, Palette::Cream);

    auto* picture = new PictureBox;
    picture->setArt(QStringLiteral(":/art/gdz_sale.svg"));
    QFrame* frame = FramePicture(this, picture, QSize(240, 290));

    Label1 = MakeShopHeading(this,
        QStringLiteral("ГДЗ продаешь? Круто, чувак. И за сколько ты хочешь его продать? Назови цену, может куплю..."),
        17, false);

    Label2 = new QLabel(QStringLiteral("Продать за"), this);
    Edit1 = new QLineEdit(QStringLiteral("0"), this);
    Edit1->setFixedWidth(80);
    Edit1->setMaxLength(11);
    Edit1->setAccessibleName(QStringLiteral("Цена ГДЗ в рублях"));
    Label2->setBuddy(Edit1);
    Label3 = new QLabel(QStringLiteral("руб."), this);
    auto* priceRow = new QHBoxLayout;
    priceRow->addWidget(Label2);
    priceRow->addWidget(Edit1);
    priceRow->addWidget(Label3);
    priceRow->addStretch();

    Button1 = new QPushButton(QStringLiteral("Продать"), this);
    Button2 = new QPushButton(QStringLiteral("Я передумал продавать"), this);
    for (QPushButton* button : { Button1, Button2 })
        button->setMinimumSize(170, 30);
    SetBold(Button1);
    Button1->setDefault(true);
    ConnectGuarded(Button1, &QPushButton::clicked, this, &TForm16::Button1Click);
    ConnectGuarded(Button2, &QPushButton::clicked, this, &TForm16::Button2Click);
    NameControls({ { Label1, "Label1" }, { Label2, "Label2" }, { Edit1, "Edit1" }, { Label3, "Label3" },
        { Button1, "Button1" }, { Button2, "Button2" } });
    PressOnEnter(Edit1, Button1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(Button1);
    buttons->addWidget(Button2);
    buttons->addStretch();

    auto* right = new QVBoxLayout;
    right->addWidget(Label1);
    right->addSpacing(16);
    right->addLayout(priceRow);
    right->addStretch();
    right->addLayout(buttons);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(14, 14, 14, 14);
    layout->setSpacing(18);
    layout->addWidget(frame, 0, Qt::AlignTop);
    layout->addLayout(right, 1);
}

void TForm16::Button1Click()
{
    // Whatever the classmate answers, and even when the price was no number at all, the talk is over.
    auto closeAfterwards = qScopeGuard([this] { closeWith(ModalResult::Ok); });
    const GdzSale sale = SellGdz(state(), Edit1->text().trimmed());
    if (!sale.offerOver)
        closeAfterwards.dismiss();
    TellPlayer(sale.messages);
}

void TForm16::Button2Click() { closeWith(ModalResult::Ok); }

void TForm16::showEvent(QShowEvent* event)
{
    TGameWindow::showEvent(event);
    Edit1->setFocus();
    Edit1->selectAll();
}
