// The hidden compressed-audio player window: plays MP3 and Ogg Vorbis music, never shown.
#pragma once

#include "core/GameWindow.h"

class TForm34 : public TGameWindow {
    Q_OBJECT
public:
    explicit TForm34(GameWindows& windows);
};
