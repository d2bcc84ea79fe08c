// The commands of CWebEngine: ExecWB, QueryStatusWB, the browser commands,
// saving the page and file downloads.
#include "browser/engine/CWebEngine.h"
#include "browser/engine/EngineDownloads.h"

#include "browser/engine/EngineDialogs.h"
#include "browser/engine/EnginePrinter.h"
#include "browser/engine/EngineProfile.h"
#include "browser/engine/EngineZoom.h"
#include "framework/DialogRunner.h"

#include <QAction>
#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTimer>
#include <QWebEngineDownloadRequest>
#include <QWebEngineProfile>
#include <QWebEngineView>

namespace {

// How long SavePage waits for the page to be written.
constexpr int kSaveWaitMilliseconds = 5000;
// How long the properties dialog waits for the page's size.
constexpr int kSizeWaitMilliseconds = 2000;

constexpr int kOn = olecmd::Supported | olecmd::Enabled;

int actionStatus(QWebEnginePage* page, QWebEnginePage::WebAction action) {
    const QAction* entry = page->action(action);
    return olecmd::Supported | (entry && entry->isEnabled() ? olecmd::Enabled : 0);
}

QWebEngineDownloadRequest::SavePageFormat formatForPath(const QString& path) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("mht") || suffix == QLatin1String("mhtml"))
        return QWebEngineDownloadRequest::MimeHtmlSaveFormat;
    return QWebEngineDownloadRequest::CompleteHtmlSaveFormat;
}

// A file name made from a page title: characters no file name may carry
// become '_'; an empty title gives "untitled".
} // namespace

int CWebEngine::QueryStatusWB(int command) {
    if (!m_page)
        return 0;
    switch (command) {
    case olecmd::Cut:
        return actionStatus(m_page, QWebEnginePage::Cut);
    case olecmd::Copy:
        return actionStatus(m_page, QWebEnginePage::Copy);
    case olecmd::Paste:
        return actionStatus(m_page, QWebEnginePage::Paste);
    case olecmd::SelectAll:
        return actionStatus(m_page, QWebEnginePage::SelectAll);
    case olecmd::Print:
    case olecmd::PrintPreview:
        return m_view && !m_printer->printing() ? kOn : olecmd::Supported;
    case olecmd::PageSetup:
    case olecmd::SaveAs:
    case olecmd::Properties:
    case olecmd::Zoom:
        return kOn;
    default:
        return 0;
    }
}

bool CWebEngine::ExecWB(int command, int argument) {
    if (!m_page)
        return false;
    bool done = false;
    switch (command) {
    case olecmd::Zoom:
        if (!enginezoom::IsLevel(argument))
            return false;
        m_zoomLevel = argument;
        applyZoom();
        return true;
    case olecmd::Cut:
        m_page->triggerAction(QWebEnginePage::Cut);
        return true;
    case olecmd::Copy:
        m_page->triggerAction(QWebEnginePage::Copy);
        return true;
    case olecmd::Paste:
        m_page->triggerAction(QWebEnginePage::Paste);
        return true;
    case olecmd::SelectAll:
        m_page->triggerAction(QWebEnginePage::SelectAll);
        return true;
    case olecmd::Print: {
        EnginePrinter* printer = m_printer;
        QWebEngineView* view = m_view.data();
        return guarded([&] { done = printer->print(view); }) && done;
    }
    case olecmd::PrintPreview: {
        EnginePrinter* printer = m_printer;
        QWebEngineView* view = m_view.data();
        return guarded([&] { done = printer->preview(view); }) && done;
    }
    case olecmd::PageSetup: {
        EnginePrinter* printer = m_printer;
        QWidget* parent = dialogParent();
        return guarded([&] { done = printer->pageSetup(parent); }) && done;
    }
    case olecmd::SaveAs:
        return saveAs();
    case olecmd::Properties:
        return showProperties();
    default:
        return false;
    }
}

bool CWebEngine::ExecBrowserCommand(int command) {
    if (!m_page)
        return false;
    switch (command) {
    case browsercmd::Find:
        return findInPage();
    case browsercmd::ViewSource:
        return viewSource();
    default:
        // Internet options are the program's own dialog, not the engine's.
        return false;
    }
}

QString CWebEngine::suggestedFileName() const {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QDir(folder).filePath(enginedownloads::fileNameFromTitle(LocationName()) +
                                 QStringLiteral(".htm"));
}

bool CWebEngine::saveAs() {
    FileDialogRequest request;
    request.mode = FileDialogRequest::Mode::Save;
    request.parent = dialogParent();
    request.caption = QStringLiteral("保存网页");
    request.directory = suggestedFileName();
    request.nameFilters = {QStringLiteral("网页，全部 (*.htm *.html)"),
                           QStringLiteral("Web 档案，单一文件 (*.mht *.mhtml)")};
    request.defaultSuffix = QStringLiteral("htm");
    std::optional<QString> path;
    if (!guarded([&] { path = DialogRunner::instance().chooseFile(request); }))
        return false;
    if (!path || !m_page)
        return false;
    m_page->save(*path, formatForPath(*path));
    return true;
}

