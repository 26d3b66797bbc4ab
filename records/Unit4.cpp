#include "records/Unit4.h"

#include <QLabel>

TForm4::TForm4(Forms& forms)
    : TGameWindow(forms, QStringLiteral("Дневник"), QSize(600, 560))
{
    quarterLabel = new QLabel(this);
}

void TForm4::SetCurrentQuarter(const QString& quarter) { quarterLabel->setText(quarter); }

QString TForm4::CurrentQuarter() const { return quarterLabel->text(); }
