#include "game/Forms.h"

#include "audio/OggTest.h"
#include "core/Unit2.h"
#include "core/Unit3.h"
#include "core/Unit32.h"
#include "core/Unit34.h"
#include "core/Unit43.h"
#include "core/Unit46.h"
#include "game/Unit1.h"
#include "records/LifeLog.h"
#include "records/Unit21.h"
#include "records/Unit35.h"
#include "records/Unit38.h"
#include "records/Unit4.h"
#include "records/Unit44.h"
#include "records/Unit45.h"
#include "street/Unit19.h"
#include "street/Unit20.h"
#include "street/Unit22.h"
#include "street/Unit23.h"
#include "street/Unit25.h"
#include "street/Unit26.h"
#include "street/Unit27.h"
#include "street/Unit28.h"
#include "street/Unit29.h"
#include "street/Unit30.h"
#include "street/Unit31.h"
#include "street/Unit33.h"
#include "street/Unit36.h"
#include "street/Unit37.h"
#include "street/Unit39.h"
#include "street/Unit40.h"
#include "street/Unit41.h"
#include "street/Unit42.h"
#include "town/Unit10.h"
#include "town/Unit11.h"
#include "town/Unit12.h"
#include "town/Unit13.h"
#include "town/Unit14.h"
#include "town/Unit15.h"
#include "town/Unit16.h"
#include "town/Unit17.h"
#include "town/Unit18.h"
#include "town/Unit24.h"
#include "town/Unit5.h"
#include "town/Unit6.h"
#include "town/Unit7.h"
#include "town/Unit8.h"
#include "town/Unit9.h"

#include "core/GameClock.h"
#include "core/GameState.h"
#include "core/Picture.h"
#include "core/Ui.h"

#include <QApplication>
#include <QTimer>

