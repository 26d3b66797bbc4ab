#include "core/DiaryGrades.h"

const std::array<SchoolSubject, SubjectCount> SchoolSubjects = { {
    { "Русский язык", "Русский язык" },
    { "Литература", "Литература" },
    { "Алгебра", "Алгебра" },
    { "Геометрия", "Геометрия" },
    { "Информатика", "Информатика" },
    { "География", "География" },
    { "Биология", "Биология" },
    { "Физика", "Физика" },
    { "Химия", "Химия" },
    { "История", "История" },
    { "Инностранный", "Инностранный" },
    { "Черчение", "Черчение" },
    { "Физ/ра", "Физ/ра" },
    { "Труд", "Труд" },
    { "ОБЖ", "ОБЖ" },
    { "Обществознание", "Обществозн." },
} };

int SubjectIndex(const QString& key)
{
    for (int i = 0; i < SubjectCount; ++i) {
        if (key == QString::fromUtf8(SchoolSubjects[i].key))
            return i;
    }
    return -1;
}

QString SubjectKey(int index) { return QString::fromUtf8(SchoolSubjects[index].key); }

QString SubjectShown(int index) { return QString::fromUtf8(SchoolSubjects[index].shown); }

void DiaryGrades::clear()
{
    for (auto& row : m_cells)
        row.fill(QStringLiteral("0"));
}
