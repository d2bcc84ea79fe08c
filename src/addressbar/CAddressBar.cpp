#include "addressbar/CAddressBar.h"

#include "addressbar/AddressBarInput.h"
#include "addressbar/CAddressComboBox.h"
#include "addressbar/CFlatImageButton.h"
#include "addressbar/IAddressBarOwner.h"
#include "app/CAppSettings.h"
#include "app/CCheckMessageBox.h"
#include "app/IErrorReporter.h"
#include "framework/AcceleratorGuard.h"
#include "res/StringIds.h"

#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>

#include <algorithm>

namespace {

const char* const kLabelText = "地址(&D)：";

bool isEnterKey(int key) {
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

// The keys the address box answers itself, before any shortcut of the
// window sees them.
bool isBarKey(const QKeyEvent* event) {
    const int key = event->key();
    const Qt::KeyboardModifiers mods = event->modifiers() & ~Qt::KeypadModifier;
    if (isEnterKey(key))
        return true;
    return (key == Qt::Key_Escape || key == Qt::Key_Tab) && mods == Qt::NoModifier;
}

} // namespace

CAddressBar::CAddressBar(IAddressBarOwner& owner, QWidget* parent)
    : QWidget(parent), m_owner(owner), m_label(new QLabel(QString::fromUtf8(kLabelText), this)),
      m_combo(new CAddressComboBox(this)), m_go(new CFlatImageButton(this)) {
    setObjectName(QStringLiteral("addressBar"));
    m_label->setObjectName(QStringLiteral("addressLabel"));
    m_label->setBuddy(m_combo);
    m_label->adjustSize();
    m_combo->SetErrorReporter(m_owner.AddressBarErrorReporter());
    m_combo->installEventFilter(this);
    // Escape returns to the shown address before it stops any page.
    AcceleratorGuard::keepKeys(*m_combo, {QKeySequence(Qt::Key_Escape)});
    m_combo->adjustSize();
    m_go->setObjectName(QStringLiteral("goButton"));
    m_go->setFocusPolicy(Qt::NoFocus);
    m_go->LoadBitmap(kGoBitmap, true);
    connect(m_go, &QAbstractButton::clicked, this, &CAddressBar::goClicked);
    connect(m_combo, &CAddressComboBox::addressChosen, this, [this](const QString& address) {
        m_owner.NavigateFromAddressBar(address, false, false);
    });
    connect(m_combo, &CAddressComboBox::clearRequested, this, &CAddressBar::ClearAddressList);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    SetAutoComplete(m_owner.AddressBarSettings().AutoComplete != 0);
    UpdateLayout();
}

// ---- Navigation ---------------------------------------------------------------

void CAddressBar::NavigateFromAddressBar(bool ctrl, bool newWindow) {
    const AddressBarRequest request = ResolveAddressBarInput(
        m_combo->currentText(), ctrl, m_owner.AddressBarSettings().QuickCommands);
    if (request.text)
        m_combo->ShowSubmitted(*request.text);
    if (!request.navigateTo.isEmpty())
        m_owner.NavigateFromAddressBar(request.navigateTo, request.remember, newWindow);
}

void CAddressBar::goClicked() {
    const Qt::KeyboardModifiers mods = QGuiApplication::keyboardModifiers();
    NavigateFromAddressBar(mods.testFlag(Qt::ControlModifier), mods.testFlag(Qt::ShiftModifier));
}

void CAddressBar::FocusAddress() {
    if (!m_combo->isEnabled())
        return;
    m_combo->setFocus(Qt::ShortcutFocusReason);
    m_combo->SelectAll();
}

bool CAddressBar::HasFocus() const {
    return m_combo->HasFocus();
}

// ---- Text and history -------------------------------------------------------------

void CAddressBar::SetAddressText(const QString& text, bool navigationStart) {
    if (text.isEmpty())
        return;
    m_combo->SetText(text, navigationStart && m_combo->HasFocus());
}

void CAddressBar::AddToAddressList(const QString& url) {
    m_combo->AddToAddressList(url);
}

void CAddressBar::SaveTypedUrls() {
    m_combo->SaveTypedUrls();
}

void CAddressBar::LoadTypedUrls() {
    m_combo->LoadTypedUrls();
}

bool CAddressBar::ClearAddressList() {
    CAppSettings& settings = m_owner.AddressBarSettings();
    const bool ask = settings.ConfirmClearAddress != 0;
    if (ask && !CCheckMessageBox::Confirm(window(), sid::ConfirmClearAddresses,
                                          settings.ConfirmClearAddress))
        return false;
    if (!ClearTypedAddresses())
        return false;
    if (!ask) {
        CCheckMessageBox done(window(), sid::AddressesCleared, MB_OK | MB_ICONINFORMATION);
        done.DoModal();
    }
    return true;
}

bool CAddressBar::ClearTypedAddresses() {
    const platform::RegError error = m_combo->ClearTypedUrls();
    SetAddressText(m_owner.ActivePageAddress());
    if (error != platform::ERROR_SUCCESS) {
        // The old history is still in the registry: saying it was cleared
        // would be false.
        if (IErrorReporter* reporter = m_owner.AddressBarErrorReporter())
            reporter->ShowSystemError(error);
        return false;
    }
    return true;
}

void CAddressBar::SetAutoComplete(bool on) {
    m_combo->SetAutoComplete(on);
}

// ---- Keys -----------------------------------------------------------------------------

bool CAddressBar::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_combo) {
        if (event->type() == QEvent::ShortcutOverride && isBarKey(static_cast<QKeyEvent*>(event))) {
            event->accept();
            return true;
        }
        if (event->type() == QEvent::KeyPress && handleKey(static_cast<QKeyEvent*>(event)))
            return true;
    }
    return QWidget::eventFilter(watched, event);
}

