#pragma once

#include "framework/CommandTarget.h"

#include <QObject>
#include <QString>

#include <functional>

class CBrowserView;
class CMainFrame;

// The main frame's commands on the Favorites folder:
// - 32803 adds the active page, 32819 the window bar's context page
//   (each enabled only with its window), through the add-favorite dialog;
// - 32804 the organise-favorites dialog;
// - 32826 / 32827 import and export of bookmark files.
// Any other part (such as a favorites pane) can send these ids through the
// command router. After a change the link bar is filled again and
// FavoritesChanged is emitted; the Favorites menu reads the folder each
// time it opens.
class CFavoritesCommands : public QObject, public CommandTarget {
    Q_OBJECT

public:
    // frame must outlive this. favoritesFolder: where the Favorites folder
    // is (asked at every command).
    CFavoritesCommands(CMainFrame& frame, std::function<QString()> favoritesFolder);

signals:
    void FavoritesChanged();

private:
    void addPage(const CBrowserView* view);
    // The Favorites folder, made when missing; empty (after telling the
    // user) when there is none.
    QString folder();
    void changed();

    CMainFrame& m_frame;
    std::function<QString()> m_favoritesFolder;
};
