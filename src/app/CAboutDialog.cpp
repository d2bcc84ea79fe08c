#include "app/CAboutDialog.h"

#include "framework/MessageBoxStyle.h"
#include "res/images/AppIcons.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QtWebEngineCore/qtwebenginecoreglobal.h>

CAboutDialog::CAboutDialog(QWidget* parent, const QString& versionText,
                           const QString& engineVersion)
    : QDialog(parent), m_version(new QLabel(versionText, this)),
      m_engine(new QLabel(engineVersion, this)) {
    setWindowTitle(QStringLiteral("关于 Quorrelin"));
    m_version->setObjectName(QStringLiteral("version"));
    m_engine->setObjectName(QStringLiteral("engineVersion"));
    auto* icon = new QLabel(this);
    icon->setPixmap(res::AppIcons::appIcon().pixmap(32, 32));
    auto* name = new QLabel(QStringLiteral("Quorrelin"), this);
    QFont bold = name->font();
    bold.setBold(true);
    name->setFont(bold);
    auto* ok = new QPushButton(QStringLiteral("确定"), this);
    ok->setObjectName(QString::number(IDOK));
    ok->setDefault(true);

    auto* layout = new QGridLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(icon, 0, 0, 3, 1, Qt::AlignTop);
    layout->addWidget(name, 0, 1);
    layout->addWidget(m_version, 1, 1);
    layout->addWidget(m_engine, 2, 1);
    layout->addWidget(ok, 0, 2);
    layout->setHorizontalSpacing(16);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

QString CAboutDialog::EngineVersionText() {
    return QStringLiteral("Qt WebEngine %1 (Chromium %2)")
        .arg(QString::fromLatin1(qWebEngineVersion()),
             QString::fromLatin1(qWebEngineChromiumVersion()));
}

int CAboutDialog::applyScriptedAnswer(const ScriptedAnswer& answer) {
    return applyOkCancel(*this, answer, [this] { accept(); });
}

QString CAboutDialog::scriptDescription() const {
    return metaObject()->className();
}
