#include "browser/CAutoRefreshDialog.h"

#include "app/CCheckMessageBox.h"
#include "framework/ControlId.h"
#include "framework/MessageBoxStyle.h"
#include "framework/ScriptedAnswer.h"
#include "res/MessageFormat.h"
#include "res/StringIds.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

namespace {

// The edit's text as a decimal number; 0 when it is empty or no number.
// Numbers beyond the range of unsigned count as too large.
unsigned parseSeconds(const QString& text) {
    bool ok = false;
    const qulonglong value = text.trimmed().toULongLong(&ok, 10);
    if (!ok)
        return 0;
    return value > CAutoRefreshDialog::kMaxSeconds ? CAutoRefreshDialog::kMaxSeconds + 1
                                                   : static_cast<unsigned>(value);
}

} // namespace

CAutoRefreshDialog::CAutoRefreshDialog(QWidget* parent, unsigned seconds, bool on)
    : QDialog(parent), m_prompt(withControlId(new QLabel(this), PromptControl)),
      m_edit(withControlId(new QLineEdit(this), IntervalControl)),
      m_start(withControlId(new QCheckBox(QStringLiteral("开始自动刷新(&S)"), this), StartControl)),
      m_seconds(seconds), m_on(on) {
    setWindowTitle(QStringLiteral("设置自动刷新"));
    m_prompt->setText(QStringLiteral("&Please enter Auto Refresh Interval [ %1 - %2 ]:")
                          .arg(kMinSeconds)
                          .arg(kMaxSeconds));
    m_prompt->setBuddy(m_edit);
    m_edit->setMaxLength(10);
    m_edit->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), m_edit));
    m_edit->setText(QString::number(seconds));
    m_start->setChecked(on);

    auto* ok = withControlId(new QPushButton(QStringLiteral("确定"), this), IDOK);
    auto* cancel = withControlId(new QPushButton(QStringLiteral("取消"), this), IDCANCEL);
    ok->setDefault(true);
    auto* grid = new QGridLayout;
    grid->addWidget(m_prompt, 0, 0);
    grid->addWidget(ok, 0, 1);
    grid->addWidget(m_edit, 1, 0);
    grid->addWidget(cancel, 1, 1);
    grid->addWidget(m_start, 2, 0);
    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addLayout(grid);

    connect(ok, &QPushButton::clicked, this, &CAutoRefreshDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &CAutoRefreshDialog::reject);
    m_edit->setFocus(Qt::OtherFocusReason);
    m_edit->selectAll();
}

void CAutoRefreshDialog::accept() {
    const unsigned seconds = parseSeconds(m_edit->text());
    if (seconds < kMinSeconds || seconds > kMaxSeconds) {
        const QString text = res::formatString(
            sid::InvalidValueRange,
            {{"%Min%", QString::number(kMinSeconds)}, {"%Max%", QString::number(kMaxSeconds)}});
        CCheckMessageBox box(this, text, MB_OK | MB_ICONSTOP);
        box.DoModal();
        m_edit->setFocus(Qt::OtherFocusReason);
        m_edit->selectAll();
        return;
    }
    m_seconds = seconds;
    m_on = m_start->isChecked();
    QDialog::accept();
}

int CAutoRefreshDialog::applyScriptedAnswer(const ScriptedAnswer& answer) {
    if (answer.text)
        m_edit->setText(*answer.text);
    if (answer.checked)
        m_start->setChecked(*answer.checked);
    return applyOkCancel(*this, answer, [this] { accept(); });
}

QString CAutoRefreshDialog::scriptDescription() const {
    return metaObject()->className();
}
