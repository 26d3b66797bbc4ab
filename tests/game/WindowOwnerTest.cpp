// The window owner makes a window the first time it is needed; the game shows and plays exactly as if every window
// had been made at start-up.
#include "GameFixture.h"
#include "core/GameClock.h"
#include "core/GameWindow.h"
#include "core/Picture.h"
#include "game/Unit1.h"

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>
#include <algorithm>
#include <random>

namespace {

using WindowOwner = GameFixture;

// The same long sequence of draws in every game of a test, whatever range is asked.
class RepeatableRandom : public RandomSource {
public:
    RepeatableRandom() { m_previous = InstallRandomSource(this); }
    ~RepeatableRandom() override { InstallRandomSource(m_previous); }
    int next(int n) override { return n < 1 ? 0 : int(m_engine() % unsigned(n)); }
    void seed() override { }

private:
    std::minstd_rand m_engine { 2005 };
    RandomSource* m_previous = nullptr;
};

// What a window shows the player: every control with its place, whether it is shown, and its text or value.
QStringList Shows(const QWidget& window)
{
    QStringList lines { window.windowTitle() };
    for (const QWidget* control : window.findChildren<QWidget*>()) {
        QString line = QStringLiteral("%1 %2 %3,%4 %5x%6 %7 %8")
                           .arg(QString::fromLatin1(control->metaObject()->className()), control->objectName())
                           .arg(control->x())
                           .arg(control->y())
                           .arg(control->width())
                           .arg(control->height())
                           .arg(control->isVisibleTo(&window))
                           .arg(control->isEnabled());
        if (auto* picture = qobject_cast<const PictureBox*>(control))
            line += QStringLiteral(" picture %1x%2").arg(picture->pixmap().width()).arg(picture->pixmap().height());
        else if (auto* label = qobject_cast<const QLabel*>(control))
            line += QLatin1Char(' ') + label->text();
        if (auto* button = qobject_cast<const QAbstractButton*>(control))
            line += QStringLiteral(" %1 %2").arg(button->text()).arg(button->isChecked());
        if (auto* edit = qobject_cast<const QLineEdit*>(control))
            line += QLatin1Char(' ') + edit->text();
        if (auto* edit = qobject_cast<const QPlainTextEdit*>(control))
            line += QLatin1Char(' ') + edit->toPlainText();
        if (auto* edit = qobject_cast<const QTextEdit*>(control))
            line += QLatin1Char(' ') + edit->toPlainText();
        if (auto* list = qobject_cast<const QComboBox*>(control))
            line += QStringLiteral(" %1 of %2").arg(list->currentText()).arg(list->count());
        if (auto* slider = qobject_cast<const QAbstractSlider*>(control))
            line += QStringLiteral(" %1").arg(slider->value());
        lines.append(line);
    }
    return lines;
}

// Every window but the main one twice, in an order shuffled once for the whole test.
std::vector<WindowId> ShowingOrder()
{
    std::vector<WindowId> order;
    for (int round = 0; round < 2; ++round) {
        for (int window = 1; window < WindowCount; ++window)
            order.push_back(WindowId(window));
    }
    std::shuffle(order.begin(), order.end(), std::minstd_rand(24));
    return order;
}

// Plays the same session on a game whose windows were all made at start-up or are made when first needed: before
// each showing the state moves on (money, the mother's phone deal, a grade), then the window is shown and hidden.
std::vector<QStringList> PlaySession(bool allAtStartUp)
{
    ScriptedUi ui;
    RepeatableRandom random;
    Forms forms;
    if (allAtStartUp)
        forms.MakeAllWindows();
    else
        EXPECT_LT(forms.WindowsMade(), 4) << "windows made before they are needed";
    TGameState& state = forms.state();
    // The game's time stands still: a tick draws from the generator, and how many ticks fall into the session depends
    // on how busy the machine is.
    ClockPause pause(forms.clock());
    std::vector<QStringList> shown;
    int step = 0;
    for (WindowId id : ShowingOrder()) {
        ++step;
        state.setNumber(Field::Money, step * 7);
        state.restore(Field::MotherPhoneDeal, step % 3 == 0 ? QStringLiteral("1") : QStringLiteral("0"));
        state.setGrade(step % SubjectCount, Quarter1, QString::number(2 + step % 4));
        QWidget& window = forms.Window(id);
        window.show();
        QApplication::processEvents();
        shown.push_back(Shows(window));
        window.hide();
    }
    EXPECT_EQ(forms.WindowsMade(), WindowCount);
    EXPECT_TRUE(ui.errors.isEmpty()) << ui.errors.join(QLatin1Char('\n')).toStdString();
    shown.push_back(ui.shown);
    shown.push_back({ QString::number(Random(1000000)) }); // the generator has moved on the same way
    return shown;
}

} // namespace

TEST_F(WindowOwner, MakingEveryWindowDrawsNoRandomNumberAndShowsNothing)
{
    forms->MakeAllWindows();
    EXPECT_EQ(forms->WindowsMade(), WindowCount);
    EXPECT_TRUE(ui.shown.isEmpty());
    EXPECT_TRUE(ui.shownWindows.isEmpty());
    // The scripted generator fails the test on any draw.
}

TEST(WindowOwnerSession, AWindowMadeWhenFirstNeededShowsWhatItWouldHadItBeenMadeAtStartUp)
{
    const std::vector<QStringList> atStartUp = PlaySession(true);
    const std::vector<QStringList> whenNeeded = PlaySession(false);
    ASSERT_EQ(atStartUp.size(), whenNeeded.size());
    for (std::size_t i = 0; i < atStartUp.size(); ++i) {
        EXPECT_EQ(atStartUp[i], whenNeeded[i]) << "showing " << i << ": " << atStartUp[i].value(0).toStdString();
    }
}
