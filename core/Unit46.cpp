#include "core/Unit46.h"

#include "core/DataPath.h"

#include <QFileInfo>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

TForm46::TForm46(GameWindows& windows)
    : TGameWindow(windows, QStringLiteral("Помощь"), QSize(566, 446), WindowFrame::CloseBox)
{
    // The help window alone may be resized and maximized.
    setMinimumSize(300, 200);
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    resize(566, 446);
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMaximizeButtonHint
        | Qt::WindowCloseButtonHint);

    WebBrowser1 = new QTextBrowser(this);
    WebBrowser1->setOpenLinks(true);
    WebBrowser1->setOpenExternalLinks(false);
    NameControls({ { WebBrowser1, "WebBrowser1" } });

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(WebBrowser1);
}

void TForm46::LoadHelpPage()
{
    const QString path = DataPath(QStringLiteral("Data\\Help\\Index.htm"));
    if (!QFileInfo(path).isFile()) {
        WebBrowser1->setHtml(
            QStringLiteral("<h2>Помощь не найдена</h2><p>Нет файла <b>%1</b>.</p>").arg(path.toHtmlEscaped()));
        return;
    }
    const QUrl page = QUrl::fromLocalFile(path);
    // Setting the page that is already shown keeps the old text, so the same page is read again explicitly.
    if (WebBrowser1->source() == page)
        WebBrowser1->reload();
    else
        WebBrowser1->setSource(page);
    WebBrowser1->clearHistory();
}

void TForm46::showEvent(QShowEvent* event)
{
    LoadHelpPage();
    setWindowState(windowState() | Qt::WindowMaximized);
    TGameWindow::showEvent(event);
}
