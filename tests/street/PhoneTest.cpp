#include "GameFixture.h"
#include "StreetScripts.h"
#include "TestHelpers.h"
#include "core/TextFile.h"
#include "street/SmsReplies.h"
#include "street/Unit19.h"
#include "street/Unit30.h"
#include "street/Unit31.h"
#include "street/Unit33.h"

#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>

TEST(SmsRules, MessageSplitsIntoUpperCaseWordsAtTheElevenSeparators)
{
    const std::pair<QString, QStringList> cases[] = {
        { "привет, как дела?.", { "ПРИВЕТ", "", "КАК", "ДЕЛА", "", "" } },
        { "ёжик!Hello&a\"b'c/d:e;f.", { "ЁЖИК", "Hello", "a", "b", "c", "d", "e", "f", "" } },
        { ".", { "", "" } },
    };
    for (const auto& [message, words] : cases)
        EXPECT_EQ(SmsWords(message), words) << message.toStdString();
    // A long message: only the first thirty words count.
    const QStringList many = SmsWords(QString("а ").repeated(40) + ".");
    EXPECT_EQ(many.size(), SmsMaxWords);
    EXPECT_EQ(UpperCase1251("абвгдеёжзийклмнопрстуфхцчшщъыьэюя xyz"), "АБВГДЕЁЖЗИЙКЛМНОПРСТУФХЦЧШЩЪЫЬЭЮЯ xyz");

    EXPECT_EQ(SmsMessage({ "привет ", "как дела" }), "привет как дела.");
    EXPECT_EQ(SmsMessage({ "a", "b", "c", "d" }), "abc.");
    EXPECT_EQ(SmsCharactersLeft({ "привет ", "как дела" }), 55);
    EXPECT_EQ(SmsCharactersLeft({ "12345", "", "123", "this line is not counted" }), 62);
}

TEST(SmsRules, FirstKeyLineWhoseKeysAreAllWordsGivesItsReplies)
{
    const QStringList words = SmsWords("привет, как дела?.");
    using Replies = std::optional<QStringList>;
    struct Case {
        QStringList file;
        Replies replies;
    };
    const QString manyKeys = "'" + QString("дела'").repeated(SmsMaxWords) + "пока"; // the 31st key is ignored
    const Case cases[] = {
        { { "'привет'дела", "===", "Норм!", "Супер", "-" }, QStringList { "Норм!", "Супер" } },
        { { "'привет'пока", "===", "Пока!", "-" }, std::nullopt },
        { { "'Привет'ДЕЛА", "===", "Норм!", "-" }, QStringList { "Норм!" } },
        { { "'прив", "===", "Нет", "-", "'", "===", "На всё", "-" }, QStringList { "На всё" } },
        { { "'дела'", "===", "С пустым ключом", "-" }, QStringList { "С пустым ключом" } },
        { { "привет", "-", "'пока" }, std::nullopt }, // the file ends after a key line that does not match
        { { "'привет", "-", "'дела", "===", "Позже", "-" }, QStringList {} },
        { { "'привет", "===", "-" }, QStringList {} },
        { { "'привет" }, QStringList {} },
        { { "'привет", "===", "Без конца" }, QStringList { "Без конца" } },
        { { manyKeys, "===", "Тридцать", "-" }, QStringList { "Тридцать" } },
    };
    for (const Case& c : cases)
        EXPECT_EQ(FindSmsReplies(c.file, words), c.replies) << c.file.join('|').toStdString();
}

TEST(SmsRules, ReplyIsNeverTheLastOfSeveral)
{
    ScriptedRandom random;
    EXPECT_EQ(PickSmsReply({ "Один" }), "Один"); // no draw
    EXPECT_EQ(PickSmsReply({}), std::nullopt);
    random.add(1, 2);
    EXPECT_EQ(PickSmsReply({ "Первый", "Второй", "Запасной" }), "Второй");
    random.add(0, 1);
    EXPECT_EQ(PickSmsReply({ "Первый", "Запасной" }), "Первый");
}

