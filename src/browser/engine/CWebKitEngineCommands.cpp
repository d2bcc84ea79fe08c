// The commands of CWebKitEngine: ExecWB, QueryStatusWB, the browser commands
// and saving the page.
#include "browser/engine/CWebKitEngine.h"

#include "browser/engine/EngineDialogs.h"
#include "browser/engine/EngineDownloads.h"
#include "browser/engine/EngineZoom.h"
#include "browser/engine/WebKitPrinter.h"
#include "framework/DialogRunner.h"

#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QPlainTextEdit>
#include <QSaveFile>
#include <QStandardPaths>
#include <QTimer>

namespace {

// How long a wait for the page's source lasts.
constexpr int kSourceWaitMilliseconds = 5000;

constexpr int kOn = olecmd::Supported | olecmd::Enabled;

// Where an answer of the page goes; shared with the callback, which may
// come after the waiting side gave up.
struct SourceWait {
    std::optional<QByteArray> data;
    QPointer<QEventLoop> loop;
};

void receiveSource(void* context, const char* data, std::size_t size, bool ok) {
    auto* wait = static_cast<std::shared_ptr<SourceWait>*>(context);
    if (ok)
        (*wait)->data = QByteArray(data, static_cast<qsizetype>(size));
    else
        (*wait)->data = std::nullopt;
    if ((*wait)->loop)
        (*wait)->loop->quit();
    delete wait;
}

bool writeFile(const QString& path, const QByteArray& data) {
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(data) == data.size() && file.commit();
}

} // namespace

int CWebKitEngine::QueryStatusWB(int command) {
    if (!m_page)
        return 0;
    switch (command) {
    case olecmd::Cut:
    case olecmd::Copy:
    case olecmd::Paste:
    case olecmd::SelectAll:
    case olecmd::Print:
    case olecmd::SaveAs:
    case olecmd::Properties:
    case olecmd::Zoom:
    case olecmd::PrintPreview:
    case olecmd::PageSetup:
        return kOn;
    default:
        return 0;
    }
}

bool CWebKitEngine::ExecWB(int command, int argument) {
    if (!m_page)
        return false;
    switch (command) {
    case olecmd::Zoom:
        if (!enginezoom::IsLevel(argument))
            return false;
        m_zoomLevel = argument;
        applyZoom();
        return true;
    case olecmd::Cut:
        m_page->EditCommand("Cut");
        return true;
    case olecmd::Copy:
        m_page->EditCommand("Copy");
        return true;
    case olecmd::Paste:
        m_page->EditCommand("Paste");
        return true;
    case olecmd::SelectAll:
        m_page->EditCommand("SelectAll");
        return true;
    case olecmd::Print:
        return print();
    case olecmd::PrintPreview: {
        bool shown = false;
        return guarded([&] { shown = m_printer->preview(dialogParent(), *m_page); }) && shown;
    }
    case olecmd::PageSetup: {
        bool accepted = false;
        return guarded([&] { accepted = m_printer->pageSetup(dialogParent()); }) && accepted;
    }
    case olecmd::SaveAs:
        return saveAs();
    case olecmd::Properties:
        return showProperties();
    default:
        return false;
    }
}

bool CWebKitEngine::ExecBrowserCommand(int command) {
    if (!m_page)
        return false;
    switch (command) {
    case browsercmd::Find:
        return findInPage();
    case browsercmd::ViewSource:
        return viewSource();
    default:
        return false;
    }
}

std::optional<QByteArray> CWebKitEngine::fetchSource() {
    if (!m_page)
        return std::nullopt;
    auto wait = std::make_shared<SourceWait>();
    QEventLoop loop;
    wait->loop = &loop;
    bool answered = false;
    m_page->FetchSource(receiveSource, new std::shared_ptr<SourceWait>(wait));
    // The answer may have come at once.
    answered = wait->data.has_value();
    if (!answered) {
        QTimer::singleShot(kSourceWaitMilliseconds, &loop, &QEventLoop::quit);
        if (!guarded([&] { loop.exec(QEventLoop::ExcludeUserInputEvents); }))
            return std::nullopt;
    }
    return wait->data;
}

bool CWebKitEngine::SavePage(const QString& path) {
    if (path.isEmpty())
        return false;
    const std::optional<QByteArray> source = fetchSource();
    return source && writeFile(path, *source);
}

bool CWebKitEngine::print() {
    bool started = false;
    return guarded([&] { started = m_printer->print(dialogParent(), *m_page); }) && started;
}

bool CWebKitEngine::PrintToPdf(const QString& path) {
    bool written = false;
    return m_page && guarded([&] { written = m_printer->printToPdf(*m_page, path); }) && written;
}

bool CWebKitEngine::ChooseDownloadPath(const char* suggestedName, const char*,
                                       void (*setText)(void* context, const char* text),
                                       void* context) {
    std::optional<QString> path;
    if (!guarded([&] {
            path = enginedownloads::choosePath(dialogParent(), QString::fromUtf8(suggestedName));
        }) ||
        !path)
        return false;
    setText(context, QFile::encodeName(*path).constData());
    return true;
}

void CWebKitEngine::DownloadFinished(const char* path, const char* error) {
    if (error)
        guarded([&] {
            enginedownloads::reportFailure(dialogParent(), QFile::decodeName(path),
                                           QString::fromUtf8(error));
        });
}

bool CWebKitEngine::saveAs() {
    FileDialogRequest request;
    request.mode = FileDialogRequest::Mode::Save;
    request.parent = dialogParent();
    request.caption = QStringLiteral("保存网页");
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    request.directory = QDir(folder).filePath(enginedownloads::fileNameFromTitle(LocationName()) +
                                              QStringLiteral(".htm"));
    request.nameFilters = {QStringLiteral("网页，仅 HTML (*.htm *.html)")};
    request.defaultSuffix = QStringLiteral("htm");
    std::optional<QString> path;
    if (!guarded([&] { path = DialogRunner::instance().chooseFile(request); }))
        return false;
    return path && SavePage(*path);
}

bool CWebKitEngine::showProperties() {
    const std::optional<QByteArray> source = fetchSource();
    const std::optional<qint64> bytes =
        source ? std::optional<qint64>(source->size()) : std::nullopt;
    const QString title = LocationName();
    const QString address = LocationURL();
    QWidget* parent = dialogParent();
    return guarded([&] { enginedialogs::showProperties(parent, title, address, bytes); });
}

bool CWebKitEngine::findInPage() {
    std::optional<QString> text;
    QWidget* parent = dialogParent();
    const QString previous = m_lastFind;
    if (!guarded([&] { text = enginedialogs::askFindText(parent, previous); }))
        return false;
    if (!text || !m_page)
        return false;
    m_lastFind = *text;
    m_page->Find(text->toUtf8().constData());
    return true;
}

bool CWebKitEngine::viewSource() {
    const QString address = LocationURL();
    const std::optional<QByteArray> source = fetchSource();
    QWidget* parent = dialogParent();
    if (!source || !parent)
        return false;
    // A window of its own beside the program's windows, as a text editor
    // would show the source; it goes away when closed or with the window
    // of this engine.
    auto* text = new QPlainTextEdit(parent->window());
    text->setWindowFlag(Qt::Window);
    text->setAttribute(Qt::WA_DeleteOnClose);
    text->setReadOnly(true);
    text->setLineWrapMode(QPlainTextEdit::NoWrap);
    text->setPlainText(QString::fromUtf8(*source));
    text->setWindowTitle(address);
    text->resize(800, 600);
    text->show();
    return true;
}
