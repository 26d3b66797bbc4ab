// Start-up of the program, new game and the main window's clock controls, through the real windows.
#include "GameFixture.h"
#include "TestHelpers.h"
#include "core/ArtDrawing.h"
#include "core/GameClock.h"
#include "core/Picture.h"
#include "core/Unit3.h"
#include "core/Unit43.h"
#include "game/Unit1.h"

#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {
using Startup = GameFixture;
}

TEST_F(Startup, NameAndIntroductionThenTheClockStarts)
{
    TForm1& main = forms->form1();
    ui.onModal<TForm3>([](TForm3& w) {
        EXPECT_EQ(Child<QLineEdit>(w, "Edit1")->text(), "Аноним");
        Child<QLineEdit>(w, "Edit1")->setText("Петя Васечкин");
        click(Child<QPushButton>(w, "Button1"));
    });
    ui.onModal<TForm43>([](TForm43& w) {
        const QString story = Child<QPlainTextEdit>(w, "Memo1")->toPlainText();
        EXPECT_TRUE(story.startsWith("Эх, к сожалению,  каникулы не вечны… Уже не за горами 1 \n"));
        EXPECT_GE(story.count('\n'), 20);
        click(Child<QPushButton>(w, "Button1"));
    });
    EXPECT_FALSE(forms->clock().isRunning());
    // The first showing of the main window runs the start-up once the window is on screen.
    main.show();
    EXPECT_TRUE(QTest::qWaitFor([&] { return main.StartupDone(); }, PatientWait));

    EXPECT_EQ(state.text(Field::PlayerName), "Петя Васечкин");
    EXPECT_TRUE(main.StartupDone());
    EXPECT_TRUE(forms->clock().isRunning());
    EXPECT_EQ(forms->clock().period(), ClockPeriodSlow);
    EXPECT_EQ(random.seeds, 1);
    EXPECT_EQ(PanelText(main, Field::PlayerName), "Петя Васечкин");

    // Later showings only seed the generator again.
    main.hide();
    main.show();
    EXPECT_TRUE(QTest::qWaitFor([&] { return random.seeds == 2; }, PatientWait));
    EXPECT_EQ(ui.shownWindows.size(), 2);
}

TEST_F(Startup, EmptyNameGivesAnEmptyPlayerName)
{
    ui.onModal<TForm3>([](TForm3& w) {
        Child<QLineEdit>(w, "Edit1")->clear();
        click(Child<QPushButton>(w, "Button1"));
    });
    ui.closeNextModalWith(ModalResult::Ok);
    forms->form1().FormShow();
    EXPECT_EQ(state.text(Field::PlayerName), "");
}

TEST_F(Startup, WindowsWithoutCloseBoxIgnoreEscape)
{
    TForm3& names = forms->form3();
    names.show();
    QTest::keyClick(&names, Qt::Key_Escape);
    EXPECT_TRUE(names.isVisible());
    names.reject();
    EXPECT_TRUE(names.isVisible());
    names.hide();
}

