// Actions both location windows share, callable apart from their buttons (the phone menu runs some of them too).
#pragma once

#include "core/GameState.h"

#include <QString>
#include <array>

class GameWindows;
class QPushButton;
class QWidget;
class TGameState;

// The girls' names as their buttons show them, in the order of the girl flags.
extern const std::array<const char*, GirlCount> GirlButtonCaptions;

// Strikes out the name of every charmed girl (flag exactly "1") and shows the others plainly. Missing buttons
// (null) are passed over.
void ApplyGirlFlagFonts(const TGameState& state, const std::array<QPushButton*, GirlCount>& buttons);
// The girls' name buttons of a window, found by their captions; null for a name the window has no button for.
std::array<QPushButton*, GirlCount> FindGirlButtons(QWidget& window);

// "Пойти к девушке из класса...": the names get their lettering from the girl flags, then the girls window opens.
void GirlsAction(GameWindows& windows);
// "Мобильник": without a phone only a reminder; with one, the phone menu.
void PhoneAction(GameWindows& windows);
// "Поговорить с мамой": the talk with the mother.
void MotherTalkAction(GameWindows& windows);
