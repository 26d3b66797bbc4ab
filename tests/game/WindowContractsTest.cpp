// What holds for every window of the game: a screen reader reads every value as it is shown, and the
// player can always leave a window (or is told that it is not there yet).
#include "GameFixture.h"
#include "core/GameWindow.h"
#include "core/Picture.h"
#include "game/Unit1.h"

#include <QAbstractSpinBox>
#include <QAccessible>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTextDocument>
#include <QtTest/qtestspontaneevent.h>
#include <algorithm>

namespace {

// Every window of the game, made for the walk.
class WindowContracts : public GameFixture {
protected:
    WindowContracts() { forms->MakeAllWindows(); }
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
