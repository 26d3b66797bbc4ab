#include "street/PlaceActions.h"

#include "core/GameState.h"
#include "core/GameWindows.h"
#include "core/Ui.h"
#include "street/Unit19.h"
#include "street/Unit30.h"

#include <QPushButton>

const std::array<const char*, GirlCount> GirlButtonCaptions
    = { "Катя", "Вероника", "Лена", "Настя", "Таня", "Даша", "Яна", "Маша", "Ира", "ОЛЯ" };

void ApplyGirlFlagFonts(const TGameState& state, const std::array<QPushButton*, GirlCount>& buttons)
{
    for (int i = 0; i < GirlCount; ++i) {
        QPushButton* button = buttons[i];
        if (!button)
            continue;
        QFont font = button->font();
        font.setStrikeOut(state.charmed(i));
        button->setFont(font);
    }
}

std::array<QPushButton*, GirlCount> FindGirlButtons(QWidget& window)
{
    std::array<QPushButton*, GirlCount> found {};
    const auto buttons = window.findChildren<QPushButton*>();
    for (int i = 0; i < GirlCount; ++i) {
        const QString caption = QString::fromUtf8(GirlButtonCaptions[i]);
        for (QPushButton* button : buttons) {
            if (button->text() == caption) {
                found[i] = button;
                break;
            }
        }
    }
    return found;
}

void GirlsAction(GameWindows& windows)
{
    TForm19& girls = windows.form19();
    ApplyGirlFlagFonts(windows.state(), FindGirlButtons(girls));
    ui().showModal(girls);
}

void PhoneAction(GameWindows& windows)
{
    if (windows.state().text(Field::MobilePhone) == TextNo) {
        ui().message(QStringLiteral("Если вы не в курсе, у вас нет мобильника..."));
        return;
    }
    ui().showModal(windows.form30());
}

void MotherTalkAction(GameWindows& windows) { windows.TalkWithMother(); }
