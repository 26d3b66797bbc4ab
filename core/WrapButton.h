// A push button whose caption wraps onto a second line when it is wider than the button.
#pragma once

#include <QPushButton>

// The caption stays the button's whole text (what screen readers read); only the drawing breaks it between words.
class WrapButton : public QPushButton {
    Q_OBJECT
public:
    WrapButton(const QString& text, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
};