TEST(SmsRules, EveryKeyLineOfTheShippedFileGetsAReply)
{
    const QStringList file = ReadLines1251(TRAMBUL_SOURCE_DIR "/Data/SMS/answer_sms.asms");
    int keyLines = 0;
    for (const QString& line : file) {
        if (!line.startsWith('\''))
            continue;
        ++keyLines;
        const QString message = line.mid(1).split('\'').join(' ') + ".";
        const auto replies = FindSmsReplies(file, SmsWords(message));
        ASSERT_TRUE(replies.has_value()) << line.toStdString();
        EXPECT_FALSE(replies->isEmpty()) << line.toStdString();
        for (const QString& reply : *replies)
            EXPECT_FALSE(reply.startsWith('\'')) << reply.toStdString();
    }
    EXPECT_GE(keyLines, 10);
    // Anything at all gets some answer.
    EXPECT_TRUE(FindSmsReplies(file, SmsWords("ыыы.")).has_value());
}

namespace {
class Phone : public GameFixture {
protected:
    Phone()
    {
        useWorkingDirectory({ "Data/Dialogs/Mother.dlg" }); // the mother may read her script when called
        QDir().mkpath("Data/SMS");
    }
    TForm30& phone() { return forms->form30(); }
    TForm33& sms() { return forms->form33(); }
    QPlainTextEdit* memo() { return Child<QPlainTextEdit>(sms(), "Memo1"); }
    QString counter() { return Child<QLabel>(sms(), "Label2")->text(); }
    void type(const QString& text) { memo()->setPlainText(text); }
    bool shown(const char* panel) { return !Child<QGroupBox>(sms(), panel)->isHidden(); }
};
}

TEST_F(Phone, CallsTestTheCreditFirstAndChargeAfterTheTalk)
{
    struct Case {
        QPushButton* button;
        const char* credit;
        int draw;
        QStringList windows;
        const char* creditAfter;
    };
    const Case cases[] = {
        { ButtonOf(phone(), "Button4"), "119", 20, {}, "119" },
        { ButtonOf(phone(), "Button4"), "120", 20, { "Девушки из класса" }, "0" },
        { ButtonOf(phone(), "Button5"), "500", 29, { "Разговор с мамой" }, "371" },
        { ButtonOf(phone(), "Button5"), "99", 0, {}, "99" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.credit);
        ui.messages.clear();
        ui.shownWindows.clear();
        given({ { Field::PhoneCredit, c.credit } });
        random.add(c.draw, 30);
        if (!c.windows.isEmpty())
            ui.closeNextModalWith(ModalResult::Ok);
        click(c.button);
        EXPECT_EQ(ui.shownWindows, c.windows);
        EXPECT_EQ(ui.messages,
            QStringList { c.windows.isEmpty() ? "На вашем счету недостаточно денег для звонка." : "Связь завершена." });
        EXPECT_EQ(state.text(Field::PhoneCredit), c.creditAfter);
    }

    ui.messages.clear();
    given({ { Field::PhoneCredit, "-3" } });
    click(ButtonOf(phone(), "Button3"));
    EXPECT_EQ(ui.messages, QStringList { "Сумма на счете: -3 USC" });

    ui.shownWindows.clear();
    ui.closeNextModalWith(ModalResult::Ok);
    click(ButtonOf(phone(), "Button6"));
    ui.closeNextModalWith(ModalResult::Ok);
    click(ButtonOf(phone(), "Button2"));
    EXPECT_EQ(ui.shownWindows, (QStringList { forms->form31().windowTitle(), "Сообщения SMS" }));
}

