// The status panel on the clock's ticks: a box is set only when its field's text changed, a panel out of sight sets
// none and shows every value the moment it is shown, and the ticks lay nothing out again.
#include "GameFixture.h"
#include "game/Unit1.h"

#include <QApplication>
#include <QLineEdit>
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

    // On screen: a box is set once for each change of its field, and the ticks cause no new layout.
    LayoutRequests layouts(main);
    for (int settle = 0; settle < 5; ++settle)
        QApplication::processEvents(); // the first showing's own layout
    layouts.count = 0;
    ticks("13", 100);
    QApplication::processEvents();
    EXPECT_EQ(sets, changes);
    EXPECT_EQ(sets[Field::Minute], 100);
    EXPECT_EQ(layouts.count, 0);
}
