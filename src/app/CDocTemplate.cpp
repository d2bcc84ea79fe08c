#include "app/CDocTemplate.h"

#include "browser/CBrowserDoc.h"
#include "browser/CBrowserView.h"
#include "frame/CChildFrame.h"

#include <QMdiArea>

#include <algorithm>
#include <exception>

CDocTemplate::CDocTemplate(unsigned resourceId, int engineKind, DocumentFactory makeDocument,
                           ViewFactory makeView)
    : resourceId_(resourceId), engineKind_(engineKind), makeDocument_(std::move(makeDocument)),
      makeView_(std::move(makeView)) {}

CDocTemplate::~CDocTemplate() {
    // Documents that outlive the template must not report back to it.
    for (CBrowserDoc* document : documents_)
        document->SetTemplate(nullptr);
}

CChildFrame* CDocTemplate::CreateNewFrame(QMdiArea* area) {
    try {
        return TryCreateFrame(area);
    } catch (const std::exception&) {
        return nullptr;
    }
}

CChildFrame* CDocTemplate::TryCreateFrame(QMdiArea* area) {
    if (!makeDocument_ || !makeView_)
        return nullptr;
    std::unique_ptr<CBrowserDoc> document = makeDocument_();
    if (!document)
        return nullptr;
    CBrowserDoc* doc = document.get();
    auto frame = std::make_unique<CChildFrame>(std::move(document));
    std::unique_ptr<CBrowserView> view = makeView_(*doc);
    if (!view || !view->Create())
        return nullptr;
    frame->SetView(std::move(view));
    doc->SetTemplate(this);
    documents_.push_back(doc);
    CChildFrame* result = frame.release();
    if (area)
        area->addSubWindow(result);
    return result;
}

void CDocTemplate::RemoveDocument(CBrowserDoc* document) {
    std::erase(documents_, document);
}
