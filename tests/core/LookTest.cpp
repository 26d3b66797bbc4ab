// The shared look: a paper panel under controls that stand on a picture.
#include "core/Look.h"

#include "TestHelpers.h"

#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
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

// The page's own styles (grade cells, ruled lines, bare values, printed headings) survive the window naming its
// controls too: a marked control, renamed, still looks unlike the same control unmarked.
TEST(Look, ThePageStylesKeepTheirLookWhenTheWindowNamesTheControlsAfterwards)
{
    struct Case {
        const char* what;
        bool edit; // the mark is for an edit box, not a label
        std::function<void(QWidget*)> mark;
    };
    const Case cases[] = {
        { "grade cell", false, [](QWidget* control) { MakeGradeCell(static_cast<QLabel*>(control)); } },
        { "ruled line", false, [](QWidget* control) { MakeRuledLine(static_cast<QLabel*>(control)); } },
        { "bare value", true, [](QWidget* control) { MakeBareValue(static_cast<QLineEdit*>(control)); } },
        { "printed heading", false, [](QWidget* control) { MakePrintedHeading(static_cast<QLabel*>(control)); } },
    };
    for (const Case& c : cases) {
        QImage looks[2];
        for (const bool marked : { false, true }) {
            QWidget window;
            window.resize(220, 60);
            SetBackground(&window, Palette::Black);
            UsePageStyle(&window);
            QWidget* control = c.edit ? static_cast<QWidget*>(new QLineEdit(QStringLiteral("80"), &window))
                                      : new QLabel(QStringLiteral("Алгебра 5"), &window);
            if (marked)
                c.mark(control);
            control->setObjectName(QStringLiteral("Control1"));
            control->setGeometry(10, 10, 200, 40);
            looks[marked] = window.grab().toImage();
        }
        EXPECT_NE(looks[false], looks[true]) << c.what;
    }
}

// A bare value shows the panel it stands on, wherever its window put it first: the main window makes its value boxes
// on itself and then lays them out in its panels.
TEST(Look, ABareValueShowsThePanelItStandsOn)
{
    QWidget window;
    window.resize(240, 120);
    SetBackground(&window, Palette::Black);
    auto* panel = new QGroupBox(QStringLiteral("Время и дата / Четверть"), &window);
    MakePanel(panel);
    panel->setGeometry(10, 10, 220, 100);
    auto* value = new QLineEdit(QStringLiteral("1"), &window);
    MakeBareValue(value);
    value->setParent(panel);
    value->setGeometry(20, 40, 180, 22);
    window.show();
    const QImage image = window.grab().toImage();
    // Right of the text, inside the box, and the panel just below the box.
    EXPECT_EQ(image.pixelColor(10 + 20 + 160, 10 + 40 + 11), image.pixelColor(10 + 20 + 160, 10 + 40 + 26));
}
