#include "linkgroups/CLinkGroupImportPanel.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

template <typename T>
T* named(T* widget, int id) {
    widget->setObjectName(QString::number(id));
    return widget;
}

} // namespace

CLinkGroupImportPanel::CLinkGroupImportPanel(Options& options, QWidget* parent)
    : QWidget(parent), m_options(options) {
    setObjectName(QStringLiteral("201"));
    auto* box = named(new QGroupBox(QStringLiteral("导入"), this), BoxControl);
    auto* select = named(new QCheckBox(QStringLiteral("选择要导入的快捷组(&S)"), box), SelectControl);
    auto* separator =
        named(new QCheckBox(QStringLiteral("在导入的快捷组前添加分离器(&A)"), box), SeparatorControl);
    const QString texts[] = {
        QStringLiteral("在快捷组名后添加数字来命名新的快捷组(&L)，如：新闻[1]"),
        QStringLiteral("用同样的名字来命名新建的快捷组(&R)"),
        QStringLiteral("将链接添加到已有的快捷组中(&P)"),
    };
    const int ids[] = {NumberedControl, SameNameControl, AddControl};
    auto* modes = new QButtonGroup(this);
    auto* inner = new QVBoxLayout(box);
    inner->addWidget(select);
    inner->addWidget(separator);
    for (int mode = 0; mode < 3; ++mode) {
        auto* radio = named(new QRadioButton(texts[mode], box), ids[mode]);
        modes->addButton(radio, mode);
        inner->addWidget(radio);
    }
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(box);

    select->setChecked(m_options.selectGroups);
    separator->setChecked(m_options.addSeparator);
    if (QAbstractButton* current = modes->button(m_options.nameMode))
        current->setChecked(true);
    connect(select, &QCheckBox::toggled, this, [this](bool on) { m_options.selectGroups = on; });
    connect(separator, &QCheckBox::toggled, this, [this](bool on) { m_options.addSeparator = on; });
    connect(modes, &QButtonGroup::idClicked, this, [this](int id) { m_options.nameMode = id; });
}
