#pragma once

#include <functional>
#include <memory>
#include <vector>

class CBrowserDoc;
class CBrowserView;
class CChildFrame;
class QMdiArea;

// Makes the browser windows of one engine kind: a document, a child frame
// holding it and a view in the frame, and keeps the list of the documents
// it made that are still open, oldest first.
//
// The documents belong to their frames; the template only lists them and
// must outlive them (a document leaves the list when it goes).
class CDocTemplate {
public:
    using DocumentFactory = std::function<std::unique_ptr<CBrowserDoc>()>;
    using ViewFactory = std::function<std::unique_ptr<CBrowserView>(CBrowserDoc& document)>;

    // resourceId names the template (168 for engine 0, 169 for engine 1).
    CDocTemplate(unsigned resourceId, int engineKind, DocumentFactory makeDocument,
                 ViewFactory makeView);
    ~CDocTemplate();
    CDocTemplate(const CDocTemplate&) = delete;
    CDocTemplate& operator=(const CDocTemplate&) = delete;

    unsigned ResourceId() const { return resourceId_; }
    int EngineKind() const { return engineKind_; }

    // Creates document, frame and view (with its engine) in area, hidden.
    // Null when any part fails or throws; nothing is left behind then.
    CChildFrame* CreateNewFrame(QMdiArea* area);

    // The open documents, oldest first.
    const std::vector<CBrowserDoc*>& Documents() const { return documents_; }
    // Takes document off the list (its destructor calls this).
    void RemoveDocument(CBrowserDoc* document);

private:
    CChildFrame* TryCreateFrame(QMdiArea* area);

    unsigned resourceId_;
    int engineKind_;
    DocumentFactory makeDocument_;
    ViewFactory makeView_;
    std::vector<CBrowserDoc*> documents_;
};
