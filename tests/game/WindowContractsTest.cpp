// What holds for every window of the game: a screen reader reads every value as it is shown, and the
// player can always leave a window (or is told that it is not there yet).
#include "GameFixture.h"
#include "TestHelpers.h"
#include "core/GameWindow.h"
#include "core/Picture.h"
#include "core/TextFile.h"
#include "game/Unit1.h"
#include "records/LifeLog.h"
#include "records/MyYear.h"
#include "records/Unit4.h"
#include "records/Unit45.h"
#include "street/Unit19.h"
#include "town/Unit5.h"

#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableView>
#include <QTest>
#include <QTextDocument>
#include <QtTest/qtestspontaneevent.h>
#include <algorithm>

namespace {

class WindowContracts : public GameFixture {
protected:
    // «Мой год» is made when the diary first opens it; made here with a few days to show, it is walked like the rest.
    WindowContracts()
    {
        forms->MakeAllWindows();
        for (int day = 1; day <= 3; ++day) {
            LifeLogDay logged;
            logged.year = 2005;
            logged.month = 9;
            logged.day = day;
            logged.values[int(LogValue::Money)] = -day;
            forms->lifeLog().Record(logged);
        }
        forms->form4().MyYear().Refresh();
    }
};

std::vector<TGameWindow*> GameWindowsMade()
{
    std::vector<TGameWindow*> windows;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* window = qobject_cast<TGameWindow*>(widget))
            windows.push_back(window);
    }
    std::sort(windows.begin(), windows.end(),
        [](TGameWindow* a, TGameWindow* b) { return a->windowTitle() < b->windowTitle(); });
    return windows;
}

std::string Where(const QWidget* window, const QString& what)
{
    return (window->windowTitle() + QStringLiteral(": ") + what).toStdString();
}

bool HasCyrillic(const QString& text)
{
    return std::any_of(text.begin(), text.end(), [](QChar c) { return c.unicode() >= 0x400 && c.unicode() <= 0x4FF; });
}

bool HasBuddyLabel(const QWidget* window, const QWidget* box)
{
    const auto labels = window->findChildren<QLabel*>();
    return std::any_of(labels.begin(), labels.end(), [box](const QLabel* label) { return label->buddy() == box; });
}

bool ShowsPlainText(const QLabel* label)
{
    return label->textFormat() == Qt::PlainText
        || (label->textFormat() == Qt::AutoText && !Qt::mightBeRichText(label->text()));
}

bool HasCloseBox(const QWidget* window) { return window->windowFlags().testFlag(Qt::WindowCloseButtonHint); }

} // namespace

TEST_F(WindowContracts, AScreenReaderReadsEveryValueAsShownAndEveryBoxByARussianName)
{
    std::vector<QWidget*> windows { &forms->form1() };
    for (TGameWindow* window : GameWindowsMade())
        windows.push_back(window);
    ASSERT_GT(windows.size(), 40u);

    for (QWidget* window : windows) {
        for (QLabel* label : window->findChildren<QLabel*>()) {
            if (dynamic_cast<PictureBox*>(label))
                continue;
            // A name would be read instead of the value: context belongs in the description.
            EXPECT_TRUE(label->accessibleName().isEmpty() || label->accessibleName() == label->text())
                << Where(window, label->text() + QStringLiteral(" named ") + label->accessibleName());
            if (!ShowsPlainText(label) || label->text().contains(QLatin1Char('&')))
                continue;
            if (label->text().isEmpty())
                label->setText(QStringLiteral("42")); // a value copied in when the window opens
            QAccessibleInterface* readable = QAccessible::queryAccessibleInterface(label);
            ASSERT_NE(readable, nullptr);
            EXPECT_EQ(readable->text(QAccessible::Name), label->text()) << Where(window, label->text());
        }

        std::vector<QWidget*> boxes;
        for (QLineEdit* box : window->findChildren<QLineEdit*>()) {
            // The edit line inside a list or a number box is named through its owner.
            if (!qobject_cast<QComboBox*>(box->parentWidget()) && !qobject_cast<QAbstractSpinBox*>(box->parentWidget()))
                boxes.push_back(box);
        }
        for (QComboBox* box : window->findChildren<QComboBox*>())
            boxes.push_back(box);
        for (QAbstractSpinBox* box : window->findChildren<QAbstractSpinBox*>())
            boxes.push_back(box);
        for (QWidget* box : boxes) {
            EXPECT_TRUE(HasCyrillic(box->accessibleName()) || HasBuddyLabel(window, box)) << Where(window,
                QString::fromLatin1(box->metaObject()->className()) + QStringLiteral(" named ")
                    + box->accessibleName());
        }
    }
}

TEST_F(WindowContracts, ThePlayerCanLeaveEveryWindow)
{
    for (TGameWindow* window : GameWindowsMade()) {
        if (HasCloseBox(window)) {
            QSignalSpy closed(window, &QDialog::finished);
            QTest::keyClick(window, Qt::Key_Escape);
            EXPECT_EQ(closed.size(), 1) << Where(window, QStringLiteral("Escape does not close it"));
            continue;
        }
        const auto buttons = window->findChildren<QPushButton*>();
        EXPECT_TRUE(std::any_of(buttons.begin(), buttons.end(), [window](const QPushButton* button) {
            return button->isVisibleTo(window) && button->isEnabled();
        })) << Where(window, QStringLiteral("no close box and no button to press"));
    }
}

