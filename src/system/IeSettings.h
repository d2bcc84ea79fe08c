#pragma once

#include <QString>

namespace platform {
class Registry;
}

// The proxy the browser settings name: whether it is on, and its host and
// port (0 when none is given or the port is not a number from 1 to 65535).
struct ProxySettings {
    bool enabled = false;
    QString host;
    int port = 0;

    friend bool operator==(const ProxySettings&, const ProxySettings&) = default;
};

// Registry locations (HKEY_CURRENT_USER).
inline constexpr char16_t kIeMainKeyPath[] = u"Software\\Microsoft\\Internet Explorer\\Main";
inline constexpr char16_t kIeStartPageValue[] = u"Start Page";
inline constexpr char16_t kInternetSettingsKeyPath[] =
    u"Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings";

// The browser start page; empty when none is stored (left for the caller to
// decide, nothing is seeded). registry null means the process's own.
QString readIeStartPage(platform::Registry* registry = nullptr);

// Where the engines' Home and Search go: the start page, or the search page
// ("Search Page" under the same key); "about:blank" when none is stored.
QString homePageAddress(platform::Registry* registry = nullptr);
QString searchPageAddress(platform::Registry* registry = nullptr);

// Splits a "host:port" text at its first ':' unless that is the first
// character; otherwise the whole text is the host and the port is 0. The
// port is the decimal number at the start of the part after ':'.
void splitProxyServer(const QString& server, QString* host, int* port);

// "ProxyEnable" (a non-zero DWORD turns the proxy on) and "ProxyServer"
// (split as above) of the Internet settings key. The server is read even
// while the proxy is off, so an options page can show it.
ProxySettings readProxySettings(platform::Registry* registry = nullptr);

// Stores the start page ("Start Page" of the Main key). False when the
// registry refused the write.
bool writeIeStartPage(const QString& url, platform::Registry* registry = nullptr);

// Stores proxy as "ProxyEnable" (DWORD 0/1) and "ProxyServer" ("host:port",
// or the host alone when port is 0), both in one transaction. False when
// the registry refused the write (nothing is changed then).
bool writeProxySettings(const ProxySettings& proxy, platform::Registry* registry = nullptr);

// Whether the browser engine can use proxy: it is on, and the host is a
// name or address without blanks or ':' (a value that was only ":port" is
// kept as the host and names no server). A port of 0 means the usual 80.
bool isUsableProxy(const ProxySettings& proxy);
