#include "LinkGroupFixture.h"

#include "linkgroups/CLinkDialog.h"
#include "linkgroups/CLinkGroupDialog.h"
#include "linkgroups/CLinkGroupExportPanel.h"
#include "linkgroups/COrganizeLinkGroupsDialog.h"
#include "linkgroups/CSelectLinkGroupsDialog.h"
#include "linkgroups/LinkGroupExchange.h"
#include "linkgroups/LinkGroupIni.h"
#include "support/TestFiles.h"

#include <QCheckBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeWidget>

namespace {

class LinkGroupDialogsTest : public LinkGroupFixture {
protected:
    void SetUp() override {
        LinkGroupFixture::SetUp();
        ResetLinkGroupExchangeOptions();
        start();
        settings().LinkGroups = kGroups;
    }

    const QList<LinkGroup> kGroups = {
        LinkGroup{"News", 0, 0, {{"a", "http://a/"}}},
        LinkGroup{"Sport", 1, 0, {}},
        LinkGroup{"Work", 0, 0, {{"w", "http://w/"}}},
    };
};

} // namespace

TEST_F(LinkGroupDialogsTest, MakingASeparatorOfAGroupWithLinksAsksFirst) {
    CLinkGroupDialog dialog(nullptr, kGroups[0], CLinkGroupDialog::Mode::Organize, true, {});
    dialog.SeparatorBox()->setChecked(true);
    EXPECT_EQ(dialog.NameEdit()->text(), "-");
    EXPECT_FALSE(dialog.NameEdit()->isEnabled());
    EXPECT_FALSE(dialog.StartupBox()->isEnabled());
    answerButton(IDNO);
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Rejected); // still open
    EXPECT_EQ(dialogs().back().text, res::loadString(sid::ConfirmMakeSeparator));
    answerButton(IDYES);
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.Result(), (LinkGroup{"-", 0, 1, {}}));

    // Without links no question; unticking gives the name back.
    CLinkGroupDialog empty(nullptr, kGroups[1], CLinkGroupDialog::Mode::Organize, true, {});
    empty.SeparatorBox()->setChecked(true);
    empty.SeparatorBox()->setChecked(false);
    EXPECT_EQ(empty.NameEdit()->text(), "Sport");
    empty.SeparatorBox()->setChecked(true);
    empty.accept();
    EXPECT_EQ(empty.result(), QDialog::Accepted);
    EXPECT_EQ(empty.Result().Separator, 1u);
    EXPECT_EQ(dialogs().size(), 2u);
}

TEST_F(LinkGroupDialogsTest, OrganizeRenamingToATakenNameAsksAndKeepsBothOnYes) {
    COrganizeLinkGroupsDialog dialog(nullptr, settings().LinkGroups);
    dialog.SelectGroup(2);
    answerWith<CLinkGroupDialog>([](CLinkGroupDialog& group) {
        group.NameEdit()->setText("NEWS");
        answerButton(IDNO); // first answer: keep the dialog open
    });
    // OK is pressed once; the "No" keeps the dialog open, so the copy
    // stays unchanged.
    dialog.Press(COrganizeLinkGroupsDialog::EditGroup);
    EXPECT_EQ(dialog.Groups()[2].Name, "Work");
    EXPECT_EQ(dialogs().back().text,
              res::formatString(sid::LinkGroupNameExists, {{"%linkgroup%", "NEWS"}}));

    answerWith<CLinkGroupDialog>([](CLinkGroupDialog& group) {
        group.NameEdit()->setText("NEWS");
        answerButton(IDYES);
    });
    dialog.Press(COrganizeLinkGroupsDialog::EditGroup);
    EXPECT_EQ(dialog.Groups()[2].Name, "NEWS");
    EXPECT_EQ(dialog.Groups()[0].Name, "News");
    // Keeping a group's own name asks nothing.
    dialog.SelectGroup(1);
    answerWith<CLinkGroupDialog>([](CLinkGroupDialog&) {});
    dialog.Press(COrganizeLinkGroupsDialog::EditGroup);
    EXPECT_EQ(DialogRunner::instance().pendingAnswers(), 0);
}

