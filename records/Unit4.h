// The diary: the grade table of all sixteen subjects.
#pragma once

#include "core/GameWindow.h"

class QLabel;

class TForm4 : public TGameWindow {
    Q_OBJECT
public:
    explicit TForm4(Forms& forms);

    // The line "Данная четверть:" shows the quarter copied in by the main window.
    void SetCurrentQuarter(const QString& quarter);
    QString CurrentQuarter() const;

    QLabel* quarterLabel;
};
