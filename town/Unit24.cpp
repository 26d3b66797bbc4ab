#include "town/Unit24.h"

#include "core/GameState.h"
#include "core/Guarded.h"
#include "core/Look.h"
#include "core/WrapButton.h"
#include "town/PhoneShop.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {
constexpr int PictureSide = 101;
constexpr int LeftColumnWidth = 150;

// A caption and the value it names, the caption pointing at the value for screen readers.
QLabel* AddValueRow(QGridLayout* grid, int row, const QString& caption, QLabel*& value, QWidget* parent)
{
    auto* name = new QLabel(caption, parent);
    value = new QLabel(NoModelChosen, parent);
    value->setTextInteractionFlags(Qt::TextSelectableByMouse);
    value->setWordWrap(true);
    SetBold(value);
    name->setBuddy(value);
    grid->addWidget(name, row, 0);
    grid->addWidget(value, row, 1);
    return name;
}

// Buttons that keep their place in the layout while hidden, so the others do not jump when the deal comes or goes.
void KeepPlaceWhenHidden(QWidget* widget)
{
    QSizePolicy policy = widget->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    widget->setSizePolicy(policy);
}
}

TForm24::TForm24(GameWindows& windows)
    : TGameWindow(windows, QStringLiteral("Сотовый отдел"), QSize(560, 420), WindowFrame::NoCloseBox)
{
    AddBackground(this, QStringLiteral(":/art/phone_shop.svg"));

    // Left: the pitch, black letters over a white copy two pixels lower right, then the buttons.
    const QString pitch = QStringLiteral("Хотите купить у нас мобильник? No problem! Выбирай любой! Здесь просто "
                                         "огромный выбор мобильников самых известных фирм!");
    Label1 = new QLabel(pitch, this);
    Label1->setWordWrap(true);
    Label1->setAlignment(Qt::AlignRight | Qt::AlignTop);
    Label1->setFixedWidth(LeftColumnWidth);
    SetHeading(Label1, 13);
    SetTextColor(Label1, Palette::Black);
    AddShadow(Label1, Palette::White, 0, 2); // a white copy of the heading, two pixels down and right

    auto button = [this](const QString& caption, void (TForm24::*handler)()) {
        QPushButton* made = new WrapButton(caption, this);
        made->setFixedWidth(LeftColumnWidth);
        made->setMinimumHeight(44);
        ConnectGuarded(made, &QPushButton::clicked, this, handler);
        return made;
    };
    Button1 = button(QStringLiteral("Купить (по договору с матерью) за в 1/3 цены"), &TForm24::Button1Click);
    Button2 = button(QStringLiteral("Купить этот мобильный телефон"), &TForm24::Button2Click);
    Button3 = button(QStringLiteral("Купить карту номиналом 5 USD (150 руб)"), &TForm24::Button3Click);
    Button4 = button(QStringLiteral("Выйти из этого отдела"), &TForm24::Button4Click);
    SetBold(Button4);
    KeepPlaceWhenHidden(Button1);

    auto* left = new QVBoxLayout;
    left->setSpacing(6);
    left->addWidget(Label1);
    left->addStretch();
    for (QPushButton* made : { Button1, Button2, Button3 })
        left->addWidget(made);
    left->addSpacing(10);
    left->addWidget(Button4);

    // Right: the brand tabs over the info panel.
    auto* heading = new QLabel(QStringLiteral("Мобильные телефоны разных фирм"), this);
    SetBold(heading);
    AddShadow(heading, Palette::Paper, 6);
    PageControl1 = new QTabWidget(this);
    for (const PhoneBrand& brand : PhoneBrands) {
        auto* page = new QWidget;
        auto* grid = new QGridLayout(page);
        grid->setContentsMargins(6, 6, 6, 6);
        grid->setSpacing(4);
        const QString brandName = QString::fromUtf8(brand.brand);
        for (size_t i = 0; i < brand.models.size(); ++i) {
            const QString model = QString::fromUtf8(brand.models[i]);
            auto* made = new QPushButton(model, page);
            ConnectGuarded(
                made, &QPushButton::clicked, this, [this, brandName, model] { ChooseModel(brandName, model); });
            grid->addWidget(made, int(i) / 2, int(i) % 2);
        }
        grid->setRowStretch(3, 1);
        PageControl1->addTab(page, brandName);
    }
    PageControl1->setFixedHeight(140);
    // All five brands side by side, without scroll arrows.
    PageControl1->setUsesScrollButtons(false);
    QFont tabFont = PageControl1->tabBar()->font();
    tabFont.setPixelSize(11);
    PageControl1->tabBar()->setFont(tabFont);

    auto* panel = new QWidget(this);
    MakePanel(panel);
    auto* info = new QLabel(QStringLiteral("Инфо о выбранном мобильнике:"), panel);
    SetBold(info);
    Image1 = new QLabel(panel);
    Image1->setFixedSize(PictureSide, PictureSide);
    Image1->setAlignment(Qt::AlignCenter);
    Image1->setAccessibleDescription(QStringLiteral("Картинка выбранного мобильника"));
    auto* values = new QGridLayout;
    values->setVerticalSpacing(4);
    AddValueRow(values, 0, QStringLiteral("Наименование:"), modelLabel, panel);
    AddValueRow(values, 1, QStringLiteral("Цена:"), priceLabel, panel);
    dealCaption = AddValueRow(values, 2, QStringLiteral("1/3 цены:"), dealPriceLabel, panel);
    values->setColumnStretch(1, 1);
    values->setRowStretch(3, 1);
    KeepPlaceWhenHidden(dealCaption);
    KeepPlaceWhenHidden(dealPriceLabel);
    Memo1 = new QPlainTextEdit(panel);
    Memo1->setReadOnly(true);
    Memo1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->setAccessibleName(QStringLiteral("Описание мобильника"));

    NameControls({ { Label1, "Label1" }, { Button1, "Button1" }, { Button2, "Button2" }, { Button3, "Button3" },
        { Button4, "Button4" }, { PageControl1, "PageControl1" }, { Image1, "Image1" }, { modelLabel, "modelLabel" },
        { priceLabel, "priceLabel" }, { dealCaption, "dealCaption" }, { dealPriceLabel, "dealPriceLabel" },
        { Memo1, "Memo1" } });

    auto* pictureRow = new QHBoxLayout;
    pictureRow->addWidget(Image1, 0, Qt::AlignTop);
    pictureRow->addLayout(values, 1);
    auto* panelLayout = new QVBoxLayout(panel);
    panelLayout->setContentsMargins(8, 6, 8, 8);
    panelLayout->setSpacing(4);
    panelLayout->addWidget(info);
    panelLayout->addLayout(pictureRow);
    panelLayout->addWidget(Memo1, 1);

    auto* right = new QVBoxLayout;
    right->setSpacing(4);
    right->addWidget(heading);
    right->addWidget(PageControl1);
    right->addWidget(panel, 1);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->setSpacing(8);
    layout->addLayout(left);
    layout->addLayout(right, 1);

    // The deal comes from the talk with the mother and goes with a new game or a loaded one, whenever that happens.
    connect(&state(), &TGameState::changed, this, &TForm24::onStateChanged);
    showDealControls();
}