TEST_F(Startup, NewGameResetsTheYearAndKeepsTheRest)
{
    TForm1& main = forms->form1();
    given({ { Field::PlayerName, "Вася" }, { Field::Money, "-15" }, { Field::PiggyBank, "300" },
        { Field::JobIncome, "40" }, { Field::LunchMoney, "10" }, { Field::Satiety, "20" }, { Field::Mood, "30" },
        { Field::Vigor, "40" }, { Field::FightSkill, "61" }, { Field::AttendsTraining, "Да" },
        { Field::Authority, "-3" }, { Field::MobilePhone, "Nokia 3310" }, { Field::PhoneCredit, "12" },
        { Field::HasGdz, "Да" }, { Field::Hour, "19" }, { Field::Minute, "40" }, { Field::Day, "17" },
        { Field::Month, "2" }, { Field::Year, "2006" }, { Field::Quarter, "3" }, { Field::Location, "Вне школы" },
        { Field::MotherPhoneDeal, "1" }, { Field::QuestionHour, "25" }, { Field::RobberyAllowedToday, "0" } });
    for (int girl = 0; girl < GirlCount; ++girl)
        state.setCharmed(girl, true);
    for (int subject = 0; subject < SubjectCount; ++subject)
        for (int column = 0; column < GradeColumnCount; ++column)
            state.setGrade(subject, column, "4");
    forms->clock().start();
    forms->clock().setPeriod(ClockPeriodFast);

    ui.answerConfirm(true);
    click(Child<QPushButton>(main, "newGameButton"));

    EXPECT_EQ(ui.questions, QStringList { "Вы точно хотите начать новую игру?" });
    const std::pair<Field, const char*> expected[] = { { Field::PlayerName, "Вася" }, { Field::Money, "80" },
        { Field::PiggyBank, "0" }, { Field::JobIncome, "0" }, { Field::LunchMoney, "0" }, { Field::Satiety, "100" },
        { Field::Mood, "100" }, { Field::Vigor, "100" }, { Field::FightSkill, "0" }, { Field::AttendsTraining, "Нет" },
        { Field::Authority, "0" }, { Field::MobilePhone, "Нет" }, { Field::PhoneCredit, "0" }, { Field::HasGdz, "Нет" },
        { Field::Hour, "8" }, { Field::Minute, "0" }, { Field::Day, "1" }, { Field::Month, "9" },
        { Field::Year, "2005" }, { Field::Quarter, "3" }, { Field::Location, "Вне школы" },
        { Field::MotherPhoneDeal, "0" }, { Field::QuestionHour, "12" }, { Field::RobberyAllowedToday, "0" } };
    for (const auto& [field, value] : expected)
        EXPECT_EQ(state.text(field), QString::fromUtf8(value)) << InfoOf(field).name;
    for (int girl = 0; girl < GirlCount; ++girl)
        EXPECT_EQ(state.girlFlag(girl), "0");
    EXPECT_EQ(state.diary(), DiaryGrades());
    EXPECT_TRUE(forms->clock().isRunning());
    EXPECT_EQ(forms->clock().period(), ClockPeriodFast);
    EXPECT_EQ(PanelText(main, Field::Money), "80");

    ApplyClockRules(state);
    EXPECT_EQ(state.text(Field::Hour) + ":" + state.text(Field::Minute), "8:10");
    EXPECT_EQ(state.text(Field::Quarter), "1");
    EXPECT_EQ(state.text(Field::Location), "В школе");
}

TEST_F(Startup, AnsweringNoToNewGameChangesNothing)
{
    given({ { Field::Money, "7" } });
    forms->clock().start();
    ui.answerConfirm(false);
    click(Child<QPushButton>(forms->form1(), "newGameButton"));
    EXPECT_EQ(state.text(Field::Money), "7");
    EXPECT_TRUE(forms->clock().isRunning());
}

TEST_F(Startup, SpeedButtonsAndPausesKeepTheClockAsTheyShould)
{
    TForm1& main = forms->form1();
    GameClock& clock = forms->clock();
    const std::pair<QPushButton*, int> speeds[] = { { Child<QPushButton>(main, "speed2Button"), 150 },
        { Child<QPushButton>(main, "speed3Button"), 10 }, { Child<QPushButton>(main, "speed1Button"), 400 } };
    for (auto [button, period] : speeds) {
        click(button);
        EXPECT_EQ(clock.period(), period);
    }

    // Before the start-up a resume does not start the clock.
    clock.pause();
    clock.resume();
    EXPECT_FALSE(clock.isRunning());

    clock.start();
    {
        ClockPause outer(clock);
        {
            ClockPause inner(clock);
        }
        // An inner window closing does not restart a clock the outer one still holds.
        EXPECT_FALSE(clock.isRunning());
    }
    EXPECT_TRUE(clock.isRunning());

    // A pause keeps the time exactly where it was.
    given({ { Field::Hour, "10" }, { Field::Minute, "20" } });
    clock.pause();
    QTest::qWait(3 * ClockPeriodFast + 20);
    EXPECT_EQ(state.text(Field::Minute), "20");
    clock.resume();
}

