// Every window the player can see, by the owner's accessors (so a window made when first needed is made here):
// the main window, TForm2..TForm46 and the about box; the hidden player window TForm34 is never shown.
#pragma once

#include "ScriptedUi.h"
#include "core/Random.h"
#include "game/Forms.h"

#include <functional>

#include <QWidget>
#include <vector>

std::vector<QWidget*> EveryWindow(GameWindows& windows);

// While it lives every random draw is 0, so that walking all windows does not script the draws each one makes when
// it opens.
class ZeroDraws : public RandomSource {
public:
    ZeroDraws() { m_previous = InstallRandomSource(this); }
    ~ZeroDraws() override { InstallRandomSource(m_previous); }
    int next(int) override { return 0; }
    void seed() override { }

private:
    RandomSource* m_previous = nullptr;
};

// Opens every window as the player first sees it, one after another, and hands each to `check` while it is shown.
// The main window's first showing asks the name and tells the introduction: both are closed with OK.
void OpenEveryWindow(GameWindows& windows, ScriptedUi& ui, const std::function<void(QWidget&)>& check);
