// Small helpers the town tests share.
#pragma once

#include <QPushButton>
#include <QTest>
#include <ostream>

inline void click(QPushButton* button)
{
    ASSERT_NE(button, nullptr);
    QTest::mouseClick(button, Qt::LeftButton);
}

// Readable QString values in failure messages.
inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }
