#pragma once

#include "framework/CommandTarget.h"
#include "system/PageEditors.h"

#include <QElapsedTimer>
#include <QList>

#include <functional>

class CBrowserView;
class CMainFrame;
class IProgramLauncher;
class QMenu;

// Editing the active page with a program of the desktop: 33265 uses the
// first editor, 33266-33275 the editor at that place of the list, which the
// edit button's drop-down shows (icon and name; the status prompt is "用
// %editor% 编辑该页"). All are enabled while the active browser window shows
// an address other than "about:blank".
//
// A local page ("file:") is edited in place; any other page is first saved
// to a temporary ".htm" file and that copy is edited. Without any editor on
// the desktop the commands are disabled rather than doing nothing. The list
// is read again when the drop-down opens, and otherwise at most every few
// seconds (the commands' state is asked on every idle pass).
class CPageEditorCommands : public CommandTarget {
public:
    using EditorSource = std::function<QList<PageEditor>()>;

    // editors: the list, asked anew when it is needed; launcher must outlive
    // this object. Installs the drop-down and the prompts on frame.
    CPageEditorCommands(CMainFrame& frame, IProgramLauncher& launcher, EditorSource editors);

    // Starts editor index of the current list on the active page; false when
    // there is no such editor, no page or the program does not start.
    bool Edit(int index);

private:
    bool canEdit();
    const QList<PageEditor>& editors(bool fresh);
    QString pagePath(CBrowserView& view) const;
    QMenu* fillMenu();

    CMainFrame& m_frame;
    IProgramLauncher& m_launcher;
    EditorSource m_editors;
    // The list last read (the drop-down and the prompts show it).
    QList<PageEditor> m_list;
    QElapsedTimer m_listAge;
    QMenu* m_menu = nullptr;
};
