// The school diary's grade table: 16 subjects in diary order, seven grade cells each ("0" = no grade yet).
#pragma once

#include <QString>
#include <array>

struct SchoolSubject {
    const char* key; // the name the grade functions and the question files use
    const char* shown; // the name the diary shows
};

constexpr int SubjectCount = 16;
extern const std::array<SchoolSubject, SubjectCount> SchoolSubjects;

// Index of a subject by its key name, or -1 when the text is not one of the 16 keys.
int SubjectIndex(const QString& key);
QString SubjectKey(int index);
QString SubjectShown(int index);

enum GradeColumn { Quarter1 = 0, Quarter2, Quarter3, Quarter4, YearGrade, ExamGrade, FinalGrade };
constexpr int GradeColumnCount = 7;

class DiaryGrades {
public:
    DiaryGrades() { clear(); }

    const QString& cell(int subject, int column) const { return m_cells[subject][column]; }
    void setCell(int subject, int column, const QString& grade) { m_cells[subject][column] = grade; }

    // Every cell back to "0".
    void clear();

    bool operator==(const DiaryGrades&) const = default;

private:
    std::array<std::array<QString, GradeColumnCount>, SubjectCount> m_cells;
};
