// What the player sees of every window, in the states the player meets: every caption shows its whole text, every
// control lies inside its window, no two controls cover each other (except a control standing on a picture), a
// text shadow can be seen, the focused control wears the focus mark, and a focused button answers Enter as Space.
#include "GameFixture.h"
#include "TestHelpers.h"
#include "WindowList.h"
#include "core/GameState.h"
#include "core/Picture.h"
#include "core/WrapButton.h"
#include "game/Unit1.h"
#include "records/CheatEntries.h"
#include "records/Unit21.h"
#include "records/Unit35.h"
#include "records/Unit45.h"
#include "street/Unit27.h"
#include "town/Unit24.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGraphicsDropShadowEffect>
#include <QGroupBox>
#include <QLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QStyleOptionGroupBox>
#include <QTabBar>
#include <QTest>
#include <QTextDocument>
#include <QToolButton>

namespace {

using LookContracts = GameFixture;

class Findings {
public:
    explicit Findings(QWidget* window, QString state)
        : m_window(window)
        , m_state(std::move(state))
    {
    }
    void add(const QWidget* control, const QString& fault)
    {
        ADD_FAILURE() << QStringLiteral("%1 \"%2\" %3: %4 %5 — %6")
                             .arg(QString::fromLatin1(m_window->metaObject()->className()), m_window->windowTitle(),
                                 m_state, QString::fromLatin1(control->metaObject()->className()),
                                 control->objectName(), fault)
                             .toStdString();
    }

private:
    QWidget* m_window;
    QString m_state;
};

QString Caption(QString text) { return text.remove(QRegularExpression(QStringLiteral("&(?!&)"))); }

bool ShownIn(const QWidget* widget, const QWidget* window)
{
    return widget->isVisibleTo(window) && !widget->size().isEmpty();
}

// Inside a scrolling view the content moves past the view's edges by design.
bool InScrollingView(const QWidget* widget, const QWidget* window)
{
    for (const QWidget* up = widget->parentWidget(); up && up != window; up = up->parentWidget()) {
        if (qobject_cast<const QAbstractScrollArea*>(up))
            return true;
    }
    return false;
}

QRect InWindow(const QWidget* widget, const QWidget* window)
{
    return QRect(widget->mapTo(window, QPoint(0, 0)), widget->size());
}

bool IsPicture(const QWidget* widget)
{
    if (qobject_cast<const PictureBox*>(widget))
        return true;
    const auto* label = qobject_cast<const QLabel*>(widget);
    return label && label->text().isEmpty() && !label->pixmap().isNull();
}

// The size the text of a label needs: its font's letters, wrapped at its width when it wraps.
QSize LabelTextNeeds(const QLabel* label, const QRect& room)
{
    const bool rich = label->textFormat() == Qt::RichText
        || (label->textFormat() == Qt::AutoText && Qt::mightBeRichText(label->text()));
    if (rich) {
        QTextDocument document;
        document.setDocumentMargin(0);
        document.setDefaultFont(label->font());
        document.setHtml(label->text());
        if (label->wordWrap())
            document.setTextWidth(room.width());
        return QSize(int(std::ceil(label->wordWrap() ? document.size().width() : document.idealWidth())),
            int(std::ceil(document.size().height())));
    }
    int flags = int(label->alignment());
    if (label->wordWrap())
        flags |= Qt::TextWordWrap;
    if (label->buddy())
        flags |= Qt::TextShowMnemonic;
    return label->fontMetrics().boundingRect(room, flags, label->text()).size();
}

void CheckLabel(Findings& findings, const QLabel* label)
{
    if (label->text().isEmpty() || IsPicture(label))
        return;
    QRect room = label->contentsRect();
    const int margin = label->margin();
    room.adjust(margin, margin, -margin, -margin);
    const QSize needs = LabelTextNeeds(label, room);
    if (needs.width() > room.width() || needs.height() > room.height())
        findings.add(label,
            QStringLiteral("\"%1\" needs %2×%3 in %4×%5")
                .arg(label->text().left(40))
                .arg(needs.width())
                .arg(needs.height())
                .arg(room.width())
                .arg(room.height()));
}

void CheckButton(Findings& findings, QAbstractButton* button)
{
    const QString text = Caption(button->text());
    if (text.isEmpty())
        return;
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    QStyle::SubElement contents = QStyle::SE_PushButtonContents;
    if (qobject_cast<QCheckBox*>(button))
        contents = QStyle::SE_CheckBoxContents;
    else if (qobject_cast<QRadioButton*>(button))
        contents = QStyle::SE_RadioButtonContents;
    QRect room = button->style()->subElementRect(contents, &option, button);
    const QFontMetrics metrics = button->fontMetrics();
    QSize needs(metrics.horizontalAdvance(text), metrics.height());
    if (qobject_cast<WrapButton*>(button)) {
        room.adjust(3, 0, -3, 0); // as it draws itself
        needs = metrics.boundingRect(room, Qt::AlignCenter | Qt::TextWordWrap, text).size();
        const QStringList words = text.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        for (const QString& word : words)
            needs.setWidth(std::max(needs.width(), metrics.horizontalAdvance(word)));
    }
    if (needs.width() > room.width() || needs.height() > room.height())
        findings.add(button,
            QStringLiteral("\"%1\" needs %2×%3 in %4×%5")
                .arg(text)
                .arg(needs.width())
                .arg(needs.height())
                .arg(room.width())
                .arg(room.height()));
}

void CheckTabs(Findings& findings, const QTabBar* bar)
{
    for (int tab = 0; tab < bar->count(); ++tab) {
        const QRect rect = bar->tabRect(tab);
        const QFontMetrics metrics = bar->fontMetrics();
        if (!bar->rect().contains(rect) || rect.width() < metrics.horizontalAdvance(Caption(bar->tabText(tab))))
            findings.add(bar, QStringLiteral("tab \"%1\" is cut off").arg(bar->tabText(tab)));
    }
}

void CheckGroupTitle(Findings& findings, const QGroupBox* box)
{
    if (box->title().isEmpty())
        return;
    QStyleOptionGroupBox option;
    option.initFrom(box);
    option.text = box->title();
    option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
    const QRect title = box->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, box);
    const QRect frame = box->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxFrame, box);
    const QSize needs(box->fontMetrics().horizontalAdvance(Caption(box->title())), box->fontMetrics().height());
    if (!box->rect().contains(title) || title.width() < needs.width() || title.height() < needs.height())
        findings.add(box, QStringLiteral("the title \"%1\" is cut off").arg(box->title()));
    // The title stands above the frame, not across its line.
    if (title.intersects(frame) && title.bottom() > frame.top() && frame.top() > title.top())
        findings.add(box, QStringLiteral("the title \"%1\" is drawn across the frame").arg(box->title()));
}