TEST_F(Phone, CounterCountsTheFirstThreeShownLinesAndTheBoxHoldsSeventy)
{
    type("привет как дела");
    EXPECT_EQ(counter(), "55");
    type("раз\nдва\nтри\nчетыре");
    EXPECT_EQ(counter(), "61");
    // A long line wraps inside the box; the shown lines still hold every character.
    type(QString("слово ").repeated(11));
    const QStringList lines = ShownLines(*memo());
    EXPECT_GE(lines.size(), 3);
    EXPECT_EQ(lines.join(""), QString("слово ").repeated(11));
    EXPECT_EQ(counter(), QString::number(70 - lines[0].size() - lines[1].size() - lines[2].size()));
    type(QString("x").repeated(90));
    EXPECT_EQ(memo()->toPlainText().size(), 70);
    // Typing into a full box in the middle changes nothing; the cursor stays where it was.
    type(QString("a").repeated(60) + QString("b").repeated(10));
    QTextCursor cursor = memo()->textCursor();
    cursor.setPosition(60);
    memo()->setTextCursor(cursor);
    memo()->insertPlainText("XYZ");
    EXPECT_EQ(memo()->toPlainText(), QString("a").repeated(60) + QString("b").repeated(10));
    EXPECT_EQ(memo()->textCursor().position(), 60);
    EXPECT_EQ(counter(), "0");
}

TEST_F(Phone, SendingChargesWaitsAndRepliesFromTheFile)
{
    WriteLines1251("Data/SMS/answer_sms.asms",
        { "Ответы", "'привет'дела", "===", "Отлично!", "Нормально", "Запасной", "-", "'", "===", "Чего?", "-" });
    given({ { Field::PhoneCredit, "19" } });
    click(ButtonOf(sms(), "Button1"));
    EXPECT_EQ(ui.messages, QStringList { "У вас не хватает USC на отправку SMS" });
    EXPECT_FALSE(shown("composePanel"));

    // "Ответить" opens the compose panel without looking at the credit.
    click(ButtonOf(sms(), "Button7"));
    EXPECT_TRUE(shown("composePanel"));
    type("Привет, как дела?");
    click(ButtonOf(sms(), "Button4"));
    EXPECT_TRUE(shown("recipientPanel"));
    Child<QListWidget>(sms(), "ListBox1")->setCurrentRow(4);
    random.add(1, 2);
    click(ButtonOf(sms(), "Button5"));
    EXPECT_EQ(state.text(Field::PhoneCredit), "-1");
    EXPECT_EQ(ui.sleptMilliseconds, 3000);
    EXPECT_EQ(
        Child<QLabel>(sms(), "Label3")->text(), "Сообщение Привет, как дела?... успешно отправлено адресату Вероника");
    EXPECT_FALSE(shown("composePanel"));
    EXPECT_TRUE(shown("sendingPanel"));
    EXPECT_TRUE(shown("newMessagePanel"));
    EXPECT_EQ(Child<QPlainTextEdit>(sms(), "Inbox")->toPlainText(), "Нормально\nОТ: Вероника");
    click(ButtonOf(sms(), "Button6"));
    EXPECT_TRUE(shown("inboxPanel"));

    // A message nobody has an answer for: the sending panel stays, the inbox keeps the last reply.
    WriteLines1251("Data/SMS/answer_sms.asms", { "'пока", "===", "Пока!", "-" });
    click(ButtonOf(sms(), "Button7"));
    EXPECT_TRUE(memo()->toPlainText().isEmpty());
    type("Привет");
    click(ButtonOf(sms(), "Button5"));
    EXPECT_EQ(state.text(Field::PhoneCredit), "-21");
    EXPECT_EQ(Child<QPlainTextEdit>(sms(), "Inbox")->toPlainText(), "Нормально\nОТ: Вероника");

    // Without the reply file the player sees the error; the message has been paid for.
    QFile::remove("Data/SMS/answer_sms.asms");
    given({ { Field::PhoneCredit, "100" } });
    ui.expectErrorBoxes();
    click(ButtonOf(sms(), "Button5"));
    EXPECT_EQ(ui.errors.size(), 1);
    EXPECT_EQ(state.text(Field::PhoneCredit), "80");
    EXPECT_TRUE(shown("sendingPanel"));

    // Every showing starts with the first classmate.
    ui.onModal<TForm33>([](TForm33& w) {
        EXPECT_EQ(Child<QListWidget>(w, "ListBox1")->currentItem()->text(), "Костэн");
        click(ButtonOf(w, "Button3"));
    });
    ui.showModal(sms());
}
