// Playing with the keyboard alone: in every window Tab reaches every button the player can press.
#include "GameFixture.h"
#include "core/GameWindow.h"
#include "core/TextFile.h"
#include "core/Unit3.h"
#include "game/Unit1.h"
#include "records/Unit35.h"

#include "TestHelpers.h"
#include "WindowList.h"
#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTest>
#include <functional>
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

namespace {
// How far apart two controls stand in the window (0 when they touch or overlap).
int Gap(QWidget* a, QWidget* b, QWidget* window)
{
    const QRect ra(a->mapTo(window, QPoint(0, 0)), a->size());
    const QRect rb(b->mapTo(window, QPoint(0, 0)), b->size());
    const int dx = std::max({ 0, ra.left() - rb.right(), rb.left() - ra.right() });
    const int dy = std::max({ 0, ra.top() - rb.bottom(), rb.top() - ra.bottom() });
    return dx + dy;
}

std::vector<QLineEdit*> EditBoxes(QWidget* window)
{
    std::vector<QLineEdit*> boxes;
    for (QLineEdit* box : window->findChildren<QLineEdit*>()) {
        if (box->isVisibleTo(window) && box->isEnabledTo(window) && !box->isReadOnly()
            && !qobject_cast<QAbstractSpinBox*>(box->parentWidget()) && !qobject_cast<QComboBox*>(box->parentWidget()))
            boxes.push_back(box);
    }
    return boxes;
}
}

// A button acts on the edit box beside it: Enter in one amount field must never press the button of another (the
// player would put money in instead of taking it out).
TEST_F(Keyboard, EnterInAnEditBoxNeverPressesAButtonThatActsOnAnotherBox)
{
    int boxesTried = 0;
    OpenEveryWindow(*forms, ui, [&boxesTried](QWidget& shown) {
        QWidget* window = &shown;
        const std::vector<QLineEdit*> boxes = EditBoxes(window);
        for (QLineEdit* box : boxes) {
            window->show();
            box->setFocus();
            QAbstractButton* pressed = nullptr;
            std::vector<QMetaObject::Connection> spies;
            for (QAbstractButton* button : window->findChildren<QAbstractButton*>())
                spies.push_back(QObject::connect(button, &QAbstractButton::clicked, [&pressed, button] {
                    if (!pressed)
                        pressed = button;
                }));
            QTest::keyClick(box, Qt::Key_Return);
            for (const auto& spy : spies)
                QObject::disconnect(spy);
            ++boxesTried;
            if (!pressed)
                continue;
            const int own = Gap(box, pressed, window);
            for (QLineEdit* other : boxes) {
                EXPECT_FALSE(other != box && Gap(other, pressed, window) < own)
                    << window->windowTitle().toStdString() << ": Enter in " << box->accessibleName().toStdString()
                    << " presses \"" << pressed->text().toStdString() << "\" beside "
                    << other->accessibleName().toStdString();
            }
        }
    });
    EXPECT_GE(boxesTried, 5);
}

// The first key the player presses goes where the window's business is: the first answer, the name.
TEST_F(Keyboard, AWindowOpensWithTheControlThePlayerMostLikelyWantsFocused)
{
    useWorkingDirectory();
    QDir().mkpath(QStringLiteral("Data/Questions"));
    WriteLines1251(QStringLiteral("Data/Questions/Химия.qst"),
        { QStringLiteral("Один?@первый#второй#третий"), QStringLiteral("Два?#первый@второй#третий"),
            QStringLiteral("Три?#первый#второй@третий") });
    forms->form35().SetSubject(QStringLiteral("Химия"));
    struct Case {
        QWidget* window;
        std::function<QWidget*()> wanted;
    };
    const Case cases[] = {
        { &forms->form35(),
            [this] {
                const auto buttons = forms->form35().findChildren<QPushButton*>();
                const auto first = std::find_if(buttons.begin(), buttons.end(),
                    [](QPushButton* button) { return button->text() == QStringLiteral("первый"); });
                return first == buttons.end() ? nullptr : *first;
            } },
        { &forms->form3(), [this] { return forms->form3().findChild<QLineEdit*>(); } },
    };
    ZeroDraws draws;
    for (const Case& c : cases) {
        c.window->show();
        QApplication::processEvents();
        QWidget* wanted = c.wanted();
        ASSERT_NE(wanted, nullptr) << c.window->windowTitle().toStdString();
        EXPECT_EQ(c.window->focusWidget(), wanted) << c.window->windowTitle().toStdString();
        QWidget* first = c.window->nextInFocusChain();
        while (first != c.window && !TakesTab(first, c.window))
            first = first->nextInFocusChain();
        EXPECT_EQ(first, wanted) << c.window->windowTitle().toStdString();
        c.window->close();
    }
    // The name box opens with its name selected: the player's first keys replace it, at every showing.
    for (const char* nick : { "Vasya", "Kolyan" }) {
        forms->form3().show();
        QApplication::processEvents();
        QTest::keyClicks(forms->form3().focusWidget(), QString::fromLatin1(nick));
        EXPECT_EQ(forms->form3().playerName(), QString::fromLatin1(nick));
        forms->form3().close();
    }
}

// Tab from where the teacher's question opens walks the three answers, then the book of answers; and every next
// question starts again at the first answer, whichever answer the player pressed.
TEST_F(Keyboard, TheTeachersQuestionWalksTheAnswersFirstAtEveryQuestion)
{
    useWorkingDirectory();
    QDir().mkpath(QStringLiteral("Data/Questions"));
    WriteLines1251(QStringLiteral("Data/Questions/Химия.qst"),
        { QStringLiteral("Один?@а#б#в"), QStringLiteral("Два?@а#б#в"), QStringLiteral("Три?@а#б#в") });
    TForm35& window = forms->form35();
    window.SetSubject(QStringLiteral("Химия"));
    random.add({ 0, 0, 1, 0, 2 }); // the first line, a reproach, the second line, a reproach, the third line
    window.show();
    QApplication::processEvents();
    const auto named = [&window](const char* name) { return window.findChild<QPushButton*>(name); };
    const std::vector<QWidget*> walk { named("Button1"), named("Button2"), named("Button3"), named("Button4") };
    for (int question = 0; question < 2; ++question) {
        QWidget* at = window.focusWidget();
        for (size_t stop = 0; stop < walk.size(); ++stop) {
            EXPECT_EQ(at, walk[stop]) << "question " << question << ", Tab stop " << stop;
            do
                at = at->nextInFocusChain();
            while (at != &window && !TakesTab(at, &window));
        }
        click(named("Button3"));
    }
    window.close();
}

// The edit box a window opens in holds its text selected (an amount, a name), so the player's first keys replace it:
// typing 10 over "0" gives 10, not 010.
TEST_F(Keyboard, TheEditBoxAWindowOpensInHasItsTextSelected)
{
    int boxesSeen = 0;
    OpenEveryWindow(*forms, ui, [&boxesSeen](QWidget& window) {
        QApplication::processEvents(); // what the focus arriving with the window started
        auto* box = qobject_cast<QLineEdit*>(window.focusWidget());
        if (!box || box->isReadOnly() || box->text().isEmpty() || !box->isVisibleTo(&window))
            return;
        ++boxesSeen;
        EXPECT_EQ(box->selectedText(), box->text())
            << window.metaObject()->className() << " " << box->accessibleName().toStdString();
    });
    EXPECT_GE(boxesSeen, 3) << "the name, the piggy bank's and the lunch money's boxes at least";
}
