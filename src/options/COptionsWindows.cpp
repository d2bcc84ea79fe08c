#include "options/COptionsWindows.h"

#include "app/CAppSettings.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {

using S = CAppSettings;

// Control ids.
constexpr int kOpenInNewWindow = 10028;
constexpr int kEngineGroup = 10050;
constexpr int kEngineIe = 10048;
constexpr int kEngineMozilla = 10049;
constexpr int kActivateGroup = 10052;
constexpr int kSingleLine = 10131;
constexpr int kFlat = 10057;
constexpr int kFixedWidth = 10058;
constexpr int kWidthFixed = 10133;
constexpr int kWidthEdit = 10060;
constexpr int kWidthDefault = 10061;
constexpr int kWidthFit = 10134;
constexpr int kRememberClosed = 10071;
constexpr int kClosedCount = 10072;
constexpr int kReopenInNew = 10081;

const QList<OptionsCheck>& topChecks() {
    static const QList<OptionsCheck> table = {
        {10054, "在最后附加新的窗口(&W)", &S::AppendNewWindow},
        {10027, "激活新窗口(&A)", &S::ActivateNewWindow},
        {kOpenInNewWindow, "在新窗口中打开文档(&D)", &S::OpenInNewWindow},
    };
    return table;
}

const QList<OptionsCheck>& tabChecks() {
    static const QList<OptionsCheck> table = {
        {kSingleLine, "使用单行标签(&B)", &S::UseSingleLineTabs},
        {kFlat, "使用平坦的标签(&F)", &S::UseFlatTab},
        {kFixedWidth, "使用固定宽度的标签(&U)", &S::UseFixedWidthTab},
    };
    return table;
}

bool isChecked(const QWidget* box) {
    const auto* button = qobject_cast<const QAbstractButton*>(box);
    return button && button->isChecked();
}

} // namespace

COptionsWindows::COptionsWindows(CAppSettings& settings, const OptionsEnvironment& environment,
                                 QWidget* parent)
    : COptionsPage(DialogId, QStringLiteral("窗口"), settings, parent),
      m_environment(environment) {}

void COptionsWindows::OnBuildPage() {
    auto* layout = new QVBoxLayout(this);
    m_checks.build(topChecks(), layout,
                   [this](int id, const QString& text) { return makeCheck(id, text); });
    auto* groups = new QHBoxLayout;
    groups->addWidget(buildEngineGroup());
    groups->addWidget(buildActivateGroup(), 1);
    layout->addLayout(groups);
    layout->addWidget(buildTabGroup());
    layout->addWidget(buildClosedWindows());
    layout->addStretch(1);
    connect(ControlAs<QCheckBox>(kOpenInNewWindow), &QCheckBox::toggled, this,
            &COptionsWindows::enableEngines);
    connect(ControlAs<QCheckBox>(kFixedWidth), &QCheckBox::toggled, this,
            &COptionsWindows::enableTabWidth);
    connect(ControlAs<QCheckBox>(kSingleLine), &QCheckBox::toggled, this,
            &COptionsWindows::onSingleLineClicked);
    connect(ControlAs<QCheckBox>(kRememberClosed), &QCheckBox::toggled, this,
            &COptionsWindows::enableClosedWindows);
}

void COptionsWindows::OnInitPage() {
    const CAppSettings& s = settings();
    m_checks.read(s);
    m_engines->button(s.OpenWindowType() == 1 ? 1 : 0)->setChecked(true);
    const int activate = s.ActivateMode >= 0 && s.ActivateMode <= 2 ? s.ActivateMode : 1;
    m_activateModes->button(activate)->setChecked(true);
    m_widthTypes->button(s.FixedTabWidthType == 1 ? 1 : 0)->setChecked(true);
    ControlAs<QLineEdit>(kWidthEdit)->setText(QString::number(s.TabWidth()));
    ControlAs<QCheckBox>(kRememberClosed)->setChecked(s.ClosedWindowsCount() != 0);
    ControlAs<QLineEdit>(kClosedCount)->setText(QString::number(s.ClosedWindowsCount()));
    ControlAs<QCheckBox>(kReopenInNew)->setChecked(s.OpenClosedWindowsInNewWindow != 0);
    enableEngines();
    enableTabWidth();
    enableClosedWindows();
}

QWidget* COptionsWindows::buildEngineGroup() {
    auto* group = new QGroupBox(QStringLiteral("文档打开方式"), this);
    group->setObjectName(QString::number(kEngineGroup));
    m_engines = new QButtonGroup(this);
    auto* column = new QVBoxLayout(group);
    m_engines->addButton(makeRadio(kEngineIe, QStringLiteral("Internet &Explorer")), 0);
    m_engines->addButton(makeRadio(kEngineMozilla, QStringLiteral("Net&scape")), 1);
    for (QAbstractButton* radio : m_engines->buttons())
        column->addWidget(radio);
    column->addStretch(1);
    return group;
}

QWidget* COptionsWindows::buildActivateGroup() {
    auto* group = new QGroupBox(QStringLiteral("关闭窗口时"), this);
    group->setObjectName(QString::number(kActivateGroup));
    m_activateModes = new QButtonGroup(this);
    auto* column = new QVBoxLayout(group);
    m_activateModes->addButton(makeRadio(10045, QStringLiteral("激活上一个窗口(&P)")), 0);
    m_activateModes->addButton(makeRadio(10046, QStringLiteral("激活下一个窗口(&N)")), 1);
    m_activateModes->addButton(makeRadio(10047, QStringLiteral("用创建命令激活窗口(&I)")), 2);
    for (QAbstractButton* radio : m_activateModes->buttons())
        column->addWidget(radio);
    return group;
}

