// The gallery: opens every window of the game in the states the player meets and saves a picture of each.
// Usage: trambul_gallery <working directory> <output folder>; the working directory holds Data (a link to the
// content) and receives what the game writes; the screen and its scale come from the platform (tools/gallery.sh).
// Writes <output folder>/<name>.png and a line per picture to <output folder>/shots.tsv (file, window, caption, state).
#include "core/Application.h"
#include "core/DailyEvents.h"
#include "core/DataPath.h"
#include "core/GameClock.h"
#include "core/GameState.h"
#include "core/Look.h"
#include "core/Random.h"
#include "core/Ui.h"
#include "core/Unit2.h"
#include "core/Unit3.h"
#include "game/Forms.h"
#include "game/Unit1.h"
#include "records/CheatEntries.h"
#include "records/LifeLog.h"
#include "records/MyYear.h"
#include "records/Unit21.h"
#include "records/Unit38.h"
#include "records/Unit4.h"
#include "records/Unit45.h"
#include "records/YearChartModule.h"
#include "street/GirlRules.h"
#include "street/StreetContent.h"
#include "street/Unit19.h"
#include "street/Unit20.h"
#include "street/Unit25.h"
#include "street/Unit27.h"
#include "street/Unit33.h"
#include "street/Unit36.h"
#include "street/Unit39.h"
#include "town/Unit24.h"

#include "core/Unit32.h"
#include "core/Unit34.h"
#include "core/Unit43.h"
#include "core/Unit46.h"
#include "records/Unit35.h"
#include "records/Unit44.h"
#include "street/Unit22.h"
#include "street/Unit23.h"
#include "street/Unit26.h"
#include "street/Unit28.h"
#include "street/Unit29.h"
#include "street/Unit30.h"
#include "street/Unit31.h"
#include "street/Unit37.h"
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
#include "town/Unit5.h"
#include "town/Unit6.h"
#include "town/Unit7.h"
#include "town/Unit8.h"
#include "town/Unit9.h"

#include "core/TextFile.h"
#include "records/Unit35.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTextStream>
#include <QTimer>
#include <cmath>
#include <cstdio>
#include <deque>
#include <functional>
#include <map>
#include <random>
#include <set>

namespace {
QString g_out;
std::set<QString> g_shot; // windows with at least one picture
int g_count = 0;

// Lets what was just done reach the screen: posted events, and the main window's panel, which shows the changes of
// a busy moment at the end of its frame (a twenty-fifth of a second).
void Settle() { QTest::qWait(50); }

void Shot(QWidget& window, const QString& state)
{
    Settle();
    const QString className = QString::fromLatin1(window.metaObject()->className());
    const QString file = QStringLiteral("%1-%2.png").arg(++g_count, 3, 10, QLatin1Char('0')).arg(className);
    window.grab().save(g_out + QLatin1Char('/') + file);
    QFile list(g_out + QStringLiteral("/shots.tsv"));
    if (list.open(QIODevice::Append | QIODevice::Text)) {
        QTextStream(&list) << file << '\t' << className << '\t' << window.windowTitle() << '\t' << state << '\n';
    }
    g_shot.insert(className);
}

// Answers every question of the game without a player: a picture of each window it shows, the script's handler
// when one is queued.
class GalleryUi : public Ui {
public:
    std::deque<std::function<void(QDialog&)>> modals;
    std::deque<bool> confirms;
    QString context = QStringLiteral("as it opens");

