#include "browser/BrowserViewRules.h"

#include "browser/IBrowserEngine.h"
#include "framework/CommandIds.h"

QString UntitledTitle() {
    return QStringLiteral("未命名     ");
}

QString ApplyTitleRule(const QString& title) {
    QString result = title;
    result.replace(QLatin1String("%20"), QLatin1String(" "));
    if (result.size() > kMaxTitleLength)
        result = result.left(kTitleCut) + QLatin1String("...");
    return result;
}

int ProgressPercent(std::int64_t progress, std::int64_t max) {
    if (max <= 0 || progress >= max)
        return 100;
    if (progress < 0)
        return 100;
    // 0 <= progress < max here, so the result is 0..99; the product is
    // formed in 128 bits so that no value can overflow.
    __extension__ typedef unsigned __int128 Wide;
    const Wide percent = static_cast<Wide>(progress) * 100u / static_cast<Wide>(max);
    return percent > 100 ? 100 : static_cast<int>(percent);
}

QString ProgressCaption(const QString& ruledTitle, int percent, bool active) {
    if (ruledTitle.isEmpty())
        return QStringLiteral("未命名 [ %1 % ]     ").arg(percent);
    if (active && percent == 100)
        return ruledTitle;
    return QStringLiteral("%1 [ %2 % ]").arg(ruledTitle).arg(percent);
}

bool IsScriptUrl(const QString& url) {
    return url.contains(QLatin1String("script:"));
}

bool IsAboutBlank(const QString& url) {
    return url.compare(QLatin1String("about:blank"), Qt::CaseInsensitive) == 0;
}

std::optional<std::uint32_t> DownloadCommandBit(unsigned id) {
    switch (id) {
    case cmd::DownloadImages:
        return dlctl::Images;
    case cmd::DownloadVideos:
        return dlctl::Videos;
    case cmd::DownloadSounds:
        return dlctl::BackgroundSounds;
    case cmd::DownloadActiveX:
        return dlctl::NoActiveX;
    case cmd::DownloadJava:
        return dlctl::NoJava;
    case cmd::DownloadScripts:
        return dlctl::NoScripts;
    case cmd::DownloadSilent:
        return dlctl::Silent;
    default:
        return std::nullopt;
    }
}

bool DownloadCommandChecked(unsigned id, std::uint32_t flags) {
    const std::optional<std::uint32_t> bit = DownloadCommandBit(id);
    if (!bit)
        return false;
    const bool set = (flags & *bit) != 0;
    const bool prohibiting =
        id == cmd::DownloadActiveX || id == cmd::DownloadJava || id == cmd::DownloadScripts;
    return prohibiting ? !set : set;
}

bool PrintPreviewAllowed(int major, int minor) {
    return major > 5 || (major == 5 && minor >= 50);
}
