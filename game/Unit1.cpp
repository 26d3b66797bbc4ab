#include "game/Unit1.h"

#include "core/Button.h"
#include "core/Guarded.h"

#include "core/DailyEvents.h"
#include "records/Autosave.h"

#include "audio/OggTest.h"
#include "core/DataPath.h"
#include "core/Errors.h"
#include "core/GameWindow.h"
#include "core/Look.h"
#include "core/Picture.h"
#include "core/Random.h"
#include "core/Ui.h"
#include "core/Unit2.h"
#include "core/Unit3.h"
#include "core/Unit34.h"
#include "core/Unit43.h"
#include "core/Unit46.h"
#include "game/Forms.h"
#include "game/GameContent.h"
#include "game/Music.h"
#include "game/StatusPanel.h"
#include "records/LifeLog.h"
#include "records/SaveLoad.h"
#include "records/Unit21.h"
#include "records/Unit4.h"
#include "town/Unit5.h"
#include "town/Unit6.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScopeGuard>
#include <QShowEvent>
#include <QSignalBlocker>
#include <QStyle>
#include <QStyleOptionGroupBox>
#include <QTimer>
#include <QVBoxLayout>

void CaptionGroupBox::mouseDoubleClickEvent(QMouseEvent* event)
{
    QStyleOptionGroupBox option;
    initStyleOption(&option);
    QRect caption = style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, this);
    if (caption.adjusted(-4, -4, 4, 4).contains(event->position().toPoint()))
        emit captionDoubleClicked();
    QGroupBox::mouseDoubleClickEvent(event);
}

namespace {
// A caption of the panel; it names the box it stands before, so a screen reader says "Деньги (Руб.): 80".
QLabel* caption(const QString& text, QWidget* parent, QWidget* buddy = nullptr)
{
    auto* label = new QLabel(text, parent);
    label->setBuddy(buddy);
    return label;
}

QFrame* separator(QWidget* parent)
{
    auto* line = new QFrame(parent);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    return line;
}
}

TForm1::TForm1(GameWindows& windows)
    : QWidget(nullptr)
    , m_windows(windows)
    , m_events(windows)
    , m_panel(new StatusPanel(m_state, *this))
    , m_keeper(windows)
{
    setWindowTitle(QStringLiteral("GRELN_x's   Трамбуль    v1.1"));
    setFixedSize(468, 435);
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
        | Qt::WindowCloseButtonHint);

    AddBackground(this, QStringLiteral(":/art/main_background.svg"));

    auto* left = new QVBoxLayout;
    left->setSpacing(4);
    left->addWidget(makeTimeGroup());
    left->addWidget(makePersonalGroup());

    TrackTitles = new QComboBox(this);
    TrackTitles->setEditable(false);
    TrackTitles->setAccessibleName(QStringLiteral("Музыка"));
    playlistButton = new QPushButton(QStringLiteral("Плейлист"), this);
    ConnectGuarded(TrackTitles, &QComboBox::currentIndexChanged, this, &TForm1::TrackTitlesChange);
    ConnectGuarded(playlistButton, &QPushButton::clicked, this, &TForm1::playlistButtonClick);
    MusicWatchTick = new QTimer(this);
    MusicWatchTick->setInterval(1000);
    ConnectGuarded(MusicWatchTick, &QTimer::timeout, this, &TForm1::MusicWatchTickTimer);
    auto* music = new QHBoxLayout;
    music->addWidget(TrackTitles, 1);
    music->addWidget(playlistButton);
    left->addLayout(music);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(6, 4, 6, 6);
    layout->setSpacing(6);
    layout->addLayout(left, 1);
    layout->addWidget(makeCommandColumn());

    NameControls({ { lookAroundButton, "lookAroundButton" }, { diaryButton, "diaryButton" },
        { newGameButton, "newGameButton" }, { BitBtn3, "BitBtn3" }, { BitBtn4, "BitBtn4" },
        { helpButton, "helpButton" }, { aboutButton, "aboutButton" }, { exitButton, "exitButton" },
        { speed1Button, "speed1Button" }, { speed2Button, "speed2Button" }, { speed3Button, "speed3Button" },
        { personalGroup, "personalGroup" }, { TrackTitles, "TrackTitles" }, { playlistButton, "playlistButton" },
        { girlFlagsBox, "girlFlagsBox" }, { MusicWatchTick, "MusicWatchTick" } });

    m_panel->Follow();
    showGirlFlags();
    connect(&m_state, &TGameState::girlFlagsChanged, this, &TForm1::showGirlFlags);
    connect(girlFlagsBox, &QPlainTextEdit::textChanged, this, &TForm1::girlFlagsBoxEdited);
    girlFlagsBox->installEventFilter(this);
    ConnectGuarded(&m_clock, &GameClock::tick, this, &TForm1::GameClockTick);
}

