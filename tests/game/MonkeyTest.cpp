// A seeded monkey plays the school year through the real windows, from a new game to the credits: it presses their
// buttons or Escape, types hostile text into their boxes, picks from their lists, saves and loads through the file
// dialogs, switches the speed and lets the clock run. A seed fails on an exception that reaches the event loop, a
// window it cannot leave, a saved game that does not load and save again to the same bytes, or a heap that keeps
// growing from month to month; a crash or a sanitizer report ends the program.
//
// TRAMBUL_MONKEY_SEEDS (how many, default 2), TRAMBUL_MONKEY_FIRST_SEED (default 1) and TRAMBUL_MONKEY_TICKS (ticks
// a seed may play, default 60000: a year is about 38000, and loading an older save sets the clock back) choose the
// run; tools/monkey.sh sets them. TRAMBUL_MONKEY_VERBOSE prints where each seed ended.
#include "TestHelpers.h"
#include "core/Application.h"
#include "core/Errors.h"
#include "core/GameClock.h"
#include "core/GameState.h"
#include "core/Guarded.h"
#include "core/Random.h"
#include "core/TextFile.h"
#include "core/Ui.h"
#include "game/Forms.h"
#include "game/Unit1.h"
#include "records/CheatEntries.h"
#include "records/LifeLog.h"
#include "records/SaveFile.h"
#include "street/ClickPicture.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QTimer>
#include <QTimerEvent>
#include <algorithm>
#include <iostream>
#include <malloc.h>
#include <map>
#include <random>
#include <utility>

#if defined(__SANITIZE_ADDRESS__)
#define MONKEY_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define MONKEY_ASAN 1
#endif
#endif
#ifdef MONKEY_ASAN
// From AddressSanitizer's allocator interface, whose header not every compiler ships.
extern "C" size_t __sanitizer_get_current_allocated_bytes();
#endif

namespace {

// Bytes the program holds on the heap now.
qint64 HeapBytes()
{
#ifdef MONKEY_ASAN
    return qint64(__sanitizer_get_current_allocated_bytes());
#else
    return qint64(mallinfo2().uordblks);
#endif
}

int EnvNumber(const char* name, int fallback)
{
    bool ok = false;
    const int value = qEnvironmentVariableIntValue(name, &ok);
    return ok ? value : fallback;
}

// What the monkeys saw, over all seeds.
struct Figures {
    int seeds = 0;
    int years = 0;
    qint64 ticks = 0;
    int windows = 0;
    int events = 0;
    int errorBoxes = 0;
    int savesChecked = 0;
    int loads = 0;
    int deaths = 0;
    int quits = 0;
    std::map<QString, int> byWindow;
    QStringList faults;
};

// The game's draws from a seeded engine, so a seed plays the same game again.
class SeededRandom : public RandomSource {
public:
    explicit SeededRandom(unsigned seed)
        : m_engine(seed)
    {
        m_previous = InstallRandomSource(this);
    }
    ~SeededRandom() override { InstallRandomSource(m_previous); }
    int next(int n) override { return n < 1 ? 0 : std::uniform_int_distribution<int>(0, n - 1)(m_engine); }
    void seed() override { }

private:
    std::mt19937 m_engine;
    RandomSource* m_previous = nullptr;
};

// Deeper than this, windows are taken to open one another without end.
constexpr int MaxNesting = 25;
// A window still open after this many presses of its own buttons, Escape and the rest cannot be left.
constexpr int MaxPresses = 400;
// A month's heap may be this many times the first full month's, plus the slack, before it counts as growing.
constexpr qint64 HeapGrowthFactor = 3;
constexpr qint64 HeapSlack = 64 << 20;
// How long the game goes on after the program is started again.
constexpr qint64 RestartTicks = 2000;

class Monkey : public Ui {
public:
    Monkey(unsigned seed, qint64 tickLimit, Figures& figures)
        : m_seed(seed)
        , m_tickLimit(tickLimit)
        , m_engine(seed * 2654435761u + 1u)
        , m_random(seed)
        , m_figures(figures)
    {
        m_previousUi = InstallUi(this);
    }
    ~Monkey() override { InstallUi(m_previousUi); }

