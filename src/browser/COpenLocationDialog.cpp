#include "browser/COpenLocationDialog.h"

#include "framework/ControlId.h"
#include "framework/DialogRunner.h"
#include "framework/MessageBoxStyle.h"
#include "framework/ScriptedAnswer.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

COpenLocationDialog::COpenLocationDialog(QWidget* parent, const Options& options)
    : QDialog(parent), m_combo(withControlId(new QComboBox(this), AddressControl)),
      m_newWindowBox(
          withControlId(new QCheckBox(QStringLiteral("在新窗口打开(&D)"), this), NewWindowControl)),
      m_mozillaBox(withControlId(new QCheckBox(QStringLiteral("用 Netscape 或 Mozilla打开(&W)"), this),
                         MozillaControl)),
      m_browse(withControlId(new QPushButton(QStringLiteral("浏览(&B)..."), this), BrowseButton)) {
    setWindowTitle(QStringLiteral("打开"));
    m_combo->setEditable(true);
    m_combo->setInsertPolicy(QComboBox::NoInsert);
    m_combo->setMinimumWidth(m_combo->fontMetrics().horizontalAdvance(QLatin1Char('x')) * 50);
    for (const QString& address : options.addresses) {
        if (!address.isEmpty())
            m_combo->addItem(address);
    }
    m_combo->setCurrentIndex(-1);
    m_combo->setEditText(QString());
    if (options.autoComplete) {
        auto* completer = new QCompleter(m_combo->model(), m_combo);
        completer->setCaseSensitivity(Qt::CaseInsensitive);
        completer->setCompletionMode(QCompleter::InlineCompletion);
        m_combo->setCompleter(completer);
    } else {
        m_combo->setCompleter(nullptr);
    }
    m_newWindowBox->setChecked(options.newWindow);
    m_mozillaBox->setEnabled(options.mozillaAvailable);

    auto* label = new QLabel(QStringLiteral("打开 Internet 地址或文件(&P)："), this);
    label->setBuddy(m_combo);
    auto* ok = withControlId(new QPushButton(QStringLiteral("确定"), this), IDOK);
    auto* cancel = withControlId(new QPushButton(QStringLiteral("取消"), this), IDCANCEL);
    ok->setDefault(true);
    m_browse->setAutoDefault(false);

    auto* grid = new QGridLayout;
    grid->addWidget(label, 0, 0, 1, 3);
    grid->addWidget(m_combo, 1, 0, 1, 3);
    grid->addWidget(m_newWindowBox, 2, 0, 1, 3);
    grid->addWidget(m_mozillaBox, 3, 0, 1, 3);
    grid->setColumnStretch(0, 1);
    grid->addWidget(ok, 4, 1);
    grid->addWidget(cancel, 4, 2);
    grid->addWidget(m_browse, 5, 2);
    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addLayout(grid);

    connect(ok, &QPushButton::clicked, this, &COpenLocationDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &COpenLocationDialog::reject);
    connect(m_browse, &QPushButton::clicked, this, &COpenLocationDialog::browse);
    m_combo->setFocus(Qt::OtherFocusReason);
}

void COpenLocationDialog::browse() {
    FileDialogRequest request;
    request.mode = FileDialogRequest::Mode::Open;
    request.parent = this;
    request.caption = QStringLiteral("打开");
    request.nameFilters = {QStringLiteral("HTML Documents(*.htm *.html)"),
                           QStringLiteral("All Files(*)")};
    request.defaultSuffix = QStringLiteral("htm");
    if (const std::optional<QString> path = DialogRunner::instance().chooseFile(request))
        m_combo->setEditText(*path);
}

void COpenLocationDialog::accept() {
    const QString text = m_combo->currentText().trimmed();
    if (text.isEmpty())
        return;
    m_address = text;
    m_newWindow = m_newWindowBox->isChecked();
    m_useMozilla = m_mozillaBox->isEnabled() && m_mozillaBox->isChecked();
    QDialog::accept();
}

int COpenLocationDialog::applyScriptedAnswer(const ScriptedAnswer& answer) {
    if (answer.text)
        m_combo->setEditText(*answer.text);
    if (answer.checked)
        m_newWindowBox->setChecked(*answer.checked);
    return applyOkCancel(*this, answer, [this] { accept(); });
}

QString COpenLocationDialog::scriptDescription() const {
    return metaObject()->className();
}