bool IsControl(const QWidget* widget)
{
    return qobject_cast<const QLabel*>(widget) || qobject_cast<const QAbstractButton*>(widget)
        || qobject_cast<const QLineEdit*>(widget) || qobject_cast<const QComboBox*>(widget)
        || qobject_cast<const QTabBar*>(widget) || qobject_cast<const QAbstractScrollArea*>(widget)
        || qobject_cast<const QGroupBox*>(widget);
}

bool Contains(const QWidget* outer, const QWidget* inner) { return outer->isAncestorOf(inner); }

// More than a margin and a half between a window's lowest control and its bottom edge is a band of nothing.
constexpr int EmptyBandLimit = 20;

// The player walks the window with Tab: whatever takes the focus wears the ring, and a button pressed with Enter or
// with Space starts to press alike. Only the press is seen (the button is silenced from then on), so no window opens.
void CheckKeyboard(Findings& findings, QWidget* window)
{
    if (!window->isVisible())
        return; // a window that closed itself at once (a question without a subject)
    QWidget* focusedBefore = window->focusWidget();
    window->activateWindow();
    QApplication::setActiveWindow(window);
    for (QWidget* control : window->findChildren<QWidget*>()) {
        if ((control->focusPolicy() & Qt::TabFocus) != Qt::TabFocus || !control->isVisibleTo(window)
            || !control->isEnabledTo(window) || control->window() != window)
            continue;
        control->setFocus(Qt::TabFocusReason);
        if (QApplication::focusWidget() != control)
            continue; // a control that hands the focus on (a scroll view's viewport) is marked where it went
        auto* ring = window->findChild<QWidget*>(QStringLiteral("focusMark"), Qt::FindDirectChildrenOnly);
        if (!ring || !ring->isVisible() || !ring->geometry().contains(InWindow(control, window)))
            findings.add(control, QStringLiteral("wears no focus mark"));
        auto* button = qobject_cast<QAbstractButton*>(control);
        if (!button || button->isCheckable()
            || !(qobject_cast<QPushButton*>(button) || qobject_cast<QToolButton*>(button)))
            continue;
        for (Qt::Key key : { Qt::Key_Return, Qt::Key_Space }) {
            bool pressed = false;
            const auto spy = QObject::connect(button, &QAbstractButton::pressed, button, [&pressed, button] {
                pressed = true;
                button->blockSignals(true);
            });
            QTest::keyClick(button, key);
            QObject::disconnect(spy);
            button->blockSignals(false);
            if (!pressed)
                findings.add(
                    button, key == Qt::Key_Space ? QStringLiteral("ignores Space") : QStringLiteral("ignores Enter"));
        }
    }
    if (focusedBefore)
        focusedBefore->setFocus();
}

