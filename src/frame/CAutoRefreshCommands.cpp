#include "frame/CAutoRefreshCommands.h"

#include "browser/CAutoRefreshDialog.h"
#include "browser/CBrowserView.h"
#include "framework/CommandIds.h"
#include "framework/DialogRunner.h"

#include <QPointer>

#include <algorithm>

CAutoRefreshCommands::CAutoRefreshCommands(QWidget* parent, ViewSource active, ViewSource context)
    : m_parent(parent) {
    registerFor(cmd::AutoRefreshSettings, active);
    registerFor(cmd::TabAutoRefreshSettings, context);
}

void CAutoRefreshCommands::registerFor(unsigned command, const ViewSource& source) {
    commands().on(command, [this, source] {
        if (CBrowserView* view = source())
            Edit(*view);
    });
    commands().onUpdate(command,
                        [source](CommandState& state) { state.enable(source() != nullptr); });
}

bool CAutoRefreshCommands::Edit(CBrowserView& view) {
    const unsigned seconds = static_cast<unsigned>(std::max(view.RefreshSeconds(), 0));
    CAutoRefreshDialog dialog(m_parent, seconds, view.AutoRefreshOn());
    // A page may close its window while the dialog is open.
    const QPointer<CBrowserView> alive(&view);
    if (DialogRunner::instance().exec(dialog) != QDialog::Accepted || !alive)
        return false;
    view.SetAutoRefresh(static_cast<int>(dialog.Seconds()), dialog.On());
    return true;
}
