#pragma once

#include "browser/engine/EnginePluginAbi.h"

#include <QByteArray>
#include <QPageLayout>
#include <QString>

#include <memory>

class QPrinter;
class QWidget;

// Printing of one page of the second engine: the print dialog, print
// preview and page set-up, all run through the DialogRunner. The page
// set-up chosen applies to the following prints and previews of the page.
// The page itself prints (the engine lays it out); a preview is the page
// printed into a PDF file and shown.
class WebKitPrinter {
public:
    WebKitPrinter();
    ~WebKitPrinter();
    WebKitPrinter(const WebKitPrinter&) = delete;
    WebKitPrinter& operator=(const WebKitPrinter&) = delete;

    // Asks with the print dialog, then has page print; true when printing
    // started.
    bool print(QWidget* parent, engineplugin::IPage& page);
    // Prints page into a PDF file and shows it; false when that fails or
    // takes too long. The preview's print button asks as print() does.
    bool preview(QWidget* parent, engineplugin::IPage& page);
    // The page set-up dialog; true when accepted.
    bool pageSetup(QWidget* parent);

    // Prints page into the PDF file path with the page set-up and waits
    // (bounded) until it is written. False on failure or time-out; the
    // printer may be gone on return (see alive).
    bool printToPdf(engineplugin::IPage& page, const QString& path);

    const QPageLayout& layout() const { return m_layout; }
    void setLayout(const QPageLayout& layout) { m_layout = layout; }

    // What the engine is told for layout (an invalid layout leaves paper
    // and margins to the engine); printer and output are kept alive by the
    // caller for the call.
    static engineplugin::PrintJob jobFor(const QPageLayout& layout, const QByteArray& printer,
                                         const QByteArray& output, int copies);

private:
    QPrinter& printer();
    bool showPdf(QWidget* parent, const QString& path, engineplugin::IPage& page);

    QPageLayout m_layout;
    std::unique_ptr<QPrinter> m_printer; // made when a dialog needs it
    std::shared_ptr<bool> m_alive = std::make_shared<bool>(true);
};
