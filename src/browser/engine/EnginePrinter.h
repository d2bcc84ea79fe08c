#pragma once

#include <QObject>
#include <QPointer>

#include <memory>

class QPrinter;
class QWebEngineView;

// Printing of one engine's page: the print dialog, print preview and page
// setup, all run through the DialogRunner. Keeps one printer, so the page
// set-up chosen applies to the following prints and previews.
class EnginePrinter : public QObject {
    Q_OBJECT
public:
    explicit EnginePrinter(QObject* parent = nullptr);
    ~EnginePrinter() override;

    // Asks with the print dialog, then prints view's page. Printing runs in
    // the background; true when it started. False when the dialog is
    // cancelled, there is no view or a print still runs.
    bool print(QWebEngineView* view);
    // Shows the print preview of view's page; false without a view or while
    // a print runs.
    bool preview(QWebEngineView* view);
    // The page set-up dialog; true when accepted.
    bool pageSetup(QWidget* parent);

    // Whether a print of a page still alive runs.
    bool printing() const;
    // The printer shared by prints, previews and page set-up; made when
    // first asked for.
    QPrinter& printer();

signals:
    // A background print ended.
    void printDone(bool success);

private:
    // Prints into printer and waits (bounded) until the page is drawn.
    bool printAndWait(QWebEngineView* view, QPrinter* printer);

    std::unique_ptr<QPrinter> m_printer; // null until printing is asked for
    QPointer<QWebEngineView> m_printingView;
    bool m_printing = false;
};
