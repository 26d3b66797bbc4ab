#include "GameFixture.h"
#include "TestHelpers.h"
#include "core/GameClock.h"
#include "core/TextFile.h"
#include "core/Unit2.h"
#include "core/Unit32.h"
#include "core/Unit34.h"
#include "core/Unit46.h"
#include "game/Unit1.h"
#include "records/Unit4.h"
#include "town/Unit10.h"
#include "town/Unit5.h"
#include "town/Unit6.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QTextBrowser>

namespace {
using MainCommands = GameFixture;

// The clock as the start-up leaves it: switched on and running.
void startClock(Forms& forms)
{
    forms.clock().start();
    ASSERT_TRUE(forms.clock().isRunning());
}
}

TEST_F(MainCommands, LookAroundOpensExactlyTheWindowOfTheLocationWithTheClockHeld)
{
    startClock(*forms);
    const std::pair<const char*, const char*> cases[] = {
        { "Сон", "Осмотр местности: Сон" },
        { "В школе", "Осмотр местности: В школе" },
        { "Вне школы", "Осмотр местности: Вне школы" },
    };
    for (auto [location, title] : cases) {
        given({ { Field::Location, location } });
        ui.shownWindows.clear();
        ui.onModal([&](QDialog& window) {
            EXPECT_FALSE(forms->clock().isRunning());
            window.done(int(ModalResult::Ok));
        });
        click(Child<QPushButton>(forms->form1(), "lookAroundButton"));
        EXPECT_EQ(ui.shownWindows, QStringList { title });
        EXPECT_TRUE(forms->clock().isRunning());
    }
    // A location the clock never sets opens nothing, and the clock still comes back.
    given({ { Field::Location, "в школе" } });
    ui.shownWindows.clear();
    click(Child<QPushButton>(forms->form1(), "lookAroundButton"));
    EXPECT_TRUE(ui.shownWindows.isEmpty());
    EXPECT_TRUE(forms->clock().isRunning());
}

TEST_F(MainCommands, LookAroundAtElevenInTheEveningOnlyTellsThePlayerToSleep)
{
    startClock(*forms);
    given({ { Field::Hour, "23" }, { Field::Minute, "0" }, { Field::Location, LocationOfHour(23) } });
    ui.onModal<TForm2>([&](TForm2& notice) {
        EXPECT_EQ(Child<QLabel>(notice, "Label1")->text(), "А не поздно ли куда-то идти?!?");
        QPushButton* understood = Child<QPushButton>(notice, "Button1");
        ASSERT_NE(understood, nullptr);
        EXPECT_EQ(understood->text(), "Я все понял, извини.");
        EXPECT_EQ(notice.size(), QSize(576, 432));
        click(understood);
    });
    click(Child<QPushButton>(forms->form1(), "lookAroundButton"));
    EXPECT_EQ(ui.shownWindows, QStringList { "Осмотр местности: Сон" });
    EXPECT_TRUE(ui.messages.isEmpty());
    EXPECT_TRUE(forms->clock().isRunning());
}

TEST_F(MainCommands, ClockStaysHeldThroughPlacesOpenedFromALocation)
{
    startClock(*forms);
    given({ { Field::Location, "В школе" }, { Field::Money, "10" }, { Field::Satiety, "50" } });
    ui.onModal<TForm6>([&](TForm6& school) {
        click(Child<QPushButton>(school, "Button3"));
        EXPECT_TRUE(school.isVisible()); // back in school afterwards
        EXPECT_FALSE(forms->clock().isRunning());
        click(Child<QPushButton>(school, "Button4"));
    });
    ui.onModal<TForm5>([&](TForm5& outside) {
        EXPECT_FALSE(forms->clock().isRunning());
        click(Child<QPushButton>(outside, "Button11"));
        click(Child<QPushButton>(outside, "Button8"));
    });
    ui.onModal([&](QDialog& cafe) {
        EXPECT_FALSE(forms->clock().isRunning());
        cafe.done(int(ModalResult::Ok));
    });
    random.add(0, 3); // the run-away works
    random.add(2, 3); // and the teacher did not notice
    click(Child<QPushButton>(forms->form1(), "lookAroundButton"));
    EXPECT_TRUE(forms->clock().isRunning());
}