bool CWebEngine::showProperties() {
    // The size is that of the page's markup as it stands, in UTF-8.
    auto bytes = std::make_shared<std::optional<qint64>>();
    QEventLoop loop;
    QPointer<QEventLoop> waiting(&loop);
    m_page->toHtml([bytes, waiting](const QString& html) {
        *bytes = html.toUtf8().size();
        if (waiting)
            waiting->quit();
    });
    QTimer::singleShot(kSizeWaitMilliseconds, &loop, &QEventLoop::quit);
    const QString title = LocationName();
    const QString address = LocationURL();
    QWidget* parent = dialogParent();
    return guarded([&] {
        if (!bytes->has_value())
            loop.exec(QEventLoop::ExcludeUserInputEvents);
        enginedialogs::showProperties(parent, title, address, *bytes);
    });
}

bool CWebEngine::findInPage() {
    std::optional<QString> text;
    QWidget* parent = dialogParent();
    const QString previous = m_lastFind;
    if (!guarded([&] { text = enginedialogs::askFindText(parent, previous); }))
        return false;
    if (!text || !m_page)
        return false;
    m_lastFind = *text;
    m_page->findText(*text);
    return true;
}

bool CWebEngine::viewSource() {
    const QUrl url = m_page->url();
    if (url.isEmpty())
        return false;
    // A window of its own beside the program's windows, as a text editor
    // would show the source; it goes away when closed or with the window of
    // this engine.
    QWidget* owner = m_view ? m_view->window() : nullptr;
    auto* source = new QWebEngineView(owner);
    source->setWindowFlag(Qt::Window);
    source->setAttribute(Qt::WA_DeleteOnClose);
    auto* page = new QWebEnginePage(EngineProfile(), source);
    source->setPage(page);
    source->setWindowTitle(url.toString());
    page->load(QUrl(QStringLiteral("view-source:") + url.toString()));
    source->resize(800, 600);
    source->show();
    return true;
}

bool CWebEngine::SavePage(const QString& path) {
    if (!m_page || path.isEmpty())
        return false;
    QPointer<QWebEnginePage> page(m_page);
    QPointer<QWebEngineDownloadRequest> download;
    bool finished = false;
    QEventLoop loop;
    auto settle = [&] {
        if (download && download->isFinished()) {
            finished = true;
            loop.quit();
        }
    };
    connect(EngineProfile(), &QWebEngineProfile::downloadRequested, &loop,
            [&](QWebEngineDownloadRequest* request) {
                if (download || request->page() != page || !request->isSavePageDownload())
                    return;
                download = request;
                connect(request, &QWebEngineDownloadRequest::isFinishedChanged, &loop, settle);
                if (request->state() == QWebEngineDownloadRequest::DownloadRequested)
                    request->accept();
                settle();
            });
    QTimer::singleShot(kSaveWaitMilliseconds, &loop, &QEventLoop::quit);
    m_page->save(path, QWebEngineDownloadRequest::SingleHtmlSaveFormat);
    if (!guarded([&] {
            if (!finished)
                loop.exec(QEventLoop::ExcludeUserInputEvents);
        }))
        return false;
    if (!finished) {
        if (download)
            download->cancel();
        return false;
    }
    return download && download->state() == QWebEngineDownloadRequest::DownloadCompleted &&
           QFileInfo(path).isFile();
}

void CWebEngine::onDownloadRequested(QWebEngineDownloadRequest* download) {
    if (!m_page || download->page() != m_page || download->isSavePageDownload() ||
        download->state() != QWebEngineDownloadRequest::DownloadRequested)
        return;
    std::optional<QString> path;
    QPointer<QWebEngineDownloadRequest> guard(download);
    if (!guarded([&] {
            path = enginedownloads::choosePath(dialogParent(), download->downloadFileName());
        }))
        return;
    if (!guard)
        return;
    if (!path) {
        download->cancel();
        return;
    }
    const QFileInfo target(*path);
    download->setDownloadDirectory(target.absolutePath());
    download->setDownloadFileName(target.fileName());
    download->accept();
    connect(download, &QWebEngineDownloadRequest::isFinishedChanged, this, [this, guard] {
        if (!guard || !guard->isFinished())
            return;
        if (guard->state() == QWebEngineDownloadRequest::DownloadInterrupted && !guarded([&] {
                enginedownloads::reportFailure(
                    dialogParent(),
                    QDir(guard->downloadDirectory()).filePath(guard->downloadFileName()),
                    guard->interruptReasonString());
            }))
            return;
        raise([](IBrowserEngineEvents& e) { e.DownloadComplete(); });
    });
    raise([](IBrowserEngineEvents& e) { e.DownloadBegin(); });
}
