# The widget check on a small planted tree: it names every public widget once, nothing private, no function, no
# class that is not a widget, and every header of the allow-list that has nothing left to allow.
# Run as: cmake -DCHECK=<CheckPublicWidgets.cmake> -DWORK_DIR=<scratch folder> -P CheckPublicWidgetsSelfTest.cmake
cmake_minimum_required(VERSION 3.25)
file(REMOVE_RECURSE "${WORK_DIR}")

file(WRITE "${WORK_DIR}/core/Window.h" [=[
// A base window: its control is private, and a function may hand out a pointer.
class TGameWindow : public QDialog {
    Q_OBJECT
public:
    QLabel* label() const { return m_label; }
    void placeAt(QWidget* parent,
        QLabel* label);

private:
    QLabel* m_label;
};
]=])
file(WRITE "${WORK_DIR}/records/Unit90.h" [=[
// A window with its controls in every section.
#pragma once

class QLabel;

class TForm90 final : public TGameWindow {
    Q_OBJECT
    QLabel* hiddenByDefault;
public:
    explicit TForm90(GameWindows& windows);
    QPushButton* Button1; // planted
    std::array<std::array<QLabel*, 3>, 2> cells {};
    QTimer*
        Timer1;
    QString title = QStringLiteral("a;b[1]\\");
    int count = 0;
    void showAt(QLabel* where)
    {
        where->setText(title);
    }
    struct Part {
        QLabel* inner;
    };

protected:
    QLabel* Label2;
signals:
    void changed(QWidget* widget);
public:
    TForm90* next = nullptr;

private:
    QLineEdit* Edit1;
};
]=])
file(WRITE "${WORK_DIR}/street/Panel.h" [=[
class Picture : public QLabel {
};
struct Panel : Picture {
    QComboBox* list;
};
class Model : public QObject {
public:
    QLabel* notAWindow;
};
]=])
file(WRITE "${WORK_DIR}/game/Old.h" [=[
class TOld : public QWidget {
public:
    QLabel* Label1;
};
]=])
file(WRITE "${WORK_DIR}/allowed.txt" "# still to be done\ngame/Old.h\n\ntown/Gone.h # renamed since\n")

execute_process(COMMAND ${CMAKE_COMMAND} -DSOURCE_DIR=${WORK_DIR} -DALLOWED=${WORK_DIR}/allowed.txt -P ${CHECK}
    RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)

set(expected
    "records/Unit90.h: TForm90 declares a public widget: QPushButton* Button1\;"
    "records/Unit90.h: TForm90 declares a public widget: std::array<std::array<QLabel*, 3>, 2> cells {}\;"
    "records/Unit90.h: TForm90 declares a public widget: QTimer* Timer1\;"
    "records/Unit90.h: TForm90 declares a public widget: TForm90* next = nullptr\;"
    "street/Panel.h: Panel declares a public widget: QComboBox* list\;"
    "town/Gone.h: keeps its widgets to itself (or is gone)")
set(problems "")
if(result EQUAL 0)
    string(APPEND problems "the check passed\n")
endif()
foreach(line IN LISTS expected)
    string(FIND "${output}" "${line}" at)
    if(at LESS 0)
        string(APPEND problems "not named: ${line}\n")
    endif()
endforeach()
string(REGEX MATCHALL "declares a public widget|keeps its widgets to itself" named "${output}")
list(LENGTH named count)
list(LENGTH expected wanted)
if(NOT count EQUAL wanted)
    string(APPEND problems "${count} findings instead of ${wanted}\n")
endif()
if(problems)
    message(FATAL_ERROR "The widget check went wrong on the planted tree:\n${problems}\nIts output:\n${output}")
endif()
message(STATUS "The widget check names exactly the planted public widgets.")