void CheckWindow(QWidget* window, const QString& state)
{
    Findings findings(window, state);
    CheckKeyboard(findings, window);
    if (QLayout* layout = window->layout(); layout && layout->isEnabled()) {
        const QSize needs = layout->totalMinimumSize();
        if (needs.width() > window->width() || needs.height() > window->height()) {
            findings.add(window,
                QStringLiteral("its layout needs %1×%2 in %3×%4")
                    .arg(needs.width())
                    .arg(needs.height())
                    .arg(window->width())
                    .arg(window->height()));
        }
    }

    // The window ends where its content ends: no empty band under its lowest control or picture.
    int lowest = 0;
    for (QWidget* widget : window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (ShownIn(widget, window) && widget->objectName() != QLatin1String("focusMark"))
            lowest = std::max(lowest, std::min(window->height(), widget->geometry().bottom() + 1));
    }
    if (window->height() - lowest > EmptyBandLimit)
        findings.add(window,
            QStringLiteral("an empty band of %1 pixels under its lowest control").arg(window->height() - lowest));

    std::vector<QWidget*> controls;
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        if (!ShownIn(widget, window) || widget->window() != window || !IsControl(widget)
            || InScrollingView(widget, window) || qobject_cast<QTabBar*>(widget->parentWidget()))
            continue;
        // Off stage: a panel waiting beside the window, a line of the credits below their stage.
        QWidget* parent = widget->parentWidget();
        if (!window->rect().intersects(InWindow(widget, window)) || !parent->rect().intersects(widget->geometry()))
            continue;
        controls.push_back(widget);
        // A picture may reach past the edge (a fist swinging in); a stage without a layout clips what rolls over it.
        const bool onStage = parent != window && !parent->layout();
        if (IsPicture(widget) || onStage) {
        } else if (!window->rect().contains(InWindow(widget, window)))
            findings.add(widget, QStringLiteral("lies outside the window"));
        else if (parent != window && !parent->rect().contains(widget->geometry()))
            findings.add(widget, QStringLiteral("lies outside its panel"));
        if (auto* label = qobject_cast<QLabel*>(widget))
            CheckLabel(findings, label);
        else if (auto* button = qobject_cast<QAbstractButton*>(widget))
            CheckButton(findings, button);
        else if (auto* bar = qobject_cast<QTabBar*>(widget))
            CheckTabs(findings, bar);
        else if (auto* box = qobject_cast<QGroupBox*>(widget))
            CheckGroupTitle(findings, box);
        if (auto* shadow = qobject_cast<QGraphicsDropShadowEffect*>(widget->graphicsEffect());
            shadow && shadow->isEnabled() && shadow->blurRadius() <= 0 && shadow->offset().isNull())
            findings.add(widget, QStringLiteral("its shadow lies right under its letters"));
    }

    for (size_t i = 0; i < controls.size(); ++i) {
        for (size_t j = i + 1; j < controls.size(); ++j) {
            QWidget* a = controls[i];
            QWidget* b = controls[j];
            if (Contains(a, b) || Contains(b, a))
                continue;
            const QRect ra = InWindow(a, window);
            const QRect rb = InWindow(b, window);
            if (!ra.intersects(rb))
                continue;
            // A control may stand on a picture, wholly; pictures lie over each other as the scene is drawn.
            if ((IsPicture(a) && IsPicture(b)) || (IsPicture(a) && ra.contains(rb))
                || (IsPicture(b) && rb.contains(ra)))
                continue;
            findings.add(a,
                QStringLiteral("overlaps %1 %2")
                    .arg(QString::fromLatin1(b->metaObject()->className()),
                        b->objectName().isEmpty() ? b->property("text").toString() : b->objectName()));
        }
    }
}

