#include "game/StatusPanel.h"

#include "core/Guarded.h"
#include "core/Look.h"

#include <QLineEdit>
#include <QTimer>

namespace {
// A frame of the status panel: 25 pictures a second.
constexpr int FrameMilliseconds = 40;

// The boxes that have no caption of their own on the panel: they stand beside the captioned first box of their line.
const std::pair<Field, const char*> UncaptionedBoxNames[]
    = { { Field::Minute, "Минуты" }, { Field::Month, "Месяц" }, { Field::Year, "Год" } };
}

StatusPanel::StatusPanel(const TGameState& state, QWidget& window)
    : QObject(&window)
    , m_state(state)
    , m_window(window)
    , m_frame(new QTimer(this))
{
    m_frame->setSingleShot(true);
    m_frame->setInterval(FrameMilliseconds);
    ConnectGuarded(m_frame, &QTimer::timeout, this, &StatusPanel::endFrame);
}

QLineEdit* StatusPanel::MakeDisplay(Field field, bool bold, QWidget* parent)
{
    auto* box = new QLineEdit(parent);
    box->setReadOnly(true);
    box->setFocusPolicy(Qt::NoFocus);
    // A screen reader names a box by the caption that points to it, or by its own Russian name when it has none.
    for (auto [uncaptioned, name] : UncaptionedBoxNames) {
        if (field == uncaptioned)
            box->setAccessibleName(QString::fromUtf8(name));
    }
    if (bold)
        MakeBareValue(box);
    box->setObjectName(QString::fromLatin1(InfoOf(field).name));
    m_displays[field] = box;
    return box;
}

void StatusPanel::Follow()
{
    for (const FieldInfo& info : FieldTable)
        showField(info.field);
    connect(&m_state, &TGameState::changed, this, &StatusPanel::showField);
}

QLineEdit* StatusPanel::Display(Field field) const
{
    auto found = m_displays.find(field);
    if (found == m_displays.end())
        return nullptr;
    if (m_pendingFields.test(int(field))) {
        m_pendingFields.reset(int(field));
        setBox(field, found->second);
    }
    return found->second;
}

QString StatusPanel::Text(Field field) const
{
    const QLineEdit* box = Display(field);
    return box ? box->text() : QString();
}

void StatusPanel::WindowShown() const { setPendingBoxes(); }

// The state tells of a field only when its text changed; on a window out of sight the box waits until it is shown.
void StatusPanel::showField(Field field)
{
    auto found = m_displays.find(field);
    if (found == m_displays.end())
        return;
    if (!m_window.isVisible() || m_frame->isActive()) {
        m_pendingFields.set(int(field));
        return;
    }
    m_pendingFields.reset(int(field));
    setBox(field, found->second);
    m_frame->start();
}

void StatusPanel::endFrame()
{
    if (m_pendingFields.none() || !m_window.isVisible())
        return;
    setPendingBoxes();
    m_frame->start();
}

void StatusPanel::setBox(Field field, QLineEdit* box) const
{
    const QString& text = m_state.text(field);
    if (box->text() == text)
        return;
    box->setText(text);
    box->setCursorPosition(0);
}

void StatusPanel::setPendingBoxes() const
{
    if (m_pendingFields.none())
        return;
    for (auto [field, box] : m_displays) {
        if (m_pendingFields.test(int(field)))
            setBox(field, box);
    }
    m_pendingFields.reset();
}
