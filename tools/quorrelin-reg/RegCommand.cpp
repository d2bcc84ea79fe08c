#include "RegCommand.h"

#include "RegQuery.h"

#include "platform/regfile/RegFileImporter.h"
#include "platform/regfile/RegFileNames.h"
#include "platform/regfile/RegFileWriter.h"
#include "platform/registry/RegKey.h"
#include "platform/registry/RegTransaction.h"
#include "platform/registry/Registry.h"

#include <QFileInfo>

using namespace platform;

namespace {

const QString kTypeUsage = QStringLiteral("Type \"quorrelin-reg /?\" for usage.");

bool allOf(const QString& text, bool (*accept)(QChar)) {
    for (QChar c : text) {
        if (!accept(c))
            return false;
    }
    return true;
}

bool isDecimal(QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); }

bool isHex(QChar c) {
    return isDecimal(c) || (c.toLower() >= QLatin1Char('a') && c.toLower() <= QLatin1Char('f'));
}

// A decimal number or 0x and hex digits, within 32 bits.
bool parseDword(const QString& text, quint32* value) {
    const bool hex = text.startsWith(QLatin1String("0x"), Qt::CaseInsensitive);
    const QString digits = hex ? text.mid(2) : text;
    if (digits.isEmpty() || digits.size() > 16 || !allOf(digits, hex ? isHex : isDecimal))
        return false;
    bool ok = false;
    const qulonglong v = digits.toULongLong(&ok, hex ? 16 : 10);
    if (!ok || v > 0xFFFFFFFFull)
        return false;
    *value = static_cast<quint32>(v);
    return true;
}

} // namespace

QString RegCommand::usage() {
    return QStringLiteral(
        "Usage: quorrelin-reg OPERATION [arguments]\n"
        "\n"
        "Reads and changes the Quorrelin registry: the database named by the\n"
        "QUORRELIN_REGISTRY environment variable, else\n"
        "$XDG_CONFIG_HOME/quorrelin/registry.db.\n"
        "\n"
        "  quorrelin-reg query KEY [/v NAME | /ve] [/s]\n"
        "  quorrelin-reg add KEY [/v NAME | /ve] [/t TYPE] [/d DATA] [/f]\n"
        "  quorrelin-reg delete KEY [/v NAME | /ve | /va] [/f]\n"
        "  quorrelin-reg export KEY FILE [/y]\n"
        "  quorrelin-reg import FILE\n"
        "\n"
        "  KEY   ROOT\\SubKey\\..., ROOT being HKEY_CURRENT_USER (HKCU),\n"
        "        HKEY_CLASSES_ROOT (HKCR) or HKEY_LOCAL_MACHINE (HKLM).\n"
        "        Quote it for the shell: the backslashes belong to the name.\n"
        "  /v    the value NAME.\n"
        "  /ve   the default (unnamed) value.\n"
        "  /va   delete: all values of the key (the key and its subkeys stay).\n"
        "  /s    query: the key and all its subkeys.\n"
        "  /t    add: REG_SZ (the default), REG_EXPAND_SZ, REG_BINARY or REG_DWORD.\n"
        "  /d    add: the data; text for REG_SZ and REG_EXPAND_SZ, hex digits for\n"
        "        REG_BINARY (0a1bff), a decimal number or 0x and hex digits for\n"
        "        REG_DWORD.\n"
        "  /f    add: overwrite an existing value; delete: really delete.\n"
        "  /y    export: overwrite an existing file.\n"
        "\n"
        "quorrelin-reg never asks questions. Where a confirmation would be asked\n"
        "it refuses instead: add over an existing value and every delete need /f,\n"
        "and export onto an existing file needs /y.\n"
        "\n"
        "export writes a .reg file (\"Windows Registry Editor Version 5.00\",\n"
        "UTF-16LE) with the key and all its subkeys. import applies a .reg file\n"
        "(UTF-16LE or UTF-8) as a whole: on any error nothing of it is written.\n"
        "\n"
        "Exit status: 0 on success, 1 on failure, with the reason on standard\n"
        "error after \"ERROR:\".\n");
}