    void play();

    bool confirm(const QString&) override { return chance(70); }
    QString openFileName(const FileDialogOptions& options) override;
    QString saveFileName(const FileDialogOptions& options) override;
    void errorBox(const QString&) override { ++m_figures.errorBoxes; }
    void sleep(int) override { }

protected:
    void showMessage(const QString&) override { ++m_figures.events; }
    void showNotice(const QString&, std::function<void()> afterClosed) override
    {
        ++m_figures.events;
        if (afterClosed)
            afterClosed();
    }
    ModalResult runModal(QDialog& dialog) override;

private:
    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(m_engine); }
    bool chance(int percent) { return pick(100) < percent; }
    void fault(const QString& what)
    {
        m_figures.faults.append(QStringLiteral("seed %1, tick %2: %3").arg(m_seed).arg(m_ticks).arg(what));
    }
    QString hostileText();
    void act(QWidget& window);
    void type(QWidget& edit);
    void session(qint64 tickLimit);
    void mainAction();
    void press(const char* buttonName);
    void tick(int count);
    void keepAlive();
    void checkSave();
    void watchHeap();
    QString junkFile();

    const unsigned m_seed;
    const qint64 m_tickLimit;
    std::mt19937 m_engine;
    SeededRandom m_random;
    Figures& m_figures;
    Ui* m_previousUi = nullptr;

    QString m_dir;
    Forms* m_forms = nullptr;
    qint64 m_ticks = 0;
    int m_nesting = 0;
    bool m_creditsSeen = false;
    bool m_windowStuck = false;
    QString m_pendingSave;
    QStringList m_saved;
    QString m_latestSave;
    int m_junk = 0;
    QString m_month;
    int m_months = 0;
    qint64 m_heapBaseline = 0;
    qint64 m_heapMost = 0;
    bool m_heapFaulted = false;
};

QString Monkey::hostileText()
{
    static const char* const texts[] = { "", "0", "1", "-1", "5", "42", "100", "-999999999999", "99999999999999999999",
        "2147483648", "999999999", "1000000000", "1e9", "0x10", " 7 ", "12abc", "abc", "Вася", "Алгебра", "ё", " ",
        "\t", "\n", "1\n2", "%1 %2", "😀👾", "Петя😀", "\"';--", "\\\\..\\..\\", "Data\\Save", "3.5", "3,5", "+5" };
    // Every fifth seed knows the cheat code, whose editor writes anything into any value (the date too, so those
    // seeds seldom see the last bell).
    if (m_seed % 5 == 0 && pick(20) == 0)
        return CheatCode;
    switch (pick(4)) {
    case 0:
        return QString::number(pick(200) - 20);
    case 1: {
        QString digits;
        for (int i = 0, n = 1 + pick(25); i < n; ++i)
            digits += QChar(u'0' + pick(10));
        return chance(30) ? QLatin1Char('-') + digits : digits;
    }
    case 2: {
        if (chance(10))
            return QString(5000 + pick(5000), QChar(u'ж'));
        QString any;
        for (int i = 0, n = pick(30); i < n; ++i) {
            const int code = 1 + pick(0xD7FF);
            any += QChar(char16_t(code));
        }
        return any;
    }
    default:
        return QString::fromUtf8(texts[pick(int(std::size(texts)))]);
    }
}

void Monkey::type(QWidget& edit)
{
    const QString text = hostileText();
    edit.setFocus();
    if (auto* line = qobject_cast<QLineEdit*>(&edit)) {
        line->selectAll();
        const bool plain = text.size() < 40 && std::none_of(text.begin(), text.end(), [](QChar c) {
            return c.unicode() < 0x20 || c.unicode() > 0x7e; // QTest types only ASCII key by key
        });
        if (plain && chance(50))
            QTest::keyClicks(line, text);
        else
            line->insert(text);
        if (chance(30))
            QTest::keyClick(line, Qt::Key_Return);
    } else if (auto* plainText = qobject_cast<QPlainTextEdit*>(&edit)) {
        if (chance(50))
            plainText->setPlainText(text);
        else
            plainText->insertPlainText(text);
    } else if (auto* rich = qobject_cast<QTextEdit*>(&edit)) {
        rich->setPlainText(text);
    }
}

