#pragma once

#include <QString>
#include <QStringList>

#include <optional>

class IProgramLauncher;
namespace platform {
class Registry;
}

// The desktop's default mail or news program.
enum class ClientKind { Mail, News };

// How to start a default program: its name (shown when it cannot start)
// and the command.
struct ClientProgram {
    QString name;
    QString program;
    QStringList arguments;

    friend bool operator==(const ClientProgram&, const ClientProgram&) = default;
};

// Registry locations (HKEY_LOCAL_MACHINE): the default value of the kind's
// key names the client N; the default value of <key>\N\shell\open\command
// is its command line.
inline constexpr char16_t kMailClientsKeyPath[] = u"Software\\Clients\\Mail";
inline constexpr char16_t kNewsClientsKeyPath[] = u"Software\\Clients\\News";

// Replaces every %NAME% naming a set environment variable by its value; the
// result is cut at 260 characters, as the stored command lines were.
QString expandEnvironmentStrings(const QString& text);

// The default program of kind. The registry keys come first, so a user (or
// a test) can name a program; a named client without a command line is no
// program. Without a client name there, the desktop's handler for the
// mailto:/news: scheme (xdg-mime) is started through xdg-open. nullopt when
// neither names one. registry null means the process's own.
std::optional<ClientProgram> findDefaultClient(ClientKind kind, IProgramLauncher& launcher,
                                               platform::Registry* registry = nullptr);