QWidget* TForm1::makeTimeGroup()
{
    auto* group = new QGroupBox(QStringLiteral("Время и дата / Четверть"), this);
    MakePanel(group);
    auto* grid = new QGridLayout(group);
    grid->setContentsMargins(6, 10, 6, 4);
    grid->setHorizontalSpacing(3);
    grid->setVerticalSpacing(2);

    grid->addWidget(caption(QStringLiteral("Время:"), group, m_panel->MakeDisplay(Field::Hour, false, this)), 0, 0);
    auto* time = new QHBoxLayout;
    time->setSpacing(2);
    time->addWidget(m_panel->Display(Field::Hour));
    time->addWidget(caption(QStringLiteral(":"), group));
    time->addWidget(m_panel->MakeDisplay(Field::Minute, false, this));
    speed1Button = new QPushButton(QStringLiteral("1"), group);
    speed2Button = new QPushButton(QStringLiteral("2"), group);
    speed3Button = new QPushButton(QStringLiteral("3"), group);
    const std::pair<QPushButton*, int> speeds[]
        = { { speed1Button, ClockPeriodSlow }, { speed2Button, ClockPeriodNormal }, { speed3Button, ClockPeriodFast } };
    time->addSpacing(6);
    for (auto [button, period] : speeds) {
        button->setFixedSize(24, 20);
        button->setAccessibleName(QStringLiteral("Скорость %1").arg(button->text()));
        ConnectGuarded(button, &QPushButton::clicked, this, [this, period = period] { m_clock.setPeriod(period); });
        time->addWidget(button);
    }
    time->addStretch();
    grid->addLayout(time, 0, 1);

    grid->addWidget(caption(QStringLiteral("Дата:"), group, m_panel->MakeDisplay(Field::Day, false, this)), 1, 0);
    auto* date = new QHBoxLayout;
    date->setSpacing(2);
    date->addWidget(m_panel->Display(Field::Day));
    date->addWidget(m_panel->MakeDisplay(Field::Month, false, this));
    date->addWidget(m_panel->MakeDisplay(Field::Year, false, this));
    date->addStretch();
    grid->addLayout(date, 1, 1);
    for (Field field : { Field::Hour, Field::Minute, Field::Day, Field::Month })
        m_panel->Display(field)->setFixedWidth(30);
    m_panel->Display(Field::Year)->setFixedWidth(44);

    grid->addWidget(
        caption(QStringLiteral("Четверть:"), group, m_panel->MakeDisplay(Field::Quarter, true, this)), 2, 0);
    grid->addWidget(m_panel->Display(Field::Quarter), 2, 1);
    grid->addWidget(caption(QStringLiteral("Где я?:"), group, m_panel->MakeDisplay(Field::Location, true, this)), 3, 0);
    grid->addWidget(m_panel->Display(Field::Location), 3, 1);
    return group;
}

QWidget* TForm1::makePersonalGroup()
{
    personalGroup = new CaptionGroupBox(QStringLiteral("Личность и наличность"), this);
    MakePanel(personalGroup);
    ConnectGuarded(personalGroup, &CaptionGroupBox::captionDoubleClicked, this, &TForm1::personalGroupDoubleClick);
    auto* grid = new QGridLayout(personalGroup);
    grid->setContentsMargins(6, 10, 6, 4);
    grid->setHorizontalSpacing(4);
    grid->setVerticalSpacing(0);

    int row = 0;
    for (int i = int(Field::PlayerName); i <= int(Field::HasGdz); ++i, ++row) {
        const Field field = Field(i);
        QLineEdit* box = m_panel->MakeDisplay(field, field != Field::PlayerName, this);
        grid->addWidget(caption(QString::fromUtf8(InfoOf(field).caption), personalGroup, box), row, 0);
        grid->addWidget(box, row, 1);
    }
    grid->setColumnStretch(1, 1);
    return personalGroup;
}