void Monkey::act(QWidget& window)
{
    auto usable = [](QWidget* widget) { return widget->isVisible() && widget->isEnabled(); };
    std::vector<QWidget*> buttons, edits, choices, pictures;
    for (QAbstractButton* button : window.findChildren<QAbstractButton*>())
        if (usable(button))
            buttons.push_back(button);
    for (QLineEdit* edit : window.findChildren<QLineEdit*>())
        if (usable(edit) && !edit->isReadOnly())
            edits.push_back(edit);
    for (QPlainTextEdit* edit : window.findChildren<QPlainTextEdit*>())
        if (usable(edit) && !edit->isReadOnly())
            edits.push_back(edit);
    for (QTextEdit* edit : window.findChildren<QTextEdit*>())
        if (usable(edit) && !edit->isReadOnly())
            edits.push_back(edit);
    for (QWidget* choice : window.findChildren<QWidget*>())
        if (usable(choice)
            && (qobject_cast<QComboBox*>(choice) || qobject_cast<QListWidget*>(choice)
                || qobject_cast<QTabWidget*>(choice)))
            choices.push_back(choice);
    for (ClickPicture* picture : window.findChildren<ClickPicture*>())
        if (usable(picture))
            pictures.push_back(picture);
    std::vector<QTimer*> timers;
    for (QTimer* timer : window.findChildren<QTimer*>())
        if (timer->isActive())
            timers.push_back(timer);
    auto any = [this](const std::vector<QWidget*>& list) { return list[pick(int(list.size()))]; };

    // The real-time windows (the games, the credits) move on with their timers: a moment passes for every one.
    if (!timers.empty() && chance(40)) {
        for (QTimer* timer : timers) {
            QTimerEvent beat(timer->timerId());
            QCoreApplication::sendEvent(timer, &beat);
        }
        return;
    }

    const int roll = pick(100);
    if (roll < 15 && !edits.empty()) {
        type(*any(edits));
    } else if (roll < 22 && !choices.empty()) {
        QWidget* choice = any(choices);
        if (auto* combo = qobject_cast<QComboBox*>(choice); combo && combo->count() > 0) {
            combo->setCurrentIndex(pick(combo->count()));
            emit combo->activated(combo->currentIndex());
        } else if (auto* list = qobject_cast<QListWidget*>(choice); list && list->count() > 0) {
            list->setCurrentRow(pick(list->count()));
        } else if (auto* tabs = qobject_cast<QTabWidget*>(choice); tabs && tabs->count() > 0) {
            tabs->setCurrentIndex(pick(tabs->count()));
        }
    } else if (roll < 32 && !pictures.empty()) {
        QWidget* picture = any(pictures);
        QTest::mouseClick(picture, Qt::LeftButton, {},
            QPoint(pick(std::max(1, picture->width())), pick(std::max(1, picture->height()))));
    } else if (roll < 38) {
        QTest::keyClick(&window, Qt::Key_Escape);
    } else if (roll < 40) {
        QTest::keyClick(window.focusWidget() ? window.focusWidget() : &window, Qt::Key_Return);
    } else if (roll < 43 && m_forms->clock().isRunning()) {
        tick(1 + pick(30)); // the windows that leave the clock running
    } else if (!buttons.empty()) {
        QTest::mouseClick(static_cast<QAbstractButton*>(any(buttons)), Qt::LeftButton);
    } else {
        QTest::keyClick(&window, Qt::Key_Escape);
    }
}

