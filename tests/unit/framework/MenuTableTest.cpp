#include "framework/CommandIds.h"
#include "res/MenuTable.h"
#include "res/StringTable.h"

#include <gtest/gtest.h>

#include <QStringList>

namespace {

// The menus written out as text, one line per item, two blanks of indent per
// submenu level: "[title]" a popup, "-" a separator, "~text" a disabled
// placeholder, "id text" a command ("\t" written as \t).
void dump(std::span<const res::MenuItem> items, int depth, QStringList& out) {
    const QString indent(depth * 2, QLatin1Char(' '));
    for (const res::MenuItem& item : items) {
        QString text = item.label();
        text.replace(QLatin1Char('\t'), QLatin1String("\\t"));
        if (item.isSeparator()) {
            out << indent + "-";
        } else if (item.isPopup()) {
            out << indent + "[" + text + "]";
            dump(item.items, depth + 1, out);
        } else if (item.grayed) {
            out << indent + "~" + text;
        } else {
            out << indent + QString::number(item.id) + " " + text;
        }
    }
}

QStringList dumpResource(unsigned id) {
    QStringList out;
    const res::MenuResource* resource = res::findMenuResource(id);
    if (resource)
        dump(resource->popups, 0, out);
    return out;
}

QStringList lines(const char* text) {
    QStringList result = QString::fromUtf8(text).split(QLatin1Char('\n'));
    result.removeAll(QString());
    return result;
}

const char* const kMainMenu = R"(
[文件(&F)]
  [用IE新建一个窗口(N)]
    32774 空白页(&B)\tCtrl+N
    32775 主页(&H)
    32773 当前页(&C)
    33300 来自剪贴板(&F)
  [用 Netscape 新建一个窗口(&T)]
    32833 空白页(&B)\tCtrl+M
    32834 主页(&H)
    32835 当前页(&C)
    33301 来自剪贴板(&F)
  57601 打开(&O)...\tCtrl+O
  -
  57602 关闭(&C)\tCtrl+W
  32776 关闭所有页面(&C)
  32805 关闭当前窗口之外的所有页面(&A)
  -
  57604 另存为(&A)...\tCtrl+S
  -
  57605 页面设置(&U)...
  57609 打印预览(&V)...
  57607 打印(&P)...\tCtrl+P
  -
  [发送(&E)]
    33290 通过 E-mail 发送链接(&L)...
    33291 通过 E-mail 发送网页(&P)...
    -
    33297 通过 E-mail 发送快捷组(&G)...
    33298 通过 E-mail 发送快速命令(&Q)...
    33299 通过 E-mail 发送自动关闭列表(&A)...
  -
  32777 属性(&R)...
  32778 脱机工作(&K)
  -
  57665 退出(&X)
[编辑(&E)]
  57635 剪切(&T)\tCtrl+X
  57634 复制(&C)\tCtrl+C
  57637 粘贴(&P)\tCtrl+V
  -
  57642 全选(&S)\tCtrl+A
  -
  57636 在当前页面中查找(&F)...\tCtrl+F
  -
  33265 编辑(&D)...
[视图(&V)]
  [工具栏(&T)]
    32816 标准按钮(&S)
    32806 地址栏(&A)
    33812 链接(&K)
    -
    33149 锁定工具栏(&L)
    32813 自定义工具栏(&T)...
    -
    32818 清理地址(&C)...
  [窗口栏(&W)]
    33285 关闭(&O)
    -
    33283 顶部(T)
    33284 底部(&B)
    -
    33286 单行(&S)
    33287 固定窗格宽度(&F)
    33288 自动调节窗格宽度(&A)
    -
    33289 更多选项(&M)...
  59393 状态栏(&S)
  [浏览器栏(&E)]
    32840 文件夹(&F)
    32841 历史记录(&H)\tCtrl+H
    32845 收藏夹\tCtrl+I
  -
  32787 刷新(&R)\tF5
  32788 全部刷新(&A)\tShift+F5
  -
  33158 锁定窗口(&K)\tF7
  -
  [文字大小(&X)]
    32791 最大(&G)
    32792 较大(&L)
    32794 中等(&M)
    32795 较小(&S)
    32796 最小(&A)
  [下载选项(&N)]
    33150 显示图像(&D)
    33151 播放视频文件(&V)
    33152 播放音频文件(&S)
    33153 运行 ActiveX 控件(&X)
    33154 运行 Java Applets(&J)
    33155 运行脚本(&C)
    33156 不显示错误信息(&N)
    -
    33157 将设置应用于所有窗口(&Y)
  -
  33160 自动刷新(&A)
  33161 设置自动刷新(&S)...
  -
  33278 添加到快速命令(&Q)...
  32820 添加到自动关闭(&D)...\tF8
  -
  32789 查看源文件(&V)...
  -
  32797 全屏(&F)\tF11
  33807 总是位于最上端(&O)\tCtrl+T
  33808 最小化到系统托盘(&M)
[转到(&G)]
  32779 后退(&B)\tAlt+Left Arrow
  32780 前进(&F)\tAlt+Right Arrow
  -
  32781 停止(&S)\tEsc
  32782 全部停止(&A)\tShift+Esc
  -
  32783 主页(&H)\tAlt+Home
  32784 查找(&E)
  -
  33302 上次访问的页面(&L)
  [最近关闭的窗口(&R)]
    ~（空）
[收藏(&A)]
  32803 添加到收藏夹(&A)...
  32804 整理收藏夹(&O)...
[快捷组(&L)]
  [添加到快捷组(&A)]
    32947 新建快捷组(&N)
    -
  33148 将所有的窗口保存为一个新的快捷组(&S)...
  32802 整理快捷组(&O)...
  -
  [以收藏夹的形式显示快捷组(&F)]
    ~（空）
  -
[工具(&T)]
  32807 邮件(&M)...
  32808 新闻(&N)...
  32809 同步(&S)...
  -
  [导入和导出(&P)]
    32826 导入收藏夹(&F)...
    32827 导出收藏夹(&E)...
    -
    33276 导入快捷组(&T)...
    33277 导出快捷组(&L)...
    -
    33281 导入快速命令(&Q)...
    33282 导出快速命令(&X)...
    -
    33295 导入自动关闭的页面列表(&I)...
    33296 导出自动关闭的页面列表(&A)...
  -
  32839 检测 Netscape / Mozilla(&D)...
  32946 清除历史文件(&C)...
  -
  32798 Quorrelin 选项(&O)...
  32799 Internet 选项(&I)...
[窗口(&W)]
  57650 层叠窗口(&C)
  57651 水平平铺(&H)
  57652 垂直平铺(&V)
  57649 排列图标(&A)
  -
  32829 上一个(&P)\tF9
  32830 下一个(&N)\tF10
[帮助(&H)]
  32800 Quorrelin 帮助(&N)...
  -
  32828 Quorrelin 网站(&W)...
  -
  57664 关于 Quorrelin(&A)...
)";

