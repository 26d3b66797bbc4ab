#include "core/Unit43.h"
#include "core/Button.h"
#include "core/Guarded.h"
#include "core/Look.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

QStringList IntroductionLines()
{
    return {
        QStringLiteral("Эх, к сожалению,  каникулы не вечны… Уже не за горами 1 "),
        QStringLiteral("сентября, и вот он наступил. Прощай, речка, прощай, велик,"),
        QStringLiteral("прощайте, ночные посиделки во дворе до самого утра!"),
        QStringLiteral(""),
        QStringLiteral("Теперь ты в 9-м классе. Это последний класс, а потом —"),
        QStringLiteral("экзамены и взрослая жизнь. Только вот школа в этот раз"),
        QStringLiteral("совсем не та: летом твои родители переехали в другой"),
        QStringLiteral("город, и ты идешь в школу, которую видишь впервые."),
        QStringLiteral(""),
        QStringLiteral("Здесь ты никого не знаешь. Ни одного знакомого лица:"),
        QStringLiteral("ни друзей, ни даже тех, кого можно было бы не любить."),
        QStringLiteral("Учителя смотрят строго, одноклассники — с любопытством,"),
        QStringLiteral("а во дворе по вечерам гуляют ребята, с которыми лучше"),
        QStringLiteral("не ссориться. Короче, все придется начинать с нуля."),
        QStringLiteral(""),
        QStringLiteral("Но ты не унываешь и ставишь себе цели на этот год:"),
        QStringLiteral("  — записаться в какой-нибудь клуб;"),
        QStringLiteral("  — накачаться и стать крутым пацаном, которого уважают;"),
        QStringLiteral("  — найти самую лучшую работу в городе;"),
        QStringLiteral("  — купить себе мобильник;"),
        QStringLiteral("  — и, конечно, успешно закончить школу."),
        QStringLiteral(""),
        QStringLiteral("Не забывай вовремя есть, спать и веселиться. Удачи, чувак! =)"),
    };
}

TForm43::TForm43(GameWindows& windows)
    : TGameWindow(windows, QStringLiteral("Введение"), QSize(512, 384))
{
    AddBackground(this, QStringLiteral(":/art/intro_background.svg"));

    Memo1 = new QPlainTextEdit(this);
    Memo1->setReadOnly(true);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->setPlainText(IntroductionLines().join(QLatin1Char('\n')));
    Memo1->setAccessibleName(QStringLiteral("Введение"));

    Button1 = MakeButton(this, QStringLiteral("Ок"), QSize(120, 30), this, &TForm43::Button1Click);
    Button1->setDefault(true);
    NameControls({ { Memo1, "Memo1" }, { Button1, "Button1" } });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Memo1, 1);
    layout->addWidget(Button1, 0, Qt::AlignHCenter);
    layout->setContentsMargins(32, 28, 32, 16);
}

void TForm43::Button1Click() { closeWith(ModalResult::Ok); }
