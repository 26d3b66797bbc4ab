#include "records/RecordsContent.h"

#include "core/DiaryGrades.h"
#include "records/Questions.h"

std::vector<QStringList> RecordsContent::QuestionSubjects()
{
    std::vector<QStringList> subjects;
    for (int subject = 0; subject < SubjectCount; ++subject)
        subjects.push_back({ QuestionFileSubject(SubjectKey(subject)) });
    return subjects;
}
