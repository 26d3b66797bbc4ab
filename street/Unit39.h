// The robbery map: four districts of the town; the player picks where to lie in wait.
#pragma once

#include "core/GameWindow.h"

#include <array>

class QPushButton;
class QToolButton;

// The four districts: what the hint says and how many people are about when the robber arrives.
struct District {
    const char* hint;
    int people;
};
extern const std::array<District, 4> Districts;

class TForm39 : public TGameWindow {
    Q_OBJECT
public:
    explicit TForm39(GameWindows& windows);

    // The district the mouse rests on (1..4), or 0 before it first rested on one.
    int hoveredDistrict() const { return m_hovered; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    // The mouse rests on district k (1..4): it is shown highlighted, the others plain.
    void DistrictHover(int k);
    // District k is chosen: the lurking window opens there.
    void DistrictClick(int k);
    void Button1Click();

    // District1..District4: top left, top right, bottom left, bottom right
    std::array<QToolButton*, 4> districtButtons;
    QPushButton* Button1; // "Отмена"
    int m_hovered = 0; // "0" none, as when the game starts
};
