#include "browser/engine/EngineDialogs.h"

#include "framework/DialogRunner.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QVBoxLayout>

namespace enginedialogs {

QString pageMessageCaption() {
    return QStringLiteral("来自网页的消息");
}

void showAlert(QWidget* parent, const QString& message) {
    QMessageBox box(QMessageBox::Warning, pageMessageCaption(), message, QMessageBox::Ok, parent);
    DialogRunner::instance().exec(box);
}

bool askConfirm(QWidget* parent, const QString& message) {
    QMessageBox box(QMessageBox::Question, pageMessageCaption(), message,
                    QMessageBox::Ok | QMessageBox::Cancel, parent);
    return DialogRunner::instance().exec(box) == QMessageBox::Ok;
}

std::optional<QString> askPrompt(QWidget* parent, const QString& message,
                                 const QString& defaultValue) {
    QInputDialog dialog(parent);
    dialog.setWindowTitle(pageMessageCaption());
    dialog.setInputMode(QInputDialog::TextInput);
    dialog.setLabelText(message);
    dialog.setTextValue(defaultValue);
    if (DialogRunner::instance().exec(dialog) != QDialog::Accepted)
        return std::nullopt;
    return dialog.textValue();
}

std::optional<QString> askFindText(QWidget* parent, const QString& previous) {
    QInputDialog dialog(parent);
    dialog.setWindowTitle(QStringLiteral("查找"));
    dialog.setInputMode(QInputDialog::TextInput);
    dialog.setLabelText(QStringLiteral("查找内容:"));
    dialog.setTextValue(previous);
    if (DialogRunner::instance().exec(dialog) != QDialog::Accepted || dialog.textValue().isEmpty())
        return std::nullopt;
    return dialog.textValue();
}

void showProperties(QWidget* parent, const QString& title, const QString& address,
                    std::optional<qint64> bytes) {
    QDialog dialog(parent);
    dialog.setWindowTitle(QStringLiteral("属性"));
    auto* form = new QFormLayout;
    auto* titleLabel = new QLabel(title, &dialog);
    auto* addressLabel = new QLabel(address, &dialog);
    for (QLabel* label : {titleLabel, addressLabel}) {
        label->setTextFormat(Qt::PlainText);
        label->setTextInteractionFlags(Qt::TextSelectableByMouse);
        label->setWordWrap(true);
    }
    form->addRow(QStringLiteral("标题:"), titleLabel);
    form->addRow(QStringLiteral("地址:"), addressLabel);
    const QString size = bytes ? QStringLiteral("%1 字节").arg(*bytes) : QStringLiteral("未知");
    form->addRow(QStringLiteral("大小:"), new QLabel(size, &dialog));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addLayout(form);
    layout->addWidget(buttons);
    DialogRunner::instance().exec(dialog);
}

} // namespace enginedialogs
