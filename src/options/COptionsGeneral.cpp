#include "options/COptionsGeneral.h"

#include "app/CAppSettings.h"
#include "app/CCheckMessageBox.h"
#include "framework/DialogRunner.h"
#include "options/CStartLinkGroupsDialog.h"
#include "res/StringIds.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QVBoxLayout>

namespace {

using S = CAppSettings;

// Control ids.
constexpr int kStartGroup = 10051;
constexpr int kRecentCount = 10073;
constexpr int kIeHomePage = 10033;
constexpr int kCustomPage = 10032;
constexpr int kChooseGroups = 10083;
constexpr int kSetDefaultBrowser = 10044;

// The start radios: control id, text, start mode.
struct StartRadio {
    int id;
    const char* text;
    int mode;
};
constexpr StartRadio kStartRadios[] = {
    {10038, "无(&O)", 4},
    {10029, "空白页(&B)", 0},
    {10036, "最近关闭的", 1},
    {10030, "Internet Explorer 主页(&H)", 2},
    {10031, "自定义(&C)", 3},
    {10082, "选定的快捷组(&E)", 5},
    {10039, "上次访问的页面(&L)", 6},
};

const QList<OptionsCheck>& generalChecks() {
    static const QList<OptionsCheck> table = {
        {10037, "显示启动画面(&Y)", &S::DisplaySplash},
        {10053, "在地址栏显示转到按钮(&G)", &S::ShowGoButton},
        {10034, "允许 Quorrelin 的多种样例(&M)", &S::MultipleInstance},
        {10067, "自动完成地址(&A)", &S::AutoComplete},
        {10096, "收藏夹排序(&V)", &S::SortFavorites},
        {10035, "启动时检测默认的浏览器(&K)", &S::CheckDefaultBrowser},
    };
    return table;
}

} // namespace

COptionsGeneral::COptionsGeneral(CAppSettings& settings, const OptionsEnvironment& environment,
                                 QWidget* parent)
    : COptionsPage(DialogId, QStringLiteral("常规"), settings, parent),
      m_environment(environment) {}

void COptionsGeneral::OnBuildPage() {
    auto* layout = new QVBoxLayout(this);
    buildStartGroup();
    layout->addWidget(Control(kStartGroup));
    m_checks.build(generalChecks(), layout,
                   [this](int id, const QString& text) { return makeCheck(id, text); });
    QPushButton* setDefault = makeButton(kSetDefaultBrowser, QStringLiteral("设置默认的浏览器(&S)..."));
    connect(setDefault, &QPushButton::clicked, this, &COptionsGeneral::offerDefaultBrowser);
    auto* buttonRow = new QHBoxLayout;
    buttonRow->addWidget(setDefault);
    buttonRow->addStretch(1);
    layout->addLayout(buttonRow);
    layout->addStretch(1);
}

void COptionsGeneral::OnInitPage() {
    const CAppSettings& s = settings();
    m_checks.read(s);
    ControlAs<QLineEdit>(kIeHomePage)->setText(m_environment.homePage ? m_environment.homePage()
                                                                      : QString());
    ControlAs<QLineEdit>(kCustomPage)->setText(s.CustomHomepage);
    ControlAs<QLineEdit>(kRecentCount)->setText(QString::number(s.OpenWindowsCount()));
    for (const LinkGroup& group : s.LinkGroups)
        m_marks.append(group.Startup != 0);

    const int mode = s.StartMode() >= 1 && s.StartMode() <= 6 ? s.StartMode() : 0;
    m_startModes->button(mode)->setChecked(true);
    enableForStartMode(mode);
    // The edit or button of these modes gets the focus once the page shows.
    if (mode == 1 || mode == 3 || mode == 5)
        QTimer::singleShot(0, this, [this, mode] {
            if (m_startModes->checkedId() == mode)
                enableForStartMode(mode);
        });
}