QWidget* TForm1::makeCommandColumn()
{
    auto* column = new QWidget(this);
    column->setFixedWidth(150);
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(4);

    auto* logo = new PictureBox(column);
    logo->setFixedSize(150, 60);
    logo->setArt(QStringLiteral(":/art/logo.svg"));
    layout->addWidget(logo);

    auto button = [&](QPushButton*& target, const QString& text, void (TForm1::*handler)()) {
        target = MakeButton(column, text, QSize(0, 27), this, handler);
        layout->addWidget(target);
    };
    button(lookAroundButton, QStringLiteral("Осмотр местности"), &TForm1::lookAroundButtonClick);
    SetBold(lookAroundButton);
    button(diaryButton, QStringLiteral("  Дневник"), &TForm1::diaryButtonClick);
    layout->addWidget(separator(column));
    button(newGameButton, QStringLiteral("Начать новую игру"), &TForm1::newGameButtonClick);
    button(BitBtn3, QStringLiteral("Сохранить игру..."), &TForm1::BitBtn3Click);
    button(BitBtn4, QStringLiteral("Загрузить игру..."), &TForm1::BitBtn4Click);
    layout->addWidget(separator(column));
    button(helpButton, QStringLiteral("Помощь"), &TForm1::helpButtonClick);
    button(aboutButton, QStringLiteral("О программе..."), &TForm1::aboutButtonClick);
    layout->addWidget(separator(column));
    button(exitButton, QStringLiteral("Выйти из игры"), &TForm1::exitButtonClick);
    girlFlagsBox = new QPlainTextEdit(column);
    girlFlagsBox->setAccessibleName(QStringLiteral("Отношения с девушками"));
    girlFlagsBox->setAccessibleDescription(QStringLiteral("Десять строк, по одной на девушку класса: 1 - очарована"));
    girlFlagsBox->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    girlFlagsBox->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    girlFlagsBox->hide();
    layout->addWidget(girlFlagsBox, 1);
    layout->addStretch();
    return column;
}

QString TForm1::PanelText(Field field) const { return m_panel->Text(field); }

bool TForm1::GirlFlagsBoxVisible() const { return !girlFlagsBox->isHidden(); }

void TForm1::SetGirlFlagsBoxVisible(bool visible)
{
    girlFlagsBox->setVisible(visible);
    showGirlFlags();
}

// The box is hidden unless a cheat shows it: out of sight it is not filled (laying out its text cost a millisecond as
// the game started), and it is filled with the flags of the moment when it is shown.
void TForm1::showGirlFlags()
{
    if (m_girlFlagsBoxEditing || girlFlagsBox->isHidden())
        return;
    QStringList lines;
    for (int girl = 0; girl < GirlCount; ++girl)
        lines.append(m_state.girlFlag(girl));
    const QString text = lines.join(QLatin1Char('\n'));
    if (girlFlagsBox->toPlainText() != text)
        girlFlagsBox->setPlainText(text);
}

// Line i of the box is the flag of girl i. A line that reads "0" or "1" is her flag at once; anything else leaves
// her flag as it was, and the player hears so on leaving the box.
void TForm1::girlFlagsBoxEdited()
{
    const QStringList lines = girlFlagsBox->toPlainText().split(QLatin1Char('\n'));
    m_girlFlagsBoxEditing = true;
    for (int girl = 0; girl < GirlCount; ++girl) {
        const QString line = lines.value(girl);
        if (line == QLatin1String("0") || line == QLatin1String("1"))
            m_state.setCharmed(girl, line == QLatin1String("1"));
    }
    m_girlFlagsBoxEditing = false;
}

void TForm1::girlFlagsBoxLeft()
{
    const QStringList lines = girlFlagsBox->toPlainText().split(QLatin1Char('\n'));
    QStringList problems;
    for (int girl = 0; girl < GirlCount; ++girl) {
        const QString line = lines.value(girl);
        if (line != QLatin1String("0") && line != QLatin1String("1")) {
            problems << QStringLiteral("«%1» сюда не подходит: в строке %2 «Отношений с девушками» пишут «0» или «1». "
                                       "Отметка девушки №%2 не изменена.")
                            .arg(line)
                            .arg(girl + 1);
        }
    }
    if (problems.isEmpty() && lines.size() == GirlCount)
        return;
    showGirlFlags();
    TellPlayer(problems);
}

bool TForm1::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == girlFlagsBox && event->type() == QEvent::FocusOut)
        girlFlagsBoxLeft();
    return QWidget::eventFilter(watched, event);
}

void TForm1::showEvent(QShowEvent* event)
{
    m_panel->WindowShown();
    QWidget::showEvent(event);
    if (!event->spontaneous())
        QTimer::singleShot(0, this, &TForm1::FormShow);
}

