// The application object: errors of a handler reach the error box; standard buttons speak Russian.
#include "ScriptedUi.h"
#include "core/Errors.h"
#include "core/Guarded.h"

#include <QDialogButtonBox>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

TEST(Application, HandlerErrorsEndUpInTheErrorBoxAndTheGameGoesOn)
{
    ScriptedUi ui;
    ui.expectErrorBoxes(3);
    // Handlers are connected through the guard, which stops the failure before it reaches Qt's event loop.
    QPushButton button("x");
    ConnectGuarded(&button, &QPushButton::clicked, &button, [] { throw EConvertError::notAnInteger("abc"); });
    QTest::mouseClick(&button, Qt::LeftButton);
    EXPECT_EQ(ui.errors, QStringList { "'abc' is not a valid integer value" });

    QObject::disconnect(&button, nullptr, nullptr, nullptr);
    ConnectGuarded(
        &button, &QPushButton::clicked, &button, [] { throw EInOutError::forFile("Data/x.txt", "нет файла"); });
    QTest::mouseClick(&button, Qt::LeftButton);
    EXPECT_EQ(ui.errors.last(), "Data/x.txt: нет файла");
    EXPECT_EQ(ui.errors.size(), 2);

    // The application's own backstop still catches a failure that reached an event handler unguarded.
    class Failing : public QObject {
    protected:
        bool event(QEvent*) override { throw EConvertError::notAnInteger("xyz"); }
    } failing;
    QEvent event(QEvent::User);
    QCoreApplication::sendEvent(&failing, &event);
    EXPECT_EQ(ui.errors.last(), "'xyz' is not a valid integer value");
}

TEST(Application, StandardButtonsReadDaAndNet)
{
    QMessageBox box(QMessageBox::Question, "t", "?", QMessageBox::Yes | QMessageBox::No);
    EXPECT_EQ(box.button(QMessageBox::Yes)->text().remove('&'), "Да");
    EXPECT_EQ(box.button(QMessageBox::No)->text().remove('&'), "Нет");
}
