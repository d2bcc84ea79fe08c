#include "frame/CPageEditorCommands.h"

#include "browser/CBrowserView.h"
#include "browser/IBrowserEngine.h"
#include "frame/CMainFrame.h"
#include "framework/CommandBinder.h"
#include "framework/CommandIds.h"
#include "system/ProgramLauncher.h"
#include "system/TempFileName.h"

#include <QAction>
#include <QFile>
#include <QIcon>
#include <QMenu>

CPageEditorCommands::CPageEditorCommands(CMainFrame& frame, IProgramLauncher& launcher,
                                         EditorSource editors)
    : m_frame(frame), m_launcher(launcher), m_editors(std::move(editors)) {
    const auto update = [this](CommandState& state) { state.enable(canEdit()); };
    commands().on(cmd::EditWithEditor, [this] { Edit(0); });
    commands().onUpdate(cmd::EditWithEditor, update);
    commands().onRange(cmd::Editors,
                       [this](unsigned id) { Edit(static_cast<int>(cmd::Editors.index(id))); });
    commands().onUpdateRange(cmd::Editors, update);
    m_menu = new QMenu(&frame);
    m_menu->setObjectName(QStringLiteral("editorsMenu"));
    frame.SetEditorsMenuFactory([this] { return fillMenu(); });
    frame.Binder().addPromptProvider([this](unsigned id, QAction*) -> std::optional<QString> {
        const unsigned index = cmd::Editors.index(id);
        if (!cmd::Editors.contains(id) || index >= static_cast<unsigned>(m_list.size()))
            return std::nullopt;
        return QStringLiteral("用 %1 编辑该页").arg(m_list[static_cast<int>(index)].name);
    });
}

namespace {
constexpr qint64 kListLifetimeMs = 5000;
}

const QList<PageEditor>& CPageEditorCommands::editors(bool fresh) {
    if (fresh || !m_listAge.isValid() || m_listAge.hasExpired(kListLifetimeMs)) {
        m_list = m_editors ? m_editors() : QList<PageEditor>();
        m_listAge.start();
    }
    return m_list;
}

bool CPageEditorCommands::canEdit() {
    const CBrowserView* view = m_frame.ActiveView();
    return view && view->LocationURL() != QStringLiteral("about:blank") && !editors(false).isEmpty();
}

QMenu* CPageEditorCommands::fillMenu() {
    m_menu->clear();
    const QList<PageEditor>& list = editors(true);
    for (int i = 0; i < list.size() && i < static_cast<int>(cmd::Editors.size()); ++i) {
        QAction* action = m_frame.Binder().createAction(cmd::Editors.at(static_cast<unsigned>(i)),
                                                        list[i].name, m_menu);
        action->setIcon(QIcon::fromTheme(list[i].icon));
        m_menu->addAction(action);
    }
    return list.isEmpty() ? nullptr : m_menu;
}

QString CPageEditorCommands::pagePath(CBrowserView& view) const {
    const QString local = localPathOfAddress(view.LocationURL());
    if (!local.isEmpty())
        return local;
    const QString path = makeTempFileName(QStringLiteral(".htm"));
    if (path.isEmpty() || !view.Engine() || !view.Engine()->SavePage(path)) {
        if (!path.isEmpty())
            QFile::remove(path);
        return QString();
    }
    return path;
}

bool CPageEditorCommands::Edit(int index) {
    CBrowserView* view = m_frame.ActiveView();
    if (!view || !canEdit())
        return false;
    const QList<PageEditor> list = editors(false);
    if (index < 0 || index >= list.size())
        return false;
    const QString path = pagePath(*view);
    if (path.isEmpty())
        return false;
    QStringList line = editorCommandLine(list[index].command, path);
    if (line.isEmpty())
        return false;
    const QString program = line.takeFirst();
    return m_launcher.start(program, line);
}