void TForm1::closeEvent(QCloseEvent* event)
{
    // Every way out passes here ("Выйти из игры", the close box, the death window, the desktop's signals). Nothing
    // waits for the player any more, every loop ends, and what was under way runs to its end; the game is kept once
    // all of it has returned to the main loop (GameKeeper::KeepOnWayOut).
    m_leaving = true;
    ui().BeginLeaving();
    QWidget::closeEvent(event);
    QCoreApplication::exit(0);
}

void TForm1::FormShow()
{
    Randomize();
    if (m_startupDone || m_leaving)
        return;
    // Whatever happens below, once the sequence is over the game is worth keeping.
    const auto ready = qScopeGuard([this] {
        if (!m_leaving)
            m_keeper.Ready();
    });
    const QString failure = TakeAutosaveFailure();
    if (!failure.isEmpty())
        ui().message(failure);
    TForm3& nameWindow = m_windows.form3();
    ModalResult choice = ModalResult::None;
    bool continued = false;
    nameWindow.SetContinueOffered(AutosaveExists());
    while (!continued && !m_leaving) {
        choice = ui().showModal(nameWindow);
        if (choice != TForm3::ContinueResult)
            break;
        // An autosave that does not load is named by the load and stays as it is; the player chooses again, without
        // «Продолжить».
        continued = LoadSavedGame(m_windows, NewestAutosave());
        if (!continued)
            nameWindow.SetContinueOffered(false);
    }
    if (m_leaving)
        return;
    const bool loadChosen = choice == ModalResult::Cancel;
    if (!loadChosen && !continued)
        ui().showModal(m_windows.form43());
    m_clock.start();
    // The autosave brought its own name; any other game is a new one, with autosaves of its own.
    if (!continued) {
        m_state.setText(Field::PlayerName, nameWindow.playerName());
        m_keeper.GameReplaced();
    }
    m_startupDone = true;
    // A missing playlist costs the music, not the rest of the start: the player still gets ready and the load runs.
    try {
        LoadDefaultPlaylist();
    } catch (const EGameError& error) {
        ui().errorBox(error.message());
    }
    m_windows.form34().FormShow();
    m_windows.form34().SetWatching(true);
    if (loadChosen)
        BitBtn4Click();
}

void TForm1::GameClockTick()
{
    ClockRulesOutcome outcome = ApplyClockRules(m_state);
    // A lost job is told without stopping the clock.
    Announce(outcome.notices);
    if (!outcome.conversionErrors.isEmpty()) {
        // A value that is not a number stops only the rule that read it; the player hears of it with the clock held.
        ClockPause pause(m_clock);
        for (const QString& message : outcome.conversionErrors)
            ui().errorBox(message);
    }
    if (outcome.advanced) {
        if (outcome.time.hour == 0 && outcome.time.minute == 0 && !outcome.stood)
            m_keeper.MidnightPassed();
        m_events.RunChecks(outcome.stood);
    }
    m_keeper.KeepIfDue();
}

void TForm1::NewGame()
{
    if (!ui().confirm(QStringLiteral("Вы точно хотите начать новую игру?")))
        return;
    ClockPause pause(m_clock);
    ResetForNewGame(m_state);
    m_windows.lifeLog().Clear();
    m_keeper.GameReplaced();
}

void TForm1::lookAroundButtonClick()
{
    ClockPause pause(m_clock);
    const QString location = m_state.text(Field::Location);
    if (location == LocationAsleep)
        ui().showModal(m_windows.form2());
    if (location == LocationAtSchool)
        ui().showModal(m_windows.form6());
    if (location == LocationOutside)
        ui().showModal(m_windows.form5());
}

void TForm1::diaryButtonClick()
{
    // The diary does not hold the clock: time runs on while the player reads it.
    m_windows.form4().SetCurrentQuarter(m_state.text(Field::Quarter));
    ui().showModal(m_windows.form4());
}

void TForm1::BitBtn3Click() { SaveGameCommand(m_windows); }

void TForm1::BitBtn4Click() { LoadGameCommand(m_windows); }

void TForm1::helpButtonClick()
{
    ClockPause pause(m_clock);
    ui().showModal(m_windows.form46());
}

void TForm1::aboutButtonClick()
{
    ClockPause pause(m_clock);
    ui().showModal(m_windows.aboutBox());
}

void TForm1::exitButtonClick() { close(); }

void TForm1::personalGroupDoubleClick()
{
    // Only the code entry shows until the code has been given again.
    m_windows.form21().HideEditor();
    ClockPause pause(m_clock);
    ui().showModal(m_windows.form21());
}