int RegCommand::run(const QStringList& arguments) {
    if (arguments.contains(QStringLiteral("/?")) || arguments.contains(QStringLiteral("-?"))) {
        *out_ << usage();
        return 0;
    }
    if (arguments.isEmpty())
        return invalidSyntax();
    const QString verb = arguments.first().toLower();
    const QStringList rest = arguments.mid(1);
    RegToolOptions options;
    // The reading verbs never create, change or lock the file.
    if (!registry_ && (verb == QLatin1String("query") || verb == QLatin1String("export")))
        Registry::setDefaultAccess(Registry::Access::ReadOnly);
    if (verb == QLatin1String("query"))
        return options.parse(rest, {"v", "ve", "s"}, 1) ? query(options) : invalidSyntax();
    if (verb == QLatin1String("add"))
        return options.parse(rest, {"v", "ve", "t", "d", "f"}, 1) ? add(options) : invalidSyntax();
    if (verb == QLatin1String("delete"))
        return options.parse(rest, {"v", "ve", "va", "f"}, 1) ? remove(options) : invalidSyntax();
    if (verb == QLatin1String("export"))
        return options.parse(rest, {"y"}, 2) ? exportKey(options) : invalidSyntax();
    if (verb == QLatin1String("import"))
        return options.parse(rest, {}, 1) ? importFile(options) : invalidSyntax();
    return invalidSyntax();
}

int RegCommand::fail(const QString& message) {
    *err_ << "ERROR: " << message << '\n';
    return 1;
}

int RegCommand::failRegistry(RegError error) {
    // A failure of the store itself says what is wrong with which file.
    const RegProblem failure = registry().lastFailure();
    if (failure && regProblemError(failure.kind) == error)
        return fail(describeRegProblem(failure));
    return fail(regErrorMessage(error));
}

Registry& RegCommand::registry() const { return registry_ ? *registry_ : Registry::instance(); }

int RegCommand::invalidSyntax() { return fail(QStringLiteral("Invalid syntax.\n") + kTypeUsage); }

int RegCommand::succeed() {
    *out_ << "The operation completed successfully.\n";
    return 0;
}

bool RegCommand::parseKey(const QString& text, RegRoot* root, QString* path) {
    if (parseRootedKeyPath(text, root, path))
        return true;
    fail(QStringLiteral("Invalid key name.\n") + kTypeUsage);
    return false;
}

bool RegCommand::registryReady(bool forWriting) {
    const Registry& reg = registry();
    const RegProblem& problem = reg.openProblem();
    // A read-only use of a registry that does not exist reads it as empty.
    if (!problem && (reg.isOpen() || !forWriting))
        return true;
    // A read-only file still answers queries.
    if (problem.kind == RegProblemKind::ReadOnly && reg.isOpen() && !forWriting)
        return true;
    fail(problem ? describeRegProblem(problem)
                 : QStringLiteral("The registry \"%1\" cannot be written.").arg(reg.path()));
    return false;
}

bool RegCommand::valueFromOptions(const RegToolOptions& options, RegValue* value) {
    const QString type = options.typeGiven ? options.type.toUpper() : QStringLiteral("REG_SZ");
    if (type == QLatin1String("REG_SZ") || type == QLatin1String("REG_EXPAND_SZ")) {
        *value = {type == QLatin1String("REG_SZ") ? REG_SZ : REG_EXPAND_SZ, encodeRegString(options.data)};
        if (value->data.size() <= kMaxValueDataSize)
            return true;
        fail(QStringLiteral("The data is larger than the registry allows."));
        return false;
    }
    if (type == QLatin1String("REG_DWORD")) {
        quint32 dword = 0;
        if (options.dataGiven && !parseDword(options.data, &dword)) {
            fail(QStringLiteral("Invalid REG_DWORD data \"%1\": give a number from 0 to 4294967295, "
                                "in decimal or as 0x and hex digits.")
                     .arg(options.data));
            return false;
        }
        *value = {REG_DWORD, encodeRegDword(dword)};
        return true;
    }
    if (type == QLatin1String("REG_BINARY")) {
        if (options.data.size() % 2 != 0 || !allOf(options.data, isHex)) {
            fail(QStringLiteral("Invalid REG_BINARY data \"%1\": give pairs of hex digits, such as 0a1bff.")
                     .arg(options.data));
            return false;
        }
        *value = {REG_BINARY, QByteArray::fromHex(options.data.toLatin1())};
        return true;
    }
    fail(QStringLiteral("Unknown type \"%1\": use REG_SZ, REG_EXPAND_SZ, REG_BINARY or REG_DWORD.")
             .arg(options.type));
    return false;
}

