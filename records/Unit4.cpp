#include "records/Unit4.h"
#include "core/Button.h"
#include "core/Guarded.h"

#include "core/GameState.h"
#include "core/Look.h"
#include "records/MyYear.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// Bold ink letters, as the diary's printed headings are.
QLabel* InkLabel(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    MakePrintedHeading(label);
    return label;
}

QLabel* Heading(const QString& text, QWidget* parent)
{
    QLabel* label = InkLabel(text, parent);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

constexpr int FirstGridRow = 2; // rows 0 and 1 hold the headings
constexpr int NumberColumn = 0;
constexpr int SubjectColumn = 1;
constexpr int FirstGradeColumn = 2;

// What each grade column holds, as a screen reader tells it beside the grade.
const char* const ColumnNames[GradeColumnCount]
    = { "I четверть", "II четверть", "III четверть", "IV четверть", "годовая", "экзамен", "итоговая" };

} // namespace

TForm4::TForm4(GameWindows& windows)
    : TGameWindow(windows, QStringLiteral("Дневник"), QSize(600, 560))
{
    UsePageStyle(this);
    AddBackground(this, QStringLiteral(":/art/diary_background.svg"));

    titleLabel = new QLabel(QStringLiteral("ИТОГОВЫЕ ОЦЕНКИ:"), this);
    titleLabel->setAlignment(Qt::AlignCenter);
    SetHeadingPoints(titleLabel, 13);
    SetTextColor(titleLabel, Palette::Ink);

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(0);
    grid->setVerticalSpacing(0);

    // Headings: narrow boxes, so the long ones wrap as they do on a printed diary page. A long word breaks at its
    // syllables with a hyphen only where the box ends the line (soft hyphens), never in the middle of a line.
    auto* subjectHeading = Heading(QStringLiteral("№  ПРЕДМЕТ"), this);
    subjectHeading->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
    grid->addWidget(subjectHeading, 0, NumberColumn, 2, 2);
    auto* quartersHeading = Heading(QStringLiteral("Оценка по четвертям"), this);
    quartersHeading->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
    grid->addWidget(quartersHeading, 0, FirstGradeColumn + Quarter1, 1, 4);
    // Each numeral in the cell of its own column, so it stands right over that quarter's grades.
    const char* const numerals[] = { "I", "II", "III", "IV" };
    for (int quarter = Quarter1; quarter <= Quarter4; ++quarter) {
        auto* numeral = Heading(QString::fromLatin1(numerals[quarter - Quarter1]), this);
        numeral->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
        grid->addWidget(numeral, 1, FirstGradeColumn + quarter);
    }
    const QChar softHyphen(0x00AD);
    const std::pair<int, QString> otherHeadings[] = {
        { YearGrade, QStringLiteral("Годо%1вая оценка").arg(softHyphen) },
        { ExamGrade, QStringLiteral("Оценка на экза%1мене").arg(softHyphen) },
        { FinalGrade, QStringLiteral("Ито%1го%1вая оцен%1ка").arg(softHyphen) },
    };
    for (const auto& [column, text] : otherHeadings) {
        auto* heading = Heading(text, this);
        heading->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
        heading->setFixedWidth(56);
        grid->addWidget(heading, 0, FirstGradeColumn + column, 2, 1);
    }

    for (int subject = 0; subject < SubjectCount; ++subject) {
        const int row = FirstGridRow + subject;
        auto* number = new QLabel(QString::number(subject + 1), this);
        number->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        MakeRuledLine(number);
        number->setContentsMargins(0, 0, 6, 0);
        grid->addWidget(number, row, NumberColumn);
        auto* name = new QLabel(SubjectShown(subject), this);
        MakeRuledLine(name);
        grid->addWidget(name, row, SubjectColumn);
        for (int column = 0; column < GradeColumnCount; ++column) {
            auto* cell = new QLabel(this);
            cell->setAlignment(Qt::AlignCenter);
            cell->setFixedHeight(25);
            MakeGradeCell(cell);
            // A screen reader reads the grade itself; the subject and the column are told as its description.
            cell->setAccessibleDescription(
                QStringLiteral("%1, %2").arg(SubjectShown(subject), QString::fromUtf8(ColumnNames[column])));
            cell->setObjectName(QStringLiteral("grade%1_%2").arg(subject).arg(column));
            m_cells[subject][column] = cell;
            grid->addWidget(cell, row, FirstGradeColumn + column);
        }
    }
    grid->setColumnMinimumWidth(NumberColumn, 28);
    grid->setColumnStretch(SubjectColumn, 1);
    for (int column = 0; column < GradeColumnCount; ++column)
        grid->setColumnMinimumWidth(FirstGradeColumn + column, column <= Quarter4 ? 44 : 56);

    QLabel* quarterCaption = InkLabel(QStringLiteral("Данная четверть:"), this);
    quarterLabel = InkLabel(QString(), this);
    quarterCaption->setBuddy(quarterLabel);
    auto* quarterLine = new QHBoxLayout;
    quarterLine->addWidget(quarterCaption);
    quarterLine->addWidget(quarterLabel);
    quarterLine->addStretch();
    auto* myYearButton = MakeButton(this, QStringLiteral("Мой год"), QSize(100, 28), this, &TForm4::myYearButtonClick);
    myYearButton->setObjectName(QStringLiteral("myYearButton"));
    quarterLine->addWidget(myYearButton);

    Button1 = MakeButton(this, QStringLiteral("ОК, посмотрел."), QSize(140, 28), this, &TForm4::Button1Click);
    Button1->setDefault(true);
    quarterLine->addWidget(Button1);

    NameControls({ { titleLabel, "titleLabel" }, { quarterLabel, "quarterLabel" }, { Button1, "Button1" } });

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

void TForm4::SetCurrentQuarter(const QString& quarter)
{
    m_quarter = quarter;
    quarterLabel->setText(m_quarter);
}

void TForm4::Button1Click() { closeWith(ModalResult::Ok); }

TForm4::~TForm4() = default;

TMyYearWindow& TForm4::MyYear()
{
    if (!m_myYear)
        m_myYear = std::make_unique<TMyYearWindow>(windows());
    return *m_myYear;
}

void TForm4::myYearButtonClick()
{
    TMyYearWindow& window = MyYear();
    window.Refresh();
    ui().showModal(window);
}