void TForm24::onStateChanged(Field field)
{
    if (field == Field::MotherPhoneDeal)
        showDealControls();
}

void TForm24::showDealControls()
{
    const bool deal = state().text(Field::MotherPhoneDeal) == QStringLiteral("1");
    for (QWidget* control : std::initializer_list<QWidget*> { Button1, dealCaption, dealPriceLabel })
        control->setVisible(deal);
}

void TForm24::ChooseModel(const QString& brand, const QString& model)
{
    // All three files first: a model whose files fail leaves the panel showing the previous one, whole.
    // Scaled for the screen's own pixels, so the picture stays sharp at 150 % and 200 %.
    const qreal ratio = Image1->devicePixelRatioF();
    const PhoneModel chosen = ReadPhoneModel(brand, model, QSize(PictureSide, PictureSide) * ratio);
    modelLabel->setText(chosen.model);
    priceLabel->setText(chosen.priceText);
    dealPriceLabel->setText(QString::number(chosen.dealPrice));
    QPixmap picture = QPixmap::fromImage(
        chosen.picture.scaled(QSize(PictureSide, PictureSide) * ratio, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    picture.setDevicePixelRatio(ratio);
    Image1->setPixmap(picture);
    Memo1->setPlainText(chosen.description);
    m_chosen = chosen;
    // The panel shows the picture; the purchase needs only the name and the prices.
    m_chosen->picture = QImage();
}

void TForm24::Button1Click() { TellPlayer(BuyPhone(state(), m_chosen, PhoneDeal::MothersDeal)); }

void TForm24::Button2Click() { TellPlayer(BuyPhone(state(), m_chosen, PhoneDeal::FullPrice)); }

void TForm24::Button3Click() { TellPlayer(BuyTopUpCard(state())); }

void TForm24::Button4Click() { closeWith(ModalResult::Ok); }
