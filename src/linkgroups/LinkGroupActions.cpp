#include "linkgroups/LinkGroupActions.h"

#include "app/CAppSettings.h"
#include "app/CCheckMessageBox.h"
#include "framework/DialogRunner.h"
#include "framework/MessageBoxStyle.h"
#include "linkgroups/CLinkDialog.h"
#include "linkgroups/CLinkGroupDialog.h"
#include "linkgroups/CNewLinkGroupDialog.h"
#include "linkgroups/LinkGroupOperations.h"
#include "res/StringIds.h"

bool CheckLinkGroupLimit(QWidget* parent, const QList<LinkGroup>& groups) {
    if (CanAddLinkGroup(groups))
        return true;
    CCheckMessageBox box(parent, sid::TooManyLinkGroups, MB_OK | MB_ICONWARNING);
    box.DoModal();
    return false;
}

namespace {

bool store(QWidget* parent, CAppSettings& settings, const QString& name, bool startup,
           const QList<LinkGroupLink>& links, LinkGroupNameChoice choice) {
    if (StoreLinksAsGroup(&settings.LinkGroups, name, startup, links, choice) >= 0)
        return true;
    CheckLinkGroupLimit(parent, settings.LinkGroups);
    return false;
}

} // namespace

bool AddPageToNewLinkGroup(QWidget* parent, CAppSettings& settings, const QString& title,
                           const QString& url) {
    if (!CheckLinkGroupLimit(parent, settings.LinkGroups))
        return false;
    CNewLinkGroupDialog dialog(parent, settings.LinkGroups, title, url);
    if (DialogRunner::instance().exec(dialog) != QDialog::Accepted)
        return false;
    return store(parent, settings, dialog.GroupName(), dialog.Startup(), {dialog.Link()},
                 dialog.Choice());
}

bool SaveLinksAsNewLinkGroup(QWidget* parent, CAppSettings& settings,
                             const QList<LinkGroupLink>& links) {
    if (!CheckLinkGroupLimit(parent, settings.LinkGroups))
        return false;
    CLinkGroupDialog dialog(parent, LinkGroup{}, CLinkGroupDialog::Mode::NewForAllWindows, false,
                            settings.LinkGroups);
    if (DialogRunner::instance().exec(dialog) != QDialog::Accepted)
        return false;
    const LinkGroup group = dialog.Result();
    if (!store(parent, settings, group.Name, group.Startup != 0, links, dialog.Choice()))
        return false;
    settings.Save();
    return true;
}

bool AddPageToLinkGroup(QWidget* parent, CAppSettings& settings, int index, const QString& title,
                        const QString& url) {
    if (index < 0 || index >= settings.LinkGroups.size() || settings.LinkGroups[index].Separator)
        return false;
    CLinkDialog dialog(parent, title, url);
    if (DialogRunner::instance().exec(dialog) != QDialog::Accepted)
        return false;
    // The list may have changed while the dialog was open.
    if (index >= settings.LinkGroups.size())
        return false;
    settings.LinkGroups[index].Links.append({dialog.Name(), dialog.Url()});
    settings.Save();
    return true;
}