ModalResult Monkey::runModal(QDialog& dialog)
{
    const QString name = QString::fromLatin1(dialog.metaObject()->className());
    ++m_figures.windows;
    ++m_figures.byWindow[name];
    if (name == QLatin1String("TForm38"))
        m_creditsSeen = true;
    if (name == QLatin1String("TForm32"))
        ++m_figures.deaths;
    if (m_nesting >= MaxNesting) {
        fault(QStringLiteral("windows open inside one another without end (%1)").arg(name));
        m_windowStuck = true;
        return ModalResult::None;
    }
    ++m_nesting;
    dialog.setResult(0);
    dialog.show();
    for (int presses = 0; presses < MaxPresses && dialog.isVisible() && !m_windowStuck; ++presses)
        act(dialog);
    if (dialog.isVisible() && !m_windowStuck) {
        fault(QStringLiteral("%1 «%2» still open after %3 presses").arg(name, dialog.windowTitle()).arg(MaxPresses));
        m_windowStuck = true;
    }
    if (dialog.isVisible())
        dialog.hide();
    --m_nesting;
    return ModalResult(dialog.result());
}

QString Monkey::junkFile()
{
    const QString path = m_dir + QStringLiteral("/junk/%1.sav").arg(m_junk++);
    QByteArray bytes;
    switch (pick(3)) {
    case 0: // random bytes
        for (int i = 0, n = pick(4000); i < n; ++i)
            bytes += char(pick(256));
        break;
    case 1: // a saved game with one line spoilt, or cut short
        if (!m_saved.isEmpty()) {
            QList<QByteArray> lines = ReadBytes(m_saved[pick(int(m_saved.size()))]).split('\n');
            if (chance(30))
                lines = lines.mid(0, pick(int(lines.size()) + 1));
            else if (!lines.isEmpty())
                lines[pick(int(lines.size()))] = hostileText().toUtf8() + '\r';
            bytes = lines.join('\n');
            break;
        }
        [[fallthrough]];
    default: // lines of hostile text
        for (int i = 0, n = pick(120); i < n; ++i)
            bytes += hostileText().toUtf8() + "\r\n";
    }
    WriteBytes(path, bytes);
    return path;
}

QString Monkey::openFileName(const FileDialogOptions&)
{
    ++m_figures.loads;
    const int roll = pick(100);
    if (roll < 10)
        return {};
    if (roll < 45 && !m_latestSave.isEmpty())
        return m_latestSave;
    if (roll < 60 && !m_saved.isEmpty())
        return m_saved[pick(int(m_saved.size()))];
    if (roll < 85)
        return junkFile();
    if (roll < 92)
        return m_dir + QStringLiteral("/нет такого файла.sav");
    return m_dir + QStringLiteral("/Save");
}

QString Monkey::saveFileName(const FileDialogOptions&)
{
    const int roll = pick(100);
    if (roll < 10)
        return {};
    if (roll < 15)
        return m_dir + QStringLiteral("/Save"); // a folder
    if (roll < 20)
        return m_dir + QStringLiteral("/нет такой папки/игра.sav");
    const QString path = m_dir
        + QStringLiteral("/saves/%1%2.sav")
              .arg(chance(20) ? QStringLiteral("игра 😀 ") : QStringLiteral("game"))
              .arg(pick(6));
    QFile::remove(path);
    m_pendingSave = path;
    return path;
}

// A saved game loads again: the check finds nothing wrong, and a game made from it saves the same bytes.
void Monkey::checkSave()
{
    const QString path = std::exchange(m_pendingSave, QString());
    if (path.isEmpty() || !QFileInfo(path).isFile())
        return;
    ++m_figures.savesChecked;
    try {
        const QStringList lines = ReadLines1251(path, AnyLineLength);
        const QString problem = CheckSavedGameLines(lines);
        if (!problem.isEmpty()) {
            fault(QStringLiteral("a saved game does not load: %1").arg(problem));
            return;
        }
        TGameState reloaded;
        ApplySavedGameLines(reloaded, lines);
        const QString again = m_dir + QStringLiteral("/again.sav");
        WriteLines1251(again, SavedGameLines(reloaded));
        if (ReadBytes(again) != ReadBytes(path))
            fault(QStringLiteral("a reloaded game saves other bytes"));
        else {
            m_latestSave = path;
            if (!m_saved.contains(path))
                m_saved.append(path);
        }
    } catch (const EGameError& error) {
        fault(QStringLiteral("a saved game cannot be read back: %1").arg(error.message()));
    }
}

