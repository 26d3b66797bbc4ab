#include "GameFixture.h"
#include "TestHelpers.h"
#include "core/Errors.h"
#include "core/TextFile.h"
#include "town/Unit12.h"
#include "town/Unit17.h"
#include "town/Unit5.h"
#include "town/Unit8.h"
#include "town/Unit9.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>

namespace {
using Places = GameFixture;
const char* const Negative = "Сумма не может быть меньше нуля!";
}

TEST_F(Places, PiggyBankMovesNoMoreThanThereIsAndRefusesWhatIsNotAnAmount)
{
    TForm12& w = forms->form12();
    struct Case {
        const char* what;
        bool deposit;
        const char* amount;
        const char* cash;
        const char* piggy;
        const char* fieldAfter;
        const char* cashAfter;
        const char* piggyAfter;
        const char* message; // or null
    };
    const Case cases[] = {
        { "deposit within the cash", true, "7", "20", "5", "7", "13", "12", nullptr },
        { "deposit larger than the cash puts all of it in", true, "30", "20", "5", "20", "0", "25", nullptr },
        { "deposit of 0", true, "0", "20", "5", "0", "20", "5", nullptr },
        { "withdrawal larger than the piggy bank empties it", false, "50", "3", "15", "15", "18", "0", nullptr },
        { "cash below zero puts nothing in", true, "5", "-4", "10", "0", "-4", "10", nullptr },
        { "a full piggy bank takes nothing more", true, "999999999", "999999999", "999999999", "0", "999999999",
            "999999999", nullptr },
        { "a nearly full piggy bank takes what fits", true, "20", "50", "999999990", "9", "41", "999999999", nullptr },
        { "full pockets take what fits", false, "100", "999999998", "100", "1", "999999999", "99", nullptr },
        { "negative deposit", true, "-5", "20", "5", "-5", "20", "5", Negative },
        { "negative withdrawal", false, "-5", "20", "5", "-5", "20", "5", Negative },
        { "not a number", false, "пять", "20", "5", "пять", "20", "5", "'пять' is not a valid integer value" },
        { "damaged copy", true, "1", "20", "много", "1", "20", "много", "'много' is not a valid integer value" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ui.shown.clear();
        QLineEdit* field = Child<QLineEdit>(w, c.deposit ? "Edit1" : "Edit2");
        field->setText(c.amount);
        given({ { Field::Money, c.cash }, { Field::PiggyBank, c.piggy } });
        w.TakeCopies(state.values());
        ui.expectErrorBoxes(c.message && QString(c.message).endsWith("is not a valid integer value"));
        click(Child<QPushButton>(w, c.deposit ? "Button1" : "Button2"));
        EXPECT_EQ(field->text(), c.fieldAfter);
        EXPECT_EQ(Child<QLabel>(w, "moneyLabel")->text(), c.cashAfter);
        EXPECT_EQ(Child<QLabel>(w, "piggyLabel")->text(), c.piggyAfter);
        EXPECT_EQ(w.Copies().text(Field::Money), c.cashAfter);
        EXPECT_EQ(w.Copies().text(Field::PiggyBank), c.piggyAfter);
        EXPECT_EQ(ui.shown, c.message ? QStringList { c.message } : QStringList {});
    }
}

TEST_F(Places, PlacesWorkOnCopiesThatGoBackWhenTheyClose)
{
    given({ { Field::Money, "30" }, { Field::PiggyBank, "4" }, { Field::Mood, "90" }, { Field::FightSkill, "7" },
        { Field::AttendsTraining, "Нет" } });
    ui.onModal<TForm12>([&](TForm12& piggy) {
        EXPECT_EQ(Child<QLabel>(piggy, "moneyLabel")->text(), "30");
        Child<QLineEdit>(piggy, "Edit1")->setText("10");
        click(Child<QPushButton>(piggy, "Button1"));
        EXPECT_EQ(state.text(Field::Money), "30"); // only the copies change while the window is open
        click(Child<QPushButton>(piggy, "Button3"));
    });
    click(Child<QPushButton>(forms->form5(), "Button3"));
    EXPECT_EQ(state.text(Field::Money), "20");
    EXPECT_EQ(state.text(Field::PiggyBank), "14");

    ui.onModal<TForm12>([&](TForm12& piggy) {
        EXPECT_EQ(Child<QLineEdit>(piggy, "Edit1")->text(), "10"); // the field keeps its text
        click(Child<QPushButton>(piggy, "Button3"));
    });
    click(Child<QPushButton>(forms->form5(), "Button3"));
    EXPECT_EQ(state.text(Field::Money), "20");

    ui.onModal<TForm8>([&](TForm8& hall) {
        EXPECT_EQ(Child<QLabel>(hall, "moodLabel")->text(), "90");
        click(Child<QPushButton>(hall, "Button3")); // 14 roubles, mood 90 + 20 is cut to 100
        click(Child<QPushButton>(hall, "Button5"));
    });
    click(Child<QPushButton>(forms->form5(), "Button9"));
    EXPECT_EQ(state.text(Field::Money), "6");
    EXPECT_EQ(state.text(Field::Mood), "100");

    given({ { Field::Money, "10" } });
    ui.onModal<TForm9>([&](TForm9& club) {
        EXPECT_EQ(Child<QLabel>(club, "skillLabel")->text(), "7");
        EXPECT_EQ(Child<QLabel>(club, "trainingLabel")->text(), "Нет");
        click(Child<QPushButton>(club, "Button1"));
        EXPECT_EQ(Child<QLabel>(club, "trainingLabel")->text(), "Да");
        click(Child<QPushButton>(club, "Button2")); // signing up and quitting in one visit
        click(Child<QPushButton>(club, "Button1")); // and thinking better of it
        EXPECT_EQ(state.text(Field::AttendsTraining), "Нет");
        click(Child<QPushButton>(club, "Button3"));
    });
    click(Child<QPushButton>(forms->form5(), "Button4"));
    EXPECT_EQ(state.text(Field::Money), "10");
    EXPECT_EQ(state.text(Field::FightSkill), "7");
    EXPECT_EQ(state.text(Field::AttendsTraining), "Да");
    EXPECT_TRUE(ui.messages.isEmpty());
}

TEST_F(Places, GameHallPlaysCostTheirPriceAndLiftTheMoodToAHundredAtMost)
{
    TForm8& w = forms->form8();
    struct Case {
        const char* button;
        const char* money;
        const char* mood;
        const char* moneyAfter;
        const char* moodAfter;
        bool refused;
    };
    const Case cases[] = {
        { "Button1", "5", "10", "0", "15", false }, // money equal to the price
        { "Button2", "8", "10", "0", "20", false },
        { "Button3", "14", "10", "0", "30", false },
        { "Button4", "30", "10", "0", "60", false },
        { "Button4", "40", "90", "10", "100", false }, // capped
        { "Button1", "5", "100", "0", "100", false }, // already full: the money is spent all the same
        { "Button4", "29", "10", "29", "10", true },
        { "Button1", "4", "10", "4", "10", true },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.button) + " with " + c.money);
        ui.messages.clear();
        given({ { Field::Money, c.money }, { Field::Mood, c.mood } });
        w.TakeCopies(state.values());
        click(Child<QPushButton>(w, c.button));
        EXPECT_EQ(Child<QLabel>(w, "moneyLabel")->text(), c.moneyAfter);
        EXPECT_EQ(Child<QLabel>(w, "moodLabel")->text(), c.moodAfter);
        EXPECT_EQ(ui.messages, c.refused ? QStringList { "У вас не хватает денег!" } : QStringList {});
    }
}

