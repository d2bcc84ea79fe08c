#include "app/CCheckMessageBox.h"

#include "framework/DialogRunner.h"
#include "res/StringIds.h"
#include "res/StringTable.h"

#include <QApplication>
#include <QCheckBox>
#include <QFontMetrics>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include <algorithm>

namespace {

const char* const kDefaultCheckText = "下次不再显示这个对话框(&D)";

struct ButtonInfo {
    int id;
    const char* text;
};
// Left to right; laid out from the right edge this reads Cancel, No, Yes, OK.
constexpr ButtonInfo kButtons[] = {
    {IDOK, "确定(&O)"},
    {IDYES, "是(&Y)"},
    {IDNO, "否(&N)"},
    {IDCANCEL, "取消(&C)"},
};

constexpr int kIconSize = 32;

void defaultSound(CCheckMessageBox::IconKind) {
    QApplication::beep();
}

CCheckMessageBox::SoundPlayer& soundPlayer() {
    static CCheckMessageBox::SoundPlayer player = defaultSound;
    return player;
}

} // namespace

CCheckMessageBox::CCheckMessageBox(QWidget* parent, const QString& message, unsigned style,
                                   bool showCheckBox, const QString& title, const QIcon& icon,
                                   const QString& checkBoxText)
    : QDialog(parent) {
    build(message, style, showCheckBox, title, icon, checkBoxText);
}

CCheckMessageBox::CCheckMessageBox(QWidget* parent, unsigned messageId, unsigned style,
                                   bool showCheckBox, const QString& title, const QIcon& icon,
                                   const QString& checkBoxText)
    : QDialog(parent) {
    build(res::loadString(messageId), style, showCheckBox, title, icon, checkBoxText);
}

QList<int> CCheckMessageBox::buttonsForStyle(unsigned style) {
    const unsigned type = style & MB_TYPEMASK;
    if (type & 4)
        return {IDYES, IDNO};
    if (type & 3)
        return {IDYES, IDNO, IDCANCEL};
    return {IDOK};
}

CCheckMessageBox::IconKind CCheckMessageBox::iconForStyle(unsigned style) {
    switch (style & MB_ICONMASK) {
    case MB_ICONSTOP:
        return IconKind::Stop;
    case MB_ICONQUESTION:
        return IconKind::Question;
    case MB_ICONEXCLAMATION:
        return IconKind::Exclamation;
    case MB_ICONINFORMATION:
        return IconKind::Information;
    default:
        return IconKind::Application;
    }
}

void CCheckMessageBox::setSoundPlayer(SoundPlayer player) {
    soundPlayer() = player ? std::move(player) : SoundPlayer(defaultSound);
}

void CCheckMessageBox::build(const QString& message, unsigned style, bool showCheckBox,
                             const QString& title, const QIcon& icon, const QString& checkBoxText) {
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setWindowTitle(title.isEmpty() ? res::loadString(sid::AppTitle) : title);
    m_iconKind = iconForStyle(style);
    m_buttons = buttonsForStyle(style);

    m_icon = new QLabel(this);
    m_icon->setObjectName(QString::number(IconControl));
    m_icon->setPixmap(pictureFor(icon).pixmap(kIconSize, kIconSize));
    m_icon->setAlignment(Qt::AlignTop | Qt::AlignHCenter);

    m_message = new QLabel(this);
    m_message->setObjectName(QString::number(MessageControl));
    m_message->setTextFormat(Qt::PlainText); // messages carry addresses and titles
    m_message->setWordWrap(true);
    m_message->setText(message);
    m_message->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    m_checkBox = new QCheckBox(
        checkBoxText.isEmpty() ? QString::fromUtf8(kDefaultCheckText) : checkBoxText, this);
    m_checkBox->setObjectName(QString::number(CheckBoxControl));
    m_checkBox->setVisible(showCheckBox);

    // The message is as wide as its longest line, within bounds that keep
    // short messages from looking cramped and long ones readable.
    const QFontMetrics metrics(m_message->font());
    int widest = 0;
    for (const QString& line : message.split(QLatin1Char('\n')))
        widest = std::max(widest, metrics.horizontalAdvance(line));
    const int minWidth = dialogUnits(120);
    const int maxWidth = dialogUnits(260);
    m_message->setFixedWidth(std::clamp(widest + 2, minWidth, maxWidth));

    auto* body = new QGridLayout;
    body->setHorizontalSpacing(dialogUnits(8));
    body->setVerticalSpacing(dialogUnits(7));
    body->addWidget(m_icon, 0, 0, Qt::AlignTop);
    body->addWidget(m_message, 0, 1);
    body->addWidget(m_checkBox, 1, 1);
    body->setColumnMinimumWidth(0, kIconSize);

    auto* row = new QHBoxLayout;
    row->setSpacing(buttonSpacing());
    row->addStretch(1);
    for (const ButtonInfo& info : kButtons) {
        auto* button = new QPushButton(QString::fromUtf8(info.text), this);
        button->setObjectName(QString::number(info.id));
        button->setMinimumWidth(dialogUnits(50));
        button->setAutoDefault(false);
        button->setVisible(m_buttons.contains(info.id));
        const int id = info.id;
        connect(button, &QPushButton::clicked, this, [this, id] { done(id); });
        row->addWidget(button);
        m_allButtons << button;
    }
    QPushButton* defaultButton = button(m_buttons.first());
    defaultButton->setDefault(true);
    defaultButton->setFocus();

    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->setContentsMargins(dialogUnits(11), dialogUnits(11), dialogUnits(11), dialogUnits(7));
    layout->setSpacing(dialogUnits(11));
    layout->addLayout(body);
    layout->addLayout(row);
}

