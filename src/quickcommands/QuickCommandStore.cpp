#include "quickcommands/QuickCommandStore.h"

#include "platform/registry/RegKey.h"
#include "platform/registry/RegTransaction.h"

using platform::RegError;
using platform::RegKey;

namespace {

void keepFirst(RegError* first, RegError error) {
    if (*first == platform::ERROR_SUCCESS)
        *first = error;
}

RegError writeRecord(const RegKey& key, const QuickCommand& command) {
    RegError first = platform::ERROR_SUCCESS;
    keepFirst(&first, key.setString(QStringLiteral("Title"), command.Title));
    keepFirst(&first, key.setString(QStringLiteral("Command"), command.Command));
    keepFirst(&first,
              key.setDword(QStringLiteral("Type"), static_cast<std::uint32_t>(command.Type)));
    keepFirst(&first, key.setString(QStringLiteral("URL"), command.URL));
    return first;
}

} // namespace

RegError SaveQuickCommands(const QList<QuickCommand>& commands, platform::Registry* registry) {
    platform::RegTransaction tx(registry);
    if (tx.beginError() != platform::ERROR_SUCCESS)
        return tx.beginError();
    const RegKey root = RegKey::root(platform::RegRoot::CurrentUser, registry);
    const QString path = QString::fromUtf16(kQuickCommandsKeyPath);
    RegError error = root.deleteSubtree(path);
    if (error != platform::ERROR_SUCCESS && error != platform::ERROR_FILE_NOT_FOUND)
        return error;
    if (commands.isEmpty())
        return tx.commit();
    const RegKey key = root.createSubkey(path, &error);
    if (!key)
        return error;
    RegError first = platform::ERROR_SUCCESS;
    for (qsizetype i = 0; i < commands.size(); ++i) {
        const RegKey record = key.createSubkey(QStringLiteral("QuickCommand%1").arg(i), &error);
        if (!record) {
            keepFirst(&first, error);
            continue;
        }
        keepFirst(&first, writeRecord(record, commands[i]));
    }
    const RegError committed = tx.commit();
    return first != platform::ERROR_SUCCESS ? first : committed;
}

void LoadQuickCommands(QList<QuickCommand>* commands, platform::Registry* registry) {
    commands->clear();
    const RegKey key = RegKey::open(platform::RegRoot::CurrentUser,
                                    QString::fromUtf16(kQuickCommandsKeyPath), nullptr, registry);
    if (!key)
        return;
    for (int i = 0; i < kMaxQuickCommands; ++i) {
        const RegKey record = key.openSubkey(QStringLiteral("QuickCommand%1").arg(i));
        if (!record)
            break;
        QuickCommand command;
        command.Title = record.readString(QStringLiteral("Title")).value_or(QString());
        if (command.Title.isEmpty())
            break;
        command.Command = record.readString(QStringLiteral("Command")).value_or(QString());
        command.URL = record.readString(QStringLiteral("URL")).value_or(QString());
        command.Type = static_cast<int>(record.readDword(QStringLiteral("Type")).value_or(0));
        commands->append(command);
    }
}
