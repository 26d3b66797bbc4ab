// The owner of every window: makes them all once at start-up, in the fixed order, and keeps them until the end.
#pragma once

#include "core/GameWindows.h"

#include <memory>

class Forms : public GameWindows {
public:
    Forms();
    ~Forms() override;

    void TalkWithMother() override;
    void NewGame() override;
    void Quit() override;
    void StartShooter() override;
    void StartThug() override;
    void StartCreditsMusic() override;
    void StopCreditsMusic() override;
    void SetMusicWatch(bool on) override;
    bool GirlFlagsBoxVisible() const override;
    void SetGirlFlagsBoxVisible(bool visible) override;

private:
    std::unique_ptr<LifeLog> m_ownLifeLog;
    std::unique_ptr<TForm1> m_ownForm1;
    std::unique_ptr<TForm2> m_ownForm2;
    std::unique_ptr<TForm3> m_ownForm3;
    std::unique_ptr<TForm4> m_ownForm4;
    std::unique_ptr<TForm5> m_ownForm5;
    std::unique_ptr<TForm6> m_ownForm6;
    std::unique_ptr<TForm7> m_ownForm7;
    std::unique_ptr<TForm8> m_ownForm8;
    std::unique_ptr<TForm9> m_ownForm9;
    std::unique_ptr<TForm10> m_ownForm10;
    std::unique_ptr<TForm11> m_ownForm11;
    std::unique_ptr<TForm12> m_ownForm12;
    std::unique_ptr<TForm13> m_ownForm13;
    std::unique_ptr<TForm14> m_ownForm14;
    std::unique_ptr<TForm15> m_ownForm15;
    std::unique_ptr<TForm16> m_ownForm16;
    std::unique_ptr<TForm17> m_ownForm17;
    std::unique_ptr<TForm18> m_ownForm18;
    std::unique_ptr<TForm19> m_ownForm19;
    std::unique_ptr<TForm20> m_ownForm20;
    std::unique_ptr<TForm21> m_ownForm21;
    std::unique_ptr<TForm22> m_ownForm22;
    std::unique_ptr<TForm23> m_ownForm23;
    std::unique_ptr<TForm24> m_ownForm24;
    std::unique_ptr<TForm25> m_ownForm25;
    std::unique_ptr<TForm26> m_ownForm26;
    std::unique_ptr<TForm27> m_ownForm27;
    std::unique_ptr<TForm28> m_ownForm28;
    std::unique_ptr<TForm29> m_ownForm29;
    std::unique_ptr<TForm30> m_ownForm30;
    std::unique_ptr<TForm31> m_ownForm31;
    std::unique_ptr<TForm32> m_ownForm32;
    std::unique_ptr<TForm33> m_ownForm33;
    std::unique_ptr<TForm34> m_ownForm34;
    std::unique_ptr<TForm35> m_ownForm35;
    std::unique_ptr<TForm36> m_ownForm36;
    std::unique_ptr<TForm37> m_ownForm37;
    std::unique_ptr<TAboutBox> m_ownAboutBox;
    std::unique_ptr<TForm38> m_ownForm38;
    std::unique_ptr<TForm39> m_ownForm39;
    std::unique_ptr<TForm40> m_ownForm40;
    std::unique_ptr<TForm41> m_ownForm41;
    std::unique_ptr<TForm42> m_ownForm42;
    std::unique_ptr<TForm43> m_ownForm43;
    std::unique_ptr<TForm44> m_ownForm44;
    std::unique_ptr<TForm45> m_ownForm45;
    std::unique_ptr<TForm46> m_ownForm46;
};
