// The SMS window: writing a message to a classmate, sending it and reading the reply.
#pragma once

#include "core/GameWindow.h"

class PictureBox;
class QGroupBox;
class QLabel;
class QListWidget;
class QPlainTextEdit;
class QPushButton;

// An SMS costs 20 USC.
constexpr int SmsPrice = 20;

// The lines a text box shows its text in, after wrapping it at its width.
QStringList ShownLines(const QPlainTextEdit& box);

class TForm33 : public TGameWindow {
    Q_OBJECT
public:
    explicit TForm33(GameWindows& windows);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void Button1Click();
    void Button2Click();
    void Button3Click();
    void Memo1Change();
    void Button4Click();
    void Button5Click();
    void Button6Click();
    void Button7Click();
    // Shows one panel and hides the other four.
    void showOnly(QGroupBox* panel);

    QPushButton* Button1; // "Написать SMS"
    QPushButton* Button2; // "Входящие SMS"
    QPushButton* Button3; // "Назад"

    QGroupBox* composePanel; // "Создание SMS"
    QLabel* Label1; // "Символов:"
    QLabel* Label2; // characters left
    QPlainTextEdit* Memo1; // the message
    QPushButton* Button4; // "Отправить": on to the recipients

    QGroupBox* recipientPanel; // "Кому"
    PictureBox* Image1;
    QListWidget* ListBox1; // the thirteen classmates
    QPushButton* Button5; // "Отправить": sends

    QGroupBox* sendingPanel; // "Отправка"
    PictureBox* Image2;
    QLabel* Label3; // what is being sent to whom

    QGroupBox* newMessagePanel; // "Входящие SMS"
    PictureBox* Image3;
    QLabel* Label4; // "ВАМ СООБЩЕНИЕ!"
    QPushButton* Button6; // "Читать"

    QGroupBox* inboxPanel; // "Входящие SMS"
    QPlainTextEdit* Inbox; // the latest reply and its sender
    QPushButton* Button7; // "Ответить"
};
