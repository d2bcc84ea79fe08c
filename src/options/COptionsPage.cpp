#include "options/COptionsPage.h"

#include "app/CCheckMessageBox.h"
#include "res/MessageFormat.h"
#include "res/StringIds.h"

#include <QApplication>
#include <QCheckBox>
#include <QFontDatabase>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace {

// The page font's size relative to the usual 8-point dialog font.
constexpr double kPageFontRatio = 8.5 / 8.0;

} // namespace

COptionsPage::COptionsPage(int dialogId, QString title, CAppSettings& settings, QWidget* parent)
    : QWidget(parent), m_dialogId(dialogId), m_title(std::move(title)), m_settings(settings) {
    setObjectName(QString::number(dialogId));
}

QFont COptionsPage::PageFont() {
    QFont font = QApplication::font();
    if (QFontDatabase::families().contains(QStringLiteral("Tahoma")))
        font.setFamily(QStringLiteral("Tahoma"));
    if (font.pointSizeF() > 0)
        font.setPointSizeF(font.pointSizeF() * kPageFontRatio);
    return font;
}

void COptionsPage::Build() {
    if (m_built)
        return;
    m_built = true;
    m_initializing = true;
    setFont(PageFont());
    OnBuildPage();
    m_initializing = false;
}

void COptionsPage::Initialize() {
    if (m_initialized)
        return;
    Build();
    m_initialized = true;
    m_initializing = true;
    OnInitPage();
    m_initializing = false;
}

void COptionsPage::SetModified(bool modified) {
    if (m_modified == modified)
        return;
    m_modified = modified;
    emit modifiedChanged(modified);
}

void COptionsPage::markModified() {
    if (!m_initializing)
        SetModified(true);
}

QWidget* COptionsPage::Control(int id) const {
    return findChild<QWidget*>(QString::number(id));
}

QCheckBox* COptionsPage::makeCheck(int id, const QString& text) {
    auto* box = new QCheckBox(text, this);
    box->setObjectName(QString::number(id));
    connect(box, &QCheckBox::toggled, this, &COptionsPage::markModified);
    return box;
}

QRadioButton* COptionsPage::makeRadio(int id, const QString& text) {
    auto* radio = new QRadioButton(text, this);
    radio->setObjectName(QString::number(id));
    connect(radio, &QRadioButton::toggled, this, &COptionsPage::markModified);
    return radio;
}

QLineEdit* COptionsPage::makeEdit(int id) {
    auto* edit = new QLineEdit(this);
    edit->setObjectName(QString::number(id));
    connect(edit, &QLineEdit::textChanged, this, &COptionsPage::markModified);
    return edit;
}

QLineEdit* COptionsPage::makeNumberEdit(int id, int digits) {
    QLineEdit* edit = makeEdit(id);
    edit->setMaxLength(digits);
    edit->setMaximumWidth(edit->fontMetrics().horizontalAdvance(QString(digits + 2, QLatin1Char('0'))) +
                          12);
    return edit;
}

QPushButton* COptionsPage::makeButton(int id, const QString& text) {
    auto* button = new QPushButton(text, this);
    button->setObjectName(QString::number(id));
    button->setAutoDefault(false);
    return button;
}

void COptionsPage::refuseRange(QLineEdit* edit, int min, int max) {
    CCheckMessageBox box(this,
                         res::formatString(sid::InvalidValueRange, {{"%Min%", QString::number(min)},
                                                                    {"%Max%", QString::number(max)}}),
                         MB_OK | MB_ICONSTOP);
    box.DoModal();
    edit->setFocus(Qt::OtherFocusReason);
    edit->selectAll();
}

bool COptionsPage::holdsNumberIn(const QLineEdit* edit, int min, int max) {
    bool ok = false;
    const int value = edit->text().trimmed().toInt(&ok);
    return ok && value >= min && value <= max;
}