int RegCommand::query(const RegToolOptions& options) {
    RegRoot root;
    QString path;
    if (!parseKey(options.positional[0], &root, &path) || !registryReady())
        return 1;
    RegError error = ERROR_SUCCESS;
    const RegKey key = RegKey::open(root, path, &error, registry_);
    if (!key)
        return failRegistry(error);
    const QString fullPath = rootedKeyPath(root, path);
    RegQuery printer(out_);
    if (options.valueName || options.defaultValue) {
        const QString name = options.valueName ? options.name : QString();
        const bool found = options.recursive ? printer.findValue(key, fullPath, name) > 0
                                             : printer.printValue(key, fullPath, name);
        return found ? 0 : failRegistry(ERROR_FILE_NOT_FOUND);
    }
    if (options.recursive)
        printer.printTree(key, fullPath);
    else
        printer.printKey(key, fullPath);
    return 0;
}

int RegCommand::add(const RegToolOptions& options) {
    RegRoot root;
    QString path;
    RegValue value;
    if (!parseKey(options.positional[0], &root, &path) || !valueFromOptions(options, &value) ||
        !registryReady(true))
        return 1;
    if (options.valueName && options.name.size() > kMaxValueNameLength)
        return failRegistry(ERROR_INVALID_PARAMETER);
    // The key and its value appear together or not at all.
    RegTransaction transaction(registry_);
    if (transaction.beginError() != ERROR_SUCCESS)
        return failRegistry(transaction.beginError());
    RegError error = ERROR_SUCCESS;
    const RegKey key = RegKey::create(root, path, &error, registry_);
    if (!key)
        return failRegistry(error);
    if (options.valueName || options.defaultValue || options.typeGiven || options.dataGiven) {
        const QString name = options.valueName ? options.name : QString();
        RegValue existing;
        if (!options.force && key.queryValue(name, &existing) == ERROR_SUCCESS) {
            return fail(QStringLiteral("The value \"%1\" already exists. Use /f to overwrite it without "
                                       "being asked.")
                            .arg(name.isEmpty() ? QStringLiteral("(Default)") : name));
        }
        error = key.setValue(name, value.type, value.data);
        if (error != ERROR_SUCCESS)
            return failRegistry(error);
    }
    error = transaction.commit();
    return error == ERROR_SUCCESS ? succeed() : failRegistry(error);
}

int RegCommand::remove(const RegToolOptions& options) {
    RegRoot root;
    QString path;
    if (!parseKey(options.positional[0], &root, &path) || !registryReady(true))
        return 1;
    RegError error = ERROR_SUCCESS;
    const RegKey key = RegKey::open(root, path, &error, registry_);
    if (!key)
        return failRegistry(error);
    const bool oneValue = options.valueName || options.defaultValue;
    if (!oneValue && !options.allValues && path.isEmpty())
        return fail(QStringLiteral("A root key cannot be deleted."));
    const QString name = options.valueName ? options.name : QString();
    RegValue existing;
    if (oneValue && key.queryValue(name, &existing) != ERROR_SUCCESS)
        return failRegistry(ERROR_FILE_NOT_FOUND);
    if (!options.force)
        return fail(QStringLiteral("Deleting needs confirmation, and quorrelin-reg does not ask. "
                                   "Use /f to delete without being asked."));
    if (oneValue)
        error = key.deleteValue(name);
    else if (options.allValues) {
        RegTransaction transaction(registry_);
        error = transaction.beginError();
        for (const auto& v : key.values()) {
            if (error == ERROR_SUCCESS)
                error = key.deleteValue(v.name);
        }
        if (error == ERROR_SUCCESS)
            error = transaction.commit();
    } else {
        error = RegKey::root(root, registry_).deleteSubtree(path);
    }
    return error == ERROR_SUCCESS ? succeed() : failRegistry(error);
}

int RegCommand::exportKey(const RegToolOptions& options) {
    RegRoot root;
    QString path;
    if (!parseKey(options.positional[0], &root, &path) || !registryReady())
        return 1;
    const QString file = options.positional[1];
    if (QFileInfo::exists(file) && !options.overwrite)
        return fail(QStringLiteral("The file \"%1\" already exists. Use /y to overwrite it without "
                                   "being asked.")
                        .arg(file));
    QString message;
    if (!RegFileWriter::exportFile(root, path, file, &message, registry_))
        return fail(message);
    return succeed();
}

int RegCommand::importFile(const RegToolOptions& options) {
    if (!registryReady(true))
        return 1;
    QString message;
    const int failures = registry().failureCount();
    if (RegFileImporter::importFile(options.positional[0], &message, registry_))
        return succeed();
    if (registry().failureCount() != failures)
        return fail(QStringLiteral("Cannot import \"%1\": %2")
                        .arg(options.positional[0], describeRegProblem(registry().lastFailure())));
    return fail(message);
}