TEST_F(Startup, PanelFollowsEveryChangeOfTheState)
{
    TForm1& main = forms->form1();
    // The panel on screen (a hidden one is brought up to date when it is shown: tests/game/PanelTest.cpp).
    main.SkipStartup();
    main.show();
    for (const FieldInfo& info : FieldTable) {
        if (!info.caption) {
            continue;
        }
        QLineEdit* box = Child<QLineEdit>(main, info.name);
        ASSERT_NE(box, nullptr) << info.name;
        state.restore(info.field, QStringLiteral("-42"));
        // At once or, when another box changed just before, at the end of the panel's frame.
        EXPECT_TRUE(QTest::qWaitFor([box] { return box->text() == "-42"; }, PatientWait)) << info.name;
        EXPECT_TRUE(box->isReadOnly()) << info.name;
    }
    // The second and third parts of time and date have their own boxes.
    for (Field field : { Field::Minute, Field::Month, Field::Year }) {
        state.restore(field, QStringLiteral("7"));
        EXPECT_EQ(PanelText(main, field), "7");
    }
}

TEST_F(Startup, TickWithANonNumericValueReportsItWithTheClockHeldAndGoesOn)
{
    GameClock& clock = forms->clock();
    clock.start();
    given({ { Field::Hour, "23" }, { Field::Minute, "50" }, { Field::Money, "abc" }, { Field::Satiety, "70" } });
    ui.expectErrorBoxes();
    random.add(1, 2); // the street event's coin of this tick
    forms->form1().GameClockTick();
    EXPECT_EQ(ui.errors, QStringList { "'abc' is not a valid integer value" });
    EXPECT_EQ(state.text(Field::Satiety), "60");
    EXPECT_EQ(state.text(Field::Hour), "0");
    EXPECT_TRUE(clock.isRunning());
}

// A window made draws none of its pictures before the player opens it; a shown window has every picture drawn at the
// size of its box, and a box resized on screen is drawn again at the new size.
TEST_F(Startup, WindowsDrawTheirPicturesOnlyWhenShown)
{
    forms->MakeAllWindows();
    int boxes = 0;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        for (PictureBox* box : window->findChildren<PictureBox*>()) {
            ++boxes;
            EXPECT_TRUE(box->pixmap().isNull()) << window->windowTitle().toStdString();
        }
    }
    EXPECT_GT(boxes, 3);

    TForm3& nameWindow = forms->form3();
    nameWindow.show();
    const QList<PictureBox*> shown = nameWindow.findChildren<PictureBox*>();
    ASSERT_FALSE(shown.isEmpty());
    for (PictureBox* box : shown)
        EXPECT_EQ(box->pixmap().size(), box->size());

    PictureBox* box = shown.front();
    box->setFixedSize(64, 48);
    EXPECT_EQ(box->pixmap().size(), QSize(64, 48));
    nameWindow.hide();
    box->setArt(QStringLiteral(":/art/logo.svg"));
    box->setFixedSize(32, 24);
    EXPECT_EQ(box->pixmap().size(), QSize(64, 48)); // still the old picture: nothing drawn while hidden
    nameWindow.show();
    EXPECT_EQ(box->pixmap().size(), QSize(32, 24));
}

// The main window and the name window over it are the game's first picture: the build drew every artwork on them at the
// size of its box, and what it drew is what the artwork's SVG gives.
TEST_F(Startup, TheFirstPictureComesBakedAndIsItsArtwork)
{
    int artworks = 0;
    for (QWidget* window : { static_cast<QWidget*>(&forms->form1()), static_cast<QWidget*>(&forms->form3()) }) {
        for (const PictureBox* box : window->findChildren<PictureBox*>()) {
            if (box->art().isEmpty())
                continue;
            ++artworks;
            const QImage baked = BakedArt(box->art(), box->size());
            ASSERT_FALSE(baked.isNull()) << box->art().toStdString() << " is not baked at its box's size";
            EXPECT_EQ(baked, DrawSvgArt(box->art(), box->size(), 1.0)) << box->art().toStdString();
        }
    }
    EXPECT_EQ(artworks, 4);
}
