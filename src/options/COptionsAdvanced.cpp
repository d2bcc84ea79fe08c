#include "options/COptionsAdvanced.h"

namespace {

using S = CAppSettings;

const QList<OptionsCheck>& advancedChecks() {
    static const QList<OptionsCheck> table = {
        {10140, "允许使用双击标签来关闭窗口", &S::AllowDoubleClickClose},
        {10142, "允许使用鼠标中键单击标签来关闭窗口", &S::MButtonCloseTab},
        {10143, "在标签上显示小的关闭按钮", &S::DisplayTabCloseButton},
        {10147, "允许在新窗口打开由鼠标中键单击链接", &S::MButtonOpenLinkInNew},
        {10144, "总是在新窗口中打开页面中的链接 ", &S::AlwaysOpenLinksInNew},
        {10145, "总是在新窗口中打开收藏夹", &S::AlwaysOpenFavoritesInNew},
        {10146, "在收藏夹菜单中显示“打开所有”项 ", &S::DisplayOpenAll},
    };
    return table;
}

} // namespace

COptionsAdvanced::COptionsAdvanced(CAppSettings& settings, QWidget* parent)
    : COptionsCheckPage(DialogId, QStringLiteral("高级"), settings, advancedChecks(), {1}, parent) {}
