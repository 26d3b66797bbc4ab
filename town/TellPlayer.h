// Shows what a rule says to the player, one message box after another.
#pragma once

#include "core/Ui.h"

#include <QStringList>

inline void TellPlayer(const QStringList& messages)
{
    for (const QString& text : messages)
        ui().message(text);
}
