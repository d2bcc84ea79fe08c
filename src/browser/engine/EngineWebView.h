#pragma once

#include <QWebEngineView>

// The widget of a page on QtWebEngine. A page that is not drawn (hidden)
// stops rendering and compositing in the engine; the view tells the page so
// itself whenever the widget is hidden or shown. The view also keeps a page
// hidden that its owner says nobody can see (covered by a maximised window,
// in a minimised window or main window), even when the widget is shown
// again, so the engine does not draw it for nothing.
class EngineWebView : public QWebEngineView {
    Q_OBJECT
public:
    explicit EngineWebView(QWidget* parent = nullptr);

    // Whether the owner wants the page drawn (true at first). The page is
    // drawn while this is set and the widget is visible.
    void SetPageWanted(bool wanted);
    bool PageWanted() const { return m_wanted; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    bool m_wanted = true;
};
