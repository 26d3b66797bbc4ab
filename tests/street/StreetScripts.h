// Small conversation scripts written for the street tests, in the game's ten-line node format, and the ways the
// tests drive the street windows: their timers and buttons found by name.
#pragma once

#include "ScriptedUi.h"
#include "TestHelpers.h"
#include "core/GameState.h"
#include "core/TextFile.h"

#include <QDir>
#include <QFileInfo>
#include <QStringList>
#include <QTimer>
#include <map>

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

// A girl's talk of nodes that each offer a bad answer (1, score 0) and a good one (2, score 1), then a last node.
inline QStringList ScriptOf(int nodes)
{
    QStringList lines;
    for (int n = 0; n < nodes; ++n)
        lines << QStringLiteral("Реплика %1").arg(n) << "2"
              << "Плохо"
              << "Фу"
              << "0"
              << "Хорошо"
              << "Ура"
              << "1";
    lines << "Последняя"
          << "1"
          << "Пока"
          << "Ты милый"
          << "0";
    return lines;
}

// Lets a window's timer go off once, as if its time had come.
inline void Fire(const QObject& window, const char* timer)
{
    QTimer* found = Child<QTimer>(window, timer);
    ASSERT_NE(found, nullptr);
    QMetaObject::invokeMethod(found, "timeout", Qt::DirectConnection);
}

// A window's button found by its name; fails the test when there is none.
inline QPushButton* ButtonOf(const QObject& window, const char* name) { return Child<QPushButton>(window, name); }

// Notes, at every change of a field and of the girls' flags, how many messages the player had been shown by then, so
// a test sees whether the panel moved before the player had read why.
class ChangeWatch {
public:
    ChangeWatch(TGameState& state, const ScriptedUi& ui)
    {
        m_connections[0] = QObject::connect(
            &state, &TGameState::changed, [this, &ui](Field field) { shownBefore[field] = ui.messages.size(); });
        m_connections[1] = QObject::connect(
            &state, &TGameState::girlFlagsChanged, [this, &ui] { girlsShownBefore = ui.messages.size(); });
    }
    ~ChangeWatch()
    {
        for (const QMetaObject::Connection& connection : m_connections)
            QObject::disconnect(connection);
    }

    // The messages shown before the last change of each field that changed.
    std::map<Field, qsizetype> shownBefore;
    qsizetype girlsShownBefore = -1; // -1: the flags did not change

private:
    QMetaObject::Connection m_connections[2];
};
