#include "game/Forms.h"

// Every window's header, made by the build from core/WindowList.h.
#include "WindowHeaders.h"
#include "records/LifeLog.h"

#include "core/GameClock.h"
#include "core/GameState.h"
#include "core/Ui.h"

#include <QApplication>
#include <QTimer>

Forms::Forms()
    : m_ownLifeLog(std::make_unique<LifeLog>())
{
    m_lifeLog = m_ownLifeLog.get();
    ui().BeginRun();
    // The main window first: it holds the game state and the clock every other window works with.
    make(WindowId::form1);
    // Whatever the game tells the player goes into the journal of the year as well, with the game's date and time.
    m_previousJournal = InstallMessageJournal([this](const QString& text) { TellLifeLog(*m_lifeLog, state(), text); });
}

// The windows go in the reverse order of their making, the main window with the game state last.
Forms::~Forms()
{
    InstallMessageJournal(std::move(m_previousJournal));
    while (!m_made.empty())
        m_made.pop_back();
}

void Forms::make(WindowId window)
{
    // A window is made with its design values and from then on keeps its own fields between showings. No window
    // draws a random number or shows anything while it is made, so the game plays the same whenever it is made.
    switch (window) {
#define TRAMBUL_MAKE_WINDOW(Type, name, folder, module)                                                                \
    case WindowId::name: {                                                                                             \
        auto made = std::make_unique<Type>(*this);                                                                     \
        m_##name = made.get();                                                                                         \
        m_made.push_back(std::move(made));                                                                             \
        break;                                                                                                         \
    }
        TRAMBUL_WINDOWS(TRAMBUL_MAKE_WINDOW)
#undef TRAMBUL_MAKE_WINDOW
    }
    if (window == WindowId::form1) {
        m_state = &m_form1->state();
        m_clock = &m_form1->clock();
    }
}

std::vector<QWidget*> Forms::PlayerWindows()
{
    std::vector<QWidget*> windows;
    for (int id = 0; id < WindowCount; ++id) {
        if (WindowId(id) != WindowId::form34)
            windows.push_back(&Window(WindowId(id)));
    }
    return windows;
}

QWidget& Forms::Window(WindowId window)
{
    switch (window) {
#define TRAMBUL_WINDOW_BY_ID(Type, name, folder, module)                                                               \
    case WindowId::name:                                                                                               \
        return name();
        TRAMBUL_WINDOWS(TRAMBUL_WINDOW_BY_ID)
#undef TRAMBUL_WINDOW_BY_ID
    }
    return form1();
}

void Forms::MakeAllWindows()
{
#define TRAMBUL_MAKE_IF_NEEDED(Type, name, folder, module) name();
    TRAMBUL_WINDOWS(TRAMBUL_MAKE_IF_NEEDED)
#undef TRAMBUL_MAKE_IF_NEEDED
}

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

void Forms::GameReplaced(const QString& loadedFrom) { form1().keeper().GameReplaced(loadedFrom); }

void Forms::StartThug() { form25().StartTalk(); }

// The credits theme comes with the music.
void Forms::StartCreditsMusic() { form1().StartCreditsMusic(); }

void Forms::StopCreditsMusic() { form1().EndCreditsMusic(); }

void Forms::SetMusicWatch(bool on) { form1().SetMusicWatch(on); }

bool Forms::GirlFlagsBoxVisible() const { return m_form1->GirlFlagsBoxVisible(); }

void Forms::SetGirlFlagsBoxVisible(bool visible) { form1().SetGirlFlagsBoxVisible(visible); }