void COptionsGeneral::buildStartGroup() {
    auto* group = new QGroupBox(QStringLiteral("启动时打开"), this);
    group->setObjectName(QString::number(kStartGroup));
    m_startModes = new QButtonGroup(this);
    auto* grid = new QGridLayout(group);
    int row = 0;
    for (const StartRadio& entry : kStartRadios) {
        QRadioButton* radio = makeRadio(entry.id, QString::fromUtf8(entry.text));
        m_startModes->addButton(radio, entry.mode);
        grid->addWidget(radio, row, 0);
        if (entry.mode == 1) {
            auto* countRow = new QHBoxLayout;
            QLineEdit* count = makeNumberEdit(kRecentCount, 3);
            countRow->addWidget(count);
            auto* unit = new QLabel(QStringLiteral("个窗口(&R)"), group);
            unit->setBuddy(count);
            countRow->addWidget(unit);
            countRow->addStretch(1);
            grid->addLayout(countRow, row, 1);
        } else if (entry.mode == 2) {
            QLineEdit* home = makeEdit(kIeHomePage);
            home->setReadOnly(true); // the browser's own setting, shown only
            grid->addWidget(home, row, 1);
        } else if (entry.mode == 3) {
            QLineEdit* custom = makeEdit(kCustomPage);
            custom->setMinimumWidth(custom->fontMetrics().averageCharWidth() * 32);
            grid->addWidget(custom, row, 1);
        } else if (entry.mode == 5) {
            QPushButton* choose = makeButton(kChooseGroups, QStringLiteral("选择快捷组(&L)..."));
            connect(choose, &QPushButton::clicked, this, &COptionsGeneral::chooseLinkGroups);
            auto* buttonRow = new QHBoxLayout;
            buttonRow->addWidget(choose);
            buttonRow->addStretch(1);
            grid->addLayout(buttonRow, row, 1);
        }
        ++row;
    }
    grid->setColumnStretch(1, 1);
    connect(m_startModes, &QButtonGroup::idToggled, this, [this](int mode, bool checked) {
        if (checked)
            enableForStartMode(mode);
    });
}

void COptionsGeneral::enableForStartMode(int mode) {
    auto* count = ControlAs<QLineEdit>(kRecentCount);
    auto* home = ControlAs<QLineEdit>(kIeHomePage);
    auto* custom = ControlAs<QLineEdit>(kCustomPage);
    count->setEnabled(mode == 1);
    home->setEnabled(mode == 2);
    custom->setEnabled(mode == 3);
    Control(kChooseGroups)->setEnabled(mode == 5);
    QWidget* focus = nullptr;
    if (mode == 1) {
        const QString text = count->text().trimmed();
        if (text.isEmpty() || text.toInt() == 0)
            count->setText(QStringLiteral("1"));
        count->selectAll();
        focus = count;
    } else if (mode == 2) {
        focus = home;
    } else if (mode == 3) {
        focus = custom;
    } else if (mode == 5) {
        focus = Control(kChooseGroups);
    }
    if (focus && !initializing())
        focus->setFocus(Qt::OtherFocusReason);
}

int COptionsGeneral::ChosenStartMode() const {
    const int mode = m_startModes ? m_startModes->checkedId() : -1;
    return mode < 0 ? settings().StartMode() : mode;
}

void COptionsGeneral::chooseLinkGroups() {
    const QList<LinkGroup>& groups = settings().LinkGroups;
    QStringList names;
    QList<bool> marks;
    QList<int> indexes; // group index of each row; separators are left out
    for (int i = 0; i < groups.size(); ++i) {
        if (groups[i].Separator != 0)
            continue;
        names.append(groups[i].Name);
        marks.append(i < m_marks.size() && m_marks[i]);
        indexes.append(i);
    }
    CStartLinkGroupsDialog dialog(this, names, marks);
    if (DialogRunner::instance().exec(dialog) != QDialog::Accepted)
        return;
    const QList<bool> chosen = dialog.Marks();
    for (int row = 0; row < indexes.size() && row < chosen.size(); ++row) {
        if (m_marks[indexes[row]] != chosen[row]) {
            m_marks[indexes[row]] = chosen[row];
            markModified();
        }
    }
}

void COptionsGeneral::offerDefaultBrowser() {
    CCheckMessageBox box(this, sid::ConfirmSetDefaultBrowser, MB_YESNO | MB_ICONQUESTION);
    if (box.DoModal() == IDYES && m_environment.makeDefaultBrowser)
        m_environment.makeDefaultBrowser();
}

bool COptionsGeneral::OnKillActive() {
    const int mode = ChosenStartMode();
    auto* custom = ControlAs<QLineEdit>(kCustomPage);
    if (mode == 3 && custom->text().isEmpty()) {
        CCheckMessageBox box(this, sid::EmptyCustomAddress, MB_OK | MB_ICONSTOP);
        box.DoModal();
        custom->setFocus(Qt::OtherFocusReason);
        return false;
    }
    auto* count = ControlAs<QLineEdit>(kRecentCount);
    const int capacity = settings().ClosedWindowsCount();
    if (mode == 1 && !holdsNumberIn(count, 1, capacity)) {
        refuseRange(count, 1, capacity);
        return false;
    }
    return true;
}

void COptionsGeneral::OnApply() {
    CAppSettings& s = settings();
    const int mode = ChosenStartMode();
    if (mode == 1)
        s.SetOpenWindowsCount(ControlAs<QLineEdit>(kRecentCount)->text().trimmed().toInt());
    if (mode == 5) {
        for (int i = 0; i < s.LinkGroups.size() && i < m_marks.size(); ++i)
            s.LinkGroups[i].Startup = m_marks[i] ? 1 : 0;
    }
    s.SetStartMode(mode);
    s.CustomHomepage = ControlAs<QLineEdit>(kCustomPage)->text();
    m_checks.write(s);
}
