// The content files of the school records: the teachers' questions and the endings' stories.
#pragma once

#include "core/ContentManifest.h"
#include "records/YearEnd.h"

namespace RecordsContent {
// One file per diary subject, named as QuestionFileSubject names the subject.
std::vector<QStringList> QuestionSubjects();
inline constexpr ContentEntry Questions { "Data\\Questions\\%1.qst", ContentFormat::Questions, "TForm35",
    QuestionSubjects };
// The story of ending 1..5.
inline constexpr ContentEntry EndingStory { "Data\\Ending\\End%1.end", ContentFormat::Text, "TForm45",
    ContentNumbers<1, EndingCount> };
inline constexpr const ContentEntry* Entries[] = { &Questions, &EndingStory };
}
