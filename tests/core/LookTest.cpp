// The shared look: a paper panel under controls that stand on a picture.
#include "core/Look.h"

#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <functional>
#include <gtest/gtest.h>

// A window names its controls after making them; the panel must still be drawn, paper and not the dark window
// showing through.
TEST(Look, APanelKeepsItsPaperWhenItsWindowNamesItAfterwards)
{
    const std::function<QWidget*(QWidget*)> makers[] = {
        [](QWidget* window) { return new QLabel(QStringLiteral("Привет"), window); },
        [](QWidget* window) { return new QGroupBox(QStringLiteral("Что будем изменять?"), window); },
    };
    for (const auto& make : makers) {
        QWidget window;
        window.resize(220, 120);
        SetBackground(&window, Palette::Black);
        QWidget* panel = make(&window);
        MakePanel(panel, 6);
        panel->setObjectName(QStringLiteral("Panel1"));
        panel->setGeometry(10, 10, 200, 100);
        const QImage image = window.grab().toImage();
        const QColor inside = image.pixelColor(110, 10 + 100 - 4); // above the bottom frame, below any text
        EXPECT_GT(inside.lightness(), 150) << panel->metaObject()->className();
    }
}
