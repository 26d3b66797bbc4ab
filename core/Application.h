// The application object: the one place where a failed handler's error reaches the player.
#pragma once

#include <QApplication>

// "Трамбуль v1.0": the title of the application and of its message boxes.
extern const char* const ApplicationTitle;

class TApplication : public QApplication {
    Q_OBJECT
public:
    TApplication(int& argc, char** argv);

    // Delivers every event; an EConvertError or EInOutError thrown by a handler ends that handler and is shown in
    // the standard error box, and the game goes on.
    bool notify(QObject* receiver, QEvent* event) override;
    // How many exceptions got as far as notify: each is a handler that left its guard, which should never happen.
    int exceptionsCaught() const { return m_exceptionsCaught; }

    // Loads Qt's Russian translations, so standard buttons read "Да" and "Нет". False when they are missing.
    bool loadRussianTranslations();

private:
    int m_exceptionsCaught = 0;
};
