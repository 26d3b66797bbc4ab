// Actions both location windows share, callable apart from their buttons (the phone menu runs some of them too).
#pragma once

class GameWindows;

// "Пойти к девушке из класса...": the girls window, which shows which girls are charmed.
void GirlsAction(GameWindows& windows);
// "Мобильник": without a phone only a reminder; with one, the phone menu.
void PhoneAction(GameWindows& windows);
// "Поговорить с мамой": the talk with the mother.
void MotherTalkAction(GameWindows& windows);
