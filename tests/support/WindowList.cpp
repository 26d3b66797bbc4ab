#include "WindowList.h"

#include <QApplication>

std::vector<QWidget*> EveryWindow(Forms& forms) { return forms.PlayerWindows(); }

void OpenEveryWindow(Forms& windows, ScriptedUi& ui, const std::function<void(QWidget&)>& check)
{
    ZeroDraws draws;
    ui.closeNextModalWith(ModalResult::Ok);
    ui.closeNextModalWith(ModalResult::Ok);
    for (QWidget* window : EveryWindow(windows)) {
        window->show();
        QApplication::processEvents();
        check(*window);
        window->close();
    }
}
