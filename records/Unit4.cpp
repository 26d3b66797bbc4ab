#include "records/Unit4.h"
#include "core/Guarded.h"

#include "core/GameState.h"
#include "core/Picture.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// One style sheet for the whole page, its rules picked by the labels' object names: a sheet per label would be parsed
// and applied 147 times while the game starts.
const char* const DiaryStyle
    = "QLabel#title { color: #3A3845; font-weight: bold; font-size: 13pt; background: transparent; }"
      "QLabel#heading { color: #3A3845; font-weight: bold; background: transparent; }"
      "QLabel#cell { color: #3D5A80; font-weight: bold; background: rgba(251, 247, 238, 200); "
      "border: 1px solid #B3AFA7; }"
      "QLabel#subject { color: #3A3845; background: transparent; border-bottom: 1px solid #D9D6CF; }";

QLabel* Heading(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignCenter);
    label->setObjectName(QStringLiteral("heading"));
    return label;
}

constexpr int FirstGridRow = 1; // row 0 holds the headings
constexpr int NumberColumn = 0;
constexpr int SubjectColumn = 1;
constexpr int FirstGradeColumn = 2;

} // namespace

TForm4::TForm4(GameWindows& windows)
    : TGameWindow(windows, QStringLiteral("Дневник"), QSize(600, 560))
{
    setStyleSheet(QString::fromLatin1(DiaryStyle));
    auto* background = new PictureBox(this);
    background->setGeometry(0, 0, 600, 560);
    background->setArt(QStringLiteral(":/art/diary_background.svg"));

    titleLabel = new QLabel(QStringLiteral("ИТОГОВЫЕ ОЦЕНКИ:"), this);
    titleLabel->setAlignment(Qt::AlignCenter);
    titleLabel->setObjectName(QStringLiteral("title"));

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(0);
    grid->setVerticalSpacing(0);

    // Headings: narrow boxes, so the long ones wrap as they do on a printed diary page.
    auto* subjectHeading = Heading(QStringLiteral("№  ПРЕДМЕТ"), this);
    subjectHeading->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
    grid->addWidget(subjectHeading, 0, NumberColumn, 1, 2);
    auto* quartersHeading = Heading(QStringLiteral("Оценка по четвертям      I    II    III    IV"), this);
    quartersHeading->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
    QFont spaced = quartersHeading->font();
    spaced.setWordSpacing(5); // puts the Roman numerals over their columns
    quartersHeading->setFont(spaced);
    grid->addWidget(quartersHeading, 0, FirstGradeColumn + Quarter1, 1, 4);
    const std::pair<int, const char*> otherHeadings[] = {
        { YearGrade, "Годо- вая оценка" },
        { ExamGrade, "Оценка на экза- мене" },
        { FinalGrade, "Итого- вая оцен- ка" },
    };
    for (auto [column, text] : otherHeadings) {
        auto* heading = Heading(QString::fromUtf8(text), this);
        heading->setFixedWidth(56);
        grid->addWidget(heading, 0, FirstGradeColumn + column);
    }

    for (int subject = 0; subject < SubjectCount; ++subject) {
        const int row = FirstGridRow + subject;
        auto* number = new QLabel(QString::number(subject + 1), this);
        number->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        number->setObjectName(QStringLiteral("subject"));
        number->setContentsMargins(0, 0, 6, 0);
        grid->addWidget(number, row, NumberColumn);
        auto* name = new QLabel(SubjectShown(subject), this);
        name->setObjectName(QStringLiteral("subject"));
        grid->addWidget(name, row, SubjectColumn);
        for (int column = 0; column < GradeColumnCount; ++column) {
            auto* cell = new QLabel(this);
            cell->setAlignment(Qt::AlignCenter);
            cell->setFixedHeight(25);
            cell->setObjectName(QStringLiteral("cell"));
            cell->setAccessibleName(QStringLiteral("%1, столбец %2").arg(SubjectShown(subject)).arg(column + 1));
            m_cells[subject][column] = cell;
            grid->addWidget(cell, row, FirstGradeColumn + column);
        }
    }
    grid->setColumnMinimumWidth(NumberColumn, 28);
    grid->setColumnStretch(SubjectColumn, 1);
    for (int column = 0; column < GradeColumnCount; ++column)
        grid->setColumnMinimumWidth(FirstGradeColumn + column, column <= Quarter4 ? 44 : 56);

    auto* quarterCaption = new QLabel(QStringLiteral("Данная четверть:"), this);
    quarterCaption->setObjectName(QStringLiteral("heading"));
    quarterLabel = new QLabel(this);
    quarterLabel->setObjectName(QStringLiteral("heading"));
    quarterLabel->setAccessibleName(QStringLiteral("Данная четверть"));
    auto* quarterLine = new QHBoxLayout;
    quarterLine->addWidget(quarterCaption);
    quarterLine->addWidget(quarterLabel);
    quarterLine->addStretch();

    Button1 = new QPushButton(QStringLiteral("ОК, посмотрел."), this);
    Button1->setMinimumSize(140, 28);
    Button1->setDefault(true);
    Connect(Button1, &QPushButton::clicked, this, &TForm4::Button1Click);
    quarterLine->addWidget(Button1);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(44, 12, 20, 12);
    layout->setSpacing(8);
    layout->addWidget(titleLabel);
    layout->addLayout(grid);
    layout->addStretch();
    layout->addLayout(quarterLine);

    showGrades();
    connect(&state(), &TGameState::diaryChanged, this, &TForm4::showGrades);
}

void TForm4::showGrades()
{
    const DiaryGrades& diary = state().diary();
    for (int subject = 0; subject < SubjectCount; ++subject) {
        for (int column = 0; column < GradeColumnCount; ++column)
            m_cells[subject][column]->setText(diary.cell(subject, column));
    }
}

void TForm4::SetCurrentQuarter(const QString& quarter) { quarterLabel->setText(quarter); }

QString TForm4::CurrentQuarter() const { return quarterLabel->text(); }

void TForm4::Button1Click() { closeWith(ModalResult::Ok); }
