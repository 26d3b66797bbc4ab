// The owner of every window: makes the main window at once and every other window the first time it is asked for,
// and keeps each until the end.
#pragma once

#include "core/GameWindows.h"
#include "core/Ui.h"

#include <QWidget>

#include <memory>
#include <vector>

class LifeLog;

class Forms : public GameWindows {
public:
    Forms();
    ~Forms() override;

    void TalkWithMother() override;
    void NewGame() override;
    void Quit() override;
    void GameReplaced(const QString& loadedFrom) override;
    void StartShooter() override;
    void StartThug() override;
    void StartCreditsMusic() override;
    void StopCreditsMusic() override;
    void SetMusicWatch(bool on) override;
    bool GirlFlagsBoxVisible() const override;
    void SetGirlFlagsBoxVisible(bool visible) override;

    // The window by its place in the list, made if it was not yet.
    QWidget& Window(WindowId window);
    // Makes every window not made yet, in the order of the list: for the walks over all windows (tests, tools).
    void MakeAllWindows();
    // Every window the player can see, in the order of the list, made if not yet: all but the hidden music player.
    std::vector<QWidget*> PlayerWindows();
    // How many windows have been made so far, the main window included.
    int WindowsMade() const { return int(m_made.size()); }

private:
    std::unique_ptr<LifeLog> m_ownLifeLog;
    MessageJournal m_previousJournal;
    void make(WindowId window) override;

    // The windows in the order they were made, the main window first; they go in the reverse order.
    std::vector<std::unique_ptr<QWidget>> m_made;
};
