// A host for the measuring programs: nothing waits for a player. Messages are counted, questions answered "No", and
// modal windows are closed at once with "Cancel" (they are never shown).
#pragma once

#include "core/Ui.h"

class QuietUi : public Ui {
public:
    void message(const QString&) override { ++messages; }
    void notice(const QString&, std::function<void()> afterClosed = {}) override
    {
        ++messages;
        if (afterClosed)
            afterClosed();
    }
    bool confirm(const QString&) override { return false; }
    QString openFileName(const FileDialogOptions&) override { return openPath; }
    QString saveFileName(const FileDialogOptions&) override { return savePath; }
    void errorBox(const QString&) override { ++errors; }
    void sleep(int) override { }

    int messages = 0;
    int errors = 0;
    int modals = 0;
    QString openPath;
    QString savePath;

protected:
    ModalResult runModal(QDialog&) override
    {
        ++modals;
        return ModalResult::Cancel;
    }
};
