// The menu resources as data (see MenuTable.h). Texts are the program's own;
// "\t" separates an item's shortcut text.
#include "res/MenuTable.h"

#include "framework/CommandIds.h"

namespace res {

namespace {

using K = MenuItem::Kind;

constexpr MenuItem C(unsigned id, const char* text) { return {K::Command, id, text, {}, false}; }
constexpr MenuItem Sep() { return {K::Separator, 0, nullptr, {}, false}; }
constexpr MenuItem P(const char* text, std::span<const MenuItem> items) {
    return {K::Popup, 0, text, items, false};
}
// A disabled placeholder that the menu's builder replaces when it opens.
constexpr MenuItem Empty() { return {K::Command, 0, "（空）", {}, true}; }

// ---- Menu 128: the main menu ----

constexpr MenuItem kFileNewIe[] = {
    C(cmd::NewBlankPage, "空白页(&B)\tCtrl+N"),
    C(cmd::NewHomePage, "主页(&H)"),
    C(cmd::NewCurrentPage, "当前页(&C)"),
    C(cmd::NewFromClipboard, "来自剪贴板(&F)"),
};

constexpr MenuItem kFileNewMozilla[] = {
    C(cmd::NewMozillaBlank, "空白页(&B)\tCtrl+M"),
    C(cmd::NewMozillaHome, "主页(&H)"),
    C(cmd::NewMozillaCurrent, "当前页(&C)"),
    C(cmd::NewMozillaFromClipboard, "来自剪贴板(&F)"),
};

constexpr MenuItem kFileSend[] = {
    C(cmd::SendLink, "通过 E-mail 发送链接(&L)..."),
    C(cmd::SendPage, "通过 E-mail 发送网页(&P)..."),
    Sep(),
    C(cmd::SendLinkGroups, "通过 E-mail 发送快捷组(&G)..."),
    C(cmd::SendQuickCommands, "通过 E-mail 发送快速命令(&Q)..."),
    C(cmd::SendAutoClose, "通过 E-mail 发送自动关闭列表(&A)..."),
};

constexpr MenuItem kFile[] = {
    P("用IE新建一个窗口(N)", kFileNewIe),
    P("用 Netscape 新建一个窗口(&T)", kFileNewMozilla),
    C(cmd::FileOpen, "打开(&O)...\tCtrl+O"),
    Sep(),
    C(cmd::FileClose, "关闭(&C)\tCtrl+W"),
    C(cmd::CloseAll, "关闭所有页面(&C)"),
    C(cmd::CloseAllExceptActive, "关闭当前窗口之外的所有页面(&A)"),
    Sep(),
    C(cmd::FileSaveAs, "另存为(&A)...\tCtrl+S"),
    Sep(),
    C(cmd::FilePageSetup, "页面设置(&U)..."),
    C(cmd::FilePrintPreview, "打印预览(&V)..."),
    C(cmd::FilePrint, "打印(&P)...\tCtrl+P"),
    Sep(),
    P("发送(&E)", kFileSend),
    Sep(),
    C(cmd::Properties, "属性(&R)..."),
    C(cmd::WorkOffline, "脱机工作(&K)"),
    Sep(),
    C(cmd::AppExit, "退出(&X)"),
};

constexpr MenuItem kEdit[] = {
    C(cmd::EditCut, "剪切(&T)\tCtrl+X"),
    C(cmd::EditCopy, "复制(&C)\tCtrl+C"),
    C(cmd::EditPaste, "粘贴(&P)\tCtrl+V"),
    Sep(),
    C(cmd::EditSelectAll, "全选(&S)\tCtrl+A"),
    Sep(),
    C(cmd::EditFind, "在当前页面中查找(&F)...\tCtrl+F"),
    Sep(),
    C(cmd::EditWithEditor, "编辑(&D)..."),
};

constexpr MenuItem kViewToolbars[] = {
    C(cmd::ViewStandardButtons, "标准按钮(&S)"),
    C(cmd::ViewAddressBar, "地址栏(&A)"),
    C(cmd::ViewLinks, "链接(&K)"),
    Sep(),
    C(cmd::LockToolbars, "锁定工具栏(&L)"),
    C(cmd::CustomizeToolbar, "自定义工具栏(&T)..."),
    Sep(),
    C(cmd::ClearAddresses, "清理地址(&C)..."),
};

constexpr MenuItem kViewWindowBar[] = {
    C(cmd::WindowBarHide, "关闭(&O)"),
    Sep(),
    C(cmd::WindowBarTop, "顶部(T)"),
    C(cmd::WindowBarBottom, "底部(&B)"),
    Sep(),
    C(cmd::WindowBarSingleLine, "单行(&S)"),
    C(cmd::WindowBarFixedWidth, "固定窗格宽度(&F)"),
    C(cmd::WindowBarFitWidth, "自动调节窗格宽度(&A)"),
    Sep(),
    C(cmd::WindowBarMoreOptions, "更多选项(&M)..."),
};

constexpr MenuItem kViewExplorerBar[] = {
    C(cmd::ExplorerFolders, "文件夹(&F)"),
    C(cmd::ExplorerHistory, "历史记录(&H)\tCtrl+H"),
    C(cmd::ExplorerFavorites, "收藏夹\tCtrl+I"),
};

constexpr MenuItem kViewTextSize[] = {
    C(cmd::TextSizeLargest, "最大(&G)"),
    C(cmd::TextSizeLarger, "较大(&L)"),
    C(cmd::TextSizeMedium, "中等(&M)"),
    C(cmd::TextSizeSmaller, "较小(&S)"),
    C(cmd::TextSizeSmallest, "最小(&A)"),
};

constexpr MenuItem kViewDownload[] = {
    C(cmd::DownloadImages, "显示图像(&D)"),
    C(cmd::DownloadVideos, "播放视频文件(&V)"),
    C(cmd::DownloadSounds, "播放音频文件(&S)"),
    C(cmd::DownloadActiveX, "运行 ActiveX 控件(&X)"),
    C(cmd::DownloadJava, "运行 Java Applets(&J)"),
    C(cmd::DownloadScripts, "运行脚本(&C)"),
    C(cmd::DownloadSilent, "不显示错误信息(&N)"),
    Sep(),
    C(cmd::ApplyDownloadOptionsToAll, "将设置应用于所有窗口(&Y)"),
};

constexpr MenuItem kView[] = {
    P("工具栏(&T)", kViewToolbars),
    P("窗口栏(&W)", kViewWindowBar),
    C(cmd::ViewStatusBar, "状态栏(&S)"),
    P("浏览器栏(&E)", kViewExplorerBar),
    Sep(),
    C(cmd::Refresh, "刷新(&R)\tF5"),
    C(cmd::RefreshAll, "全部刷新(&A)\tShift+F5"),
    Sep(),
    C(cmd::LockWindow, "锁定窗口(&K)\tF7"),
    Sep(),
    P("文字大小(&X)", kViewTextSize),
    P("下载选项(&N)", kViewDownload),
    Sep(),
    C(cmd::AutoRefresh, "自动刷新(&A)"),
    C(cmd::AutoRefreshSettings, "设置自动刷新(&S)..."),
    Sep(),
    C(cmd::AddToQuickCommands, "添加到快速命令(&Q)..."),
    C(cmd::AddToAutoClose, "添加到自动关闭(&D)...\tF8"),
    Sep(),
    C(cmd::ViewSource, "查看源文件(&V)..."),
    Sep(),
    C(cmd::FullScreen, "全屏(&F)\tF11"),
    C(cmd::AlwaysOnTop, "总是位于最上端(&O)\tCtrl+T"),
    C(cmd::MinimizeToSystray, "最小化到系统托盘(&M)"),
};

constexpr MenuItem kGoClosedWindows[] = {Empty()};

constexpr MenuItem kGo[] = {
    C(cmd::GoBack, "后退(&B)\tAlt+Left Arrow"),
    C(cmd::GoForward, "前进(&F)\tAlt+Right Arrow"),
    Sep(),
    C(cmd::Stop, "停止(&S)\tEsc"),
    C(cmd::StopAll, "全部停止(&A)\tShift+Esc"),
    Sep(),
    C(cmd::GoHome, "主页(&H)\tAlt+Home"),
    C(cmd::GoSearch, "查找(&E)"),
    Sep(),
    C(cmd::LastVisitedPages, "上次访问的页面(&L)"),
    P("最近关闭的窗口(&R)", kGoClosedWindows),
};

constexpr MenuItem kFavorites[] = {
    C(cmd::AddToFavorites, "添加到收藏夹(&A)..."),
    C(cmd::OrganizeFavorites, "整理收藏夹(&O)..."),
};

constexpr MenuItem kLinkGroupsAdd[] = {
    C(cmd::NewLinkGroupFromPage, "新建快捷组(&N)"),
    Sep(),
};

constexpr MenuItem kLinkGroupsAsFavorites[] = {Empty()};

constexpr MenuItem kLinkGroups[] = {
    P("添加到快捷组(&A)", kLinkGroupsAdd),
    C(cmd::SaveAllAsLinkGroup, "将所有的窗口保存为一个新的快捷组(&S)..."),
    C(cmd::OrganizeLinkGroups, "整理快捷组(&O)..."),
    Sep(),
    P("以收藏夹的形式显示快捷组(&F)", kLinkGroupsAsFavorites),
    Sep(),
};

constexpr MenuItem kToolsImportExport[] = {
    C(cmd::ImportFavorites, "导入收藏夹(&F)..."),
    C(cmd::ExportFavorites, "导出收藏夹(&E)..."),
    Sep(),
    C(cmd::ImportLinkGroups, "导入快捷组(&T)..."),
    C(cmd::ExportLinkGroups, "导出快捷组(&L)..."),
    Sep(),
    C(cmd::ImportQuickCommands, "导入快速命令(&Q)..."),
    C(cmd::ExportQuickCommands, "导出快速命令(&X)..."),
    Sep(),
    C(cmd::ImportAutoClose, "导入自动关闭的页面列表(&I)..."),
    C(cmd::ExportAutoClose, "导出自动关闭的页面列表(&A)..."),
};

constexpr MenuItem kTools[] = {
    C(cmd::Mail, "邮件(&M)..."),
    C(cmd::News, "新闻(&N)..."),
    C(cmd::Synchronize, "同步(&S)..."),
    Sep(),
    P("导入和导出(&P)", kToolsImportExport),
    Sep(),
    C(cmd::DetectMozilla, "检测 Netscape / Mozilla(&D)..."),
    C(cmd::ClearHistory, "清除历史文件(&C)..."),
    Sep(),
    C(cmd::Options, "Quorrelin 选项(&O)..."),
    C(cmd::InternetOptions, "Internet 选项(&I)..."),
};

constexpr MenuItem kWindow[] = {
    C(cmd::WindowCascade, "层叠窗口(&C)"),
    C(cmd::WindowTileHorizontal, "水平平铺(&H)"),
    C(cmd::WindowTileVertical, "垂直平铺(&V)"),
    C(cmd::WindowArrange, "排列图标(&A)"),
    Sep(),
    C(cmd::PreviousWindow, "上一个(&P)\tF9"),
    C(cmd::NextWindow, "下一个(&N)\tF10"),
};

constexpr MenuItem kHelp[] = {
    C(cmd::HelpContents, "Quorrelin 帮助(&N)..."),
    Sep(),
    C(cmd::WebSite, "Quorrelin 网站(&W)..."),
    Sep(),
    C(cmd::AppAbout, "关于 Quorrelin(&A)..."),
};

constexpr MenuItem kMainMenu[] = {
    P("文件(&F)", kFile),         P("编辑(&E)", kEdit),   P("视图(&V)", kView),
    P("转到(&G)", kGo),           P("收藏(&A)", kFavorites), P("快捷组(&L)", kLinkGroups),
    P("工具(&T)", kTools),        P("窗口(&W)", kWindow), P("帮助(&H)", kHelp),
};

// ---- Menu 155: child window caption and window bar context menus ----

constexpr MenuItem kCaptionLinkGroupAdd[] = {
    C(cmd::NewLinkGroupFromPage, "新建快捷组(&N)"),
    Sep(),
};

constexpr MenuItem kCaption[] = {
    C(cmd::FileClose, "关闭(&C)\tCtrl+W"),
    C(cmd::CloseAll, "关闭所有页面(&C)"),
    C(cmd::CloseAllExceptActive, "关闭当前窗口之外的所有页面(&A)"),
    Sep(),
    C(cmd::FileSaveAs, "另存为(&A)...\tCtrl+S"),
    Sep(),
    C(cmd::AddToFavorites, "添加到收藏夹(&A)..."),
    C(cmd::AddToQuickCommands, "添加到快速命令(&Q)..."),
    P("添加到快捷组(&G)", kCaptionLinkGroupAdd),
    C(cmd::AddToAutoClose, "添加到自动关闭(&D)...\tF8"),
    Sep(),
    C(cmd::LockWindow, "锁定窗口(&K)\tF7"),
    C(cmd::AutoRefresh, "自动刷新(&A)"),
    C(cmd::AutoRefreshSettings, "设置自动刷新(&S)..."),
    Sep(),
    C(cmd::SendLink, "通过 E-mail 发送链接(&L)..."),
    C(cmd::SendPage, "通过 E-mail 发送网页(&P)..."),
    Sep(),
    C(cmd::GoBack, "后退(&B)\tAlt+Left Arrow"),
    C(cmd::GoForward, "前进(&F)\tAlt+Right Arrow"),
    C(cmd::Stop, "停止(&S)\tEsc"),
    C(cmd::Refresh, "刷新(&R)\tF5"),
};

constexpr MenuItem kTabLinkGroupAdd[] = {
    C(cmd::TabNewLinkGroup, "新快捷组(&N)"),
    Sep(),
};

constexpr MenuItem kTab[] = {
    C(cmd::TabClose, "关闭(&C)"),
    C(cmd::CloseAll, "全部关闭(&L)"),
    C(cmd::TabCloseAllExceptThis, "关闭除了该页面外的所有页面(&E)"),
    Sep(),
    C(cmd::TabSaveAs, "另存为(&S)"),
    Sep(),
    C(cmd::TabAddToFavorites, "添加到收藏夹(&A)..."),
    C(cmd::TabAddToQuickCommands, "添加到快速命令(&Q)"),
    P("添加到快捷组(&G)", kTabLinkGroupAdd),
    C(cmd::TabAddToAutoClose, "添加到自动关闭(&D)..."),
    Sep(),
    C(cmd::TabLock, "锁定窗口(&K)"),
    C(cmd::TabAutoRefresh, "自动刷新(&A)"),
    C(cmd::TabAutoRefreshSettings, "设置自动刷新(&S)..."),
    Sep(),
    C(cmd::TabSendLink, "通过 E-mail 发送链接(&L)..."),
    C(cmd::TabSendPage, "通过 E-mail 发送网页(&P)..."),
    Sep(),
    C(cmd::TabBack, "后退(&B)"),
    C(cmd::TabForward, "前进(&F)"),
    C(cmd::TabStop, "停止(&S)"),
    C(cmd::TabRefresh, "刷新(&R)"),
};

constexpr MenuItem kWindowContext[] = {P("Caption", kCaption), P("Tab", kTab)};

// ---- Menu 173: explorer bar item menu ----

constexpr MenuItem kCommon[] = {
    C(cmd::ExplorerOpen, "打开(&O)"),
    C(cmd::ExplorerOpenInNew, "在新窗口中打开(&N)"),
    C(cmd::ExplorerOpenInBackground, "在后台打开新的窗口(&B)"),
};

constexpr MenuItem kExplorerItem[] = {P("Common", kCommon)};

// ---- Menu 206: notification area menu ----

constexpr MenuItem kSystray[] = {
    C(cmd::TrayShowWindow, "显示窗口(&S)"),
    Sep(),
    C(cmd::TrayExit, "退出(&X)"),
};

constexpr MenuItem kSystrayMenu[] = {P("Systray", kSystray)};

constexpr MenuResource kResources[] = {
    {MainMenu, kMainMenu},
    {WindowContextMenus, kWindowContext},
    {ExplorerItemMenu, kExplorerItem},
    {SystrayMenu, kSystrayMenu},
};

} // namespace

const MenuResource* findMenuResource(unsigned id) {
    for (const MenuResource& resource : kResources)
        if (resource.id == id)
            return &resource;
    return nullptr;
}

const MenuItem* findPopup(unsigned resourceId, int position) {
    const MenuResource* resource = findMenuResource(resourceId);
    if (!resource || position < 0 || static_cast<size_t>(position) >= resource->popups.size())
        return nullptr;
    return &resource->popups[static_cast<size_t>(position)];
}

} // namespace res