TEST_F(LinkGroupDialogsTest, OrganizeDeletesMovesAndAddsOnACopyUntilOk) {
    COrganizeLinkGroupsDialog dialog(nullptr, settings().LinkGroups);
    dialog.SelectGroup(2);
    answerButton(IDYES);
    dialog.Press(COrganizeLinkGroupsDialog::DeleteGroup);
    EXPECT_EQ(dialog.Groups().size(), 2);
    EXPECT_EQ(dialog.CurrentGroup(), 1); // the last went: the one before it

    dialog.SelectGroup(0);
    dialog.Press(COrganizeLinkGroupsDialog::GroupDown);
    EXPECT_EQ(dialog.Groups()[1].Name, "News");
    EXPECT_EQ(dialog.CurrentGroup(), 1);

    answerWith<CLinkDialog>([](CLinkDialog& link) {
        link.NameEdit()->setText("b");
        link.UrlEdit()->setText("http://b/");
    });
    dialog.Press(COrganizeLinkGroupsDialog::NewLink);
    EXPECT_EQ(dialog.Groups()[1].Links,
              QList<LinkGroupLink>({{"a", "http://a/"}, {"b", "http://b/"}}));
    dialog.Press(COrganizeLinkGroupsDialog::LinkUp);
    EXPECT_EQ(dialog.Groups()[1].Links[0].Name, "b");
    answerButton(IDYES);
    dialog.Press(COrganizeLinkGroupsDialog::DeleteLink);
    EXPECT_EQ(dialog.Groups()[1].Links.size(), 1);

    answerWith<CLinkGroupDialog>([](CLinkGroupDialog& group) { group.NameEdit()->setText("New"); });
    dialog.Press(COrganizeLinkGroupsDialog::NewGroup);
    EXPECT_EQ(dialog.Groups()[2].Name, "New"); // after the selected group
    EXPECT_EQ(settings().LinkGroups, kGroups); // nothing stored yet

    // Through the command: Cancel keeps the list, OK replaces it.
    DialogRunner::instance().push(ScriptedAnswer::button(QDialog::Rejected));
    EXPECT_TRUE(run(cmd::OrganizeLinkGroups));
    EXPECT_EQ(settings().LinkGroups, kGroups);
    DialogRunner::instance().push(ScriptedAnswer::acting([](QDialog& d) {
        auto& organize = dynamic_cast<COrganizeLinkGroupsDialog&>(d);
        organize.SelectGroup(0);
        answerButton(IDYES);
        organize.Press(COrganizeLinkGroupsDialog::DeleteGroup);
        organize.accept();
        return organize.result();
    }));
    EXPECT_TRUE(run(cmd::OrganizeLinkGroups));
    EXPECT_EQ(settings().LinkGroups, kGroups.mid(1));
}

TEST_F(LinkGroupDialogsTest, OrganizeRefusesANewGroupAtTheLimit) {
    QList<LinkGroup> full(MaxLinkGroups, LinkGroup{"g"});
    COrganizeLinkGroupsDialog dialog(nullptr, full);
    answerButton(IDOK);
    dialog.Press(COrganizeLinkGroupsDialog::NewGroup);
    EXPECT_EQ(dialogs().back().text, res::loadString(sid::TooManyLinkGroups));
    EXPECT_EQ(dialog.Groups().size(), MaxLinkGroups);
}

TEST_F(LinkGroupDialogsTest, TheSelectDialogTogglesByClickAndReturnsOneFlagPerGroup) {
    CSelectLinkGroupsDialog dialog(nullptr, kGroups, "prompt", {true, false});
    EXPECT_EQ(dialog.Flags(), QList<bool>({true, false, true}));
    QTreeWidget* tree = dialog.Tree();
    emit tree->itemClicked(tree->topLevelItem(0), 0);
    emit tree->itemClicked(tree->topLevelItem(1), 0);
    EXPECT_EQ(dialog.Flags(), QList<bool>({false, true, true}));
}

TEST_F(LinkGroupDialogsTest, ExportWritesTheChosenGroupsAndRefusesAnEmptyChoice) {
    const QString path = testenv::writeTestFile("out.ini", {});
    // "Chosen groups" without touching the choice exports every group.
    ScriptedAnswer chosen = ScriptedAnswer::acting([](QDialog& d) {
        d.findChild<QRadioButton*>("10105")->click();
        EXPECT_TRUE(d.findChild<QPushButton*>("10106")->isEnabled());
        return int(QDialog::Accepted);
    });
    chosen.path = path;
    DialogRunner::instance().push(chosen);
    EXPECT_TRUE(run(cmd::ExportLinkGroups));
    EXPECT_EQ(testenv::readTestFile(path), LinkGroupIniBytes(kGroups));

    // The choice is remembered: the next export starts with 10105 ticked.
    // Choosing the second group only exports that one.
    ScriptedAnswer select = ScriptedAnswer::acting([](QDialog& d) {
        EXPECT_TRUE(d.findChild<QRadioButton*>("10105")->isChecked());
        d.findChild<QPushButton*>("10106")->click();
        return int(QDialog::Accepted);
    });
    select.path = path;
    DialogRunner::instance().push(select);
    answerWith<CSelectLinkGroupsDialog>([](CSelectLinkGroupsDialog& dialog) {
        dialog.SetFlag(0, false);
        dialog.SetFlag(2, false);
    });
    EXPECT_TRUE(run(cmd::ExportLinkGroups));
    EXPECT_EQ(testenv::readTestFile(path), LinkGroupIniBytes(kGroups, {false, true, false}));

    // No group chosen: 51530, and the file dialog comes again.
    ScriptedAnswer none = ScriptedAnswer::acting([](QDialog& d) {
        d.findChild<QPushButton*>("10106")->click();
        return int(QDialog::Accepted);
    });
    none.path = testenv::writeTestFile("never.ini", "untouched");
    DialogRunner::instance().push(none);
    answerWith<CSelectLinkGroupsDialog>([](CSelectLinkGroupsDialog& dialog) {
        for (int i = 0; i < 3; ++i)
            dialog.SetFlag(i, false);
    });
    answerButton(IDOK);
    DialogRunner::instance().push(ScriptedAnswer::cancelFile());
    EXPECT_TRUE(run(cmd::ExportLinkGroups));
    EXPECT_EQ(DialogRunner::instance().pendingAnswers(), 0);
    EXPECT_EQ(testenv::readTestFile(*none.path), "untouched");
    const auto& history = dialogs();
    EXPECT_EQ(history[history.size() - 2].text, res::loadString(sid::NoLinkGroupSelected));
}

