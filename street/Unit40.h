// Lying in wait in a district: the street fills and empties, and the robber picks his moment to step up.
#pragma once

#include "core/GameWindow.h"

class PictureBox;
class QFrame;
class QLabel;
class QPushButton;
class QTimer;

class TForm40 : public TGameWindow {
    Q_OBJECT
public:
    explicit TForm40(GameWindows& windows);

    // Opens the window in a district: its picture (a game path) and the people about when the robber arrives.
    void LieInWait(const QString& districtPicture, int people);

    int people() const { return m_people; }
    static constexpr int NarrowWidth = 331;
    static constexpr int WideWidth = 622;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void Button1Click();
    void Button2Click();
    void Button3Click();
    void Button4Click();
    void Timer1Timer();
    void SetPeople(int people);

    PictureBox* districtPicture; // in a sunken frame
    QLabel* Label1; // "ГОП-СТОП"
    QLabel* Label2; // "Количество человек в этом районе:"
    QLabel* PeopleAround; // the number of people
    QLabel* Label3; // the note on crowds
    QPushButton* Button1; // "Подойти к ..."
    QPushButton* Button2; // "Назад"
    QFrame* Panel1; // the black panel to the right: "Подойти к ... "
    PictureBox* playerPicture;
    QLabel* Label4; // "В данный момент это - вы!"
    QPushButton* Button4; // "Ботанику или лоху"
    QPushButton* Button3; // "Не подходить пока ни к кому"
    QTimer* Timer1; // the street, every 3 s

    int m_people = 0;
};
