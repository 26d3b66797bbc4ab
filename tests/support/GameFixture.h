// A whole game for tests: every window made, scripted Ui and Random installed, a state at hand.
#pragma once

#include "ScriptedRandom.h"
#include "ScriptedUi.h"
#include "core/GameState.h"
#include "game/Forms.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

class TForm1;

// The text the main window's status panel shows for a field, found by the field's name as a panel box.
QString PanelText(const TForm1& main, Field field);
// The grade the diary window shows in a subject's (diary order) column.
QString DiaryCellText(const QWidget& diary, int subject, int column);

class GameFixture : public testing::Test {
protected:
    GameFixture();
    ~GameFixture() override;

    // Sets fields in one go: { { Field::Money, "10" }, ... }.
    void given(std::initializer_list<std::pair<Field, QString>> values);

    // "Сохранить игру..." and "Загрузить игру..." with the file dialog answering the path.
    void save(const QString& path);
    void load(const QString& path);

    // Makes a fresh working directory holding a copy of the given files of the real Data tree
    // (paths relative to the repository, e.g. "Data/Help/Index.htm"), and changes into it. A listed file that is
    // missing or cannot be copied fails the test.
    QString useWorkingDirectory(std::initializer_list<const char*> dataFiles = {});
    QString useWorkingDirectory(const QStringList& dataFiles);

    ScriptedUi ui;
    ScriptedRandom random;
    std::unique_ptr<Forms> forms;
    TGameState& state;

private:
    QString m_previousDir;
    std::unique_ptr<QTemporaryDir> m_workDir;
};
