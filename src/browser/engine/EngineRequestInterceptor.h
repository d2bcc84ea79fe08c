#pragma once

#include <QWebEngineUrlRequestInterceptor>

#include <cstdint>

// Refuses what a page may not load under its download-control flags and the
// offline state (see RequestFilter). One per engine, set on its page; runs
// on the user-interface thread.
class EngineRequestInterceptor : public QWebEngineUrlRequestInterceptor {
    Q_OBJECT
public:
    explicit EngineRequestInterceptor(QObject* parent = nullptr);

    void setFlags(std::uint32_t flags) { m_flags = flags; }
    // The engine's own offline switch; the user's offline state
    // (platform::IsOffline) is read for every network request as well.
    void setOffline(bool offline) { m_offline = offline; }

    void interceptRequest(QWebEngineUrlRequestInfo& info) override;

private:
    std::uint32_t m_flags;
    bool m_offline = false;
};