TEST_F(Places, KarateClubSignsUpWithTenRoublesInHandAndTakesNothing)
{
    TForm9& w = forms->form9();
    struct Case {
        const char* button;
        const char* training;
        const char* money;
        const char* trainingAfter;
        const char* message; // or null
    };
    const Case cases[] = {
        { "Button1", "Нет", "10", "Да", nullptr },
        { "Button1", "Нет", "9", "Нет", "А вы уверены, что у вас хватает денег?" },
        { "Button1", "Да", "100", "Да", "Вы уже записаны!" },
        { "Button1", "", "100", "", "Вы уже записаны!" }, // anything but "Нет" counts as signed up
        { "Button1", "Нет", "десять", "Нет", "'десять' is not a valid integer value" },
        { "Button2", "Да", "0", "Нет", nullptr },
        { "Button2", "Нет", "0", "Нет", "Вы же даже не записаны!" },
        { "Button2", "да", "0", "да", "Вы же даже не записаны!" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.training) + " / " + c.money);
        ui.shown.clear();
        given({ { Field::AttendsTraining, c.training }, { Field::Money, c.money }, { Field::FightSkill, "3" } });
        w.TakeCopies(state.values());
        ui.expectErrorBoxes(!IsInteger(U(c.money)));
        click(Child<QPushButton>(w, c.button));
        EXPECT_EQ(Child<QLabel>(w, "trainingLabel")->text(), c.trainingAfter);
        EXPECT_EQ(Child<QLabel>(w, "moneyLabel")->text(), c.money);
        EXPECT_EQ(Child<QLabel>(w, "skillLabel")->text(), "3");
        EXPECT_EQ(w.Copies().text(Field::AttendsTraining), c.trainingAfter);
        EXPECT_EQ(ui.shown, c.message ? QStringList { c.message } : QStringList {});
    }
}

