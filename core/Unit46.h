// The help window: the guide to playing, a page from Data shown in a browser view.
#pragma once

#include "core/GameWindow.h"

class QTextBrowser;

class TForm46 : public TGameWindow {
    Q_OBJECT
public:
    explicit TForm46(GameWindows& windows);

    // Loads "Data\Help\Index.htm" from the working directory afresh.
    void LoadHelpPage();

protected:
    void showEvent(QShowEvent* event) override;

private:
    QTextBrowser* WebBrowser1;
};
