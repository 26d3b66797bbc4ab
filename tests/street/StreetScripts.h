// Small conversation scripts written for the street tests, in the game's ten-line node format.
#pragma once

#include "TestHelpers.h"
#include "core/TextFile.h"

#include <QDir>
#include <QFileInfo>
#include <QStringList>

struct TestNode {
    const char* line;
    int next1, next2, next3;
    const char* outcome = "";
};

// Every node's answers are "<line> / 1", "/ 2", "/ 3", so a test can tell which node put the captions up.
inline QStringList ScriptLines(std::initializer_list<TestNode> nodes)
{
    QStringList lines;
    for (const TestNode& node : nodes) {
        const QString line = QString::fromUtf8(node.line);
        lines << line << line + " / 1" << line + " / 2" << line + " / 3"
              << "0"
              << "0" << QString::number(node.next1) << QString::number(node.next2) << QString::number(node.next3)
              << QString::fromUtf8(node.outcome);
    }
    return lines;
}

// Writes a script where the game looks for it, below the current working directory.
inline void WriteScript(const QString& gamePath, const QStringList& lines)
{
    const QString path = QDir::current().filePath(QString(gamePath).replace('\\', '/'));
    QDir().mkpath(QFileInfo(path).path());
    WriteLines1251(path, lines);
}

// A talk whose every answer at node 1 leads to node 2, which ends it with the code.
inline QStringList OneStepTo(const char* outcome)
{
    return ScriptLines({ { "Слышь, стоять!", 2, 2, 2 }, { "Ну все, понял.", 1, 1, 1, outcome } });
}
