// The fixed pauses of the windows hold the player's clicks back, also when the music stops a track meanwhile.
#include "GameFixture.h"
#include "StreetScripts.h"
#include "TestHelpers.h"
#include "audio/MpgLib.h"
#include "audio/OggPlayer.h"
#include "audio/OggTest.h"
#include "core/TextFile.h"
#include "street/Unit20.h"
#include "street/Unit33.h"
#include "street/Unit36.h"

#include <QCoreApplication>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTimer>

namespace {
class FixedPause : public GameFixture {
protected:
    FixedPause()
    {
        SetCodecFolder(QCoreApplication::applicationDirPath() + "/..");
        useWorkingDirectory({ "Data/Soundtracks/Peremena.mp3", "Data/Girls/0.jpg", "Data/Girls/0.inf",
            "Data/Girls/Good.bmp", "Data/Girls/Empty.bmp", "Data/HL2/Title1.jpg", "Data/HL2/Title2.jpg",
            "Data/HL2/Intro.jpg", "Data/HL2/Picture1.jpg", "Data/HL2/Zombie1.bmp", "Data/HL2/Zombie2.bmp",
            "Data/HL2/Zombie3.bmp", "Data/HL2/Zombie_Die.bmp", "Data/HL2/Pistol_fire.wav", "Data/HL2/Zombie_die.wav" });
    }
    ~FixedPause() override { SetCodecFolder(QString()); }
};
}

TEST_F(FixedPause, AClickDuringAPauseInWhichTheMusicStopsATrackComesAfterThePause)
{
    TForm34& music = forms->form34();
    music.FormShow();
    ASSERT_EQ(music.player()->State(), TOggPlayer::Ready) << "no codecs or no sound device";
    // Good answers, each followed by the girl's pause.
    WriteScript("Data\\Girls\\0.gdlg", ScriptOf(3));
    WriteScript("Data\\SMS\\answer_sms.asms", { "Ответы" });
    given({ { Field::PhoneCredit, "100" } });

    TForm20& girl = forms->form20();
    TForm33& sms = forms->form33();
    struct Case {
        const char* what;
        // Leads into the pause, and the same click again.
        std::function<void(const std::function<void()>& afterThePause)> start;
        std::function<void()> again;
    } cases[] = {
        { "the girl's answer",
            [&](const auto& afterThePause) {
                ASSERT_TRUE(girl.Start(0, U("Катей")));
                click(ButtonOf(girl, "Button2"));
                afterThePause();
            },
            [&] { click(ButtonOf(girl, "Button2")); } },
        { "the SMS sending",
            [&](const auto& afterThePause) {
                click(ButtonOf(sms, "Button7"));
                Child<QPlainTextEdit>(sms, "Memo1")->setPlainText("Привет");
                click(ButtonOf(sms, "Button4"));
                Child<QListWidget>(sms, "ListBox1")->setCurrentRow(1);
                click(ButtonOf(sms, "Button5"));
                afterThePause();
            },
            [&] { click(ButtonOf(sms, "Button5")); } },
        { "the zombie hit",
            [&](const auto& afterThePause) {
                random.add({ 0, 1, 2, 0, 1 });
                ui.onModal<TForm36>([&](TForm36& w) {
                    for (int i = 0; i < 3; ++i)
                        Fire(w, "Timer1");
                    click(ButtonOf(w, "Button1"));
                    QTest::mouseClick(Child(w, "Zombie3"), Qt::LeftButton);
                    afterThePause();
                    click(ButtonOf(w, "Button3"));
                });
                forms->StartShooter();
            },
            [&] { QTest::mouseClick(Child(forms->form36(), "Zombie3"), Qt::LeftButton); } },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ASSERT_TRUE(music.StartTrack("Data/Soundtracks/Peremena.mp3"));
        ASSERT_EQ(music.player()->State(), TOggPlayer::Playing);
        int pauses = 0, depth = 0;
        bool clickInPause = false;
        ui.whileSleeping = [&](int) {
            clickInPause = clickInPause || depth > 0;
            ++depth;
            // The music moves on meanwhile, and the player clicks again.
            if (++pauses == 1) {
                music.StopTrack();
                QTimer::singleShot(0, c.again);
            }
            --depth;
        };
        c.start([&] {
            EXPECT_EQ(pauses, 1);
            EXPECT_EQ(music.player()->State(), TOggPlayer::Stopped);
            // The click comes now: it starts a pause of its own.
            EXPECT_TRUE(QTest::qWaitFor([&] { return pauses == 2; }, PatientWait));
        });
        EXPECT_FALSE(clickInPause);
        ui.whileSleeping = nullptr;
    }
    EXPECT_EQ(state.text(Field::PhoneCredit), QString::number(100 - 2 * SmsPrice));
}
