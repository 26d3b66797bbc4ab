#include "street/StoryLook.h"

#include "core/GameWindow.h"
#include "core/Guarded.h"
#include "core/Look.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

void SetStoryText(QLabel* label, int pixelSize)
{
    SetHeading(label, pixelSize);
    SetTextColor(label, Palette::White);
    AddShadow(label, Palette::Black, 0, 2);
}

StoryParts BuildStoryWindow(QWidget* window, const QString& art, const QString& text)
{
    AddBackground(window, art);
    auto* label = new QLabel(text, window);
    label->setWordWrap(true);
    SetStoryText(label, 16);

    auto* ok = new QPushButton(QStringLiteral("OK"), window);
    SetBold(ok);
    ok->setMinimumSize(90, 30);
    ok->setDefault(true);
    auto* game = qobject_cast<TGameWindow*>(window);
    ConnectGuarded(ok, &QPushButton::clicked, window, [game] { game->closeWith(ModalResult::Ok); });

    auto* layout = new QVBoxLayout(window);
    layout->setContentsMargins(18, 16, 18, 14);
    layout->addWidget(label);
    layout->addStretch();
    layout->addWidget(ok, 0, Qt::AlignHCenter);
    return { label, ok };
}