TEST_F(WindowContracts, AWindowWithoutCloseBoxIgnoresEscapeAndThePlayersCloseButOnlyClosesForTheProgram)
{
    for (TGameWindow* window : GameWindowsMade()) {
        if (HasCloseBox(window))
            continue;
        QSignalSpy closed(window, &QDialog::finished);
        QTest::keyClick(window, Qt::Key_Escape);
        QCloseEvent playersClose;
        QSpontaneKeyEvent::setSpontaneous(&playersClose);
        QCoreApplication::instance()->notify(window, &playersClose); // sendEvent would make it the program's own
        EXPECT_FALSE(playersClose.isAccepted()) << Where(window, QStringLiteral("the close button closes it"));
        EXPECT_EQ(closed.size(), 0) << Where(window, QStringLiteral("left without its own buttons"));

        // Quitting the game closes every window.
        EXPECT_TRUE(window->close()) << Where(window, QStringLiteral("stays open when the game quits"));
        EXPECT_FALSE(window->isVisible());
        EXPECT_EQ(closed.size(), 1) << Where(window, {});
    }
}

TEST_F(WindowContracts, NoTextWindowLaysOutALineTooLongForIt)
{
    // Word wrapping a line without blanks costs the square of its length: a megabyte of one letter in a content file
    // would freeze the window that shows it. Every text the windows read gets one here.
    const QString dir = useWorkingDirectory({ "Data/Girls/0.jpg" });
    const QByteArray line(1 << 20, 'x');
    const QStringList files
        = { "Data/Ending/End1.end", "Data/Ending/End2.end", "Data/Ending/End3.end", "Data/Ending/End4.end",
              "Data/Ending/End5.end", "Data/Girls/0.inf", "Data/Works/0.txt", "Data/Dialogs/Gopniks/GOPNIK.DLG" };
    for (const QString& file : files) {
        ASSERT_TRUE(QDir(dir).mkpath(QFileInfo(file).path()));
        WriteBytes(dir + "/" + file, "\xc0\r\n" + line + "\r\n");
    }
    const QString tooLong = QStringLiteral("строка 2 длиннее %1 знаков (%2)").arg(MaxShownLineLength).arg(line.size());

    // The ending keeps its name and picture and tells what became of its story.
    ui.onModal<TForm45>([&](TForm45& ending) {
        EXPECT_TRUE(Child<QPlainTextEdit>(ending, "Memo1")->toPlainText().contains(tooLong)) << Child<QPlainTextEdit>(ending, "Memo1")->toPlainText().toStdString();
        click(Child<QPushButton>(ending, "Button1"));
    });
    ui.showModal(forms->form45());
    // A girl's info, a job's description and the thug's talk stop with the error box.
    ui.expectErrorBoxes(3);
    Child<QPushButton>(forms->form19(), "Button1")->click();
    click(Child<QPushButton>(forms->form5(), "Button6"));
    forms->StartThug();
    for (const QString& error : ui.errors)
        EXPECT_TRUE(error.endsWith(tooLong)) << error.toStdString();
    ASSERT_EQ(ui.errors.size(), 3);
    EXPECT_TRUE(ui.errors[0].contains("Girls/0.inf"));
    EXPECT_TRUE(ui.errors[1].contains("Works/0.txt"));
    EXPECT_TRUE(ui.errors[2].contains("GOPNIK.DLG"));

    // Counted in characters: no text box of any window holds a line longer than the limit.
    for (TGameWindow* window : GameWindowsMade()) {
        for (const QPlainTextEdit* box : window->findChildren<QPlainTextEdit*>()) {
            for (const QString& shown : box->toPlainText().split('\n'))
                EXPECT_LE(shown.size(), MaxShownLineLength) << Where(window, box->objectName());
        }
    }
}

TEST_F(WindowContracts, AScreenReaderReadsEveryCellOfEveryTableAsShown)
{
    int cells = 0;
    for (TGameWindow* window : GameWindowsMade()) {
        for (QAbstractItemView* view : window->findChildren<QAbstractItemView*>()) {
            QAbstractItemModel* model = view->model();
            if (!model || !qobject_cast<QTableView*>(view))
                continue; // a list inside a combo box is read through its box
            EXPECT_TRUE(HasCyrillic(view->accessibleName())) << Where(window, QStringLiteral("a table without a name"));
            QAccessibleInterface* readable = QAccessible::queryAccessibleInterface(view);
            ASSERT_NE(readable, nullptr);
            QAccessibleTableInterface* table = readable->tableInterface();
            ASSERT_NE(table, nullptr) << Where(window, view->accessibleName());
            ASSERT_EQ(table->rowCount(), model->rowCount());
            ASSERT_EQ(table->columnCount(), model->columnCount());
            for (int column = 0; column < model->columnCount(); ++column) {
                const QString heading = model->headerData(column, Qt::Horizontal).toString();
                EXPECT_FALSE(heading.isEmpty()) << Where(window, view->accessibleName());
                for (int row = 0; row < model->rowCount(); ++row) {
                    QAccessibleInterface* cell = table->cellAt(row, column);
                    ASSERT_NE(cell, nullptr);
                    const QString shown = model->index(row, column).data().toString();
                    EXPECT_FALSE(shown.isEmpty()) << Where(window, view->accessibleName());
                    EXPECT_EQ(cell->text(QAccessible::Name), shown) << Where(window, view->accessibleName());
                    ++cells;
                }
            }
        }
    }
    EXPECT_GE(cells, 3 * 12 + 16 * 4); // the days and the grades of «Мой год»
}