const char* const kContextMenus = R"(
[Caption]
  57602 关闭(&C)\tCtrl+W
  32776 关闭所有页面(&C)
  32805 关闭当前窗口之外的所有页面(&A)
  -
  57604 另存为(&A)...\tCtrl+S
  -
  32803 添加到收藏夹(&A)...
  33278 添加到快速命令(&Q)...
  [添加到快捷组(&G)]
    32947 新建快捷组(&N)
    -
  32820 添加到自动关闭(&D)...\tF8
  -
  33158 锁定窗口(&K)\tF7
  33160 自动刷新(&A)
  33161 设置自动刷新(&S)...
  -
  33290 通过 E-mail 发送链接(&L)...
  33291 通过 E-mail 发送网页(&P)...
  -
  32779 后退(&B)\tAlt+Left Arrow
  32780 前进(&F)\tAlt+Right Arrow
  32781 停止(&S)\tEsc
  32787 刷新(&R)\tF5
[Tab]
  32815 关闭(&C)
  32776 全部关闭(&L)
  32817 关闭除了该页面外的所有页面(&E)
  -
  32837 另存为(&S)
  -
  32819 添加到收藏夹(&A)...
  33279 添加到快速命令(&Q)
  [添加到快捷组(&G)]
    33164 新快捷组(&N)
    -
  32825 添加到自动关闭(&D)...
  -
  33159 锁定窗口(&K)
  33162 自动刷新(&A)
  33163 设置自动刷新(&S)...
  -
  33293 通过 E-mail 发送链接(&L)...
  33294 通过 E-mail 发送网页(&P)...
  -
  32821 后退(&B)
  32822 前进(&F)
  32823 停止(&S)
  32824 刷新(&R)
)";

const char* const kExplorerItemMenu = R"(
[Common]
  32842 打开(&O)
  32843 在新窗口中打开(&N)
  32844 在后台打开新的窗口(&B)
)";

