// Small helpers the town tests share.
#pragma once

#include <QPushButton>
#include <QTest>
#include "ScriptedUi.h"

inline void click(QPushButton* button)
{
    ASSERT_NE(button, nullptr);
    QTest::mouseClick(button, Qt::LeftButton);
}