TEST_F(Places, JobApplicationsMeetEveryRequirementOrAreRefused)
{
    TForm17& w = forms->form17();
    const char* const pay[] = { "15", "20", "30", "40", "60", "80", "110" };
    struct Case {
        int position;
        const char* skill;
        const char* vigor;
        const char* mood;
        bool hired;
    };
    const Case cases[] = {
        { 0, "4", "100", "100", false }, { 0, "5", "0", "0", true }, { 1, "15", "0", "49", false },
        { 1, "15", "0", "50", true }, { 2, "50", "59", "100", false }, { 2, "50", "60", "0", true },
        { 3, "79", "100", "100", false }, { 3, "80", "0", "60", true }, { 4, "110", "60", "69", false },
        { 4, "110", "59", "70", false }, { 4, "109", "60", "70", false },
        { 4, "110", "60", "70", true }, // the job already held: welcomed again
        { 5, "150", "70", "80", true }, { 5, "150", "69", "80", false }, { 6, "180", "70", "99", false },
        { 6, "180", "70", "100", true }, { 6, "сила", "70", "100", false }, // a damaged value changes nothing
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.position) + ": " + c.skill + "/" + c.vigor + "/" + c.mood);
        // The job held is the postman's; a hire replaces it.
        given({ { Field::JobIncome, "60" }, { Field::FightSkill, U(c.skill) }, { Field::Vigor, c.vigor },
            { Field::Mood, c.mood } });
        ui.shown.clear();
        QListWidget* jobs = Child<QListWidget>(w, "ListBox1");
        jobs->blockSignals(true); // no description files here
        jobs->setCurrentRow(c.position);
        ui.expectErrorBoxes(!IsInteger(U(c.skill)));
        jobs->blockSignals(false);
        click(Child<QPushButton>(w, "Button1"));
        EXPECT_EQ(state.text(Field::JobIncome), c.hired ? pay[c.position] : "60");
        if (IsInteger(U(c.skill))) {
            EXPECT_EQ(ui.shown,
                QStringList { c.hired ? "Вас взяли на работу! Поздравляем!" : "Вы не подходите для этой работы!" });
        } else {
            EXPECT_EQ(ui.shown, QStringList { "'сила' is not a valid integer value" });
        }
    }
}

TEST_F(Places, JobCentreStartsEveryVisitAtTheFirstJobWithItsDescription)
{
    const QString root = useWorkingDirectory({ "Data/Works/0.txt", "Data/Works/1.txt", "Data/Works/2.txt",
        "Data/Works/3.txt", "Data/Works/4.txt", "Data/Works/5.txt", "Data/Works/6.txt" });
    TForm17& w = forms->form17();
    auto descriptionStart = [&](int position) {
        return ReadLines1251(root + QStringLiteral("/Data/Works/%1.txt").arg(position)).value(0);
    };
    for (int visit = 0; visit < 2; ++visit) {
        ui.onModal<TForm17>([&](TForm17&) {
            QListWidget* jobs = Child<QListWidget>(w, "ListBox1");
            QPlainTextEdit* info = Child<QPlainTextEdit>(w, "Memo1");
            EXPECT_EQ(jobs->currentRow(), 0);
            EXPECT_TRUE(info->toPlainText().startsWith(descriptionStart(0)));
            jobs->setCurrentRow(3); // as a click in the list
            EXPECT_TRUE(info->toPlainText().startsWith(descriptionStart(3)));
            QFile::remove(root + "/Data/Works/5.txt");
            ui.expectErrorBoxes();
            jobs->setCurrentRow(5); // a lost description keeps the last one
            EXPECT_TRUE(info->toPlainText().startsWith(descriptionStart(3)));
            w.reject(); // the close box
        });
        click(Child<QPushButton>(forms->form5(), "Button6"));
    }
    EXPECT_EQ(ui.errors.size(), 2);

    QFile::remove(root + "/Data/Works/0.txt");
    ui.expectErrorBoxes();
    click(Child<QPushButton>(forms->form5(), "Button6"));
    EXPECT_EQ(ui.errors.size(), 3);
    EXPECT_EQ(ui.shownWindows.size(), 2); // without its first description the centre does not open
}