    bool confirm(const QString& text) override
    {
        showMessage(text);
        if (confirms.empty())
            return false;
        const bool answer = confirms.front();
        confirms.pop_front();
        return answer;
    }
    QString openFileName(const FileDialogOptions&) override { return {}; }
    QString saveFileName(const FileDialogOptions&) override { return {}; }
    void errorBox(const QString& text) override { std::fprintf(stderr, "error: %s\n", qPrintable(text)); }
    void sleep(int) override { }

protected:
    void showMessage(const QString& text) override { std::fprintf(stderr, "message: %s\n", qPrintable(text)); }
    void showNotice(const QString& text, std::function<void()> afterClosed) override
    {
        showMessage(text);
        if (afterClosed)
            afterClosed();
    }
    ModalResult runModal(QDialog& dialog) override
    {
        dialog.setResult(0);
        dialog.show();
        Settle();
        if (!modals.empty()) {
            auto handler = std::move(modals.front());
            modals.pop_front();
            handler(dialog);
        } else {
            Shot(dialog, context);
            dialog.done(int(ModalResult::Ok));
        }
        if (dialog.isVisible())
            dialog.hide();
        return ModalResult(dialog.result());
    }
};

// The draws are given by the scene; every other draw is 0, or, while `lively` is set, a draw of a fixed sequence (the
// zombies come closer at their own pace, the street fills and empties).
class GalleryRandom : public RandomSource {
public:
    std::deque<int> draws;
    bool lively = false;
    int next(int n) override
    {
        if (draws.empty())
            return lively ? int(m_sequence() % unsigned(n)) : 0;
        const int value = draws.front();
        draws.pop_front();
        return std::clamp(value, 0, n - 1);
    }
    void seed() override { }

private:
    std::mt19937 m_sequence { 2005 };
};

GalleryUi g_ui;
GalleryRandom g_random;

QPushButton* Button(QWidget& window, const QString& caption)
{
    for (QPushButton* button : window.findChildren<QPushButton*>()) {
        if (button->text() == caption && button->isVisible())
            return button;
    }
    return nullptr;
}

bool Press(QWidget& window, const QString& caption)
{
    QPushButton* button = Button(window, caption);
    if (button)
        button->click();
    else
        std::fprintf(stderr, "no button %s in %s\n", qPrintable(caption), qPrintable(window.windowTitle()));
    return button != nullptr;
}

void Wait(int milliseconds) { QTest::qWait(milliseconds); }

// Lets a window's timer go off once, as if its time had come.
void Fire(QWidget& window, const char* timer)
{
    if (auto* found = window.findChild<QTimer*>(QString::fromLatin1(timer)))
        QMetaObject::invokeMethod(found, "timeout", Qt::DirectConnection);
    else
        std::fprintf(stderr, "no timer %s in %s\n", timer, qPrintable(window.windowTitle()));
}

void ShowAndShoot(QWidget& window, const QString& state)
{
    window.show();
    Shot(window, state);
    window.hide();
}

void Scene(const char* name, const std::function<void()>& scene)
{
    std::fprintf(stderr, "scene: %s\n", name);
    try {
        scene();
    } catch (const std::exception& error) {
        std::fprintf(stderr, "scene %s failed: %s\n", name, error.what());
    }
}

void YearOfGrades(TGameState& state, const char* finalGrade)
{
    DiaryGrades diary = state.diary();
    const char* grades[] = { "5", "4", "5", "3", "4", "5" };
    for (int subject = 0; subject < SubjectCount; ++subject) {
        for (int column = 0; column < FinalGrade; ++column)
            diary.setCell(subject, column, QString::fromLatin1(grades[(subject + column) % 6]));
        diary.setCell(subject, FinalGrade, QString::fromLatin1(finalGrade));
    }
    state.setDiary(diary);
}

// How much each answer of a girl's script pleases her, by its caption (an answer line, her reaction, the score).
std::map<QString, int> AnswerScores(int girl)
{
    std::map<QString, int> scores;
    const QStringList lines = ReadLines1251(DataPath(StreetContent::GirlTalk.path(girl)));
    bool number = false;
    for (int i = 0; i + 2 < lines.size(); ++i) {
        lines[i].toInt(&number);
        const bool captionIsText = !number;
        lines[i + 1].toInt(&number);
        const bool reactionIsText = !number;
        const int score = lines[i + 2].trimmed().toInt(&number);
        if (captionIsText && reactionIsText && number)
            scores[lines[i]] = score;
    }
    return scores;
}

// A talk with the first girl played with her favourite answers (to win) or the ones she likes least (to lose): its
// beginning, the talk under way, and its end as the player sees it, under the window that ends it.
void PlayTalk(Forms& forms, bool toWin)
{
    TForm20& talk = forms.form20();
    const std::map<QString, int> scores = AnswerScores(0);
    if (!talk.Start(0, GirlNameWith(0)))
        return;
    talk.show();
    if (toWin)
        Shot(talk, QStringLiteral("a talk begins"));
    g_ui.modals.push_back([&talk, toWin](QDialog& end) {
        Shot(talk, toWin ? QStringLiteral("a talk won, at its end") : QStringLiteral("a talk lost, at its end"));
        Shot(end, toWin ? QStringLiteral("a talk won") : QStringLiteral("a talk lost"));
        end.done(int(ModalResult::Ok));
    });
    for (int step = 0; step < 60 && talk.isVisible(); ++step) {
        QPushButton* pick = nullptr;
        int pickScore = 0;
        for (QPushButton* button : talk.findChildren<QPushButton*>()) {
            const auto score = scores.find(button->text());
            if (!button->isVisible() || score == scores.end())
                continue;
            if (!pick || (toWin ? score->second > pickScore : score->second < pickScore)) {
                pick = button;
                pickScore = score->second;
            }
        }
        if (!pick)
            break;
        pick->click();
        if (toWin && step == 1 && talk.isVisible())
            Shot(talk, QStringLiteral("a talk under way"));
    }
    g_ui.modals.clear();
    talk.hide();
}

// A school year of days in the life log, each recorded as the clock records it at midnight: the money of a job and
// of the piggy bank, satiety, mood and vigor going up and down, the training from November, a phone from December.
void LiveAYear(Forms& forms)
{
    TGameState& state = forms.state();
    std::mt19937 sequence(1);
    const auto wander = [&sequence](int value, int step, int low, int high) {
        return std::clamp(value + int(sequence() % unsigned(2 * step + 1)) - step, low, high);
    };
    int year = 2005, month = 9, day = 2; // the calendar at the midnight that ends 1 September
    int money = 80, piggy = 0, satiety = 90, mood = 90, vigor = 90, skill = 0, authority = 0, credit = 0;
    for (int n = 0; n < 265; ++n) {
        const bool working = month >= 10 || month <= 4;
        const bool training = month >= 11 || month <= 3;
        const bool phone = month == 12 || month <= 5;
        money = wander(money + (working ? 30 : 0) - 25, 20, 0, 5000);
        if (n % 7 == 6 && money > 200) {
            piggy += 100;
            money -= 100;
        }
        satiety = wander(satiety, 8, 15, 100);
        mood = wander(mood, 6, 10, 100);
        vigor = wander(vigor, 10, 10, 100);
        skill += training ? 1 : 0;
        authority += (n % 4 == 0) ? 1 : 0;
        credit = phone ? wander(credit + 3, 8, 0, 150) : 0;
        const std::pair<Field, int> values[] = { { Field::Year, year }, { Field::Month, month }, { Field::Day, day },
            { Field::Money, money }, { Field::PiggyBank, piggy }, { Field::Satiety, satiety }, { Field::Mood, mood },
            { Field::Vigor, vigor }, { Field::FightSkill, skill }, { Field::Authority, authority },
            { Field::PhoneCredit, credit }, { Field::JobIncome, working ? 40 : 0 } };
        for (const auto& [field, value] : values)
            state.restore(field, QString::number(value));
        state.restore(Field::AttendsTraining, training ? QStringLiteral("Да") : QStringLiteral("Нет"));
        state.restore(Field::MobilePhone, phone ? QStringLiteral("Nokia 2650") : QStringLiteral("Нет"));
        if (const std::optional<LifeLogDay> ended = DayEndedAtMidnight(state))
            forms.lifeLog().Record(*ended);
        if (++day > 30) {
            day = 1;
            if (++month > 12) {
                month = 1;
                ++year;
            }
        }
    }
}

std::vector<QWidget*> EveryWindow(Forms& forms) { return forms.PlayerWindows(); }

} // namespace

