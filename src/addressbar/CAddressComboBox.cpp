#include "addressbar/CAddressComboBox.h"

#include "addressbar/AddressBarInput.h"
#include "addressbar/CAddressItemDelegate.h"
#include "addressbar/TypedAddressList.h"
#include "framework/CommandIds.h"
#include "res/MenuTable.h"
#include "res/images/AppIcons.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QClipboard>
#include <QCompleter>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>

#include <span>
#include <vector>

namespace {

// The size of the page picture at the left of the text field.
constexpr int kPageIconSize = 16;

// The text of command id in the main menu, or fallback.
QString mainMenuText(unsigned id, const char* fallback) {
    const res::MenuResource* menu = res::findMenuResource(res::MainMenu);
    if (!menu)
        return QString::fromUtf8(fallback);
    std::vector<std::span<const res::MenuItem>> pending{menu->popups};
    while (!pending.empty()) {
        const std::span<const res::MenuItem> items = pending.back();
        pending.pop_back();
        for (const res::MenuItem& item : items) {
            if (item.isPopup())
                pending.push_back(item.items);
            else if (item.id == id)
                return item.label();
        }
    }
    return QString::fromUtf8(fallback);
}

} // namespace

CAddressComboBox::CAddressComboBox(QWidget* parent, platform::Registry* registry)
    : QComboBox(parent), m_list(new TypedAddressList(registry, this)) {
    setObjectName(QStringLiteral("addressBox"));
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    setMaxVisibleItems(20);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    setModel(m_list);
    setItemDelegate(new CAddressItemDelegate(this));
    // The combo box makes a completer of its own; completion is switched by
    // SetAutoComplete only.
    lineEdit()->setCompleter(nullptr);
    lineEdit()->addAction(QIcon(res::AppIcons::windowImage(0, kPageIconSize, devicePixelRatioF())),
                          QLineEdit::LeadingPosition);
    lineEdit()->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(lineEdit(), &QWidget::customContextMenuRequested, this,
            &CAddressComboBox::showEditMenu);
    connect(lineEdit(), &QLineEdit::textEdited, this, &CAddressComboBox::onEdited);
    connect(this, &QComboBox::activated, this, &CAddressComboBox::onActivated);
    LoadTypedUrls();
}

template <class Change> void CAddressComboBox::keepingText(Change change) {
    QLineEdit* edit = lineEdit();
    const QString text = edit->text();
    const int cursor = edit->cursorPosition();
    const int selectionStart = edit->selectionStart();
    const int selectionLength = edit->selectedText().size();
    change();
    if (edit->text() == text)
        return;
    edit->setText(text);
    if (selectionStart >= 0)
        edit->setSelection(selectionStart, selectionLength);
    else
        edit->setCursorPosition(cursor);
}

// ---- History ------------------------------------------------------------------

bool CAddressComboBox::CompleteAddress(bool ctrl) {
    const std::optional<QString> completed = ::CompleteAddress(currentText(), ctrl);
    if (!completed)
        return false;
    ShowSubmitted(*completed);
    return true;
}

void CAddressComboBox::AddToAddressList(const QString& url) {
    bool added = false;
    keepingText([&] { added = m_list->AddToAddressList(url); });
    if (added)
        SaveTypedUrls();
}

void CAddressComboBox::LoadTypedUrls() {
    keepingText([this] { m_list->LoadTypedUrls(); });
}

platform::RegError CAddressComboBox::SaveTypedUrls() const {
    return m_list->SaveTypedUrls(m_reporter);
}

platform::RegError CAddressComboBox::ClearTypedUrls() {
    const platform::RegError error = m_list->ClearTypedUrls();
    lineEdit()->clear();
    m_edited = false;
    return error;
}

void CAddressComboBox::onActivated(int row) {
    QString text;
    keepingText([&] { text = m_list->MoveToTop(row); });
    if (text.isEmpty())
        return;
    SaveTypedUrls();
    setCurrentIndex(0);
    ShowSubmitted(text);
    emit addressChosen(text);
}

// ---- Completion -----------------------------------------------------------------

void CAddressComboBox::SetAutoComplete(bool on) {
    if (on == AutoComplete())
        return;
    if (!on) {
        lineEdit()->setCompleter(nullptr);
        delete m_completer;
        m_completer = nullptr;
        return;
    }
    m_completer = new QCompleter(m_list, this);
    m_completer->setObjectName(QStringLiteral("addressCompleter"));
    m_completer->setCaseSensitivity(Qt::CaseInsensitive);
    // Typed addresses mostly begin with their scheme: a part of the address
    // finds them better than its beginning.
    m_completer->setFilterMode(Qt::MatchContains);
    m_completer->setCompletionMode(QCompleter::PopupCompletion);
    m_completer->setMaxVisibleItems(12);
    m_completer->popup()->setItemDelegate(new CAddressItemDelegate(m_completer->popup()));
    lineEdit()->setCompleter(m_completer);
    // Installed after the completer's own filter, so this one sees the
    // popup's keys first.
    m_completer->popup()->installEventFilter(this);
}

