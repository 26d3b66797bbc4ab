#include "core/Look.h"

#include "core/Picture.h"

#include <QApplication>
#include <QFontMetrics>
#include <QFrame>
#include <QGraphicsDropShadowEffect>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QWidget>

void UseGameFont()
{
    QFont font = QApplication::font();
    font.setPointSize(8);
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

void MakePanel(QWidget* widget, int padding)
{
    // The style picks the panel by a mark of its own, not by the object name: a window names its controls
    // ("GroupBox1", "Label1") after making them, and a rule written for the old name would no longer match.
    widget->setProperty("trambulPanel", true);
    const QString frame = ColorName(Palette::WoodDark);
    if (qobject_cast<QGroupBox*>(widget)) {
        // The title stands on the window above the frame, a whole line high, never across the frame's line.
        QFont bold = widget->font();
        bold.setBold(true);
        const int titleHeight = QFontMetrics(bold).height() + 2;
        widget->setStyleSheet(
            QStringLiteral("QGroupBox[trambulPanel=\"true\"] { background: rgba(251, 247, 238, 215); "
                           "border: 1px solid %1; border-radius: 4px; margin-top: %2px; font-weight: bold; }"
                           "QGroupBox[trambulPanel=\"true\"]::title { subcontrol-origin: margin; "
                           "subcontrol-position: top left; left: 8px; padding: 0 3px; }"
                           "QLineEdit[trambulLook=\"bareValue\"] { background: transparent; }")
                .arg(frame)
                .arg(titleHeight));
    } else {
        widget->setStyleSheet(QStringLiteral("[trambulPanel=\"true\"] { background: rgba(251, 247, 238, 225); "
                                             "border: 1px solid %1; border-radius: 4px; padding: %2px; }")
                                  .arg(frame)
                                  .arg(padding));
    }
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
        "QLineEdit[trambulLook=\"bareValue\"] { background: transparent; }"
        "QLabel[trambulLook=\"printedHeading\"] { color: %3; font-weight: bold; background: transparent; }")
                              .arg(ColorName(Palette::BlueDark), ColorName(Palette::Grey), ColorName(Palette::Ink),
                                  ColorName(Palette::GreyLight)));
}

void MakeGradeCell(QLabel* label) { label->setProperty("trambulLook", QStringLiteral("gradeCell")); }

void MakeRuledLine(QLabel* label) { label->setProperty("trambulLook", QStringLiteral("ruledLine")); }

void MakeBareValue(QLineEdit* display)
{
    display->setFrame(false);
    display->setProperty("trambulLook", QStringLiteral("bareValue"));
    SetBold(display);
}

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
