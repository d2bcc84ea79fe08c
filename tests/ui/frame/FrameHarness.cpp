// Shows the main window with a stand-in application, for looking at it.
// Arguments: "busy" plays the animation, "links" puts three links into the
// Links folder first, "children" opens two empty child windows, "bottom"
// puts the window bar at the bottom, "customize" opens the customise dialog
// and "menu" the new-window drop-down.
#include "StandInHost.h"

#include "frame/CDropDownButton.h"
#include "frame/CMainFrame.h"
#include "frame/CStandardToolBar.h"
#include "system/ShellFolders.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTimer>

namespace {

void writeLink(const QString& folder, const QString& name, const QString& url) {
    QFile file(QDir(folder).filePath(name + QStringLiteral(".url")));
    if (file.open(QIODevice::WriteOnly))
        file.write(QStringLiteral("[InternetShortcut]\r\nURL=%1\r\n").arg(url).toUtf8());
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    seedShellFolders();
    if (args.contains(QStringLiteral("links"))) {
        const QString links = QDir(shellFolderPath(QStringLiteral("Favorites")))
                                  .filePath(QStringLiteral("Links"));
        QDir().mkpath(links);
        writeLink(links, QStringLiteral("免费 Hotmail"), QStringLiteral("http://example.com/mail"));
        writeLink(links, QStringLiteral("Windows Media"), QStringLiteral("http://example.com/media"));
        writeLink(links, QStringLiteral("自定义链接"), QStringLiteral("http://example.com/custom"));
    }
    StandInHost host;
    host.settings.Load();
    // The browser commands answer, so their buttons look as they do with
    // windows open.
    for (unsigned id : {32774u, 32833u, 32779u, 32780u, 32781u, 32787u, 57602u})
        host.application.commands().on(id, [] {});
    CMainFrame frame(host);
    if (!frame.Create())
        return 1;
    frame.ShowWithCommand(frame.RestorePlacement());
    if (args.contains(QStringLiteral("busy")))
        frame.SetBusyAnimation(true);
    if (args.contains(QStringLiteral("children"))) {
        for (int i = 0; i < 2; ++i) {
            auto* page = new QLabel(QStringLiteral("about:blank"));
            page->setAutoFillBackground(true);
            QMdiSubWindow* child = frame.MdiArea()->addSubWindow(page);
            child->setWindowTitle(QStringLiteral("空白页 %1").arg(i + 1));
            child->resize(420, 260);
            child->move(30 + 60 * i, 30 + 60 * i);
            child->show();
        }
    }
    if (args.contains(QStringLiteral("bottom")))
        frame.PlaceWindowBar(2);
    if (args.contains(QStringLiteral("customize")))
        QTimer::singleShot(500, &frame, [&frame] { frame.CustomizeToolbar(); });
    if (args.contains(QStringLiteral("menu")))
        QTimer::singleShot(500, &frame, [&frame] {
            frame.StandardToolBar()->buttonFor(32774)->openDropDown();
        });
    const int result = app.exec();
    host.settings.Save();
    return result;
}
