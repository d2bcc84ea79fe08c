#include "options/COptionsConfirms.h"

namespace {

using S = CAppSettings;

const QList<OptionsCheck>& confirmChecks() {
    static const QList<OptionsCheck> table = {
        {10028, "退出 Quorrelin 时要确认(&N)", &S::ConfirmExitApp},
        {10029, "关闭所有窗口时要确认(&W)", &S::ConfirmCloseAll},
        {10030, "关闭除选定窗口外的所有窗口时要确认(&S)", &S::ConfirmCloseAllEx},
        {10031, "关闭页面浏览所需要的窗口时要确认(&R)", &S::ConfirmUserClose},
        {10032, "同步脱机文件夹时要确认(&F)", &S::ConfirmSynchronize},
        {10033, "清除地址时要确认(&D)", &S::ConfirmClearAddress},
        {10034, "向自动关闭列表中添加地址时要确认(&L)", &S::ConfirmAddToAutoClose},
        {10035, "关闭选定窗口时要确认", &S::ConfirmCloseWindows},
    };
    return table;
}

} // namespace

COptionsConfirms::COptionsConfirms(CAppSettings& settings, QWidget* parent)
    : COptionsCheckPage(DialogId, QStringLiteral("确定"), settings, confirmChecks(), {}, parent) {}
