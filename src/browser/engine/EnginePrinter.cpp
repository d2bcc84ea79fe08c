#include "browser/engine/EnginePrinter.h"

#include "framework/DialogRunner.h"

#include <QDeadlineTimer>
#include <QEventLoop>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QTimer>
#include <QWebEngineView>

namespace {
// The longest a preview waits for the page to be drawn.
constexpr int kPreviewWaitMilliseconds = 30000;
} // namespace

EnginePrinter::EnginePrinter(QObject* parent) : QObject(parent) {}

QPrinter& EnginePrinter::printer() {
    // Made on first use: a printer asks the print system for its queues,
    // which every window would otherwise pay for when it opens.
    if (!m_printer)
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *m_printer;
}

EnginePrinter::~EnginePrinter() {
    // A print still running draws into m_printer: let it end first.
    if (printing()) {
        QEventLoop loop;
        connect(m_printingView.data(), &QWebEngineView::printFinished, &loop, &QEventLoop::quit);
        connect(m_printingView.data(), &QObject::destroyed, &loop, &QEventLoop::quit);
        QTimer::singleShot(kPreviewWaitMilliseconds, &loop, &QEventLoop::quit);
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    }
}

bool EnginePrinter::printing() const {
    return m_printing && m_printingView;
}

bool EnginePrinter::print(QWebEngineView* view) {
    if (!view || printing())
        return false;
    QPrintDialog dialog(&printer(), view);
    if (DialogRunner::instance().exec(dialog) != QDialog::Accepted)
        return false;
    m_printing = true;
    m_printingView = view;
    connect(
        view, &QWebEngineView::printFinished, this,
        [this](bool success) {
            m_printing = false;
            m_printingView.clear();
            emit printDone(success);
        },
        Qt::SingleShotConnection);
    view->print(&printer());
    return true;
}

bool EnginePrinter::printAndWait(QWebEngineView* view, QPrinter* printer) {
    bool finished = false;
    bool success = false;
    QEventLoop loop;
    const auto connection = connect(view, &QWebEngineView::printFinished, &loop, [&](bool ok) {
        finished = true;
        success = ok;
        loop.quit();
    });
    QTimer::singleShot(kPreviewWaitMilliseconds, &loop, &QEventLoop::quit);
    view->print(printer);
    if (!finished)
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    disconnect(connection);
    return finished && success;
}

bool EnginePrinter::preview(QWebEngineView* view) {
    if (!view || printing())
        return false;
    QPrintPreviewDialog dialog(&printer(), view);
    QPointer<QWebEngineView> target(view);
    connect(&dialog, &QPrintPreviewDialog::paintRequested, this, [this, target](QPrinter* printer) {
        if (!target)
            return;
        m_printingView = target;
        m_printing = true;
        printAndWait(target.data(), printer);
        m_printing = false;
        m_printingView.clear();
    });
    DialogRunner::instance().exec(dialog);
    return true;
}

bool EnginePrinter::pageSetup(QWidget* parent) {
    QPageSetupDialog dialog(&printer(), parent);
    return DialogRunner::instance().exec(dialog) == QDialog::Accepted;
}
