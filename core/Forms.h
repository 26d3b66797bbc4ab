// The owner of every window: makes them all once at start-up, in the fixed order, and keeps them until the end.
#pragma once

#include <memory>

class TGameState;
class GameClock;
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

class Forms {
public:
    Forms();
    ~Forms();
    Forms(const Forms&) = delete;
    Forms& operator=(const Forms&) = delete;

    // The one game state, owned by the main window, and the game clock of the main window.
    TGameState& state() const { return *m_state; }
    GameClock& clock() const { return *m_clock; }

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

private:
    TGameState* m_state = nullptr;
    GameClock* m_clock = nullptr;
    std::unique_ptr<TForm1> m_form1;
    std::unique_ptr<TForm2> m_form2;
    std::unique_ptr<TForm3> m_form3;
    std::unique_ptr<TForm4> m_form4;
    std::unique_ptr<TForm5> m_form5;
    std::unique_ptr<TForm6> m_form6;
    std::unique_ptr<TForm7> m_form7;
    std::unique_ptr<TForm8> m_form8;
    std::unique_ptr<TForm9> m_form9;
    std::unique_ptr<TForm10> m_form10;
    std::unique_ptr<TForm11> m_form11;
    std::unique_ptr<TForm12> m_form12;
    std::unique_ptr<TForm13> m_form13;
    std::unique_ptr<TForm14> m_form14;
    std::unique_ptr<TForm15> m_form15;
    std::unique_ptr<TForm16> m_form16;
    std::unique_ptr<TForm17> m_form17;
    std::unique_ptr<TForm18> m_form18;
    std::unique_ptr<TForm19> m_form19;
    std::unique_ptr<TForm20> m_form20;
    std::unique_ptr<TForm21> m_form21;
    std::unique_ptr<TForm22> m_form22;
    std::unique_ptr<TForm23> m_form23;
    std::unique_ptr<TForm24> m_form24;
    std::unique_ptr<TForm25> m_form25;
    std::unique_ptr<TForm26> m_form26;
    std::unique_ptr<TForm27> m_form27;
    std::unique_ptr<TForm28> m_form28;
    std::unique_ptr<TForm29> m_form29;
    std::unique_ptr<TForm30> m_form30;
    std::unique_ptr<TForm31> m_form31;
    std::unique_ptr<TForm32> m_form32;
    std::unique_ptr<TForm33> m_form33;
    std::unique_ptr<TForm34> m_form34;
    std::unique_ptr<TForm35> m_form35;
    std::unique_ptr<TForm36> m_form36;
    std::unique_ptr<TForm37> m_form37;
    std::unique_ptr<TAboutBox> m_aboutBox;
    std::unique_ptr<TForm38> m_form38;
    std::unique_ptr<TForm39> m_form39;
    std::unique_ptr<TForm40> m_form40;
    std::unique_ptr<TForm41> m_form41;
    std::unique_ptr<TForm42> m_form42;
    std::unique_ptr<TForm43> m_form43;
    std::unique_ptr<TForm44> m_form44;
    std::unique_ptr<TForm45> m_form45;
    std::unique_ptr<TForm46> m_form46;
};