TEST_F(MainCommands, BuyingABunInTheSchoolCanteenAndStarvingAtMidnight)
{
    startClock(*forms);
    given({ { Field::Location, "В школе" }, { Field::Money, "80" }, { Field::Satiety, "5" } });
    ui.onModal<TForm6>([&](TForm6& school) {
        EXPECT_FALSE(forms->clock().isRunning());
        click(Child<QPushButton>(school, "Button1"));
        EXPECT_EQ(state.text(Field::Money), "77");
        EXPECT_EQ(state.text(Field::Satiety), "10");
        click(Child<QPushButton>(school, "Button4"));
    });
    ui.onModal<TForm10>([&](TForm10& canteen) {
        EXPECT_EQ(Child<QLabel>(canteen, "moneyLabel")->text(), "80");
        EXPECT_EQ(Child<QLabel>(canteen, "satietyLabel")->text(), "5");
        click(Child<QPushButton>(canteen, "Button1"));
        EXPECT_EQ(Child<QLabel>(canteen, "moneyLabel")->text(), "77");
        EXPECT_EQ(Child<QLabel>(canteen, "satietyLabel")->text(), "10");
        EXPECT_EQ(state.text(Field::Money), "80"); // the copies go back only when the canteen closes
        click(Child<QPushButton>(canteen, "Button6"));
    });
    click(Child<QPushButton>(forms->form1(), "lookAroundButton"));
    EXPECT_EQ(ui.shownWindows, (QStringList { "Осмотр местности: В школе", "Школьная столовка" }));
    EXPECT_EQ(PanelText(forms->form1(), Field::Money), "77");
    EXPECT_EQ(PanelText(forms->form1(), Field::Satiety), "10");
    EXPECT_TRUE(ui.messages.isEmpty());
    EXPECT_TRUE(forms->clock().isRunning());

    // Time passes; at midnight satiety drops by 10 and hunger kills at the death check.
    given({ { Field::Hour, "23" }, { Field::Minute, "50" } });
    random.add(1, 2); // nothing happens in the street
    ui.onModal<TForm32>([&](TForm32& death) {
        EXPECT_EQ(Child<QLabel>(death, "DeathCause")->text(), "голода.");
        death.done(int(ModalResult::Cancel));
    });
    forms->form1().GameClockTick();
    EXPECT_EQ(state.text(Field::Satiety), "0");
}

TEST_F(MainCommands, HelpReadsThePageAfreshAtEveryShowingMaximisedWithTheClockHeld)
{
    startClock(*forms);
    const QString dir = useWorkingDirectory({ "Data/Help/Index.htm" });
    TForm46& help = forms->form46();
    EXPECT_EQ(help.windowTitle(), "Помощь");
    EXPECT_TRUE(help.windowFlags() & Qt::WindowMaximizeButtonHint);
    ui.onModal<TForm46>([&](TForm46& shown) {
        EXPECT_FALSE(forms->clock().isRunning());
        EXPECT_TRUE(shown.windowState() & Qt::WindowMaximized);
        EXPECT_TRUE(Child<QTextBrowser>(shown, "WebBrowser1")->toPlainText().contains("Трамбуль"));
        shown.done(int(ModalResult::None));
    });
    click(Child<QPushButton>(forms->form1(), "helpButton"));
    EXPECT_TRUE(forms->clock().isRunning());

    QFile page(dir + "/Data/Help/Index.htm");
    ASSERT_TRUE(page.open(QIODevice::WriteOnly | QIODevice::Truncate));
    page.write("<html><body><p>Second edition</p></body></html>");
    page.close();
    ui.onModal<TForm46>([&](TForm46& shown) {
        EXPECT_EQ(Child<QTextBrowser>(shown, "WebBrowser1")->toPlainText().trimmed(), "Second edition");
        shown.done(int(ModalResult::None));
    });
    click(Child<QPushButton>(forms->form1(), "helpButton"));

    // A page far beyond what a content file may hold is not read at all: the window stays empty.
    ASSERT_TRUE(page.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ASSERT_TRUE(page.resize(MaxTextFileSize + 1)); // sparse
    page.close();
    ui.onModal<TForm46>([&](TForm46& shown) {
        EXPECT_LT(Child<QTextBrowser>(shown, "WebBrowser1")->toPlainText().size(), 100);
        shown.done(int(ModalResult::None));
    });
    click(Child<QPushButton>(forms->form1(), "helpButton"));
}

TEST_F(MainCommands, AboutBoxHoldsTheClockAndDiaryDoesNot)
{
    startClock(*forms);
    ui.onModal<TAboutBox>([&](TAboutBox& about) {
        EXPECT_FALSE(forms->clock().isRunning());
        click(Child<QPushButton>(about, "OKButton"));
    });
    click(Child<QPushButton>(forms->form1(), "aboutButton"));
    EXPECT_TRUE(forms->clock().isRunning());

    given({ { Field::Quarter, "3" } });
    ui.onModal<TForm4>([&](TForm4& diary) {
        EXPECT_TRUE(forms->clock().isRunning());
        EXPECT_EQ(diary.CurrentQuarter(), "3");
        diary.done(int(ModalResult::Ok));
    });
    click(Child<QPushButton>(forms->form1(), "diaryButton"));
    EXPECT_EQ(ui.shownWindows, (QStringList { "О программе", forms->form4().windowTitle() }));
}

TEST_F(MainCommands, ExitClosesTheMainWindowWithoutAQuestion)
{
    // The start-up sequence has run: a name given, the introduction read.
    useWorkingDirectory({ "Data/Soundtracks/PlayList.grpl" });
    ui.closeNextModalWith(ModalResult::Ok);
    ui.closeNextModalWith(ModalResult::Ok);
    forms->form1().FormShow();
    ASSERT_TRUE(forms->form1().StartupDone());
    ui.shownWindows.clear();
    given({ { Field::Money, "500" } }); // unsaved progress
    forms->form1().show();
    QCoreApplication::processEvents();
    ASSERT_TRUE(forms->form1().isVisible());
    click(Child<QPushButton>(forms->form1(), "exitButton"));
    EXPECT_FALSE(forms->form1().isVisible());
    EXPECT_TRUE(ui.questions.isEmpty());
    EXPECT_TRUE(ui.messages.isEmpty());
    EXPECT_TRUE(ui.shownWindows.isEmpty());
}
