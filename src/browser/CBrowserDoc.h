#pragma once

#include <QObject>
#include <QString>

class CBrowserView;
class CDocTemplate;

// The document of one browser window. It holds the window's title (the
// child frame's caption) and belongs to the template that made it; it has no
// page data of its own (the view's engine holds the page).
//
// Owned by its child frame; leaves its template's document list when it
// goes.
class CBrowserDoc : public QObject {
    Q_OBJECT

public:
    explicit CBrowserDoc(QObject* parent = nullptr);
    ~CBrowserDoc() override;

    const QString& Title() const { return title_; }
    // Sets the title; titleChanged follows when it changed.
    void SetTitle(const QString& title);

    // The template whose document list holds this document (null: none).
    CDocTemplate* Template() const { return template_; }
    void SetTemplate(CDocTemplate* owner) { template_ = owner; }

    // The view showing this document (set by its child frame); null before
    // the view exists and after it has gone.
    CBrowserView* View() const { return view_; }
    void SetView(CBrowserView* view) { view_ = view; }

    // Whether the window may close now. The place for the closing rules
    // (locked windows, closing several windows at once); a plain document
    // always agrees.
    virtual bool CanCloseFrame();

signals:
    void titleChanged(const QString& title);

private:
    QString title_;
    CDocTemplate* template_ = nullptr;
    CBrowserView* view_ = nullptr;
};
