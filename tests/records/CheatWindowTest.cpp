// The cheat window: the code, the values typed into the entries, the girl flags box and the thug started from it.
#include "GameFixture.h"
#include "ScriptedRandom.h"
#include "ScriptedUi.h"
#include "TestHelpers.h"
#include "core/GameClock.h"
#include "game/Forms.h"
#include "game/Unit1.h"
#include "records/CheatEntries.h"
#include "records/Unit21.h"

#include <QApplication>
#include <QComboBox>
#include <QFocusEvent>
#include <QGroupBox>
#include <QLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>

namespace {

// The window owner, counting what the cheat window starts elsewhere.
class CountingForms : public Forms {
public:
    int thugs = 0;
    int shooters = 0;
    void StartThug() override { ++thugs; }
    void StartShooter() override { ++shooters; }
};

class CheatWindow : public testing::Test {
protected:
    ScriptedUi ui;
    ScriptedRandom random;
    CountingForms forms;
    TGameState& state = forms.state();
    TForm21& cheat = forms.form21();

    // Opens the window from the main window; the handler runs while it is open.
    void open(std::function<void(TForm21&)> handler)
    {
        ui.onModal<TForm21>(handler);
        forms.form1().personalGroupDoubleClick();
    }

    static QLineEdit* code(TForm21& w) { return Child<QLineEdit>(w, "Edit1"); }
    static QComboBox* entries(TForm21& w) { return Child<QComboBox>(w, "ComboBox1"); }
    static QLineEdit* value(TForm21& w) { return Child<QLineEdit>(w, "Edit2"); }
    static bool editorShown(TForm21& w) { return !Child<QGroupBox>(w, "GroupBox1")->isHidden(); }

    // The code is confirmed with «OK» or with Enter in the field.
    static void typeCode(TForm21& w, const QString& typed, bool withEnter = false)
    {
        code(w)->clear();
        QTest::keyClicks(code(w), typed);
        if (withEnter)
            QTest::keyClick(code(w), Qt::Key_Return);
        else
            click(Child<QPushButton>(w, "Button1"));
    }

    static void change(TForm21& w, int entry, const QString& typed)
    {
        entries(w)->setCurrentIndex(entry);
        value(w)->setText(typed);
        click(Child<QPushButton>(w, "Button2"));
    }
};

}

// The panel's caption is drawn by the game's own look: a double-click on its letters opens the window, one on the
// values below it does not.
TEST_F(CheatWindow, OnlyADoubleClickOnThePersonalPanelsCaptionOpensIt)
{
    int opened = 0;
    auto* group = Child<QGroupBox>(forms.form1(), "personalGroup");
    forms.form1().layout()->activate();
    ui.onModal<TForm21>([&](TForm21&) { ++opened; });
    QTest::mouseDClick(group, Qt::LeftButton, {}, QPoint(group->width() / 2, group->height() / 2));
    EXPECT_EQ(opened, 0);
    QTest::mouseDClick(group, Qt::LeftButton, {}, QPoint(30, 6));
    EXPECT_EQ(opened, 1);
}

TEST_F(CheatWindow, OnlyTheCodeOpensTheEditorWhateverTheCaseOfItsLetters)
{
    struct Case {
        const char* typed;
        bool opens;
    };
    const Case cases[] = {
        { "zubrlamonteq=)", true },
        { "ZUBRLAMONTEQ=)", true },
        { "ZubrLaMonteq=)", true },
        { "zubrlamonteq", false },
        { "zubrlamonteq=) ", false },
        { "", false },
    };
    forms.clock().start();
    int codeOnly = 0; // the height of the code entry alone, the same at every opening
    for (const Case& c : cases) {
        for (bool withEnter : { false, true }) {
            SCOPED_TRACE(c.typed);
            SCOPED_TRACE(withEnter ? "Enter" : "OK");
            open([&](TForm21& w) {
                // Every opening starts with the code entry alone.
                EXPECT_FALSE(editorShown(w));
                if (codeOnly == 0)
                    codeOnly = w.height();
                EXPECT_EQ(w.height(), codeOnly);
                EXPECT_FALSE(forms.clock().isRunning());
                typeCode(w, U(c.typed), withEnter);
                EXPECT_EQ(code(w)->text(), U(c.typed).toLower());
                EXPECT_EQ(editorShown(w), c.opens);
                EXPECT_EQ(w.height() > codeOnly, c.opens);
            });
            EXPECT_TRUE(forms.clock().isRunning());
        }
    }
    EXPECT_TRUE(ui.messages.isEmpty()); // a wrong code is never answered
}

