#include "records/Unit21.h"
#include "core/Guarded.h"

#include "core/GameState.h"
#include "core/GameWindows.h"
#include "core/Look.h"
#include "records/CheatEntries.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {
// The window ends a margin below its lowest control: the code row alone, or the editing panel under it.
constexpr int Margin = 12;
constexpr int CodeRowBottom = 38 + 26;
constexpr int EditorBottom = 80 + 142;
constexpr int CodeOnlyHeight = CodeRowBottom + Margin;
constexpr int EditorHeight = EditorBottom + Margin;
}

TForm21::TForm21(GameWindows& windows)
    : TGameWindow(windows, QStringLiteral("Чит-коды"), QSize(340, CodeOnlyHeight), WindowFrame::CloseBox)
{
    SetBackground(this, Palette::Black);

    Label1 = new QLabel(QStringLiteral("Активация чит-кодов:"), this);
    Label1->setGeometry(12, 12, 316, 20);
    SetTextColor(Label1, Palette::White);
    SetBold(Label1);
    Edit1 = new QLineEdit(this);
    Edit1->setGeometry(12, 38, 214, 26);
    Label1->setBuddy(Edit1);
    Button1 = new QPushButton(QStringLiteral("OK"), this);
    Button1->setGeometry(236, 38, 92, 26);
    Button1->setAutoDefault(false);
    ConnectGuarded(Edit1, &QLineEdit::textEdited, this, &TForm21::Edit1Change);
    ConnectGuarded(Edit1, &QLineEdit::returnPressed, this, &TForm21::Button1Click);
    ConnectGuarded(Button1, &QPushButton::clicked, this, &TForm21::Button1Click);

    GroupBox1 = new QGroupBox(QStringLiteral("Что будем изменять?"), this);
    GroupBox1->setGeometry(Margin, 80, 316, EditorBottom - 80);
    MakePanel(GroupBox1);
    ComboBox1 = new QComboBox(GroupBox1);
    ComboBox1->setGeometry(12, 30, 292, 26);
    ComboBox1->setAccessibleName(QStringLiteral("Что изменить"));
    for (const CheatEntry& entry : CheatEntries)
        ComboBox1->addItem(QString::fromUtf8(entry.name));
    ComboBox1->setCurrentIndex(-1);
    Edit2 = new QLineEdit(GroupBox1);
    Edit2->setGeometry(12, 70, 180, 26);
    Edit2->setAccessibleName(QStringLiteral("Новое значение"));
    Button2 = new QPushButton(QStringLiteral("Изменить"), GroupBox1);
    Button2->setGeometry(202, 70, 102, 26);
    Button2->setAutoDefault(false);
    // The title stands on the black above the panel; the controls on the panel keep dark letters.
    SetTextColor(GroupBox1, Palette::White);
    for (QWidget* control : std::initializer_list<QWidget*> { ComboBox1, Edit2, Button2 })
        SetTextColor(control, Palette::Ink);
    NameControls({ { Label1, "Label1" }, { Edit1, "Edit1" }, { Button1, "Button1" }, { GroupBox1, "GroupBox1" },
        { ComboBox1, "ComboBox1" }, { Edit2, "Edit2" }, { Button2, "Button2" } });
    // Choosing an entry shows its value as it is now, also when that entry was chosen already.
    ConnectGuarded(ComboBox1, &QComboBox::currentIndexChanged, this, &TForm21::ComboBox1Change);
    ConnectGuarded(ComboBox1, &QComboBox::activated, this, &TForm21::ComboBox1Change);
    ConnectGuarded(Edit2, &QLineEdit::returnPressed, this, &TForm21::Button2Click);
    ConnectGuarded(Button2, &QPushButton::clicked, this, &TForm21::Button2Click);

    HideEditor();
}

void TForm21::HideEditor()
{
    GroupBox1->hide();
    setFixedHeight(CodeOnlyHeight);
}

// The code field turns every letter into lower case as it is typed.
void TForm21::Edit1Change(const QString& typed)
{
    const QString lower = typed.toLower();
    if (lower == typed)
        return;
    const int cursor = Edit1->cursorPosition();
    Edit1->setText(lower);
    Edit1->setCursorPosition(cursor);
}

// A wrong code does nothing at all: no hint that there is anything to unlock.
void TForm21::Button1Click()
{
    if (Edit1->text() != CheatCode)
        return;
    setFixedHeight(EditorHeight);
    GroupBox1->show();
}

void TForm21::ComboBox1Change(int entry)
{
    if (entry < 0 || entry >= CheatEntryCount)
        return;
    switch (CheatEntries[entry].action) {
    case CheatAction::Value:
        Edit2->setText(state().text(CheatEntries[entry].field));
        break;
    case CheatAction::GirlFlagsBox:
        Edit2->setText(windows().GirlFlagsBoxVisible() ? CheatTrue : CheatFalse);
        break;
    case CheatAction::Thug:
    case CheatAction::Shooter:
        break;
    }
}

void TForm21::Button2Click()
{
    const int index = ComboBox1->currentIndex();
    if (index < 0 || index >= CheatEntryCount)
        return;
    const CheatEntry& entry = CheatEntries[index];
    const QString typed = Edit2->text();
    switch (entry.action) {
    case CheatAction::Value: {
        const QString problem = CheatValueProblem(entry, typed, state().values());
        if (!problem.isEmpty()) {
            ui().message(problem);
            return;
        }
        state().restore(entry.field, typed);
        break;
    }
    case CheatAction::GirlFlagsBox:
        // Only the two words in lower case act; anything else leaves the box as it is.
        if (typed == CheatTrue)
            windows().SetGirlFlagsBoxVisible(true);
        else if (typed == CheatFalse)
            windows().SetGirlFlagsBoxVisible(false);
        break;
    case CheatAction::Thug:
        windows().StartThug();
        break;
    case CheatAction::Shooter:
        windows().StartShooter();
        break;
    }
}
