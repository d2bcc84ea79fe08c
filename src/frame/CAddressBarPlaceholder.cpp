#include "frame/CAddressBarPlaceholder.h"

#include <QComboBox>
#include <QCompleter>
#include <QHBoxLayout>
#include <QLineEdit>

#include <algorithm>

CAddressBarPlaceholder::CAddressBarPlaceholder(QWidget* parent)
    : QWidget(parent), m_box(new QComboBox(this)) {
    setObjectName(QStringLiteral("addressBarPlaceholder"));
    m_box->setObjectName(QStringLiteral("addressBox"));
    m_box->setEditable(true);
    m_box->setInsertPolicy(QComboBox::NoInsert);
    m_box->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_box);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

void CAddressBarPlaceholder::focusAddress() {
    m_box->setFocus(Qt::ShortcutFocusReason);
    if (QLineEdit* edit = m_box->lineEdit())
        edit->selectAll();
}

bool CAddressBarPlaceholder::containsWidget(const QWidget* widget) const {
    return widget && (widget == m_box || m_box->isAncestorOf(widget));
}

void CAddressBarPlaceholder::setAutoComplete(bool on) {
    if (on == autoComplete())
        return;
    if (on) {
        auto* completer = new QCompleter(m_box->model(), m_box);
        completer->setCaseSensitivity(Qt::CaseInsensitive);
        completer->setCompletionMode(QCompleter::InlineCompletion);
        m_box->setCompleter(completer);
    } else {
        m_box->setCompleter(nullptr);
    }
}

bool CAddressBarPlaceholder::autoComplete() const { return m_box->completer() != nullptr; }

void CAddressBarPlaceholder::setPreferredWidth(int width) {
    width = std::max(width, kMinimumWidth);
    if (width == m_preferredWidth)
        return;
    m_preferredWidth = width;
    updateGeometry();
}

QSize CAddressBarPlaceholder::sizeHint() const {
    return {m_preferredWidth, m_box->sizeHint().height()};
}

QSize CAddressBarPlaceholder::minimumSizeHint() const {
    return {kMinimumWidth, m_box->minimumSizeHint().height()};
}