const char* const kSystrayMenu = R"(
[Systray]
  33809 显示窗口(&S)
  -
  33810 退出(&X)
)";

TEST(MenuTableTest, MenusHoldEveryItemInOrder) {
    EXPECT_EQ(dumpResource(128), lines(kMainMenu));
    EXPECT_EQ(dumpResource(155), lines(kContextMenus));
    EXPECT_EQ(dumpResource(173), lines(kExplorerItemMenu));
    EXPECT_EQ(dumpResource(206), lines(kSystrayMenu));
    EXPECT_EQ(res::findMenuResource(129), nullptr);
}

// The submenu at position of popup, or nullptr when that item is no popup.
const res::MenuItem* submenu(const res::MenuItem* popup, int position) {
    if (!popup || position < 0 || static_cast<size_t>(position) >= popup->items.size())
        return nullptr;
    const res::MenuItem& item = popup->items[static_cast<size_t>(position)];
    return item.isPopup() ? &item : nullptr;
}

QString titleAt(unsigned resource, int top, int sub) {
    const res::MenuItem* item = submenu(res::findPopup(resource, top), sub);
    return item ? item->label() : QStringLiteral("<no popup>");
}

TEST(MenuTableTest, SubmenusSitAtThePositionsOtherCodeFindsThemBy) {
    // Toolbar drop-downs and dynamic menus find their popups by position.
    EXPECT_EQ(titleAt(128, 0, 0), "用IE新建一个窗口(N)");
    EXPECT_EQ(titleAt(128, 0, 1), "用 Netscape 新建一个窗口(&T)");
    EXPECT_EQ(titleAt(128, 2, 0), "工具栏(&T)");
    EXPECT_EQ(titleAt(128, 2, 10), "文字大小(&X)");
    EXPECT_EQ(titleAt(128, 2, 11), "下载选项(&N)");
    EXPECT_EQ(titleAt(128, 3, 10), "最近关闭的窗口(&R)");
    EXPECT_EQ(titleAt(128, 5, 0), "添加到快捷组(&A)");
    EXPECT_EQ(titleAt(128, 5, 4), "以收藏夹的形式显示快捷组(&F)");
    EXPECT_EQ(titleAt(155, 0, 8), "添加到快捷组(&G)");
    EXPECT_EQ(titleAt(155, 1, 8), "添加到快捷组(&G)");

    // The named position constants agree.
    EXPECT_EQ(res::findPopup(128, res::mainpos::Favorites)->label(), "收藏(&A)");
    EXPECT_EQ(res::findPopup(128, res::mainpos::Window)->label(), "窗口(&W)");
    EXPECT_EQ(res::findPopup(128, res::mainpos::LinkGroups)->label(), "快捷组(&L)");
    EXPECT_EQ(res::findPopup(128, res::mainpos::Go)->label(), "转到(&G)");
    EXPECT_EQ(res::findPopup(155, 1)->label(), "Tab");
    EXPECT_EQ(res::findPopup(128, 9), nullptr);
    EXPECT_EQ(res::findPopup(128, -1), nullptr);

    // Items the dynamic menus keep when they rebuild.
    EXPECT_EQ(res::findPopup(128, res::mainpos::Favorites)->items.size(),
              size_t(res::FavoritesFixedItems));
    EXPECT_EQ(res::findPopup(128, res::mainpos::LinkGroups)->items.size(),
              size_t(res::LinkGroupsFixedItems));
    EXPECT_EQ(res::findPopup(128, res::mainpos::Window)->items.size(),
              size_t(res::WindowFixedItems));
    EXPECT_EQ(submenu(res::findPopup(155, 1), 8)->items.size(),
              size_t(res::LinkGroupAddFixedItems));
}

void collectCommands(std::span<const res::MenuItem> items, std::vector<unsigned>& ids) {
    for (const res::MenuItem& item : items) {
        if (item.isPopup())
            collectCommands(item.items, ids);
        else if (!item.isSeparator() && !item.grayed)
            ids.push_back(item.id);
    }
}

TEST(MenuTableTest, EveryMenuCommandHasAStatusPrompt) {
    std::vector<unsigned> ids;
    for (unsigned resource : {128u, 155u, 173u, 206u})
        collectCommands(res::findMenuResource(resource)->popups, ids);
    ASSERT_GT(ids.size(), 140u);
    for (unsigned id : ids) {
        EXPECT_NE(id, 0u);
        EXPECT_FALSE(res::commandPrompt(id).isEmpty()) << "no prompt for command " << id;
    }
}

} // namespace