QIcon CCheckMessageBox::pictureFor(const QIcon& custom) const {
    if (!custom.isNull())
        return custom;
    switch (m_iconKind) {
    case IconKind::Stop:
        return style()->standardIcon(QStyle::SP_MessageBoxCritical, nullptr, this);
    case IconKind::Question:
        return style()->standardIcon(QStyle::SP_MessageBoxQuestion, nullptr, this);
    case IconKind::Exclamation:
        return style()->standardIcon(QStyle::SP_MessageBoxWarning, nullptr, this);
    case IconKind::Information:
        return style()->standardIcon(QStyle::SP_MessageBoxInformation, nullptr, this);
    case IconKind::Application:
        break;
    }
    QIcon appIcon = QApplication::windowIcon();
    if (appIcon.isNull())
        appIcon = QIcon::fromTheme(QStringLiteral("web-browser"));
    if (appIcon.isNull())
        appIcon = style()->standardIcon(QStyle::SP_ComputerIcon, nullptr, this);
    return appIcon;
}

int CCheckMessageBox::dialogUnits(int units) const {
    // A horizontal dialog unit is a quarter of the font's average character width.
    return (QFontMetrics(font()).averageCharWidth() * units + 2) / 4;
}

int CCheckMessageBox::buttonSpacing() const {
    return dialogUnits(10);
}

QPushButton* CCheckMessageBox::button(int id) const {
    for (QPushButton* candidate : m_allButtons)
        if (candidate->objectName().toInt() == id)
            return candidate;
    return nullptr;
}

int CCheckMessageBox::DoModal() {
    return DialogRunner::instance().exec(*this);
}

void CCheckMessageBox::initOnce() {
    if (m_initialised)
        return;
    m_initialised = true;
    // The system icons come with their sound; the application's icon is silent.
    if (m_iconKind != IconKind::Application)
        soundPlayer()(m_iconKind);
}

void CCheckMessageBox::showEvent(QShowEvent* event) {
    initOnce();
    QDialog::showEvent(event);
}

void CCheckMessageBox::reject() {
    // Escape backs out: Cancel where the box offers it (a three-way question
    // must not turn Escape into a definite No), else No; a box with OK alone
    // stays open, the user must read and confirm it.
    if (m_buttons.contains(IDCANCEL))
        done(IDCANCEL);
    else if (m_buttons.contains(IDNO))
        done(IDNO);
}

void CCheckMessageBox::done(int result) {
    m_showAgain = m_checkBox->isChecked() ? 0 : 1;
    m_closed = true;
    QDialog::done(result);
}

int CCheckMessageBox::applyScriptedAnswer(const ScriptedAnswer& answer) {
    initOnce();
    DialogRunner& runner = DialogRunner::instance();
    if (answer.checked) {
        if (*answer.checked && m_checkBox->isHidden())
            return runner.scriptError(QStringLiteral("the box shows no check box to tick"));
        m_checkBox->setChecked(*answer.checked);
    }
    if (answer.result == ScriptedAnswer::Escape) {
        reject();
        if (!m_closed)
            return runner.scriptError(QStringLiteral("Escape does not close a box with OK only"));
        return result();
    }
    if (!m_buttons.contains(answer.result))
        return runner.scriptError(QStringLiteral("the box shows no button %1").arg(answer.result));
    button(answer.result)->click();
    return result();
}

QString CCheckMessageBox::scriptDescription() const {
    return m_message->text();
}

int CCheckMessageBox::AskAndStore(QWidget* parent, const QString& message, unsigned style,
                                  const std::function<void(int)>& store, const QString& title,
                                  const QString& checkBoxText) {
    CCheckMessageBox box(parent, message, style, true, title, QIcon(), checkBoxText);
    const int result = box.DoModal();
    if (store)
        store(box.showAgain());
    return result;
}

int CCheckMessageBox::AskAndStore(QWidget* parent, const QString& message, unsigned style,
                                  int& setting, const QString& title, const QString& checkBoxText) {
    return AskAndStore(
        parent, message, style, [&setting](int flag) { setting = flag; }, title, checkBoxText);
}

int CCheckMessageBox::AskAndStore(QWidget* parent, unsigned messageId, unsigned style, int& setting,
                                  const QString& title, const QString& checkBoxText) {
    return AskAndStore(parent, res::loadString(messageId), style, setting, title, checkBoxText);
}

bool CCheckMessageBox::Confirm(QWidget* parent, unsigned messageId, int& setting,
                               const QString& title) {
    if (setting == 0)
        return true;
    return AskAndStore(parent, messageId, MB_YESNO | MB_ICONQUESTION, setting, title) == IDYES;
}