void Monkey::watchHeap()
{
    const QString month = m_forms->state().text(Field::Month);
    if (month == m_month)
        return;
    m_month = month;
    ++m_months;
    const qint64 bytes = HeapBytes();
    m_heapMost = std::max(m_heapMost, bytes);
    if (qEnvironmentVariableIntValue("TRAMBUL_MONKEY_VERBOSE") > 1)
        std::cout << "seed " << m_seed << ", month " << month.toStdString() << ": heap " << bytes / 1024 << " KB\n";
    if (m_months == 3)
        m_heapBaseline = bytes;
    // The journal of the year must stay a file the game reads back.
    if (LifeLogBytes(m_forms->lifeLog()).size() > MaxTextFileSize)
        fault(QStringLiteral("the life log has grown past the largest file the game reads"));
    if (m_months > 3 && !m_heapFaulted && bytes > m_heapBaseline * HeapGrowthFactor + HeapSlack) {
        fault(QStringLiteral("the heap grew from %1 to %2 bytes").arg(m_heapBaseline).arg(bytes));
        m_heapFaulted = true;
    }
}

void Monkey::tick(int count)
{
    TForm1& main = m_forms->form1();
    for (int i = 0; i < count && !m_creditsSeen && !m_windowStuck && main.isVisible(); ++i) {
        // As the clock's own connection calls it.
        keepAlive();
        RunGuarded([&main] { main.GameClockTick(); });
        ++m_ticks;
        if (m_nesting == 0)
            watchHeap();
    }
}

// A careful player eats and sleeps: every tenth seed plays without that care, and may die. Values the cheat editor made
// no number stay as they are.
void Monkey::keepAlive()
{
    if (m_seed % 10 == 0)
        return;
    TGameState& state = m_forms->state();
    auto care = [&state](Field field, NumberField number) {
        bool ok = false;
        const int value = state.text(field).toInt(&ok);
        if (ok && value < 40)
            state.setNumber(number, 90);
    };
    care(Field::Satiety, Field::Satiety);
    care(Field::Mood, Field::Mood);
    care(Field::Vigor, Field::Vigor);
}

void Monkey::press(const char* buttonName)
{
    if (auto* button = m_forms->form1().findChild<QAbstractButton*>(QString::fromLatin1(buttonName)))
        QTest::mouseClick(button, Qt::LeftButton);
    else
        fault(QStringLiteral("the main window has no %1").arg(QString::fromLatin1(buttonName)));
}

void Monkey::mainAction()
{
    static const char* const speeds[] = { "speed1Button", "speed2Button", "speed3Button" };
    const int roll = pick(1000);
    if (roll < 550)
        tick(1 + pick(400));
    else if (roll < 720)
        press("lookAroundButton");
    else if (roll < 770)
        press("diaryButton");
    else if (roll < 800)
        press("BitBtn3");
    else if (roll < 815)
        press("BitBtn4");
    else if (roll < 900)
        press(speeds[pick(3)]);
    else if (roll < 920)
        press("helpButton");
    else if (roll < 940)
        press("aboutButton");
    else if (roll < 955)
        RunGuarded([this] { m_forms->form1().personalGroupDoubleClick(); });
    else if (roll < 965)
        press("playlistButton");
    else if (roll < 967)
        press("newGameButton");
    else
        tick(1 + pick(100));
}

