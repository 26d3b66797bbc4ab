// The status panel on the clock's ticks: a box is set only when its field's text changed and at most once a frame
// of the panel, a panel out of sight sets none and shows every value the moment it is shown, and the ticks lay nothing
// out again.
#include "GameFixture.h"
#include "TestHelpers.h"
#include "game/Unit1.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <map>
#include <set>

namespace {

using Panel = GameFixture;

// Counts the layout requests that reach the window and its controls.
class LayoutRequests : public QObject {
public:
    explicit LayoutRequests(QWidget& window)
    {
        window.installEventFilter(this);
        for (QWidget* control : window.findChildren<QWidget*>())
            control->installEventFilter(this);
    }
    int count = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        count += event->type() == QEvent::LayoutRequest;
        return false;
    }
};

} // namespace

TEST_F(Panel, ATickSetsOnlyTheBoxesWhoseTextChangedAndAHiddenPanelNone)
{
    TForm1& main = forms->form1();
    main.SkipStartup(); // the start-up sequence is not what is looked at here
    std::map<Field, int> changes;
    std::map<Field, int> sets;
    std::set<Field> shown;
    for (const FieldInfo& info : FieldTable) {
        if (QLineEdit* box = main.findChild<QLineEdit*>(QString::fromLatin1(info.name))) {
            shown.insert(info.field);
            QObject::connect(box, &QLineEdit::textChanged, [&sets, field = info.field] { ++sets[field]; });
        }
    }
    QObject::connect(&state, &TGameState::changed, [&changes, &shown](Field field) {
        if (shown.count(field))
            ++changes[field];
    });
    auto ticks = [&](const char* hour, int count) {
        given({ { Field::Hour, hour }, { Field::Minute, "0" }, { Field::Authority, "0" }, { Field::JobIncome, "0" } });
        changes.clear();
        sets.clear();
        for (int i = 0; i < count; ++i) {
            random.add(1, 2); // the street event's coin
            main.GameClockTick();
        }
    };

    // Out of sight: nothing set while the clock runs, every value there once the window is shown.
    ticks("13", 50);
    EXPECT_TRUE(sets.empty());
    main.show();
    for (const FieldInfo& info : FieldTable) {
        if (QLineEdit* box = main.findChild<QLineEdit*>(QString::fromLatin1(info.name))) {
            EXPECT_EQ(box->text(), state.text(info.field)) << InfoOf(info.field).caption;
        }
    }
    for (auto [field, count] : sets)
        EXPECT_EQ(count, 1) << InfoOf(field).caption;

    // On screen: a change to a quiet panel is set at once; the changes during the frame that follows wait for its
    // end and are set once, with the last text. The ticks cause no new layout.
    LayoutRequests layouts(main);
    QLineEdit* minute = Child<QLineEdit>(main, "Minute");
    QTest::qWait(100); // the first showing's own layout, and its frame over
    layouts.count = 0;
    ticks("13", 100);
    EXPECT_LE(sets[Field::Minute], 1) << "a hundred changes within one frame set the box at most once";
    EXPECT_EQ(main.PanelText(Field::Minute), state.text(Field::Minute)) << "a box asked for is brought up to date";
    ticks("14", 100);
    ASSERT_TRUE(QTest::qWaitFor([&] { return minute->text() == state.text(Field::Minute); }, PatientWait));
    EXPECT_LE(sets[Field::Minute], 2);
    for (auto [field, count] : changes)
        EXPECT_LE(sets[field], count) << InfoOf(field).caption;
    EXPECT_EQ(layouts.count, 0);
}
