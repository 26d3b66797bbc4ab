#include "core/Unit3.h"
#include "core/Button.h"
#include "core/Guarded.h"
#include "core/Look.h"
#include "core/Picture.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace {
// Where the yard under the school begins in the background picture (art/name_background.svg).
constexpr int YardTop = 266;
}

TForm3::TForm3(GameWindows& windows)
    : TGameWindow(windows, QStringLiteral("Как Вас называть?"), QSize(512, 384))
{
    AddBackground(this, QStringLiteral(":/art/name_background.svg"));

    auto* logo = new PictureBox(this);
    logo->setFixedSize(150, 60);
    logo->setArt(QStringLiteral(":/art/logo.svg"));

    Label1 = new QLabel(
        QStringLiteral("Привет, чуваки! Если вы играли в эту игру и уже успели сохраниться, тогда просто тыкайте по "
                       "кнопке \"Загрузить игру\", а если вы с нами впервые, тогда наберите внизу ваше имя или ник и "
                       "нажмите на кнопку \"Новая игра\".                                  Приятной игры!"),
        this);
    Label1->setWordWrap(true);
    MakePanel(Label1, 6);
    SetTextColor(Label1, Palette::Ink);

    Edit1 = new QLineEdit(QStringLiteral("Аноним"), this);
    Edit1->setAccessibleName(QStringLiteral("Ваше имя"));
    Edit1->setMaxLength(60);

    Button1 = MakeButton(this, QStringLiteral("Новая игра"), QSize(140, 30), this, &TForm3::Button1Click);
    Button2 = MakeButton(this, QStringLiteral("Загрузить игру"), QSize(140, 30), this, &TForm3::Button2Click);
    continueButton = MakeButton(this, QStringLiteral("Продолжить"), QSize(140, 30), this, &TForm3::continueButtonClick);
    continueButton->setAccessibleDescription(
        QStringLiteral("Загрузить автосохранение: игру с того места, где вы её оставили"));
    continueButton->hide();
    Button1->setDefault(true);
    NameControls({ { Label1, "Label1" }, { Edit1, "Edit1" }, { Button1, "Button1" }, { Button2, "Button2" },
        { continueButton, "continueButton" } });

    // The picture ends where the yard begins; the text, the name and the buttons stand on the yard below it, the
    // name box and the buttons on one row so that the four lines of text keep to the yard.
    auto* row = new QHBoxLayout;
    row->addWidget(Edit1, 1);
    for (QPushButton* button : { Button1, Button2, continueButton }) {
        button->setMinimumWidth(0);
        row->addWidget(button);
    }
    row->setSpacing(6);

    constexpr int margin = 12;
    constexpr int spacing = 6;
    auto* layout = new QVBoxLayout(this);
    layout->setSpacing(spacing);
    layout->setContentsMargins(margin, margin, margin, 8);
    layout->addWidget(logo, 0, Qt::AlignHCenter);
    // From the logo down to the yard: the text's panel begins on the yard's first line.
    layout->addSpacing(YardTop - margin - logo->height() - spacing); // no spacing after a spacer
    layout->addWidget(Label1);
    layout->addLayout(row);
    layout->addStretch();
}

QString TForm3::playerName() const { return Edit1->text(); }

// The name box opens with its name selected, as a box filled in for the player should: the first keys replace
// «Аноним» instead of being added to it, and a name kept from an earlier showing is replaced the same way.
void TForm3::showEvent(QShowEvent* event)
{
    TGameWindow::showEvent(event);
    // Once the showing's own events have run: the edit box drops a selection made while its window is being shown.
    QTimer::singleShot(0, Edit1, &QLineEdit::selectAll);
}

void TForm3::Button1Click() { closeWith(ModalResult::Ok); }

void TForm3::Button2Click() { closeWith(ModalResult::Cancel); }

void TForm3::continueButtonClick() { closeWith(ContinueResult); }

// With a game to continue, Enter continues it: a new game is chosen by its own button, never by a stray key.
void TForm3::SetContinueOffered(bool offered)
{
    continueButton->setVisible(offered);
    continueButton->setDefault(offered);
    Button1->setDefault(!offered);
}
