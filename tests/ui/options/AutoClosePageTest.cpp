#include "OptionsFixture.h"

#include "browser/CAutoCloseEntryDialog.h"
#include "options/COptionsAutoClose.h"
#include "support/TestFiles.h"

#include <QPushButton>
#include <QTreeWidget>

namespace {

class AutoClosePageTest : public OptionsFixture {
protected:
    void SetUp() override {
        OptionsFixture::SetUp();
        settings.AutoClose = {QStringLiteral("http://ads.example/*"),
                              QStringLiteral("!http://Pop.example/")};
    }

    static QStringList rows(const COptionsListPage* page) {
        QStringList texts;
        QTreeWidget* list = page->List();
        for (int i = 0; i < list->topLevelItemCount(); ++i)
            texts << list->topLevelItem(i)->text(0) + QLatin1Char('|') + list->topLevelItem(i)->text(1);
        return texts;
    }
    // Answers the entry dialog: types address and presses OK.
    static void enterAddress(const QString& address) {
        DialogRunner::instance().push(ScriptedAnswer::acting([address](QDialog& dialog) {
            auto& entry = dynamic_cast<CAutoCloseEntryDialog&>(dialog);
            entry.AddressEdit()->setText(address);
            entry.OkButton()->click();
            return entry.result();
        }));
    }
};

TEST_F(AutoClosePageTest, ListsTheEntriesWithTheirStates) {
    CQuorrelinOptions sheet(nullptr, settings, environment);
    auto* page = static_cast<COptionsAutoClose*>(show(sheet, 161));
    QTreeWidget* list = page->List();
    EXPECT_EQ(list->objectName(), QStringLiteral("10043"));
    EXPECT_EQ(list->headerItem()->text(0), QStringLiteral("链接"));
    EXPECT_EQ(list->headerItem()->text(1), QStringLiteral("状态"));
    EXPECT_EQ(list->columnWidth(0), 300);
    EXPECT_EQ(rows(page), QStringList({"http://ads.example/*|允许", "http://Pop.example/|禁止"}));
    EXPECT_FALSE(enabled(page, 10042));
    EXPECT_FALSE(enabled(page, 10041));
}

TEST_F(AutoClosePageTest, NewEditAndDeleteWorkOnThePagesCopy) {
    CQuorrelinOptions sheet(nullptr, settings, environment);
    auto* page = static_cast<COptionsAutoClose*>(show(sheet, 161));

    // An address the page holds (ignoring case and '!') is refused.
    enterAddress(QStringLiteral("HTTP://pop.example/"));
    expectMessage();
    click(page, 10045);
    EXPECT_EQ(shownMessages(), QStringList({"\"HTTP://pop.example/\"已经存在于地址列表中，请输入一个不同的地址。"}));
    EXPECT_FALSE(page->IsModified());

    enterAddress(QStringLiteral("http://new.example/"));
    click(page, 10045);
    EXPECT_EQ(rows(page).last(), QStringLiteral("http://new.example/|允许"));
    EXPECT_EQ(page->SelectedRows(), QList<int>({2}));
    EXPECT_TRUE(page->IsModified());
    EXPECT_EQ(settings.AutoClose.size(), 2); // not before OK

    // Editing may keep the entry's own address.
    page->SelectOnly(0);
    enterAddress(QStringLiteral("http://ads.example/"));
    click(page, 10042);
    EXPECT_EQ(rows(page).first(), QStringLiteral("http://ads.example/|允许"));

    page->SelectOnly(1);
    DialogRunner::instance().push(ScriptedAnswer::button(IDYES));
    click(page, 10041);
    EXPECT_EQ(shownMessages().last(), QStringLiteral("你要删除地址 \"http://Pop.example/\" 吗？"));

    page->List()->selectAll();
    DialogRunner::instance().push(ScriptedAnswer::button(IDNO));
    click(page, 10041);
    EXPECT_EQ(shownMessages().last(), QStringLiteral("你想删除选定的自动关闭列表？"));
    EXPECT_EQ(rows(page).size(), 2);

    click(page, 10135);
    EXPECT_TRUE(sheet.Ok());
    EXPECT_EQ(settings.AutoClose,
              QStringList({"http://ads.example/", "http://new.example/"}));
    EXPECT_EQ(settings.ClosePopups, 1);
}

TEST_F(AutoClosePageTest, ExportAndImportFromThePage) {
    const QString file = testenv::writeTestFile(QStringLiteral("AutoClose.ini"), {});
    CQuorrelinOptions sheet(nullptr, settings, environment);
    auto* page = static_cast<COptionsAutoClose*>(show(sheet, 161));
    DialogRunner::instance().push(ScriptedAnswer::file(file));
    page->findChild<QPushButton*>(QStringLiteral("export"))->click();

    DialogRunner::instance().push(ScriptedAnswer::file(file));
    expectMessage();
    page->findChild<QPushButton*>(QStringLiteral("import"))->click();
    EXPECT_EQ(shownMessages(), QStringList({"2 自动关闭地址已被导入。"}));
    EXPECT_EQ(page->Entries().mid(2), settings.AutoClose);
    EXPECT_EQ(settings.AutoClose.size(), 2); // the page's copy only, until OK
    EXPECT_TRUE(page->IsModified());
}

} // namespace
