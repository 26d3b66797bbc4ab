#include "core/Unit46.h"

#include "core/ContentFile.h"
#include "core/ContentManifest.h"
#include "core/DataPath.h"
#include "core/Errors.h"
#include "core/Picture.h"
#include "core/TextFile.h"

#include <QFileInfo>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace {
// Reads the help page and what it shows (its pictures, the pages it links to) the way the game reads all its content:
// only a regular file, and no more than such a file may hold; anything else shows as missing, at once.
class HelpBrowser : public QTextBrowser {
public:
    using QTextBrowser::QTextBrowser;
    QVariant loadResource(int type, const QUrl& name) override
    {
        const QUrl url = source().resolved(name);
        if (!url.isLocalFile())
            return QTextBrowser::loadResource(type, name);
        const qint64 limit = type == QTextDocument::ImageResource ? MaxPictureFileSize : MaxTextFileSize;
        try {
            return ReadContentFile(url.toLocalFile(), limit, QStringLiteral("файл слишком большой"));
        } catch (const EInOutError&) {
            return {};
        }
    }
};
}

TForm46::TForm46(GameWindows& windows)
    : TGameWindow(windows, QStringLiteral("Помощь"), QSize(566, 446), WindowFrame::CloseBox)
{
    // The help window alone may be resized and maximized.
    setMinimumSize(300, 200);
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    resize(566, 446);
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMaximizeButtonHint
        | Qt::WindowCloseButtonHint);

    WebBrowser1 = new HelpBrowser(this);
    WebBrowser1->setOpenLinks(true);
    WebBrowser1->setOpenExternalLinks(false);
    NameControls({ { WebBrowser1, "WebBrowser1" } });

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(WebBrowser1);
}

void TForm46::LoadHelpPage()
{
    const QString path = DataPath(HelpContent::Page.path());
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
