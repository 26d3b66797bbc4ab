#include "street/Unit39.h"

#include "core/DataPath.h"
#include "core/GameWindows.h"
#include "core/Guarded.h"
#include "core/Look.h"
#include "core/Picture.h"
#include "street/StreetContent.h"
#include "street/Unit40.h"

#include <QEvent>
#include <QFocusEvent>
#include <QGridLayout>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

const std::array<District, 4> Districts { {
    { "Район интеллигентов. Никогда не дрались, хлюпики", 8 },
    { "Район гоп-стопников. Ограбить сможете только таких же гопников, как вы", 5 },
    { "Район лохов, шестерок и петушков", 3 },
    { "Район накачанных парней и всякого рода бизнесменов.", 10 },
} };

namespace {
const QSize DistrictSize(300, 250);

QIcon DistrictPicture(int k, bool highlighted)
{
    const QString path = DataPath((highlighted ? StreetContent::DistrictLit : StreetContent::District).path(k));
    return QIcon(QPixmap::fromImage(LoadJpeg(path)));
}
}

TForm39::TForm39(GameWindows& windows)
    : TGameWindow(windows, QStringLiteral("Выберете точку, в котором будете ГОП-СТОПничать"), QSize(600, 546),
        WindowFrame::NoCloseBox)
{
    SetBackground(this, Palette::NightDeep);
    auto* grid = new QGridLayout();
    grid->setSpacing(0);
    for (int i = 0; i < 4; ++i) {
        auto* button = new QToolButton(this);
        button->setFixedSize(DistrictSize);
        button->setIconSize(DistrictSize);
        button->setAutoRaise(true);
        button->setToolTip(QString::fromUtf8(Districts[i].hint));
        button->setAccessibleName(QString::fromUtf8(Districts[i].hint));
        button->installEventFilter(this);
        const int k = i + 1;
        ConnectGuarded(button, &QToolButton::clicked, this, [this, k] { DistrictClick(k); });
        grid->addWidget(button, i / 2, i % 2);
        districtButtons[i] = button;
    }
    Button1 = new QPushButton(QStringLiteral("Отмена"), this);
    Button1->setMinimumSize(120, 30);
    Button1->setAutoDefault(false);
    ConnectGuarded(Button1, &QPushButton::clicked, this, &TForm39::Button1Click);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 8);
    layout->addLayout(grid);
    layout->addStretch();
    layout->addWidget(Button1, 0, Qt::AlignHCenter);

    NameControls({ { districtButtons[0], "District1" }, { districtButtons[1], "District2" },
        { districtButtons[2], "District3" }, { districtButtons[3], "District4" }, { Button1, "Button1" } });
}

// The pictures are read when the map is first shown, not when the game starts.
void TForm39::showEvent(QShowEvent* event)
{
    TGameWindow::showEvent(event);
    if (!districtButtons[0]->icon().isNull())
        return;
    RunGuarded([this] {
        for (int k = 1; k <= 4; ++k)
            districtButtons[k - 1]->setIcon(DistrictPicture(k, k == m_hovered));
    });
}

bool TForm39::eventFilter(QObject* watched, QEvent* event)
{
    // The mouse over a district lights it, and so does Tab reaching it; the focus the map opens with does not, so
    // the map opens with no district lit.
    const bool tabbed = event->type() == QEvent::FocusIn
        && (static_cast<QFocusEvent*>(event)->reason() == Qt::TabFocusReason
            || static_cast<QFocusEvent*>(event)->reason() == Qt::BacktabFocusReason);
    if (event->type() == QEvent::Enter || event->type() == QEvent::MouseMove || tabbed) {
        for (int i = 0; i < 4; ++i) {
            if (watched == districtButtons[i])
                RunGuarded([this, i] { DistrictHover(i + 1); });
        }
    }
    return TGameWindow::eventFilter(watched, event);
}

void TForm39::DistrictHover(int k)
{
    if (m_hovered == k)
        return;
    m_hovered = k;
    for (int j = 1; j <= 4; ++j)
        districtButtons[j - 1]->setIcon(DistrictPicture(j, j == k));
}

void TForm39::DistrictClick(int k)
{
    windows().form40().LieInWait(StreetContent::District.path(k), Districts[std::size_t(k - 1)].people);
}

void TForm39::Button1Click() { closeWith(ModalResult::Ok); }