// One run of the program, from its start-up until the credits, the tick limit or the player's leaving.
void Monkey::session(qint64 tickLimit)
{
    Forms forms;
    m_forms = &forms;
    TForm1& main = forms.form1();
    main.show();
    if (!QTest::qWaitFor([&main] { return main.StartupDone(); }, PatientWait))
        fault(QStringLiteral("the start-up never ran"));
    while (!m_creditsSeen && !m_windowStuck && m_ticks < tickLimit && main.isVisible()) {
        if (!forms.clock().isRunning()) {
            fault(QStringLiteral("the clock stays held with no window open"));
            break;
        }
        mainAction();
        checkSave();
    }
    if (m_creditsSeen)
        ++m_figures.years;
    if (!main.isVisible())
        ++m_figures.quits;
    if (qEnvironmentVariableIsSet("TRAMBUL_MONKEY_VERBOSE")) {
        std::cout << "seed " << m_seed << ": " << m_ticks << " ticks, ended on "
                  << forms.state().text(Field::Day).toStdString() << '.'
                  << forms.state().text(Field::Month).toStdString() << '.'
                  << forms.state().text(Field::Year).toStdString() << (m_creditsSeen ? ", credits" : "") << ", heap "
                  << m_heapBaseline / 1024 << " KB in the third month, at most " << m_heapMost / 1024 << " KB\n";
    }
    main.close(); // as the player leaves the game, which keeps it for the next start
    forms.form1().keeper().KeepOnWayOut();
    m_forms = nullptr;
}

void Monkey::play()
{
    QTemporaryDir folder;
    m_dir = folder.path();
    const QString previousDir = QDir::currentPath();
    QFile::link(QStringLiteral(TRAMBUL_SOURCE_DIR "/Data"), m_dir + QStringLiteral("/Data"));
    QDir(m_dir).mkpath(QStringLiteral("saves"));
    QDir(m_dir).mkpath(QStringLiteral("junk"));
    QDir(m_dir).mkpath(QStringLiteral("Save"));
    QDir::setCurrent(m_dir);
    const int caughtBefore = static_cast<TApplication*>(qApp)->exceptionsCaught();
    session(m_tickLimit);
    // The program started again in the same folder: the name window offers the game kept when the last one ended.
    if (!m_windowStuck) {
        m_creditsSeen = false;
        session(m_ticks + RestartTicks);
    }
    m_figures.ticks += m_ticks;
    const int caught = static_cast<TApplication*>(qApp)->exceptionsCaught() - caughtBefore;
    if (caught > 0)
        fault(QStringLiteral("%1 exception(s) reached the event loop").arg(caught));
    QDir::setCurrent(previousDir);
    ++m_figures.seeds;
}

void Report(const Figures& figures)
{
    std::cout << "monkey: seeds=" << figures.seeds << " years=" << figures.years << " ticks=" << figures.ticks
              << " windows=" << figures.windows << " kinds=" << figures.byWindow.size()
              << " messages=" << figures.events << " errorboxes=" << figures.errorBoxes << " deaths=" << figures.deaths
              << " quits=" << figures.quits << " saves=" << figures.savesChecked << " loads=" << figures.loads
              << " faults=" << figures.faults.size() << '\n';
    std::cout << "windows:";
    for (const auto& [name, count] : figures.byWindow)
        std::cout << ' ' << name.toStdString() << '=' << count;
    std::cout << '\n';
    for (const QString& fault : figures.faults)
        std::cout << "fault: " << fault.toStdString() << '\n';
    std::cout.flush();
}

void RunSeeds(const std::vector<unsigned>& seeds, qint64 tickLimit)
{
    Figures figures;
    for (unsigned seed : seeds)
        Monkey(seed, tickLimit, figures).play();
    Report(figures);
    EXPECT_TRUE(figures.faults.isEmpty()) << figures.faults.join(QLatin1Char('\n')).toStdString();
}

} // namespace

TEST(Monkey, PlaysTheSchoolYearThroughTheRealWindows)
{
    const int first = EnvNumber("TRAMBUL_MONKEY_FIRST_SEED", 1);
    std::vector<unsigned> seeds;
    for (int i = 0, n = EnvNumber("TRAMBUL_MONKEY_SEEDS", 2); i < n; ++i)
        seeds.push_back(unsigned(first + i));
    RunSeeds(seeds, EnvNumber("TRAMBUL_MONKEY_TICKS", 60000));
}
