#include "system/CInternetOptionsDialog.h"

#include "framework/MessageBoxStyle.h"
#include "framework/ScriptedAnswer.h"
#include "framework/WaitCursor.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

// A server name or address: no blanks, no ':' (the port has its own box).
const QRegularExpression kHostPattern(QStringLiteral("[^\\s:]*"));

template <class W> W* named(W* widget, const char* name) {
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

} // namespace

CInternetOptionsDialog::CInternetOptionsDialog(QWidget* parent, const QString& startPage,
                                               const ProxySettings& proxy, Actions actions)
    : QDialog(parent), m_actions(std::move(actions)),
      m_startPage(named(new QLineEdit(startPage, this), "startPage")),
      m_useBlank(named(new QPushButton(QStringLiteral("使用空白页(&B)"), this), "useBlank")),
      m_proxyOn(named(new QCheckBox(QStringLiteral("使用代理服务器(&X)"), this), "proxyOn")),
      m_host(named(new QLineEdit(this), "proxyHost")),
      m_port(named(new QSpinBox(this), "proxyPort")),
      m_clearCache(named(new QPushButton(QStringLiteral("删除文件(&F)"), this), "clearCache")),
      m_clearHistory(
          named(new QPushButton(QStringLiteral("清除历史记录(&H)..."), this), "clearHistory")) {
    setWindowTitle(QStringLiteral("Internet 选项"));
    m_startPage->setMinimumWidth(m_startPage->fontMetrics().horizontalAdvance(u'x') * 48);
    m_proxyOn->setChecked(proxy.enabled);
    m_host->setValidator(new QRegularExpressionValidator(kHostPattern, m_host));
    m_host->setMaxLength(255);
    // A stored value the box cannot take (":8080") is shown as it is so the
    // user sees what to mend; OK insists on a valid one.
    m_host->setText(proxy.host);
    m_port->setRange(0, 65535);
    m_port->setSpecialValueText(QStringLiteral(" "));
    m_port->setValue(proxy.port);

    auto* home = new QGroupBox(QStringLiteral("主页"), this);
    auto* homeLayout = new QFormLayout(home);
    auto* homeRow = new QHBoxLayout;
    homeRow->addWidget(m_startPage, 1);
    homeRow->addWidget(m_useBlank);
    homeLayout->addRow(QStringLiteral("地址(&R)："), homeRow);

    auto* connection = new QGroupBox(QStringLiteral("代理服务器"), this);
    auto* proxyLayout = new QFormLayout(connection);
    proxyLayout->addRow(m_proxyOn);
    auto* serverRow = new QHBoxLayout;
    serverRow->addWidget(m_host, 1);
    serverRow->addWidget(new QLabel(QStringLiteral("端口(&T)："), this));
    serverRow->addWidget(m_port);
    proxyLayout->addRow(QStringLiteral("地址(&E)："), serverRow);

    auto* history = new QGroupBox(QStringLiteral("Internet 临时文件和历史记录"), this);
    auto* historyLayout = new QHBoxLayout(history);
    historyLayout->addStretch(1);
    historyLayout->addWidget(m_clearCache);
    historyLayout->addWidget(m_clearHistory);

    auto* buttons = new QDialogButtonBox(this);
    auto* ok = named(buttons->addButton(QStringLiteral("确定"), QDialogButtonBox::AcceptRole), "1");
    named(buttons->addButton(QStringLiteral("取消"), QDialogButtonBox::RejectRole), "2");
    ok->setDefault(true);

    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(home);
    layout->addWidget(connection);
    layout->addWidget(history);
    layout->addWidget(buttons);

    m_clearHistory->setEnabled(m_actions.clearHistory && m_actions.canClearHistory &&
                               m_actions.canClearHistory());
    connect(buttons, &QDialogButtonBox::accepted, this, &CInternetOptionsDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CInternetOptionsDialog::reject);
    connect(m_useBlank, &QPushButton::clicked, this,
            [this] { m_startPage->setText(QStringLiteral("about:blank")); });
    connect(m_proxyOn, &QCheckBox::toggled, this, &CInternetOptionsDialog::updateProxyControls);
    connect(m_clearCache, &QPushButton::clicked, this, &CInternetOptionsDialog::clearCache);
    connect(m_clearHistory, &QPushButton::clicked, this, [this] {
        if (m_actions.clearHistory)
            m_actions.clearHistory();
    });
    updateProxyControls();
}

QString CInternetOptionsDialog::StartPage() const {
    return m_startPage->text().trimmed();
}

ProxySettings CInternetOptionsDialog::Proxy() const {
    return ProxySettings{m_proxyOn->isChecked(), m_host->text().trimmed(), m_port->value()};
}

void CInternetOptionsDialog::updateProxyControls() {
    m_host->setEnabled(m_proxyOn->isChecked());
    m_port->setEnabled(m_proxyOn->isChecked());
}

void CInternetOptionsDialog::clearCache() {
    if (!m_actions.clearCache)
        return;
    WaitCursor wait;
    m_actions.clearCache();
    // Done: nothing more to clear until pages are visited again.
    m_clearCache->setEnabled(false);
}

void CInternetOptionsDialog::accept() {
    if (m_proxyOn->isChecked() && !isUsableProxy(Proxy())) {
        m_host->setFocus(Qt::OtherFocusReason);
        m_host->selectAll();
        return;
    }
    QDialog::accept();
}

int CInternetOptionsDialog::applyScriptedAnswer(const ScriptedAnswer& answer) {
    if (answer.text)
        m_startPage->setText(*answer.text);
    if (answer.checked)
        m_proxyOn->setChecked(*answer.checked);
    return applyOkCancel(*this, answer, [this] { accept(); });
}

QString CInternetOptionsDialog::scriptDescription() const {
    return metaObject()->className();
}