TEST_F(CheatWindow, TypedValuesAreStoredOnlyInTheFormTheGameReads)
{
    struct Case {
        const char* entry;
        const char* typed;
        Field field;
        bool stored;
    };
    const Case cases[] = {
        { "Настроение", "55", Field::Mood, true },
        { "Деньги", "-999999999", Field::Money, true },
        { "Деньги", "999999999", Field::Money, true },
        { "Деньги", "1000000000", Field::Money, false },
        { "Деньги", "12abc", Field::Money, false },
        { "Деньги", "", Field::Money, false },
        { "Деньги", " 5", Field::Money, false },
        { "Дата: Год", "99999999999999999999999", Field::Year, false },
        // The calendar only as a saved game can hold it, so that the game can be saved and loaded again.
        { "Дата: Месяц", "12", Field::Month, true },
        { "Дата: Месяц", "13", Field::Month, false },
        { "Дата: Число", "0", Field::Day, false },
        { "ГДЗ", "Да", Field::HasGdz, true },
        { "ГДЗ", "да", Field::HasGdz, false },
        { "Я хожу на тренировки?", "Нет", Field::AttendsTraining, true },
        { "Я хожу на тренировки?", "1", Field::AttendsTraining, false },
        { "Мобильник", "Nokia 3310", Field::MobilePhone, true },
        // A summer month of 2006 lies after the last bell: the clock would never ring it and run into 2007.
        { "Дата: Год", "2006", Field::Year, false },
    };
    open([&](TForm21& w) {
        typeCode(w, CheatCode);
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(c.entry) + " <- " + c.typed);
            ui.messages.clear();
            const int entry = entries(w)->findText(U(c.entry));
            ASSERT_GE(entry, 0);
            const QString before = state.text(c.field);
            // Choosing the entry shows the value it holds now, also when it was chosen already.
            entries(w)->setCurrentIndex(entry);
            emit entries(w)->activated(entry);
            EXPECT_EQ(value(w)->text(), before);
            value(w)->setText(U(c.typed));
            click(Child<QPushButton>(w, "Button2"));
            EXPECT_EQ(state.text(c.field), c.stored ? U(c.typed) : before);
            // The main window shows the new value at once.
            EXPECT_EQ(PanelText(forms.form1(), c.field), state.text(c.field));
            EXPECT_EQ(ui.messages.size(), c.stored ? 0 : 1);
            if (!c.stored && !ui.messages.isEmpty()) {
                EXPECT_TRUE(ui.messages.first().contains(U(c.entry)));
            }
            // The value changes elsewhere while the entry stays chosen: choosing it again shows the new value.
            if (IsNumberField(c.field)) {
                state.restore(c.field, QStringLiteral("7"));
                emit entries(w)->activated(entry);
                EXPECT_EQ(value(w)->text(), QStringLiteral("7"));
            }
        }
    });
}

TEST_F(CheatWindow, TheGirlFlagsBoxAnswersOnlyToLowerCaseTrueAndFalse)
{
    constexpr int GirlsEntry = 15;
    ASSERT_STREQ(CheatEntries[GirlsEntry].name, "Отношения с девушками (показать)");
    TForm1& main = forms.form1();
    struct Step {
        const char* typed;
        bool visibleAfter;
    };
    const Step steps[]
        = { { "TRUE", false }, { "true", true }, { "TRUE", true }, { "False", true }, { "false", false } };
    open([&](TForm21& w) {
        typeCode(w, CheatCode);
        for (const Step& step : steps) {
            SCOPED_TRACE(step.typed);
            entries(w)->setCurrentIndex(-1);
            entries(w)->setCurrentIndex(GirlsEntry);
            EXPECT_EQ(value(w)->text(), main.GirlFlagsBoxVisible() ? U("true") : U("false"));
            change(w, GirlsEntry, U(step.typed));
            EXPECT_EQ(main.GirlFlagsBoxVisible(), step.visibleAfter);
        }
    });

    // Shown again, the box shows the flags as they are now. What the player types into its lines are the girls' flags,
    // and the box follows the flags.
    auto* flagsBox = Child<QPlainTextEdit>(main, "girlFlagsBox");
    ASSERT_NE(flagsBox, nullptr);
    state.setCharmed(3, true);
    main.SetGirlFlagsBoxVisible(true);
    EXPECT_EQ(flagsBox->toPlainText(), QStringLiteral("0\n0\n0\n1\n0\n0\n0\n0\n0\n0"));
    flagsBox->setPlainText(QStringLiteral("0\n0\n0\n0\n0\n0\n0\n0\n0\n1"));
    EXPECT_EQ(state.girlFlag(OlyaGirl), U("1"));
    state.setCharmed(0, true);
    EXPECT_TRUE(flagsBox->toPlainText().startsWith(QStringLiteral("1\n0\n")));
    // A line that is no flag leaves that girl's flag, and leaving the box names it and shows the flags again.
    flagsBox->setPlainText(QStringLiteral("0\n0\n2\n0\n0\n0\n0\n0\n0\n1"));
    EXPECT_EQ(state.girlFlag(0), U("0"));
    EXPECT_EQ(state.girlFlag(2), U("0"));
    ui.messages.clear();
    QFocusEvent left(QEvent::FocusOut);
    QApplication::sendEvent(flagsBox, &left);
    ASSERT_EQ(ui.messages.size(), 1);
    EXPECT_TRUE(ui.messages.first().contains(QStringLiteral("«2»")));
    EXPECT_EQ(flagsBox->toPlainText(), QStringLiteral("0\n0\n0\n0\n0\n0\n0\n0\n0\n1"));
}

TEST_F(CheatWindow, TheThugAndTheShooterStartAtEveryPress)
{
    open([&](TForm21& w) {
        typeCode(w, CheatCode);
        const QString money = state.text(Field::Money);
        for (int press = 1; press <= 3; ++press) {
            change(w, 16, QStringLiteral("что угодно"));
            EXPECT_EQ(forms.thugs, press);
        }
        change(w, 17, QString());
        EXPECT_EQ(forms.shooters, 1);
        EXPECT_EQ(state.text(Field::Money), money);
    });
    // With no entry chosen the button does nothing.
    open([&](TForm21& w) {
        typeCode(w, CheatCode);
        entries(w)->setCurrentIndex(-1);
        click(Child<QPushButton>(w, "Button2"));
        EXPECT_EQ(forms.thugs, 3);
    });
}