void CheckShown(QWidget& window, const QString& state)
{
    window.show();
    QApplication::processEvents();
    CheckWindow(&window, state);
}

QPushButton* ButtonCaptioned(const QWidget& window, const QString& caption)
{
    for (QPushButton* button : window.findChildren<QPushButton*>()) {
        if (button->text() == caption)
            return button;
    }
    ADD_FAILURE() << "no button " << caption.toStdString();
    return nullptr;
}

} // namespace

TEST_F(LookContracts, EveryWindowAsFirstOpenedShowsWholeTextsInsideTheWindowWithoutOverlaps)
{
    OpenEveryWindow(*forms, ui, [](QWidget& window) { CheckWindow(&window, QStringLiteral("as first opened")); });
}

TEST_F(LookContracts, TheWindowsInTheStatesThePlayerMeetsShowWholeTextsWithoutOverlaps)
{
    ZeroDraws draws;
    TForm21& cheats = forms->form21();
    cheats.show();
    cheats.findChild<QLineEdit*>()->setText(CheatCode);
    click(ButtonCaptioned(cheats, QStringLiteral("OK")));
    CheckShown(cheats, QStringLiteral("with the editor"));
    cheats.close();

    TForm24& phones = forms->form24();
    for (bool deal : { false, true }) {
        given({ { Field::MotherPhoneDeal, deal ? QStringLiteral("1") : QStringLiteral("0") } });
        phones.show();
        phones.ChooseModel(QStringLiteral("Nokia"), QStringLiteral("Nokia 2650"));
        CheckShown(phones, deal ? QStringLiteral("with a model and the deal") : QStringLiteral("with a model"));
        phones.close();
    }

    // The right fist swings in over the opponent, not over the panel beside him.
    TForm27& fight = forms->form27();
    ui.onModal<TForm27>([](TForm27& window) {
        click(ButtonCaptioned(window, QStringLiteral("Вмазать правой")));
        CheckWindow(&window, QStringLiteral("punching with the right"));
        window.closeWith(ModalResult::No);
    });
    fight.FightThug();

    // The teacher asks: the answers are buttons the player walks with Tab and presses with Enter.
    ui.onModal<TForm35>([](TForm35& window) {
        CheckWindow(&window, QStringLiteral("asking"));
        window.closeWith(ModalResult::Cancel);
    });
    forms->form35().AskQuestions(QStringLiteral("Химия"));

    TForm45& ending = forms->form45();
    for (const char* grade : { "5", "4", "3" }) {
        DiaryGrades diary = state.diary();
        for (int subject = 0; subject < SubjectCount; ++subject)
            diary.setCell(subject, FinalGrade, QString::fromLatin1(grade));
        state.setDiary(diary);
        CheckShown(ending, QStringLiteral("with final grades of %1").arg(QString::fromLatin1(grade)));
        ending.close();
    }
}
