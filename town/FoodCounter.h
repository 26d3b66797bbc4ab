// The parts the three food outlets share: the labels that show the copied values, the item buttons, the layout.
#pragma once

#include <QString>
#include <functional>
#include <initializer_list>
#include <utility>

class QLabel;
class QPushButton;
class QWidget;
class TGameWindow;

// A label that shows a copied value in bold, as the panel of the main window shows it. A screen reader reads its value;
// the caption of its row in the value panel names it.
QLabel* MakeCopyLabel(QWidget* parent);
// A framed panel of "caption value" rows, e.g. { { "Деньги:", moneyLabel }, { "Сытость:", satietyLabel } }; each
// caption is the buddy of its value.
QWidget* MakeValuePanel(QWidget* parent, std::initializer_list<std::pair<QString, QLabel*>> rows);
// An item button: a click runs its purchase.
QPushButton* MakeFoodItem(QWidget* parent, const QString& caption, std::function<void()> buy);
// A heading label in letters of the given pixel size.
QLabel* MakeShopHeading(QWidget* parent, const QString& text, int pixelSize, bool bold);
// A button that leaves the outlet with ModalResult::Ok.
QPushButton* MakeExitButton(TGameWindow* window, const QString& caption, bool bold = false);

// Where an outlet's way out stands: right under the items, or alone in the lower right corner.
enum class ExitPlace { BelowItems, LowerRight };
// Lays out an outlet on the shop background: its picture over the panel of copied values on the left; on the right
// the heading, the items from top to bottom and the way out.
void LayOutCounter(TGameWindow* window, const QString& art, QWidget* values, QLabel* heading,
    std::initializer_list<QPushButton*> items, QPushButton* exit, ExitPlace exitPlace);
