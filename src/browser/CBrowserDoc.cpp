#include "browser/CBrowserDoc.h"

#include "app/CDocTemplate.h"

CBrowserDoc::CBrowserDoc(QObject* parent) : QObject(parent) {}

CBrowserDoc::~CBrowserDoc() {
    if (template_)
        template_->RemoveDocument(this);
}

void CBrowserDoc::SetTitle(const QString& title) {
    if (title == title_)
        return;
    title_ = title;
    emit titleChanged(title_);
}

bool CBrowserDoc::CanCloseFrame() {
    return true;
}
