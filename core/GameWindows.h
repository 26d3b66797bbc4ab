// Every window of the game by its name, and what they share: the one game state and the game clock.
// The window owner in game/ makes the windows once at start-up and fills this in; a window reaches through it the
// windows of its own folder and the folders below (including their headers), and starts what lives beside or above
// it through the operations at the end, which the owner carries out.
#pragma once

class TGameState;
class GameClock;
class LifeLog;
class TForm1;
class TForm2;
class TForm3;
class TForm4;
class TForm5;
class TForm6;
class TForm7;
class TForm8;
class TForm9;
class TForm10;
class TForm11;
class TForm12;
class TForm13;
class TForm14;
class TForm15;
class TForm16;
class TForm17;
class TForm18;
class TForm19;
class TForm20;
class TForm21;
class TForm22;
class TForm23;
class TForm24;
class TForm25;
class TForm26;
class TForm27;
class TForm28;
class TForm29;
class TForm30;
class TForm31;
class TForm32;
class TForm33;
class TForm34;
class TForm35;
class TForm36;
class TForm37;
class TAboutBox;
class TForm38;
class TForm39;
class TForm40;
class TForm41;
class TForm42;
class TForm43;
class TForm44;
class TForm45;
class TForm46;

class GameWindows {
public:
    GameWindows(const GameWindows&) = delete;
    GameWindows& operator=(const GameWindows&) = delete;

    TGameState& state() const { return *m_state; }
    GameClock& clock() const { return *m_clock; }
    // The player's days so far, one line per game midnight (records/LifeLog.h).
    LifeLog& lifeLog() const { return *m_lifeLog; }

    TForm1& form1() const { return *m_form1; }
    TForm2& form2() const { return *m_form2; }
    TForm3& form3() const { return *m_form3; }
    TForm4& form4() const { return *m_form4; }
    TForm5& form5() const { return *m_form5; }
    TForm6& form6() const { return *m_form6; }
    TForm7& form7() const { return *m_form7; }
    TForm8& form8() const { return *m_form8; }
    TForm9& form9() const { return *m_form9; }
    TForm10& form10() const { return *m_form10; }
    TForm11& form11() const { return *m_form11; }
    TForm12& form12() const { return *m_form12; }
    TForm13& form13() const { return *m_form13; }
    TForm14& form14() const { return *m_form14; }
    TForm15& form15() const { return *m_form15; }
    TForm16& form16() const { return *m_form16; }
    TForm17& form17() const { return *m_form17; }
    TForm18& form18() const { return *m_form18; }
    TForm19& form19() const { return *m_form19; }
    TForm20& form20() const { return *m_form20; }
    TForm21& form21() const { return *m_form21; }
    TForm22& form22() const { return *m_form22; }
    TForm23& form23() const { return *m_form23; }
    TForm24& form24() const { return *m_form24; }
    TForm25& form25() const { return *m_form25; }
    TForm26& form26() const { return *m_form26; }
    TForm27& form27() const { return *m_form27; }
    TForm28& form28() const { return *m_form28; }
    TForm29& form29() const { return *m_form29; }
    TForm30& form30() const { return *m_form30; }
    TForm31& form31() const { return *m_form31; }
    TForm32& form32() const { return *m_form32; }
    TForm33& form33() const { return *m_form33; }
    TForm34& form34() const { return *m_form34; }
    TForm35& form35() const { return *m_form35; }
    TForm36& form36() const { return *m_form36; }
    TForm37& form37() const { return *m_form37; }
    TAboutBox& aboutBox() const { return *m_aboutBox; }
    TForm38& form38() const { return *m_form38; }
    TForm39& form39() const { return *m_form39; }
    TForm40& form40() const { return *m_form40; }
    TForm41& form41() const { return *m_form41; }
    TForm42& form42() const { return *m_form42; }
    TForm43& form43() const { return *m_form43; }
    TForm44& form44() const { return *m_form44; }
    TForm45& form45() const { return *m_form45; }
    TForm46& form46() const { return *m_form46; }

    // Operations across the layers.
    // "Поговорить с мамой", as the outside-school window and the phone start it.
    virtual void TalkWithMother() = 0;
    // "Начать новую игру": asks first, then resets the game.
    virtual void NewGame() = 0;
    // Ends the program, whatever windows are open.
    virtual void Quit() = 0;
    // The zombie shooter from its titles, without the offer, the price or any consequence (the cheat editor).
    virtual void StartShooter() = 0;
    // The evening thug steps up: story, talk and its outcome (the clock is the caller's business).
    virtual void StartThug() = 0;
    // The music of the credits: started before the credits window opens, stopped after it has closed.
    virtual void StartCreditsMusic() = 0;
    virtual void StopCreditsMusic() = 0;
    // The background music's watch that moves on to the next track: the save and load dialogs hold it while they
    // are open and switch it on afterwards.
    virtual void SetMusicWatch(bool on) = 0;
    // The box of girl flags on the main window, hidden in normal play; the cheat window shows and hides it.
    virtual bool GirlFlagsBoxVisible() const = 0;
    virtual void SetGirlFlagsBoxVisible(bool visible) = 0;

protected:
    GameWindows() = default;
    virtual ~GameWindows() = default;

    TGameState* m_state = nullptr;
    GameClock* m_clock = nullptr;
    LifeLog* m_lifeLog = nullptr;
    TForm1* m_form1 = nullptr;
    TForm2* m_form2 = nullptr;
    TForm3* m_form3 = nullptr;
    TForm4* m_form4 = nullptr;
    TForm5* m_form5 = nullptr;
    TForm6* m_form6 = nullptr;
    TForm7* m_form7 = nullptr;
    TForm8* m_form8 = nullptr;
    TForm9* m_form9 = nullptr;
    TForm10* m_form10 = nullptr;
    TForm11* m_form11 = nullptr;
    TForm12* m_form12 = nullptr;
    TForm13* m_form13 = nullptr;
    TForm14* m_form14 = nullptr;
    TForm15* m_form15 = nullptr;
    TForm16* m_form16 = nullptr;
    TForm17* m_form17 = nullptr;
    TForm18* m_form18 = nullptr;
    TForm19* m_form19 = nullptr;
    TForm20* m_form20 = nullptr;
    TForm21* m_form21 = nullptr;
    TForm22* m_form22 = nullptr;
    TForm23* m_form23 = nullptr;
    TForm24* m_form24 = nullptr;
    TForm25* m_form25 = nullptr;
    TForm26* m_form26 = nullptr;
    TForm27* m_form27 = nullptr;
    TForm28* m_form28 = nullptr;
    TForm29* m_form29 = nullptr;
    TForm30* m_form30 = nullptr;
    TForm31* m_form31 = nullptr;
    TForm32* m_form32 = nullptr;
    TForm33* m_form33 = nullptr;
    TForm34* m_form34 = nullptr;
    TForm35* m_form35 = nullptr;
    TForm36* m_form36 = nullptr;
    TForm37* m_form37 = nullptr;
    TAboutBox* m_aboutBox = nullptr;
    TForm38* m_form38 = nullptr;
    TForm39* m_form39 = nullptr;
    TForm40* m_form40 = nullptr;
    TForm41* m_form41 = nullptr;
    TForm42* m_form42 = nullptr;
    TForm43* m_form43 = nullptr;
    TForm44* m_form44 = nullptr;
    TForm45* m_form45 = nullptr;
    TForm46* m_form46 = nullptr;
};
