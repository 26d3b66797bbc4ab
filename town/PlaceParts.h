// Small parts the home and leisure windows share: value labels a screen reader reads as their value, amount fields.
#pragma once

#include <QString>

class QLabel;
class QLineEdit;
class QWidget;

// A bold label that shows a copied value. It has no accessible name of its own (the reader reads the value); the
// caption that points to it with its buddy names it, and `description` adds context.
QLabel* MakeValueLabel(QWidget* parent, const QString& description);
// An edit box for an amount of roubles, starting with "0"; it keeps what the player typed between visits, selected
// whenever the box is entered from the keyboard or its window opens, so that typing replaces it.
QLineEdit* MakeAmountField(QWidget* parent, const QString& accessibleName);
