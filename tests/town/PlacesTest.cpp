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
        { "negative deposit", true, "-5", "20", "5", "-5", "20", "5", Negative },
        { "negative withdrawal", false, "-5", "20", "5", "-5", "20", "5", Negative },
        { "not a number", false, "пять", "20", "5", "пять", "20", "5", "'пять' is not a valid integer value" },
        { "damaged copy", true, "1", "20", "много", "1", "20", "много", "'много' is not a valid integer value" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ui.shown.clear();
        QLineEdit* field = c.deposit ? w.Edit1 : w.Edit2;
        field->setText(c.amount);
        w.moneyLabel->setText(c.cash);
        w.piggyLabel->setText(c.piggy);
        ui.expectErrorBoxes(c.message && QString(c.message).endsWith("is not a valid integer value"));
        click(c.deposit ? w.Button1 : w.Button2);
        EXPECT_EQ(field->text(), c.fieldAfter);
        EXPECT_EQ(w.moneyLabel->text(), c.cashAfter);
        EXPECT_EQ(w.piggyLabel->text(), c.piggyAfter);
        EXPECT_EQ(ui.shown, c.message ? QStringList { c.message } : QStringList {});
    }
}

TEST_F(Places, PlacesWorkOnCopiesThatGoBackWhenTheyClose)
{
    given({ { Field::Money, "30" }, { Field::PiggyBank, "4" }, { Field::Mood, "90" }, { Field::FightSkill, "7" },
        { Field::AttendsTraining, "Нет" } });
    ui.onModal<TForm12>([&](TForm12& piggy) {
        EXPECT_EQ(piggy.moneyLabel->text(), "30");
        piggy.Edit1->setText("10");
        click(piggy.Button1);
        EXPECT_EQ(state.text(Field::Money), "30"); // only the copies change while the window is open
        click(piggy.Button3);
    });
    click(forms->form5().Button3);
    EXPECT_EQ(state.text(Field::Money), "20");
    EXPECT_EQ(state.text(Field::PiggyBank), "14");

    ui.onModal<TForm12>([&](TForm12& piggy) {
        EXPECT_EQ(piggy.Edit1->text(), "10"); // the field keeps its text
        click(piggy.Button3);
    });
    click(forms->form5().Button3);
    EXPECT_EQ(state.text(Field::Money), "20");

    ui.onModal<TForm8>([&](TForm8& hall) {
        EXPECT_EQ(hall.moodLabel->text(), "90");
        click(hall.Button3); // 14 roubles, mood 90 + 20 is cut to 100
        click(hall.Button5);
    });
    click(forms->form5().Button9);
    EXPECT_EQ(state.text(Field::Money), "6");
    EXPECT_EQ(state.text(Field::Mood), "100");

    ui.onModal<TForm9>([&](TForm9& club) {
        EXPECT_EQ(club.skillLabel->text(), "7");
        EXPECT_EQ(club.trainingLabel->text(), "Нет");
        club.moneyLabel->setText("10");
        click(club.Button1);
        click(club.Button2); // signing up and quitting in one visit
        club.moneyLabel->setText("12");
        click(club.Button3);
    });
    click(forms->form5().Button4);
    EXPECT_EQ(state.text(Field::Money), "12");
    EXPECT_EQ(state.text(Field::FightSkill), "7");
    EXPECT_EQ(state.text(Field::AttendsTraining), "Нет");
    EXPECT_TRUE(ui.messages.isEmpty());
}

TEST_F(Places, GameHallPlaysCostTheirPriceAndLiftTheMoodToAHundredAtMost)
{
    TForm8& w = forms->form8();
    struct Case {
        QPushButton* button;
        const char* money;
        const char* mood;
        const char* moneyAfter;
        const char* moodAfter;
        bool refused;
    };
    const Case cases[] = {
        { w.Button1, "5", "10", "0", "15", false }, // money equal to the price
        { w.Button2, "8", "10", "0", "20", false },
        { w.Button3, "14", "10", "0", "30", false },
        { w.Button4, "30", "10", "0", "60", false },
        { w.Button4, "40", "90", "10", "100", false }, // capped
        { w.Button1, "5", "100", "0", "100", false }, // already full: the money is spent all the same
        { w.Button4, "29", "10", "29", "10", true },
        { w.Button1, "4", "10", "4", "10", true },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.button->text().toStdString() + " with " + c.money);
        ui.messages.clear();
        w.moneyLabel->setText(c.money);
        w.moodLabel->setText(c.mood);
        click(c.button);
        EXPECT_EQ(w.moneyLabel->text(), c.moneyAfter);
        EXPECT_EQ(w.moodLabel->text(), c.moodAfter);
        EXPECT_EQ(ui.messages, c.refused ? QStringList { "У вас не хватает денег!" } : QStringList {});
    }
}

TEST_F(Places, KarateClubSignsUpWithTenRoublesInHandAndTakesNothing)
{
    TForm9& w = forms->form9();
    struct Case {
        QPushButton* button;
        const char* training;
        const char* money;
        const char* trainingAfter;
        const char* message; // or null
    };
    const Case cases[] = {
        { w.Button1, "Нет", "10", "Да", nullptr },
        { w.Button1, "Нет", "9", "Нет", "А вы уверены, что у вас хватает денег?" },
        { w.Button1, "Да", "100", "Да", "Вы уже записаны!" },
        { w.Button1, "", "100", "", "Вы уже записаны!" }, // anything but "Нет" counts as signed up
        { w.Button1, "Нет", "десять", "Нет", "'десять' is not a valid integer value" },
        { w.Button2, "Да", "0", "Нет", nullptr },
        { w.Button2, "Нет", "0", "Нет", "Вы же даже не записаны!" },
        { w.Button2, "да", "0", "да", "Вы же даже не записаны!" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.training) + " / " + c.money);
        ui.shown.clear();
        w.trainingLabel->setText(c.training);
        w.moneyLabel->setText(c.money);
        w.skillLabel->setText("3");
        ui.expectErrorBoxes(!IsInteger(U(c.money)));
        click(c.button);
        EXPECT_EQ(w.trainingLabel->text(), c.trainingAfter);
        EXPECT_EQ(w.moneyLabel->text(), c.money);
        EXPECT_EQ(w.skillLabel->text(), "3");
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
        w.ListBox1->blockSignals(true); // no description files here
        w.ListBox1->setCurrentRow(c.position);
        w.ListBox1->blockSignals(false);
        ui.expectErrorBoxes(!IsInteger(U(c.skill)));
        click(w.Button1);
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
            EXPECT_EQ(w.ListBox1->currentRow(), 0);
            EXPECT_TRUE(w.Memo1->toPlainText().startsWith(descriptionStart(0)));
            w.ListBox1->setCurrentRow(3); // as a click in the list
            EXPECT_TRUE(w.Memo1->toPlainText().startsWith(descriptionStart(3)));
            QFile::remove(root + "/Data/Works/5.txt");
            ui.expectErrorBoxes();
            w.ListBox1->setCurrentRow(5); // a lost description keeps the last one
            EXPECT_TRUE(w.Memo1->toPlainText().startsWith(descriptionStart(3)));
            w.reject(); // the close box
        });
        click(forms->form5().Button6);
    }
    EXPECT_EQ(ui.errors.size(), 2);

    QFile::remove(root + "/Data/Works/0.txt");
    ui.expectErrorBoxes();
    click(forms->form5().Button6);
    EXPECT_EQ(ui.errors.size(), 3);
    EXPECT_EQ(ui.shownWindows.size(), 2); // without its first description the centre does not open
}