bool CAddressComboBox::eventFilter(QObject* watched, QEvent* event) {
    if (!m_completer || watched != m_completer->popup() || event->type() != QEvent::KeyPress)
        return QComboBox::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
    if (!enter && key->key() != Qt::Key_Tab)
        return QComboBox::eventFilter(watched, event);
    // Enter with the list of completions open takes the highlighted one (if
    // any) and goes on as Enter in the box: the address opens at once.
    QAbstractItemView* popup = m_completer->popup();
    const QModelIndex current = popup->currentIndex();
    if (enter && current.isValid())
        lineEdit()->setText(current.data(Qt::EditRole).toString());
    popup->hide();
    QKeyEvent again(QEvent::KeyPress, key->key(), key->modifiers(), key->text());
    QCoreApplication::sendEvent(this, &again);
    return true;
}

bool CAddressComboBox::AutoComplete() const {
    return m_completer != nullptr;
}

// ---- Text --------------------------------------------------------------------------

bool CAddressComboBox::SetText(const QString& text, bool selectAll) {
    m_lastSet = text;
    if (IsUserEditing())
        return false;
    if (lineEdit()->text() != text)
        lineEdit()->setText(text);
    // With the focus in the box the user is about to type: keep the whole
    // text selected so that typing replaces it rather than joining it.
    if (selectAll || HasFocus())
        lineEdit()->selectAll();
    else
        lineEdit()->setCursorPosition(0);
    m_edited = false;
    return true;
}

void CAddressComboBox::ShowSubmitted(const QString& text) {
    lineEdit()->setText(text);
    lineEdit()->selectAll();
    m_edited = false;
}

void CAddressComboBox::UndoEdit() {
    if (m_completer && m_completer->popup() && m_completer->popup()->isVisible())
        m_completer->popup()->hide();
    ShowSubmitted(m_lastSet);
}

void CAddressComboBox::onEdited() {
    m_edited = true;
}

bool CAddressComboBox::IsUserEditing() const {
    return m_edited && HasFocus();
}

// The window's focus widget, not the application's: the user's typing is
// still theirs while another program is active.
bool CAddressComboBox::HasFocus() const {
    const QWidget* focus = window()->focusWidget();
    return focus && (focus == this || isAncestorOf(focus));
}

void CAddressComboBox::focusInEvent(QFocusEvent* event) {
    QComboBox::focusInEvent(event);
    // Alt+D (the label's key or the window's) selects the whole address.
    if (event->reason() == Qt::ShortcutFocusReason)
        lineEdit()->selectAll();
}

bool CAddressComboBox::HasSelection() const {
    return lineEdit()->hasSelectedText();
}

bool CAddressComboBox::CanPaste() {
    const QClipboard* clipboard = QGuiApplication::clipboard();
    return clipboard && !clipboard->text().isEmpty();
}

// ---- Editing -------------------------------------------------------------------------

void CAddressComboBox::Cut() {
    lineEdit()->cut();
}

void CAddressComboBox::Copy() {
    lineEdit()->copy();
}

void CAddressComboBox::Paste() {
    lineEdit()->paste();
}

void CAddressComboBox::Delete() {
    lineEdit()->del();
}

void CAddressComboBox::SelectAll() {
    lineEdit()->selectAll();
}

QMenu* CAddressComboBox::CreateEditMenu(QWidget* parent) {
    auto* menu = new QMenu(parent);
    const bool selection = HasSelection();
    menu->addAction(mainMenuText(cmd::EditCut, "剪切(&T)"), this, &CAddressComboBox::Cut)
        ->setEnabled(selection);
    menu->addAction(mainMenuText(cmd::EditCopy, "复制(&C)"), this, &CAddressComboBox::Copy)
        ->setEnabled(selection);
    menu->addAction(mainMenuText(cmd::EditPaste, "粘贴(&P)"), this, &CAddressComboBox::Paste)
        ->setEnabled(CanPaste());
    menu->addAction(QStringLiteral("删除(&D)"), this, &CAddressComboBox::Delete)
        ->setEnabled(selection);
    menu->addSeparator();
    menu->addAction(mainMenuText(cmd::EditSelectAll, "全选(&S)"), this,
                    &CAddressComboBox::SelectAll)
        ->setEnabled(!currentText().isEmpty());
    menu->addSeparator();
    menu->addAction(mainMenuText(cmd::ClearAddresses, "清理地址(&C)..."), this,
                    &CAddressComboBox::clearRequested);
    return menu;
}

void CAddressComboBox::showEditMenu(const QPoint& pos) {
    QMenu* menu = CreateEditMenu(this);
    menu->exec(lineEdit()->mapToGlobal(pos));
    delete menu;
}