void TForm1::setTracks(const Playlist& playlist)
{
    const QSignalBlocker block(TrackTitles);
    TrackTitles->clear();
    TrackTitles->addItem(QString::fromUtf8(NoMusic));
    TrackTitles->addItems(playlist.titles);
    TrackPaths = QStringList { QString::fromUtf8(NoMusic) } + playlist.paths;
    TrackTitles->setCurrentIndex(TrackPaths.size() > 1 ? 1 : 0);
}

void TForm1::LoadDefaultPlaylist()
{
    setTracks(ReadPlaylist(GameContent::Playlist.path(), false));
    if (TrackPaths.size() < 2)
        return;
    // The first track goes to the media player whatever its type.
    MediaPlayer1.SetFileName(TrackPaths[1]);
    MediaPlayer1.Open();
    MediaPlayer1.Play();
    MusicWatchTick->start();
}

void TForm1::TrackTitlesChange()
{
    // A choice made while a compressed track stops is made after this one.
    m_trackChanges.Make([this] { changeTrack(); });
}

void TForm1::changeTrack()
{
    const int item = TrackTitles->currentIndex();
    if (item < 0 || item >= TrackPaths.size())
        return;
    TForm34& compressed = m_windows.form34();
    if (item == 0) {
        compressed.StopTrack();
        MediaPlayer1.Stop();
        MusicWatchTick->stop();
        return;
    }
    const QString path = TrackPaths[item];
    MediaPlayer1.SetFileName(path);
    if (PlayerForTrack(path) == TrackPlayer::Media) {
        compressed.StopTrack();
        if (m_trackChanges.Superseded())
            return;
        compressed.HandOverMusic();
        MediaPlayer1.Open();
        MediaPlayer1.Play();
    } else {
        // Rewound, the media player no longer looks as if its last track had just ended.
        MediaPlayer1.Stop();
        MediaPlayer1.Rewind();
        compressed.StopTrack();
        if (m_trackChanges.Superseded())
            return;
        compressed.StartTrack(path);
    }
    MusicWatchTick->start();
}

void TForm1::playlistButtonClick()
{
    TForm34& compressed = m_windows.form34();
    compressed.SetWatching(false);
    // Whatever happens below, the compressed player watches its tracks again afterwards.
    struct WatchAgain {
        TForm34& window;
        ~WatchAgain() { window.SetWatching(true); }
    } watchAgain { compressed };

    QString path;
    {
        ClockPause pause(m_clock);
        const QString workingDir = QDir::currentPath();
        FileDialogOptions options;
        options.title = QStringLiteral("Загрузка плейлиста");
        options.defaultSuffix = QStringLiteral("grpl");
        options.initialDir = workingDir;
        options.filters = QStringList { QStringLiteral("Плейлист (grpl; m3u) (*.grpl *.m3u)"),
            QStringLiteral("Плейлист игры (*.grpl)"), QStringLiteral("Плейлист M3U (*.m3u)"),
            QStringLiteral("Все файлы (*.*)") };
        path = ui().openFileName(options);
        QDir::setCurrent(workingDir);
        if (!path.isEmpty())
            path = QDir(workingDir).absoluteFilePath(path);
    }
    if (path.isEmpty())
        return;
    MusicWatchTick->stop();
    MediaPlayer1.Stop();
    compressed.StopTrack();
    setTracks(ReadPlaylist(path, true));
    if (TrackPaths.size() > 1)
        TrackTitlesChange();
}

void TForm1::MusicWatchTickTimer()
{
    // The watch stays on after moving on, so the music goes through the whole playlist and round again.
    if (MusicWatchMovesOn(m_windows.form34().Music(),
            [this] { return MediaPlayer1.IsOpen() && MediaPlayer1.Position() == MediaPlayer1.Length(); }))
        AdvanceTrack();
}

void TForm1::AdvanceTrack()
{
    const int last = TrackTitles->count() - 1;
    if (last < 1)
        return;
    {
        const QSignalBlocker block(TrackTitles);
        TrackTitles->setCurrentIndex(NextTrack(TrackTitles->currentIndex(), last));
    }
    TrackTitlesChange();
}

void TForm1::StartCreditsMusic()
{
    MusicWatchTick->stop();
    {
        const QSignalBlocker block(TrackTitles);
        TrackTitles->setCurrentIndex(0);
    }
    MediaPlayer1.SetFileName(GameContent::CreditsMusic.path());
    MediaPlayer1.Open();
    MediaPlayer1.Play();
}

void TForm1::EndCreditsMusic()
{
    MediaPlayer1.Stop();
    MusicWatchTick->start();
}

void TForm1::SetMusicWatch(bool on)
{
    if (on)
        MusicWatchTick->start();
    else
        MusicWatchTick->stop();
}
