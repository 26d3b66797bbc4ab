#include "GameFixture.h"
#include "TestHelpers.h"
#include "core/Errors.h"
#include "core/Picture.h"
#include "core/WrapButton.h"
#include "town/CopyInOut.h"
#include "town/Unit10.h"
#include "town/Unit11.h"
#include "town/Unit18.h"
#include "town/Unit5.h"
#include "town/Unit6.h"
#include "town/Unit7.h"

#include <QFrame>
#include <QLabel>
#include <QSignalSpy>
#include <QStyle>
#include <QStyleOptionButton>

namespace {
class LocationWindows : public GameFixture {
protected:
};

struct ButtonLook {
    QPushButton* button;
    const char* caption;
    bool bold;
};

void checkLocationWindow(TGameWindow& window, const char* caption, QSize size, QLabel* heading,
    const std::vector<ButtonLook>& buttons, QSize buttonSize)
{
    SCOPED_TRACE(caption);
    EXPECT_EQ(window.windowTitle(), QString::fromUtf8(caption));
    EXPECT_EQ(window.size(), size);
    EXPECT_FALSE(window.windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(window.windowFlags() & Qt::WindowSystemMenuHint);
    EXPECT_EQ(heading->text(), "ЧТО БУДЕМ ДЕЛАТЬ?");
    EXPECT_TRUE(heading->font().bold());
    EXPECT_EQ(heading->font().pixelSize(), 24);
    bool hasBackground = false;
    for (PictureBox* picture : window.findChildren<PictureBox*>())
        hasBackground |= picture->geometry() == window.rect() && !picture->pixmap().isNull();
    EXPECT_TRUE(hasBackground);
    for (const ButtonLook& look : buttons) {
        EXPECT_EQ(look.button->text(), QString::fromUtf8(look.caption));
        EXPECT_EQ(look.button->size(), buttonSize) << look.caption;
        EXPECT_EQ(look.button->font().bold(), look.bold) << look.caption;
    }
}

QPoint at(QPushButton* button) { return button->mapTo(button->window(), QPoint(0, 0)); }
}

TEST_F(LocationWindows, InSchoolWindowLooksAsThePlayerKnowsIt)
{
    TForm6& w = forms->form6();
    auto b = [&](const char* name) { return Child<QPushButton>(w, name); };
    ui.onModal<TForm6>([&](TForm6&) {
        checkLocationWindow(w, "Осмотр местности: В школе", QSize(549, 397), Child<QLabel>(w, "Label1"),
            {
                { b("Button1"), "Пойти в столовку", false },
                { b("Button6"), "Продать ГДЗ кому-нибудь", false },
                { b("Button5"), "Мобильник", false },
                { b("Button2"), "Поговорить с девушкой из класса...", false },
                { b("Button4"), "Ничего не делать", true },
                { b("Button3"), "Сбежать", false },
            },
            QSize(161, 33));
        // Two rows of three at the bottom.
        EXPECT_EQ(at(b("Button1")).y(), at(b("Button5")).y());
        EXPECT_EQ(at(b("Button2")).y(), at(b("Button3")).y());
        EXPECT_LT(at(b("Button1")).y(), at(b("Button2")).y());
        EXPECT_LT(at(b("Button1")).x(), at(b("Button6")).x());
        EXPECT_LT(at(b("Button6")).x(), at(b("Button5")).x());
        EXPECT_LT(at(b("Button2")).x(), at(b("Button4")).x());
        EXPECT_LT(at(b("Button4")).x(), at(b("Button3")).x());
        EXPECT_GT(at(b("Button2")).y(), 397 / 2);
        w.reject(); // Escape does not leave
        EXPECT_TRUE(w.isVisible());
        click(b("Button4"));
    });
    EXPECT_EQ(ui.showModal(w), ModalResult::Ok);
}

TEST_F(LocationWindows, OutsideWindowLooksAsThePlayerKnowsIt)
{
    TForm5& w = forms->form5();
    auto b = [&](const char* name) { return Child<QPushButton>(w, name); };
    QFrame* frame = Child<QFrame>(w, "buttonFrame");
    ui.onModal<TForm5>([&](TForm5&) {
        checkLocationWindow(w, "Осмотр местности: Вне школы", QSize(612, 456), Child<QLabel>(w, "Label1"),
            {
                { b("Button1"), "Пойти в местный супермаркет", false },
                { b("Button9"), "Пойти в игровой зал \"Геймер\"", false },
                { b("Button2"), "Пойти к девушке из класса...", false },
                { b("Button4"), "Пойти в \"Клуб Каратист\"", false },
                { b("Button6"), "Пойти в \"Центр Занятости Молодежи\"", false },
                { b("Button11"), "Пойти в кафе \"Солнышко\"", false },
                { b("Button8"), "Ничего не делать", true },
                { b("Button3"), "Моя копилка", false },
                { b("Button5"), "Мобильник", false },
                { b("Button7"), "Поговорить с мамой", false },
                { b("Button10"), "Заняться ГОП-СТОПОМ", false },
            },
            QSize(177, 33));
        // Three columns, read top to bottom, left to right, all inside the frame.
        const std::vector<std::vector<QPushButton*>> columns
            = { { b("Button1"), b("Button9"), b("Button2"), b("Button4") },
                  { b("Button6"), b("Button11"), b("Button8") },
                  { b("Button3"), b("Button5"), b("Button7"), b("Button10") } };
        for (size_t c = 0; c < columns.size(); ++c) {
            for (size_t r = 0; r < columns[c].size(); ++r) {
                QPushButton* b = columns[c][r];
                EXPECT_EQ(b->parentWidget(), frame);
                EXPECT_EQ(at(b).x(), at(columns[c][0]).x());
                if (r > 0) {
                    EXPECT_GT(at(b).y(), at(columns[c][r - 1]).y());
                }
                if (c > 0) {
                    EXPECT_GT(at(b).x(), at(columns[c - 1][0]).x());
                }
            }
        }
        EXPECT_TRUE(w.rect().contains(frame->geometry()));
        w.reject();
        EXPECT_TRUE(w.isVisible());
        click(b("Button8"));
    });
    EXPECT_EQ(ui.showModal(w), ModalResult::Ok);
}

TEST_F(LocationWindows, RunAwayRefusalDrawsOneOfTheFiveLinesAndChangesNothing)
{
    const std::pair<int, int> draws[] = { { 1, 0 }, { 2, 1 }, { 1, 2 }, { 2, 3 }, { 1, 4 } };
    const char* const lines[] = { "К сожалению, ничего не вышло!", "Ай, блин, заметили!", "А мне это нужно?",
        "У меня по физике двойка выходит... Может, не надо?", "Дай подумать, а куда я пойду?" };
    for (auto [r, k] : draws) {
        random.add(r, 3);
        random.add(k, 5);
        click(Child<QPushButton>(forms->form6(), "Button3"));
        EXPECT_EQ(ui.messages.last(), QString::fromUtf8(lines[k]));
    }
    EXPECT_EQ(ui.messages.size(), 5);
    EXPECT_TRUE(ui.shownWindows.isEmpty());
    EXPECT_EQ(state.text(Field::Authority), "0");
}

TEST_F(LocationWindows, RunAwayOpensTheTownAndTheTeacherSometimesNotices)
{
    struct Case {
        const char* authority;
        int remarkDraw;
        QStringList messages;
        const char* authorityAfter;
    };
    const QString remark = "\"И куда это, молодой человек, Вы уходили?\"- спросила Вас классный руковрдитель.";
    const QString fell = "Ваш авторитет упал на 1 единицу.";
    const Case cases[] = {
        { "5", 1, {}, "5" },
        { "5", 2, {}, "5" },
        { "0", 0, { remark, fell }, "-1" },
        { "-7", 0, { remark, fell }, "-8" },
        { "крутой", 0, { remark, fell, "'крутой' is not a valid integer value" }, "крутой" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.authority);
        ui.shown.clear();
        given({ { Field::Authority, c.authority }, { Field::Location, "В школе" } });
        random.add(0, 3);
        ui.onModal<TForm5>([&](TForm5& outside) {
            EXPECT_EQ(state.text(Field::Location), "В школе");
            click(Child<QPushButton>(outside, "Button8"));
        });
        random.add(c.remarkDraw, 3);
        ui.expectErrorBoxes(int(c.messages.filter("is not a valid integer value").size()));
        click(Child<QPushButton>(forms->form6(), "Button3"));
        // The teacher's two messages come first; a broken authority value shows its error box after them.
        EXPECT_EQ(ui.shown, c.messages);
        EXPECT_EQ(state.text(Field::Authority), c.authorityAfter);
        EXPECT_EQ(state.text(Field::Location), "В школе");
    }
}

TEST_F(LocationWindows, SaleOfferNeedsTheBookAndOneBuyerInFive)
{
    given({ { Field::HasGdz, "Нет" } });
    click(Child<QPushButton>(forms->form6(), "Button6"));
    given({ { Field::HasGdz, "да" } }); // only the exact word counts
    click(Child<QPushButton>(forms->form6(), "Button6"));
    EXPECT_EQ(ui.messages, QStringList(2, "У вас его даже нет! Что вы собрались продать?"));

    given({ { Field::HasGdz, "Да" } });
    ui.messages.clear();
    for (int r : { 1, 2, 3, 4 }) {
        random.add(r, 5);
        click(Child<QPushButton>(forms->form6(), "Button6"));
    }
    EXPECT_EQ(ui.messages, QStringList(4, "К сожалению, никто не захотел купить твой ГДЗ..."));
    EXPECT_TRUE(ui.shownWindows.isEmpty());

    random.add(0, 5);
    ui.closeNextModalWith(ModalResult::Ok);
    click(Child<QPushButton>(forms->form6(), "Button6"));
    EXPECT_EQ(ui.shownWindows, QStringList { "Продажа ГДЗ" });
    EXPECT_EQ(ui.messages.size(), 4);
}

TEST_F(LocationWindows, PhoneButtonsOfBothWindowsNeedAPhone)
{
    for (QPushButton* button :
        { Child<QPushButton>(forms->form5(), "Button5"), Child<QPushButton>(forms->form6(), "Button5") }) {
        ui.messages.clear();
        ui.shownWindows.clear();
        given({ { Field::MobilePhone, "Нет" } });
        click(button);
        EXPECT_EQ(ui.messages, QStringList { "Если вы не в курсе, у вас нет мобильника..." });
        for (const char* phone : { "Siemens C55", "нет", "" }) {
            given({ { Field::MobilePhone, phone } });
            ui.closeNextModalWith(ModalResult::Ok);
            click(button);
        }
        EXPECT_EQ(ui.shownWindows, QStringList(3, "Мобильник"));
        EXPECT_EQ(ui.messages.size(), 1);
    }
}

TEST_F(LocationWindows, RobberyNeedsSixtyPointsOfFighting)
{
    const QString tooWeak = "Думаете, работать гопником это так просто? Для начала, вы должны неплохо драться. "
                            "Освойте 60 очков умения техники \"Карате\" и можете смело заниматься этим делом.";
    for (const char* skill : { "0", "59", "-3" }) {
        given({ { Field::FightSkill, skill } });
        click(Child<QPushButton>(forms->form5(), "Button10"));
    }
    EXPECT_EQ(ui.messages, QStringList(3, tooWeak));
    EXPECT_TRUE(ui.shownWindows.isEmpty());

    for (const char* skill : { "60", "200" }) {
        given({ { Field::FightSkill, skill } });
        ui.closeNextModalWith(ModalResult::Ok);
        click(Child<QPushButton>(forms->form5(), "Button10"));
    }
    EXPECT_EQ(ui.shownWindows, QStringList(2, "Выберете точку, в котором будете ГОП-СТОПничать"));

    given({ { Field::FightSkill, "шестьдесят" } });
    ui.expectErrorBoxes();
    click(Child<QPushButton>(forms->form5(), "Button10"));
    EXPECT_EQ(ui.errors, QStringList { "'шестьдесят' is not a valid integer value" });
    EXPECT_EQ(ui.shownWindows.size(), 2);
}

TEST_F(LocationWindows, EveryOtherPlaceButtonOpensItsWindow)
{
    // The job centre and the mother's talk read their first text before they open.
    useWorkingDirectory({ "Data/Works/0.txt", "Data/Dialogs/Mother.dlg" });
    const std::pair<QPushButton*, const char*> cases[] = {
        { Child<QPushButton>(forms->form5(), "Button1"), "Супермаркет" },
        { Child<QPushButton>(forms->form5(), "Button9"), "Игровой Зал" },
        { Child<QPushButton>(forms->form5(), "Button2"), "Девушки из класса" },
        { Child<QPushButton>(forms->form5(), "Button4"), "Клуб Каратист" },
        { Child<QPushButton>(forms->form5(), "Button6"), "Центр Занятости Молодежи" },
        { Child<QPushButton>(forms->form5(), "Button3"), "Моя копилка" },
        { Child<QPushButton>(forms->form5(), "Button7"), "Разговор с мамой" },
        { Child<QPushButton>(forms->form6(), "Button2"), "Девушки из класса" },
        { Child<QPushButton>(forms->form7(), "Button3"), "Книжный отдел" },
        { Child<QPushButton>(forms->form7(), "Button2"), "Сотовый отдел" },
    };
    for (auto [button, title] : cases) {
        ui.shownWindows.clear();
        ui.closeNextModalWith(ModalResult::Ok);
        click(button);
        EXPECT_EQ(ui.shownWindows, QStringList { title }) << button->text().toStdString();
    }
    EXPECT_TRUE(ui.messages.isEmpty());
}

TEST_F(LocationWindows, CopiesGoInAndComeBackInOrderHoweverTheWindowCloses)
{
    given({ { Field::Money, "30" }, { Field::Satiety, "40" }, { Field::Vigor, "50" } });
    TForm18& cafe = forms->form18();
    Child<QLabel>(cafe, "moneyLabel")->setText("999"); // left from an earlier visit
    QSignalSpy changes(&state, &TGameState::changed);
    ui.onModal<TForm18>([&](TForm18& w) {
        EXPECT_EQ(Child<QLabel>(w, "moneyLabel")->text(), "30");
        EXPECT_EQ(Child<QLabel>(w, "satietyLabel")->text(), "40");
        EXPECT_EQ(Child<QLabel>(w, "vigorLabel")->text(), "50");
        click(Child<QPushButton>(w, "Button6")); // coffee: vigor first
        click(Child<QPushButton>(w, "Button5")); // then crisps
        w.done(int(ModalResult::Cancel));
    });
    EXPECT_EQ(ShowWithCopies(state, cafe), ModalResult::Cancel);
    ASSERT_EQ(changes.size(), 3);
    EXPECT_EQ(changes[0][0].value<Field>(), Field::Money);
    EXPECT_EQ(changes[1][0].value<Field>(), Field::Satiety);
    EXPECT_EQ(changes[2][0].value<Field>(), Field::Vigor);
    EXPECT_EQ(state.text(Field::Money), "22");
    EXPECT_EQ(state.text(Field::Satiety), "43");
    EXPECT_EQ(state.text(Field::Vigor), "70");
}

TEST_F(LocationWindows, LeavingAnOutletWithoutBuyingKeepsTheValues)
{
    given({ { Field::Money, "0" }, { Field::Satiety, "101" }, { Field::Vigor, "x" } });
    Child<QLabel>(forms->form10(), "moneyLabel")->setText("55");
    ui.onModal<TForm10>([&](TForm10& canteen) { click(Child<QPushButton>(canteen, "Button6")); });
    click(Child<QPushButton>(forms->form6(), "Button1"));
    ui.onModal<TForm18>([&](TForm18& cafe) { click(Child<QPushButton>(cafe, "Button1")); });
    click(Child<QPushButton>(forms->form5(), "Button11"));
    ui.onModal<TForm7>([&](TForm7& market) {
        click(Child<QPushButton>(market, "Button1"));
        click(Child<QPushButton>(market, "Button4"));
    });
    ui.onModal<TForm11>([&](TForm11& food) {
        EXPECT_EQ(Child<QLabel>(food, "moneyLabel")->text(), "0");
        click(Child<QPushButton>(food, "Button5"));
    });
    click(Child<QPushButton>(forms->form5(), "Button1"));
    EXPECT_EQ(state.text(Field::Money), "0");
    EXPECT_EQ(state.text(Field::Satiety), "101");
    EXPECT_EQ(state.text(Field::Vigor), "x");
    EXPECT_EQ(Child<QLabel>(forms->form10(), "moneyLabel")->text(), "0");
    EXPECT_EQ(ui.shownWindows,
        (QStringList { "Школьная столовка", "Кафе \"Солнышко\"", "Супермаркет", "Продуктовый отдел" }));
}

TEST_F(LocationWindows, SupermarketFoodDepartmentBuysOnCopiesOfMoneyAndSatiety)
{
    given({ { Field::Money, "6" }, { Field::Satiety, "97" } });
    ui.onModal<TForm7>([&](TForm7& market) {
        EXPECT_EQ(Child<QLabel>(market, "Label1")->text(), "НУ, И В КАКОЙ ОТДЕЛ ПОЙДЕМ?");
        EXPECT_EQ(market.size(), QSize(512, 383));
        click(Child<QPushButton>(market, "Button1"));
        click(Child<QPushButton>(market, "Button4"));
    });
    ui.onModal<TForm11>([&](TForm11& food) {
        click(Child<QPushButton>(food, "Button2")); // long loaf: 6 roubles, +7
        EXPECT_EQ(state.text(Field::Money), "6"); // the game state waits for the copy-back
        click(Child<QPushButton>(food, "Button2"));
        click(Child<QPushButton>(food, "Button5"));
    });
    click(Child<QPushButton>(forms->form5(), "Button1"));
    EXPECT_EQ(state.text(Field::Money), "0");
    EXPECT_EQ(state.text(Field::Satiety), "100");
    EXPECT_EQ(ui.messages, QStringList { "Вы думаете, у вас денег хватит?" });
}

TEST_F(LocationWindows, EveryCaptionFitsItsButton)
{
    std::vector<TGameWindow*> windows
        = { &forms->form5(), &forms->form6(), &forms->form7(), &forms->form10(), &forms->form11(), &forms->form18() };
    for (TGameWindow* window : windows) {
        window->show();
        QCoreApplication::processEvents();
        for (QPushButton* button : window->findChildren<QPushButton*>()) {
            QStyleOptionButton option;
            option.initFrom(button);
            QRect area = button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
            area.adjust(3, 0, -3, 0);
            const bool wraps = qobject_cast<WrapButton*>(button) != nullptr;
            QString text = button->text();
            if (wraps)
                text.replace('-', QChar(0x2011));
            const QRect needed = button->fontMetrics().boundingRect(area, wraps ? Qt::TextWordWrap : 0, text);
            EXPECT_LE(needed.width(), area.width()) << button->text().toStdString();
            EXPECT_LE(needed.height(), area.height()) << button->text().toStdString();
        }
        window->hide();
    }
}

TEST_F(LocationWindows, AWindowThatFailsStillGivesItsCopiesBack)
{
    given({ { Field::Money, "40" }, { Field::Satiety, "50" } });
    // The canteen sells a bun on its copies, then fails: the sale stays, and the failure reaches the error box.
    ui.expectErrorBoxes();
    ui.onModal<TForm10>([&](TForm10& canteen) {
        click(Child<QPushButton>(canteen, "Button1")); // raisin bun: 3 roubles, +5
        throw EInOutError::forFile("Data/canteen.txt", "нет файла");
    });
    click(Child<QPushButton>(forms->form6(), "Button1"));
    EXPECT_EQ(state.text(Field::Money), "37");
    EXPECT_EQ(state.text(Field::Satiety), "55");
    EXPECT_EQ(ui.errors, QStringList { "Data/canteen.txt: нет файла" });
    forms->form10().hide();

    // Called directly, the failure goes on to the caller after the copies are back.
    ui.onModal<TForm10>([&](TForm10& canteen) {
        click(Child<QPushButton>(canteen, "Button4")); // tea: 1 rouble, +2
        throw EConvertError::notAnInteger("x");
    });
    TForm10& canteen = forms->form10();
    EXPECT_THROW(ShowWithCopies(state, canteen), EConvertError);
    EXPECT_EQ(state.text(Field::Money), "36");
    EXPECT_EQ(state.text(Field::Satiety), "57");
    canteen.hide();
}
