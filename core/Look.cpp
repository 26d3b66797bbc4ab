#include "core/Look.h"

#include "core/Picture.h"

#include <QApplication>
#include <QFontMetrics>
#include <QFrame>
#include <QGraphicsDropShadowEffect>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPalette>
#include <QPointer>
#include <QProxyStyle>
#include <QStyleOptionGroupBox>
#include <QWidget>

void UseGameFont()
{
    QFont font = QApplication::font();
    font.setPointSize(8);
    // The game's texts are Russian and Latin, which need no shaping engine: the letters are taken from the font as
    // they are, kerned by its own table. A pair moves by a point here and there, and the shaping machinery's tables
    // and work are spared at start-up (bench/README.md has the figures). A script that cannot be written without
    // shaping (a name typed in Arabic) is shaped all the same.
    font.setStyleStrategy(QFont::PreferNoShaping);
    QApplication::setFont(font);
}

QString ColorName(QRgb color) { return QColor(color).name(); }

void SetBold(QWidget* widget, int largerBy)
{
    QFont font = widget->font();
    font.setBold(true);
    if (largerBy != 0)
        font.setPointSize(font.pointSize() + largerBy);
    widget->setFont(font);
}

void SetHeading(QWidget* widget, int pixelSize, bool bold)
{
    QFont font = widget->font();
    font.setBold(bold);
    font.setPixelSize(pixelSize);
    widget->setFont(font);
}

void SetHeadingPoints(QWidget* widget, int pointSize)
{
    QFont font = widget->font();
    font.setBold(true);
    font.setPointSize(pointSize);
    widget->setFont(font);
}

void SetTextColor(QWidget* widget, QRgb color)
{
    QPalette palette = widget->palette();
    for (QPalette::ColorRole role : { QPalette::WindowText, QPalette::Text, QPalette::ButtonText })
        palette.setColor(role, QColor(color));
    widget->setPalette(palette);
}

void AddShadow(QLabel* label, QRgb shadow, int blurRadius, int offset)
{
    auto* effect = new QGraphicsDropShadowEffect(label);
    effect->setColor(QColor(shadow));
    effect->setOffset(offset, offset);
    effect->setBlurRadius(blurRadius);
    label->setGraphicsEffect(effect);
}

namespace {
constexpr int PanelRadius = 4;
constexpr int GroupPanelAlpha = 215; // a little more of the picture shows through a group of controls
constexpr int FramePanelAlpha = 225;
constexpr int GroupTitleLeft = 8; // the group's title: this far from the panel's left edge,
constexpr int GroupTitlePadding = 3; // with this much free space either side of its letters

void PaintPaper(QPainter& painter, QRect rect, int alpha)
{
    QColor paper(Palette::Paper);
    paper.setAlpha(alpha);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(Palette::WoodDark), 1));
    painter.setBrush(paper);
    painter.drawRoundedRect(QRectF(rect).adjusted(0.5, 0.5, -0.5, -0.5), PanelRadius, PanelRadius);
}

// The paper panels are drawn by hand rather than by a style sheet: a sheet on a panel runs every control standing on
// it through Qt's style-sheet machinery (some 7 KB of cached rules a control, and that machinery's code), which the
// main window's two panels of some forty controls would pay for as the game starts.
//
// One object serves all panels and the bare values on them. A group box takes it as its style, which lays the group
// out (the title a whole line high above the frame, never across the frame's line) and draws it; any other panel (a
// label, a frame, a plain widget) keeps its own style and has the paper painted under its contents by this object's
// event filter. A bare value takes it as its style too: no box and no fill, and only as high as its letters.
class PaperPanels : public QProxyStyle {
public:
    static PaperPanels& instance()
    {
        static QPointer<PaperPanels> panels;
        if (!panels) {
            panels = new PaperPanels;
            panels->setParent(qApp);
        }
        return *panels;
    }

    QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl part,
        const QWidget* widget) const override
    {
        const auto* group = qstyleoption_cast<const QStyleOptionGroupBox*>(option);
        if (control != CC_GroupBox || !group)
            return QProxyStyle::subControlRect(control, option, part, widget);
        const QFontMetrics title(TitleFont(widget));
        const QRect frame = option->rect.adjusted(0, title.height() + 2, 0, 0);
        switch (part) {
        case SC_GroupBoxFrame:
            return frame;
        case SC_GroupBoxContents:
            return frame.adjusted(1, 1, -1, -1);
        case SC_GroupBoxLabel:
            return QRect(option->rect.left() + GroupTitleLeft, option->rect.top(),
                title.horizontalAdvance(group->text) + 2 * GroupTitlePadding, title.height());
        default:
            return QRect();
        }
    }

    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
        const QWidget* widget) const override
    {
        const auto* group = qstyleoption_cast<const QStyleOptionGroupBox*>(option);
        if (control != CC_GroupBox || !group) {
            QProxyStyle::drawComplexControl(control, option, painter, widget);
            return;
        }
        painter->save();
        PaintPaper(*painter, subControlRect(control, option, SC_GroupBoxFrame, widget), GroupPanelAlpha);
        painter->setFont(TitleFont(widget));
        painter->setPen(group->palette.color(QPalette::WindowText));
        const QRect title = subControlRect(control, option, SC_GroupBoxLabel, widget)
                                .adjusted(GroupTitlePadding, 0, -GroupTitlePadding, 0);
        painter->drawText(title, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, group->text);
        painter->restore();
    }

    QSize sizeFromContents(
        ContentsType type, const QStyleOption* option, const QSize& size, const QWidget* widget) const override
    {
        if (type == CT_LineEdit && IsBareValue(widget))
            return size;
        return QProxyStyle::sizeFromContents(type, option, size, widget);
    }

    void drawPrimitive(
        PrimitiveElement element, const QStyleOption* option, QPainter* painter, const QWidget* widget) const override
    {
        if (element == PE_PanelLineEdit && IsBareValue(widget))
            return;
        QProxyStyle::drawPrimitive(element, option, painter, widget);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            auto* panel = static_cast<QWidget*>(watched);
            QPainter painter(panel);
            PaintPaper(painter, panel->rect(), FramePanelAlpha);
        }
        return QProxyStyle::eventFilter(watched, event);
    }