TEST_F(LinkGroupDialogsTest, ImportAddsTheChosenGroupsAfterASeparatorAndSaves) {
    const QString path = testenv::writeTestFile(
        "in.ini", ";LinkGroups\r\n\r\n[news]\r\nx=http://x/\r\n\r\n[Skipped]\r\n");
    DialogRunner::instance().push(ScriptedAnswer::file(path));
    answerWith<CSelectLinkGroupsDialog>(
        [](CSelectLinkGroupsDialog& dialog) { dialog.SetFlag(1, false); });
    answerButton(IDOK);
    EXPECT_TRUE(run(cmd::ImportLinkGroups));
    EXPECT_EQ(dialogs().back().text,
              res::formatString(sid::LinkGroupsImported, {{"%count%", "1"}}));
    QList<LinkGroup> expected = kGroups;
    expected << LinkGroup{"-", 0, 1, {}} << LinkGroup{"news [1]", 0, 0, {{"x", "http://x/"}}};
    EXPECT_EQ(settings().LinkGroups, expected);
    EXPECT_EQ(storedGroups(), expected);

    // Cancelling the choice adds nothing, not even the separator; an
    // unreadable file shows 51531.
    DialogRunner::instance().push(ScriptedAnswer::file(path));
    DialogRunner::instance().push(ScriptedAnswer::button(QDialog::Rejected));
    EXPECT_TRUE(run(cmd::ImportLinkGroups));
    EXPECT_EQ(settings().LinkGroups, expected);
    DialogRunner::instance().push(ScriptedAnswer::file("/nonexistent/x.ini"));
    answerButton(IDOK);
    EXPECT_TRUE(run(cmd::ImportLinkGroups));
    EXPECT_EQ(dialogs().back().text,
              res::formatString(sid::CannotOpenFile, {{"%filename%", "/nonexistent/x.ini"}}));
}

TEST_F(LinkGroupDialogsTest, TheImportPanelsOptionsAreKeptForTheNextImport) {
    const QString path = testenv::writeTestFile("in.ini", "[News]\nb=http://b/\n");
    ScriptedAnswer options = ScriptedAnswer::acting([](QDialog& d) {
        d.findChild<QCheckBox*>("10109")->setChecked(false);
        d.findChild<QCheckBox*>("10113")->setChecked(false);
        d.findChild<QRadioButton*>("10100")->click();
        return int(QDialog::Accepted);
    });
    options.path = path;
    DialogRunner::instance().push(options);
    answerButton(IDOK);
    EXPECT_TRUE(run(cmd::ImportLinkGroups));
    ASSERT_EQ(settings().LinkGroups.size(), 3);
    EXPECT_EQ(settings().LinkGroups[0].Links.size(), 2); // added to "News"

    DialogRunner::instance().push(ScriptedAnswer::acting([](QDialog& d) {
        EXPECT_FALSE(d.findChild<QCheckBox*>("10109")->isChecked());
        EXPECT_TRUE(d.findChild<QRadioButton*>("10100")->isChecked());
        return int(QDialog::Rejected);
    }));
    EXPECT_TRUE(run(cmd::ImportLinkGroups));
}

TEST_F(LinkGroupDialogsTest, MailingWritesEveryGroupToTheAttachment) {
    QByteArray attached;
    const LinkGroupMailer mailer = [&](const QString& subject, const QString& file,
                                       const QString& name) {
        EXPECT_EQ(subject, "Quorrelin LinkGroups");
        EXPECT_EQ(name, "LinkGroups.ini");
        attached = testenv::readTestFile(file);
        return true;
    };
    EXPECT_TRUE(MailLinkGroups(nullptr, kGroups, mailer));
    EXPECT_EQ(attached, LinkGroupIniBytes(kGroups));
    answerButton(IDOK);
    EXPECT_FALSE(MailLinkGroups(nullptr, {}, mailer));
    EXPECT_EQ(dialogs().back().text, res::loadString(sid::NoLinkGroups));
}