int main(int argc, char** argv)
{
    TApplication app(argc, argv);
    app.loadRussianTranslations();
    UseGameFont();
    YearChartModule::SetFileName(QStringLiteral(TRAMBUL_CHART_MODULE));
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s <working directory> <output folder>\n", argv[0]);
        return 2;
    }
    // The output folder as given from where the driver was started, before the game's working directory is entered.
    g_out = QDir(QString::fromLocal8Bit(argv[2])).absolutePath();
    QDir::setCurrent(QString::fromLocal8Bit(argv[1]));
    QDir().mkpath(g_out);
    QFile::remove(g_out + QStringLiteral("/shots.tsv"));
    InstallUi(&g_ui);
    InstallRandomSource(&g_random);
    {
        Forms forms;
        TGameState& state = forms.state();

        Scene("start", [&] {
            // The main window's first showing asks the name and tells the introduction: both are pictured.
            g_ui.context = QStringLiteral("at the start of the game");
            forms.form1().show();
            Wait(200);
            Shot(forms.form1(), QStringLiteral("a new game"));
            // Walked with Tab, the main window marks the command that Enter presses.
            if (auto* lookAround = forms.form1().findChild<QWidget*>(QStringLiteral("lookAroundButton"))) {
                QApplication::setActiveWindow(&forms.form1());
                lookAround->setFocus(Qt::TabFocusReason);
                Shot(forms.form1(), QStringLiteral("the keyboard on «Осмотр местности»"));
            }
            g_ui.context = QStringLiteral("as it opens");
        });
        // From here on the game's clock stands still: no lesson or night falls between the pictures.
        ClockPause pause(forms.clock());
        Scene("phone shop", [&] {
            TForm24& shop = forms.form24();
            for (const char* deal : { "0", "1" }) {
                state.restore(Field::MotherPhoneDeal, QString::fromLatin1(deal));
                shop.show();
                shop.ChooseModel(QStringLiteral("Nokia"), QStringLiteral("Nokia 2650"));
                Shot(shop,
                    *deal == '1' ? QStringLiteral("a model chosen, the mother's deal")
                                 : QStringLiteral("a model chosen"));
                shop.hide();
            }
            state.restore(Field::MotherPhoneDeal, QStringLiteral("0"));
        });
        Scene("girls", [&] {
            PlayTalk(forms, true);
            PlayTalk(forms, false);
        });
        Scene("fight", [&] {
            // A player who has trained at the karate club for a month or so: lives and punches of his own.
            state.restore(Field::FightSkill, QStringLiteral("30"));
            TForm27& fight = forms.form27();
            g_random.draws = { 60 };
            g_ui.modals.push_back([&](QDialog&) {
                Shot(fight, QStringLiteral("the start"));
                for (int punch = 0; punch < 3; ++punch) {
                    Press(fight, QStringLiteral("Вмазать левой"));
                    Fire(fight, "PunchInFlight");
                }
                Press(fight, QStringLiteral("Вмазать правой"));
                Shot(fight, QStringLiteral("mid-way, the right fist in flight"));
                fight.closeWith(ModalResult::No);
            });
            fight.FightThug();
            g_random.draws = { 0 };
            g_ui.modals.push_back([&](QDialog&) {
                for (int punch = 0; punch < 10 && fight.isVisible(); ++punch) {
                    Press(fight, QStringLiteral("Вмазать правой"));
                    Fire(fight, "PunchInFlight");
                }
                Shot(fight, QStringLiteral("a knock-out"));
                fight.closeWith(ModalResult::Yes);
            });
            fight.FightThug();
        });
        Scene("endings", [&] {
            struct Ending {
                const char* grade;
                const char* olya;
                const char* phone;
                const char* income;
            };
            const Ending endings[] = { { "5", "1", "Nokia 2650", "0" }, { "5", "0", "Нет", "0" },
                { "4", "0", "Нет", "110" }, { "4", "0", "Нет", "0" }, { "3", "0", "Нет", "0" } };
            for (const Ending& ending : endings) {
                YearOfGrades(state, ending.grade);
                state.setCharmed(OlyaGirl, *ending.olya == '1');
                state.restore(Field::MobilePhone, QString::fromUtf8(ending.phone));
                state.restore(Field::JobIncome, QString::fromLatin1(ending.income));
                forms.form45().show();
                Shot(forms.form45(), QStringLiteral("ending %1").arg(forms.form45().Ending()));
                forms.form45().hide();
            }
        });
        Scene("my year", [&] {
            // Before the first midnight the note above the pages says that no day has ended yet; after a school
            // year of days every page has its months.
            TMyYearWindow& year = forms.form4().MyYear();
            auto* tabs = year.findChild<QTabWidget*>(QStringLiteral("tabs"));
            year.Refresh();
            year.show();
            tabs->setCurrentIndex(0);
            Shot(year, QStringLiteral("no day in the log yet"));
            year.hide();
            YearOfGrades(state, "4");
            const GameValues before = state.values();
            LiveAYear(forms);
            year.Refresh();
            year.show();
            for (int tab = 0; tab < tabs->count(); ++tab) {
                tabs->setCurrentIndex(tab);
                Shot(year, QStringLiteral("a school year of days, page «%1»").arg(tabs->tabText(tab)));
            }
            // A whole school year: health that dips and recovers, mood and vigor running equal for weeks, money that
            // goes into debt, a skill that grows, and the messages of the year.
            LifeLog& log = forms.lifeLog();
            log.Clear();
            for (int i = 0; i < 266; ++i) {
                LifeLogDay day;
                const int month = 8 + i / 30;
                day.year = 2005 + month / 12;
                day.month = month % 12 + 1;
                day.day = i % 30 + 1;
                const auto wave = [i](double period, double low, double high) {
                    return int(low + (high - low) * (0.5 + 0.5 * std::sin(i * 6.2832 / period)));
                };
                const bool even = i >= 60 && i < 110; // mood and vigor the same for seven weeks
                day.values = { i < 120 ? 150 - 2 * i : 3 * (i - 120) - 90, (i / 30) * 40, wave(23, 25, 90),
                    even ? 70 : wave(37, 40, 95), even ? 70 : wave(17, 50, 100), i / 6, i / 10 - 5, wave(45, 0, 80) };
                day.flags = { i > 100, i > 30, i > 150 };
                log.Record(day);
                if (i % 7 == 0)
                    log.Tell({ day.year, day.month, day.day, 13, 40,
                        QStringLiteral("Учитель: «Отвечай, что такое синус?» — «5, садись»") });
                if (i % 11 == 0)
                    log.Tell({ day.year, day.month, day.day, 18, 5, QStringLiteral("SMS от Маши: Привет! Как дела?") });
            }
            year.Refresh();
            for (int tab = 0; tab < tabs->count(); ++tab) {
                tabs->setCurrentIndex(tab);
                Shot(year, QStringLiteral("a whole year in the log, page «%1»").arg(tabs->tabText(tab)));
            }
            log.Clear();
            year.hide();
            // The other pictures keep the first day's calendar and values.
            for (int field = 0; field < FieldCount; ++field)
                state.restore(Field(field), before.text(Field(field)));
        });
        Scene("diary", [&] {
            YearOfGrades(state, "4");
            forms.form4().SetCurrentQuarter(QStringLiteral("4"));
            ShowAndShoot(forms.form4(), QStringLiteral("a whole year of grades"));
        });
        Scene("credits", [&] {
            TForm38& credits = forms.form38();
            credits.show();
            credits.StartScrolling();
            credits.StopScrolling();
            Shot(credits, QStringLiteral("the credits begin"));
            for (int tick = 0; tick < 400; ++tick)
                credits.Timer1Timer();
            Shot(credits, QStringLiteral("the credits half-way"));
            for (int tick = 0; tick < 4000; ++tick)
                credits.Timer1Timer();
            Shot(credits, QStringLiteral("THE END"));
            credits.hide();
        });
        Scene("sms", [&] {
            TForm33& sms = forms.form33();
            state.restore(Field::PhoneCredit, QStringLiteral("100"));
            sms.show();
            Shot(sms, QStringLiteral("as it opens"));
            Press(sms, QStringLiteral("Написать SMS"));
            if (auto* text = sms.findChild<QPlainTextEdit*>())
                text->setPlainText(QStringLiteral("Привет! Как дела?"));
            Shot(sms, QStringLiteral("a message written"));
            for (QPushButton* button : sms.findChildren<QPushButton*>()) {
                if (button->isVisible() && button->text().contains(QStringLiteral("Отправить")))
                    button->click();
            }
            Settle();
            for (QPushButton* button : sms.findChildren<QPushButton*>()) {
                if (button->isVisible() && button->text().contains(QStringLiteral("Отправить")))
                    button->click();
            }
            Shot(sms, QStringLiteral("sent, with a reply"));
            sms.hide();
        });
        Scene("shooter", [&] {
            TForm36& shooter = forms.form36();
            g_random.lively = true;
            g_ui.modals.push_back([&](QDialog&) {
                Shot(shooter, QStringLiteral("the titles"));
                for (int step = 0; step < 3; ++step)
                    Fire(shooter, "Timer1");
                Shot(shooter, QStringLiteral("the intro"));
                Press(shooter, QStringLiteral("Новая игра"));
                for (int step = 0; step < 6; ++step)
                    Fire(shooter, "Timer3");
                Shot(shooter, QStringLiteral("playing"));
                for (int step = 0; step < 400 && !Button(shooter, QStringLiteral("ДА")); ++step)
                    Fire(shooter, "Timer3");
                Shot(shooter, QStringLiteral("game over, the question whether to try again"));
                shooter.closeWith(ModalResult::Cancel);
            });
            forms.StartShooter();
            g_random.lively = false;
        });
        Scene("thug", [&] {
            g_ui.context = QStringLiteral("the thug steps up");
            g_ui.modals.push_back([&](QDialog& story) {
                Shot(story, QStringLiteral("the story"));
                story.done(int(ModalResult::Ok));
            });
            g_ui.modals.push_back([&](QDialog& talk) {
                Shot(talk, QStringLiteral("the talk"));
                talk.done(int(ModalResult::Cancel));
            });
            forms.StartThug();
            g_ui.context = QStringLiteral("as it opens");
        });
        Scene("question", [&] {
            g_random.draws = { 0, 0, 1, 0, 2, 0 };
            g_ui.modals.push_back([&](QDialog& question) {
                Shot(question, QStringLiteral("the first question"));
                question.done(int(ModalResult::Cancel));
            });
            forms.form35().AskQuestions(QStringLiteral("Химия"));
            g_random.draws.clear();
        });
        Scene("robbery", [&] {
            // A strong enough player goes out to rob from the town, picks a district, waits, steps up to a passer-by.
            state.restore(Field::FightSkill, QStringLiteral("60"));
            state.restore(Field::RobberyAllowedToday, QStringLiteral("1"));
            g_ui.modals.push_back([&](QDialog& map) {
                Shot(map, QStringLiteral("as it opens"));
                auto* district = map.findChild<QAbstractButton*>(QStringLiteral("District3"));
                QEvent enter(QEvent::Enter);
                QCoreApplication::sendEvent(district, &enter);
                Shot(map, QStringLiteral("the mouse over a district"));
                g_ui.modals.push_back([&](QDialog& street) {
                    g_random.lively = true;
                    Fire(street, "Timer1");
                    g_random.lively = false;
                    Shot(street, QStringLiteral("lying in wait"));
                    Press(street, QStringLiteral("Подойти к ..."));
                    Shot(street, QStringLiteral("whom to step up to"));
                    g_ui.modals.push_back([&](QDialog& talk) {
                        Shot(talk, QStringLiteral("the talk begins"));
                        talk.done(int(ModalResult::Cancel));
                    });
                    Press(street, QStringLiteral("Ботанику или лоху"));
                    Press(street, QStringLiteral("Назад"));
                });
                district->click();
                Press(map, QStringLiteral("Отмена"));
            });
            forms.form5().findChild<QAbstractButton*>(QStringLiteral("Button10"))->click();
            g_ui.modals.clear();
        });
        Scene("mother", [&] {
            g_ui.modals.push_back([&](QDialog& talk) {
                Shot(talk, QStringLiteral("the talk begins"));
                if (auto* first = talk.findChild<QAbstractButton*>(QStringLiteral("Button1")))
                    first->click();
                if (talk.isVisible())
                    Shot(talk, QStringLiteral("the talk under way"));
                talk.done(int(ModalResult::Ok));
            });
            forms.TalkWithMother();
            g_ui.modals.clear();
        });
        Scene("phone game", [&] {
            TForm31& game = forms.form31();
            g_ui.modals.push_back([&](QDialog&) {
                g_random.draws = { 2 };
                Fire(game, "Timer1");
                if (auto* ball = game.findChild<QWidget*>(QStringLiteral("Image2")))
                    QTest::mouseClick(ball, Qt::LeftButton);
                g_random.draws = { 6 };
                Fire(game, "Timer1");
                Shot(game, QStringLiteral("playing, one hit"));
                Press(game, QStringLiteral("Закончить"));
            });
            game.Play();
        });
        Scene("death", [&] {
            // Days without food: the clock's rule names hunger as the cause, and the death window tells it.
            state.restore(Field::Satiety, QStringLiteral("0"));
            forms.form32().ShowCause(DeathCause(state));
            ShowAndShoot(forms.form32(), QStringLiteral("dead of hunger"));
            // A game that has an autosave is offered the way back to it.
            forms.form32().SetReturnOffered(true);
            ShowAndShoot(forms.form32(), QStringLiteral("dead of hunger, the way back offered"));
            forms.form32().SetReturnOffered(false);
            state.restore(Field::Satiety, QStringLiteral("80"));
        });
        Scene("cheats", [&] {
            TForm21& cheats = forms.form21();
            cheats.show();
            Shot(cheats, QStringLiteral("as it opens"));
            cheats.findChild<QLineEdit*>()->setText(CheatCode);
            Press(cheats, QStringLiteral("OK"));
            Shot(cheats, QStringLiteral("the editor unlocked"));
            cheats.hide();
        });
        Scene("the rest", [&] {
            for (QWidget* window : EveryWindow(forms)) {
                const QString className = QString::fromLatin1(window->metaObject()->className());
                if (!qobject_cast<QDialog*>(window) || g_shot.count(className) || className == QStringLiteral("TForm34")
                    || !className.startsWith(QLatin1Char('T')))
                    continue;
                ShowAndShoot(*window, QStringLiteral("as it opens"));
            }
        });
        std::fprintf(stderr, "%d pictures of %zu windows\n", g_count, g_shot.size());
        QApplication::closeAllWindows();
    }
    InstallRandomSource(nullptr);
    InstallUi(nullptr);
    return 0;
}