bool CAddressBar::handleKey(QKeyEvent* event) {
    if (!isBarKey(event))
        return false;
    const int key = event->key();
    if (isEnterKey(key)) {
        const Qt::KeyboardModifiers mods = event->modifiers();
        NavigateFromAddressBar(mods.testFlag(Qt::ControlModifier),
                               mods.testFlag(Qt::ShiftModifier));
        return true;
    }
    if (key == Qt::Key_Escape) {
        m_combo->UndoEdit();
        return true;
    }
    // Tab: into the page when there is one; else the focus moves on as usual.
    return m_owner.FocusPage();
}

// ---- Layout -------------------------------------------------------------------------

void CAddressBar::UpdateLayout() {
    const int cx = width();
    const int cy = height();
    const QSize label = m_label->sizeHint();
    m_label->setGeometry(0, (cy - label.height()) / 2, label.width(), label.height());
    int right = cx;
    if (m_owner.AddressBarSettings().ShowGoButton != 0) {
        const QSize go = m_go->size();
        m_go->move(cx - kGap - go.width(), (cy - go.height()) / 2);
        m_go->show();
        right = m_go->x() - kGap;
    } else {
        m_go->hide();
        m_go->move(cx, cy);
    }
    const int comboHeight = m_combo->sizeHint().height();
    const int left = label.width() + kGap;
    m_combo->setGeometry(left, (cy - comboHeight) / 2, std::max(0, right - left), comboHeight);
    update();
}

void CAddressBar::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    UpdateLayout();
}

void CAddressBar::contextMenuEvent(QContextMenuEvent* event) {
    m_owner.ShowAddressBarMenu(event->globalPos());
    event->accept();
}

void CAddressBar::setPreferredWidth(int width) {
    width = std::max(width, kMinimumWidth);
    if (width == m_preferredWidth)
        return;
    m_preferredWidth = width;
    updateGeometry();
}

QSize CAddressBar::sizeHint() const {
    const int height = std::max(
        {m_label->sizeHint().height(), m_combo->sizeHint().height(), m_go->sizeHint().height()});
    return {m_preferredWidth, height};
}

QSize CAddressBar::minimumSizeHint() const {
    return {kMinimumWidth, sizeHint().height()};
}