Forms::Forms()
    : m_ownLifeLog(std::make_unique<LifeLog>())
{
    m_lifeLog = m_ownLifeLog.get();
    m_ownForm1 = std::make_unique<TForm1>(*this);
    m_form1 = m_ownForm1.get();
    // The main window and the name window are on screen the moment the game starts: their pictures are drawn on a
    // second thread while the other windows are made.
    PrerenderPictures(*m_form1);
    m_state = &m_form1->state();
    m_clock = &m_form1->clock();
    m_ownForm2 = std::make_unique<TForm2>(*this);
    m_form2 = m_ownForm2.get();
    m_ownForm3 = std::make_unique<TForm3>(*this);
    m_form3 = m_ownForm3.get();
    PrerenderPictures(*m_form3);
    m_ownForm4 = std::make_unique<TForm4>(*this);
    m_form4 = m_ownForm4.get();
    m_ownForm5 = std::make_unique<TForm5>(*this);
    m_form5 = m_ownForm5.get();
    m_ownForm6 = std::make_unique<TForm6>(*this);
    m_form6 = m_ownForm6.get();
    m_ownForm7 = std::make_unique<TForm7>(*this);
    m_form7 = m_ownForm7.get();
    m_ownForm8 = std::make_unique<TForm8>(*this);
    m_form8 = m_ownForm8.get();
    m_ownForm9 = std::make_unique<TForm9>(*this);
    m_form9 = m_ownForm9.get();
    m_ownForm10 = std::make_unique<TForm10>(*this);
    m_form10 = m_ownForm10.get();
    m_ownForm11 = std::make_unique<TForm11>(*this);
    m_form11 = m_ownForm11.get();
    m_ownForm12 = std::make_unique<TForm12>(*this);
    m_form12 = m_ownForm12.get();
    m_ownForm13 = std::make_unique<TForm13>(*this);
    m_form13 = m_ownForm13.get();
    m_ownForm14 = std::make_unique<TForm14>(*this);
    m_form14 = m_ownForm14.get();
    m_ownForm15 = std::make_unique<TForm15>(*this);
    m_form15 = m_ownForm15.get();
    m_ownForm16 = std::make_unique<TForm16>(*this);
    m_form16 = m_ownForm16.get();
    m_ownForm17 = std::make_unique<TForm17>(*this);
    m_form17 = m_ownForm17.get();
    m_ownForm18 = std::make_unique<TForm18>(*this);
    m_form18 = m_ownForm18.get();
    m_ownForm19 = std::make_unique<TForm19>(*this);
    m_form19 = m_ownForm19.get();
    m_ownForm20 = std::make_unique<TForm20>(*this);
    m_form20 = m_ownForm20.get();
    m_ownForm21 = std::make_unique<TForm21>(*this);
    m_form21 = m_ownForm21.get();
    m_ownForm22 = std::make_unique<TForm22>(*this);
    m_form22 = m_ownForm22.get();
    m_ownForm23 = std::make_unique<TForm23>(*this);
    m_form23 = m_ownForm23.get();
    m_ownForm24 = std::make_unique<TForm24>(*this);
    m_form24 = m_ownForm24.get();
    m_ownForm25 = std::make_unique<TForm25>(*this);
    m_form25 = m_ownForm25.get();
    m_ownForm26 = std::make_unique<TForm26>(*this);
    m_form26 = m_ownForm26.get();
    m_ownForm27 = std::make_unique<TForm27>(*this);
    m_form27 = m_ownForm27.get();
    m_ownForm28 = std::make_unique<TForm28>(*this);
    m_form28 = m_ownForm28.get();
    m_ownForm29 = std::make_unique<TForm29>(*this);
    m_form29 = m_ownForm29.get();
    m_ownForm30 = std::make_unique<TForm30>(*this);
    m_form30 = m_ownForm30.get();
    m_ownForm31 = std::make_unique<TForm31>(*this);
    m_form31 = m_ownForm31.get();
    m_ownForm32 = std::make_unique<TForm32>(*this);
    m_form32 = m_ownForm32.get();
    m_ownForm33 = std::make_unique<TForm33>(*this);
    m_form33 = m_ownForm33.get();
    m_ownForm34 = std::make_unique<TForm34>(*this);
    m_form34 = m_ownForm34.get();
    m_ownForm35 = std::make_unique<TForm35>(*this);
    m_form35 = m_ownForm35.get();
    m_ownForm36 = std::make_unique<TForm36>(*this);
    m_form36 = m_ownForm36.get();
    m_ownForm37 = std::make_unique<TForm37>(*this);
    m_form37 = m_ownForm37.get();
    m_ownAboutBox = std::make_unique<TAboutBox>(*this);
    m_aboutBox = m_ownAboutBox.get();
    m_ownForm38 = std::make_unique<TForm38>(*this);
    m_form38 = m_ownForm38.get();
    m_ownForm39 = std::make_unique<TForm39>(*this);
    m_form39 = m_ownForm39.get();
    m_ownForm40 = std::make_unique<TForm40>(*this);
    m_form40 = m_ownForm40.get();
    m_ownForm41 = std::make_unique<TForm41>(*this);
    m_form41 = m_ownForm41.get();
    m_ownForm42 = std::make_unique<TForm42>(*this);
    m_form42 = m_ownForm42.get();
    m_ownForm43 = std::make_unique<TForm43>(*this);
    m_form43 = m_ownForm43.get();
    m_ownForm44 = std::make_unique<TForm44>(*this);
    m_form44 = m_ownForm44.get();
    m_ownForm45 = std::make_unique<TForm45>(*this);
    m_form45 = m_ownForm45.get();
    m_ownForm46 = std::make_unique<TForm46>(*this);
    m_form46 = m_ownForm46.get();
}

// The windows go in the reverse order of their making, the main window with the game state last; drawings still
// under way on the second thread are waited for first.
Forms::~Forms() { FinishPrerendering(); }

void Forms::TalkWithMother()
{
    // The script is read first: without it the talk does not start.
    TForm13& talk = form13();
    talk.StartTalk();
    ui().showModal(talk);
}

void Forms::NewGame() { form1().NewGame(); }

void Forms::StartShooter()
{
    ClockPause pause(clock());
    form36().Start();
}

void Forms::Quit()
{
    // Every window is asked to close by the program itself, which even the windows without a close box accept,
    // so the nested modal loops all end; the main window's closing ends the main loop.
    QApplication::closeAllWindows();
    form1().close();
}

void Forms::StartThug() { form25().StartTalk(); }

// The credits theme comes with the music.
void Forms::StartCreditsMusic() { form1().StartCreditsMusic(); }

void Forms::StopCreditsMusic() { form1().EndCreditsMusic(); }

void Forms::SetMusicWatch(bool on) { form1().SetMusicWatch(on); }

bool Forms::GirlFlagsBoxVisible() const { return form1().GirlFlagsBoxVisible(); }

void Forms::SetGirlFlagsBoxVisible(bool visible) { form1().SetGirlFlagsBoxVisible(visible); }
