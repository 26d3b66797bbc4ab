// The real host's notices: the clock's announcements come one after another and never hold up the game.
#include "core/Ui.h"
#include "TestHelpers.h"

#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {
QList<QMessageBox*> VisibleBoxes()
{
    QList<QMessageBox*> boxes;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* box = qobject_cast<QMessageBox*>(widget); box && box->isVisible())
            boxes << box;
    }
    return boxes;
}

QString OnlyBoxText()
{
    const QList<QMessageBox*> boxes = VisibleBoxes();
    return boxes.size() == 1 ? boxes[0]->text() : QString();
}
}

TEST(RealUiNotices, ComeOneAfterAnotherWithoutBlockingTheCaller)
{
    QWidget mainWindow;
    mainWindow.show();
    {
        RealUi host;
        host.setMainWindow(&mainWindow);
        // Each call returns at once, with the boxes still to be answered.
        host.notice(QStringLiteral("Первое"));
        host.notice(QStringLiteral("Второе"));
        ASSERT_EQ(VisibleBoxes().size(), 1);
        EXPECT_EQ(OnlyBoxText(), QStringLiteral("Первое"));
        EXPECT_EQ(VisibleBoxes()[0]->windowModality(), Qt::WindowModal) << "the game clock goes on meanwhile";

        VisibleBoxes()[0]->button(QMessageBox::Ok)->click();
        host.notice(QStringLiteral("Третье"));
        EXPECT_TRUE(QTest::qWaitFor([] { return OnlyBoxText() == QStringLiteral("Второе"); }, PatientWait));
        VisibleBoxes()[0]->button(QMessageBox::Ok)->click();
        EXPECT_TRUE(QTest::qWaitFor([] { return OnlyBoxText() == QStringLiteral("Третье"); }, PatientWait));
        VisibleBoxes()[0]->button(QMessageBox::Ok)->click();
        EXPECT_TRUE(QTest::qWaitFor([] { return VisibleBoxes().isEmpty(); }, PatientWait));

        // With the queue empty a new notice shows at once again.
        QTest::qWait(10);
        host.notice(QStringLiteral("Четвёртое"));
        EXPECT_EQ(OnlyBoxText(), QStringLiteral("Четвёртое"));
        VisibleBoxes()[0]->button(QMessageBox::Ok)->click();
    } // the host goes while its last box is closing: nothing may call it afterwards
    QTest::qWait(20);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(VisibleBoxes().isEmpty());
}

TEST(RealUiFileDialogs, ShowWhatTheGameSaysOfTheFileUnderTheCursor)
{
    QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("игра.sav"));
    QFile(file).open(QIODevice::WriteOnly);
    FileDialogOptions options;
    options.title = QStringLiteral("Загрузка сохраненной игры");
    options.filters = QStringList { QStringLiteral("Файл сохранения игры (*.sav)") };
    options.initialDir = folder.path();
    options.preview = [](const QString& path) { return QStringLiteral("о файле ") + QFileInfo(path).fileName(); };
    QString shown;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->windowTitle(), options.title);
        auto* preview = dialog->findChild<QPlainTextEdit*>(QStringLiteral("filePreview"));
        ASSERT_NE(preview, nullptr);
        emit dialog->currentChanged(file); // as the list does when the cursor comes to the file
        shown = preview->toPlainText();
        dialog->reject();
    });
    RealUi host;
    EXPECT_EQ(host.openFileName(options), QString());
    EXPECT_EQ(shown, QStringLiteral("о файле игра.sav"));
}