QWidget* COptionsWindows::buildTabGroup() {
    auto* box = new QWidget(this);
    auto* column = new QVBoxLayout(box);
    column->setContentsMargins(0, 0, 0, 0);
    m_checks.build(tabChecks(), column,
                   [this](int id, const QString& text) { return makeCheck(id, text); });
    // The width choice goes below the style boxes, indented under
    // "使用固定宽度的标签".
    m_widthTypes = new QButtonGroup(this);
    QRadioButton* fixed = makeRadio(kWidthFixed, QStringLiteral("固定标签宽度："));
    QRadioButton* fit = makeRadio(kWidthFit, QStringLiteral("自动调节标签宽度(&U)(只用于单行标签)"));
    m_widthTypes->addButton(fixed, 0);
    m_widthTypes->addButton(fit, 1);
    QLineEdit* width = makeNumberEdit(kWidthEdit, 3);
    QPushButton* standard = makeButton(kWidthDefault, QStringLiteral("默认"));
    connect(standard, &QPushButton::clicked, this,
            [width] { width->setText(QStringLiteral("90")); });
    auto* widthRow = new QHBoxLayout;
    widthRow->setContentsMargins(20, 0, 0, 0);
    widthRow->addWidget(fixed);
    widthRow->addWidget(width);
    widthRow->addWidget(standard);
    widthRow->addStretch(1);
    auto* fitRow = new QHBoxLayout;
    fitRow->setContentsMargins(20, 0, 0, 0);
    fitRow->addWidget(fit);
    column->addLayout(widthRow);
    column->addLayout(fitRow);
    return box;
}

QWidget* COptionsWindows::buildClosedWindows() {
    auto* box = new QWidget(this);
    auto* column = new QVBoxLayout(box);
    column->setContentsMargins(0, 0, 0, 0);
    auto* row = new QHBoxLayout;
    QCheckBox* remember = makeCheck(kRememberClosed, QStringLiteral("记住最近关闭的"));
    QLineEdit* count = makeNumberEdit(kClosedCount, 3);
    row->addWidget(remember);
    row->addWidget(count);
    auto* unit = new QLabel(QStringLiteral("个窗口(&R) [1 - 100]"), box);
    unit->setBuddy(count);
    row->addWidget(unit);
    row->addStretch(1);
    column->addLayout(row);
    column->addWidget(makeCheck(kReopenInNew, QStringLiteral("总是用新窗口打开最近关闭的窗口(&L)")));
    return box;
}

void COptionsWindows::enableEngines() {
    const bool available = m_environment.mozillaAvailable && m_environment.mozillaAvailable();
    const bool on = available && isChecked(Control(kOpenInNewWindow));
    for (QAbstractButton* radio : m_engines->buttons())
        radio->setEnabled(on);
    if (!available)
        m_engines->button(0)->setChecked(true);
}

void COptionsWindows::enableTabWidth() {
    const bool fixedWidth = isChecked(Control(kFixedWidth));
    const bool singleLine = isChecked(Control(kSingleLine));
    for (int id : {kWidthFixed, kWidthEdit, kWidthDefault})
        Control(id)->setEnabled(fixedWidth);
    Control(kWidthFit)->setEnabled(fixedWidth && singleLine);
}

void COptionsWindows::onSingleLineClicked() {
    if (!isChecked(Control(kSingleLine)) && m_widthTypes->checkedId() == 1)
        m_widthTypes->button(0)->setChecked(true);
    enableTabWidth();
}

void COptionsWindows::enableClosedWindows() {
    const bool remember = isChecked(Control(kRememberClosed));
    auto* count = ControlAs<QLineEdit>(kClosedCount);
    count->setEnabled(remember);
    Control(kReopenInNew)->setEnabled(remember);
    if (!remember)
        return;
    const QString text = count->text().trimmed();
    if (text.isEmpty() || text.toInt() == 0) {
        count->setText(QStringLiteral("25"));
        if (!initializing())
            count->setFocus(Qt::OtherFocusReason);
        count->selectAll();
    }
}

bool COptionsWindows::OnKillActive() {
    auto* width = ControlAs<QLineEdit>(kWidthEdit);
    if (!holdsNumberIn(width, 20, 200)) {
        auto* fixedWidth = ControlAs<QCheckBox>(kFixedWidth);
        fixedWidth->setChecked(true); // runs its enabling rule
        refuseRange(width, 20, 200);
        return false;
    }
    auto* count = ControlAs<QLineEdit>(kClosedCount);
    if (isChecked(Control(kRememberClosed)) && !holdsNumberIn(count, 1, 100)) {
        refuseRange(count, 1, 100);
        return false;
    }
    return true;
}

void COptionsWindows::OnApply() {
    CAppSettings& s = settings();
    m_checks.write(s);
    s.SetOpenWindowType(m_engines->checkedId() == 1 ? 1 : 0);
    s.ActivateMode = std::max(0, m_activateModes->checkedId());
    s.FixedTabWidthType = m_widthTypes->checkedId() == 1 ? 1 : 0;
    const QString width = ControlAs<QLineEdit>(kWidthEdit)->text().trimmed();
    if (!width.isEmpty())
        s.SetTabWidth(width.toInt());
    if (isChecked(Control(kRememberClosed))) {
        s.SetClosedWindowsCount(ControlAs<QLineEdit>(kClosedCount)->text().trimmed().toInt());
    } else {
        if (s.StartMode() == 1)
            s.SetStartMode(4);
        s.SetClosedWindowsCount(0);
    }
    // A smaller capacity must not leave more windows to reopen than it keeps.
    s.SetOpenWindowsCount(s.OpenWindowsCount());
    s.OpenClosedWindowsInNewWindow = isChecked(Control(kReopenInNew)) ? 1 : 0;
}
