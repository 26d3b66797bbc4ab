#include "core/Unit34.h"
#include "core/Button.h"
#include "core/Guarded.h"
#include "core/Look.h"
#include "core/Picture.h"

#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TAboutBox::TAboutBox(GameWindows& windows)
    : TGameWindow(windows, QStringLiteral("О программе"), QSize(380, 260))
{
    QFrame* frame = MakeSunkenFrame(this);

    auto* icon = new PictureBox(frame);
    icon->setFixedSize(96, 96);
    icon->setArt(QStringLiteral(":/art/about.svg"));

    auto* product = new QLabel(QStringLiteral("Трамбуль"), frame);
    SetBold(product, 6);
    auto* version = new QLabel(QStringLiteral("Версия 1.1"), frame);
    auto* copyright = new QLabel(QStringLiteral("Игра про девятиклассника в новом городе"), frame);
    copyright->setWordWrap(true);
    auto* comments = new QLabel(
        QStringLiteral("Год учебы с 1 сентября 2005 по 24 мая 2006: уроки, работа, друзья, девушки и экзамены. "
                       "Вопросы и пожелания пишите авторам игры."),
        frame);
    comments->setWordWrap(true);

    auto* grid = new QGridLayout(frame);
    grid->addWidget(icon, 0, 0, 3, 1, Qt::AlignTop);
    grid->addWidget(product, 0, 1);
    grid->addWidget(version, 1, 1);
    grid->addWidget(copyright, 2, 1);
    grid->addWidget(comments, 3, 0, 1, 2);

    OKButton = MakeButton(this, QStringLiteral("OK"), QSize(90, 28), this, [this] { closeWith(ModalResult::Ok); });
    OKButton->setDefault(true);
    NameControls({ { OKButton, "OKButton" } });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(frame, 1);
    layout->addWidget(OKButton, 0, Qt::AlignHCenter);
}
