#include "browser/engine/WebKitPrinter.h"

#include "framework/DialogRunner.h"
#include "res/StringIds.h"
#include "res/StringTable.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QEventLoop>
#include <QFileInfo>
#include <QPageSetupDialog>
#include <QPointer>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QUrl>
#include <QVBoxLayout>
#include <QWebEngineSettings>
#include <QWebEngineView>

namespace {

// How long a preview waits for the page to be printed into its file.
constexpr int kPreviewWaitMilliseconds = 30000;

// Where the end of a print goes; shared with the callback, which may come
// after the waiting side gave up.
struct PrintWait {
    bool ended = false;
    bool ok = false;
    QPointer<QEventLoop> loop;
};

void printEnded(void* context, const char*, std::size_t, bool ok) {
    auto* wait = static_cast<std::shared_ptr<PrintWait>*>(context);
    (*wait)->ended = true;
    (*wait)->ok = ok;
    if ((*wait)->loop)
        (*wait)->loop->quit();
    delete wait;
}

} // namespace

WebKitPrinter::WebKitPrinter() = default;
WebKitPrinter::~WebKitPrinter() = default;

QPrinter& WebKitPrinter::printer() {
    if (!m_printer)
        m_printer = std::make_unique<QPrinter>();
    if (m_layout.isValid())
        m_printer->setPageLayout(m_layout);
    return *m_printer;
}

engineplugin::PrintJob WebKitPrinter::jobFor(const QPageLayout& layout, const QByteArray& printer,
                                             const QByteArray& output, int copies) {
    engineplugin::PrintJob job;
    job.printer = printer.isEmpty() ? nullptr : printer.constData();
    job.output = output.isEmpty() ? nullptr : output.constData();
    job.copies = copies > 0 ? copies : 1;
    if (!layout.isValid())
        return job;
    job.landscape = layout.orientation() == QPageLayout::Landscape;
    const QSizeF paper = layout.pageSize().size(QPageSize::Millimeter);
    job.paperWidth = paper.width();
    job.paperHeight = paper.height();
    const QMarginsF margins = layout.margins(QPageLayout::Millimeter);
    job.marginLeft = margins.left();
    job.marginTop = margins.top();
    job.marginRight = margins.right();
    job.marginBottom = margins.bottom();
    return job;
}

bool WebKitPrinter::print(QWidget* parent, engineplugin::IPage& page) {
    QPrinter& target = printer();
    QPrintDialog dialog(&target, parent);
    const std::weak_ptr<bool> alive = m_alive;
    const int result = DialogRunner::instance().exec(dialog);
    if (alive.expired() || result != QDialog::Accepted)
        return false;
    m_layout = target.pageLayout();
    const QByteArray name = target.printerName().toUtf8();
    const QByteArray output = target.outputFileName().toUtf8();
    return page.Print(jobFor(m_layout, name, output, target.copyCount()), nullptr, nullptr);
}

bool WebKitPrinter::pageSetup(QWidget* parent) {
    QPageSetupDialog dialog(&printer(), parent);
    const std::weak_ptr<bool> alive = m_alive;
    const int result = DialogRunner::instance().exec(dialog);
    if (alive.expired() || result != QDialog::Accepted)
        return false;
    m_layout = m_printer->pageLayout();
    return true;
}

bool WebKitPrinter::printToPdf(engineplugin::IPage& page, const QString& path) {
    const QByteArray output = path.toUtf8();
    auto wait = std::make_shared<PrintWait>();
    if (!page.Print(jobFor(m_layout, QByteArray(), output, 1), printEnded,
                    new std::shared_ptr<PrintWait>(wait)))
        return false;
    if (!wait->ended) {
        QEventLoop loop;
        wait->loop = &loop;
        QTimer::singleShot(kPreviewWaitMilliseconds, &loop, &QEventLoop::quit);
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    }
    return wait->ended && wait->ok && QFileInfo(path).size() > 0;
}

bool WebKitPrinter::preview(QWidget* parent, engineplugin::IPage& page) {
    QTemporaryDir folder;
    if (!folder.isValid())
        return false;
    const QString path = folder.filePath(QStringLiteral("preview.pdf"));
    const std::weak_ptr<bool> alive = m_alive;
    if (!printToPdf(page, path) || alive.expired())
        return false;
    return showPdf(parent, path, page);
}

// The preview shows the printed file in a page view of the first engine,
// which displays PDF documents itself.
bool WebKitPrinter::showPdf(QWidget* parent, const QString& path, engineplugin::IPage& page) {
    QDialog dialog(parent);
    dialog.setWindowTitle(res::loadString(sid::PrintPreviewCaption));
    dialog.resize(parent ? parent->window()->size() * 0.9 : QSize(900, 700));
    auto* layout = new QVBoxLayout(&dialog);
    auto* view = new QWebEngineView(&dialog);
    view->settings()->setAttribute(QWebEngineSettings::PluginsEnabled, true);
    view->settings()->setAttribute(QWebEngineSettings::PdfViewerEnabled, true);
    view->setUrl(QUrl::fromLocalFile(path));
    layout->addWidget(view, 1);
    auto* buttons = new QDialogButtonBox(&dialog);
    QPushButton* printButton =
        buttons->addButton(res::loadString(sid::PrintPreviewPrint), QDialogButtonBox::ActionRole);
    buttons->addButton(res::loadString(sid::PrintPreviewClose), QDialogButtonBox::RejectRole);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    bool wantPrint = false;
    QObject::connect(printButton, &QPushButton::clicked, &dialog, [&] {
        wantPrint = true;
        dialog.accept();
    });
    layout->addWidget(buttons);
    const std::weak_ptr<bool> alive = m_alive;
    DialogRunner::instance().exec(dialog);
    if (alive.expired())
        return false;
    if (wantPrint)
        print(parent, page);
    return true;
}
