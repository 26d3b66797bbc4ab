// Playing with the keyboard alone: in every window Tab reaches every button the player can press.
#include "GameFixture.h"
#include "core/GameWindow.h"
#include "game/Unit1.h"

#include <QAbstractButton>
#include <QApplication>
#include <QPushButton>
#include <QTabBar>
#include <set>

namespace {
using Keyboard = GameFixture;

bool TakesTab(QWidget* widget, QWidget* window)
{
    return (widget->focusPolicy() & Qt::TabFocus) == Qt::TabFocus && widget->isEnabledTo(window)
        && widget->isVisibleTo(window);
}

// The widgets Tab visits in the window, in order, walking the focus chain round once.
std::set<QWidget*> TabStops(QWidget* window)
{
    std::set<QWidget*> stops;
    const qsizetype limit = window->findChildren<QWidget*>().size() + 1;
    QWidget* widget = window->nextInFocusChain();
    for (qsizetype step = 0; widget != window && step < limit; ++step, widget = widget->nextInFocusChain()) {
        if (widget->window() == window && TakesTab(widget, window))
            stops.insert(widget);
    }
    return stops;
}

QString Describe(QWidget* window, QAbstractButton* button)
{
    return QStringLiteral("%1 \"%2\" (%3)")
        .arg(QString::fromLatin1(window->metaObject()->className()), window->windowTitle(),
            button->objectName().isEmpty() ? button->text() : button->objectName());
}
}

TEST_F(Keyboard, TabReachesEveryButtonOfEveryWindowAndEachWindowHasAtMostOneDefaultButton)
{
    forms->MakeAllWindows();
    std::vector<QWidget*> windows { &forms->form1() };
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (qobject_cast<TGameWindow*>(widget))
            windows.push_back(widget);
    }
    ASSERT_GE(windows.size(), 47u) << "the main window, TForm2..TForm46 and the about box";

    for (QWidget* window : windows) {
        const std::set<QWidget*> stops = TabStops(window);
        int defaults = 0;
        for (QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
            // The scroll arrows of a tab row are the row's own; the row itself takes the arrow keys.
            if (qobject_cast<QTabBar*>(button->parentWidget()) || !button->isVisibleTo(window)
                || !button->isEnabledTo(window))
                continue;
            EXPECT_TRUE(stops.count(button)) << Describe(window, button).toStdString();
            if (auto* push = qobject_cast<QPushButton*>(button); push && push->isDefault())
                ++defaults;
        }
        EXPECT_LE(defaults, 1) << window->metaObject()->className();
    }
}
