// The application object: errors of a handler reach the error box; standard buttons speak Russian.
#include "ScriptedUi.h"
#include "core/Errors.h"

#include <QDialogButtonBox>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

TEST(Application, HandlerErrorsEndUpInTheErrorBoxAndTheGameGoesOn)
{
    ScriptedUi ui;
    QPushButton button("x");
    QObject::connect(&button, &QPushButton::clicked, [] { throw EConvertError::notAnInteger("abc"); });
    QTest::mouseClick(&button, Qt::LeftButton);
    EXPECT_EQ(ui.errors, QStringList { "'abc' is not a valid integer value" });

    QObject::disconnect(&button, nullptr, nullptr, nullptr);
    QObject::connect(&button, &QPushButton::clicked, [] { throw EInOutError::forFile("Data/x.txt", "нет файла"); });
    QTest::mouseClick(&button, Qt::LeftButton);
    EXPECT_EQ(ui.errors.last(), "Data/x.txt: нет файла");
}

TEST(Application, StandardButtonsReadDaAndNet)
{
    QMessageBox box(QMessageBox::Question, "t", "?", QMessageBox::Yes | QMessageBox::No);
    EXPECT_EQ(box.button(QMessageBox::Yes)->text().remove('&'), "Да");
    EXPECT_EQ(box.button(QMessageBox::No)->text().remove('&'), "Нет");
}
