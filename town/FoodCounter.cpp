#include "town/FoodCounter.h"

#include "core/Button.h"
#include "core/GameWindow.h"
#include "core/Guarded.h"
#include "core/Look.h"
#include "core/Picture.h"
#include "core/Ui.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

QLabel* MakeCopyLabel(QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    SetBold(label);
    label->setMinimumWidth(48);
    return label;
}

QWidget* MakeValuePanel(QWidget* parent, std::initializer_list<std::pair<QString, QLabel*>> rows)
{
    QFrame* panel = MakeSunkenFrame(parent);
    SetBackground(panel, Palette::Paper);
    auto* grid = new QGridLayout(panel);
    grid->setContentsMargins(8, 6, 8, 6);
    grid->setVerticalSpacing(4);
    int row = 0;
    for (const auto& [caption, label] : rows) {
        auto* name = new QLabel(caption, panel);
        name->setBuddy(label);
        grid->addWidget(name, row, 0);
        grid->addWidget(label, row, 1);
        ++row;
    }
    grid->setColumnStretch(1, 1);
    return panel;
}

QPushButton* MakeFoodItem(QWidget* parent, const QString& caption, std::function<void()> buy)
{
    return MakeButton(parent, caption, QSize(0, 26), parent, std::move(buy));
}

QLabel* MakeShopHeading(QWidget* parent, const QString& text, int pixelSize, bool bold)
{
    auto* heading = new QLabel(text, parent);
    SetHeading(heading, pixelSize, bold);
    heading->setWordWrap(true);
    return heading;
}

QPushButton* MakeExitButton(TGameWindow* window, const QString& caption, bool bold)
{
    QPushButton* button
        = MakeButton(window, caption, QSize(140, 30), window, [window] { window->closeWith(ModalResult::Ok); });
    if (bold)
        SetBold(button);
    return button;
}

void LayOutCounter(TGameWindow* window, const QString& art, QWidget* values, QLabel* heading,
    std::initializer_list<QPushButton*> items, QPushButton* exit, ExitPlace exitPlace)
{
    SetBackground(window, Palette::Cream);
    auto* picture = new PictureBox(window);
    picture->setFixedSize(192, 144);
    picture->setArt(art);

    auto* left = new QVBoxLayout;
    left->addWidget(picture);
    left->addSpacing(8);
    left->addWidget(values);
    left->addStretch();

    auto* right = new QVBoxLayout;
    right->setSpacing(3);
    right->addWidget(heading);
    right->addSpacing(4);
    for (QPushButton* item : items)
        right->addWidget(item);
    if (exitPlace == ExitPlace::BelowItems) {
        right->addSpacing(10);
        right->addWidget(exit);
        right->addStretch();
    } else {
        right->addStretch();
        right->addWidget(exit, 0, Qt::AlignRight);
    }

    auto* layout = new QHBoxLayout(window);
    layout->setContentsMargins(12, 12, 12, 12);
    layout->setSpacing(14);
    layout->addLayout(left);
    layout->addLayout(right, 1);
}