private:
    static bool IsBareValue(const QWidget* widget)
    {
        return widget && widget->property("trambulLook").toString() == QLatin1String("bareValue");
    }

    // The title is in bold letters; the controls in the group keep the group's own.
    static QFont TitleFont(const QWidget* widget)
    {
        QFont font = widget ? widget->font() : QApplication::font();
        font.setBold(true);
        return font;
    }
};
}

void MakePanel(QWidget* widget, int padding)
{
    PaperPanels& panels = PaperPanels::instance();
    // The controls on the panel take their outlines and shades from the paper, not from the (perhaps dark) window.
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, QColor(Palette::Paper));
    widget->setPalette(palette);
    if (qobject_cast<QGroupBox*>(widget)) {
        widget->setStyle(&panels);
        return;
    }
    // The contents stand inside the frame's line and the padding.
    if (auto* frame = qobject_cast<QFrame*>(widget)) {
        frame->setFrameShape(QFrame::NoFrame);
        frame->setContentsMargins(1 + padding, 1 + padding, 1 + padding, 1 + padding);
    }
    widget->installEventFilter(&panels);
}

void MakeBareValue(QLineEdit* display)
{
    display->setFrame(false);
    display->setProperty("trambulLook", QStringLiteral("bareValue"));
    display->setStyle(&PaperPanels::instance());
    SetBold(display);
}

QFrame* MakeSunkenFrame(QWidget* parent)
{
    auto* frame = new QFrame(parent);
    frame->setFrameShape(QFrame::StyledPanel);
    frame->setFrameShadow(QFrame::Sunken);
    return frame;
}

QFrame* FramePicture(QWidget* parent, QWidget* content, QSize inner)
{
    auto* frame = new QFrame(parent);
    frame->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    frame->setLineWidth(2);
    frame->setFixedSize(inner + QSize(4, 4));
    content->setParent(frame);
    content->setGeometry(2, 2, inner.width(), inner.height());
    return frame;
}

void MakeTextBox(QLabel* label)
{
    label->setStyleSheet(QStringLiteral("QLabel { background: %1; color: %2; border: 1px solid %3; border-radius: 4px; "
                                        "padding: 6px; }")
                             .arg(ColorName(Palette::Paper), ColorName(Palette::Ink), ColorName(Palette::Grey)));
}

// The styles below are chosen by a mark of their own from the one style sheet of the page (UsePageStyle): a sheet
// of its own for each label would be parsed and applied label by label while the game starts. Not by object name:
// a window names its controls after making them ("grade3_1", "Label7"), and the style would be lost.
void UsePageStyle(QWidget* window)
{
    window->setStyleSheet(QStringLiteral(
        "QLabel[trambulLook=\"gradeCell\"] { color: %1; font-weight: bold; "
        "background: rgba(251, 247, 238, 200); border: 1px solid %2; }"
        "QLabel[trambulLook=\"ruledLine\"] { color: %3; background: transparent; "
        "border-bottom: 1px solid %4; }"
        "QLabel[trambulLook=\"printedHeading\"] { color: %3; font-weight: bold; background: transparent; }")
                              .arg(ColorName(Palette::BlueDark), ColorName(Palette::Grey), ColorName(Palette::Ink),
                                  ColorName(Palette::GreyLight)));
}

void MakeGradeCell(QLabel* label) { label->setProperty("trambulLook", QStringLiteral("gradeCell")); }

void MakeRuledLine(QLabel* label) { label->setProperty("trambulLook", QStringLiteral("ruledLine")); }

void MakePrintedHeading(QLabel* label) { label->setProperty("trambulLook", QStringLiteral("printedHeading")); }

void SetBackground(QWidget* window, QRgb color)
{
    QPalette palette = window->palette();
    palette.setColor(QPalette::Window, QColor(color));
    window->setPalette(palette);
    window->setAutoFillBackground(true);
}

void AddBackground(QWidget* window, const QString& art)
{
    auto* background = new PictureBox(window);
    background->setGeometry(QRect(QPoint(0, 0), window->size()));
    background->setArt(art);
    background->lower();
}
