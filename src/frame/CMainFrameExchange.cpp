// What other programs hand the main frame: addresses another start of the
// program hands over, and files dropped on the window.
#include "frame/CMainFrame.h"

#include "frame/HandOverAddress.h"
#include "frame/IMainFrameHost.h"
#include "platform/instance/InstanceServer.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMetaObject>
#include <QMimeData>
#include <QUrl>

#include <utility>

namespace {

QList<QString> droppedLocalFiles(const QMimeData* data) {
    QList<QString> files;
    if (!data || !data->hasUrls())
        return files;
    for (const QUrl& url : data->urls())
        if (url.isLocalFile() && !url.toLocalFile().isEmpty())
            files << url.toLocalFile();
    return files;
}

} // namespace

bool CMainFrame::StartInstanceServer(platform::InstanceId mainWindowId, const QString& folder,
                                     QString* error) {
    delete m_instanceServer;
    m_instanceServer = new platform::InstanceServer(mainWindowId, this);
    m_instanceServer->setCopyDataHandler([this](quint64 tag, const QByteArray& data) -> quint64 {
        if (tag != 0)
            return 0;
        m_pendingAddress = decodeHandedOverAddress(data);
        return m_pendingAddress.isEmpty() ? 0 : 1;
    });
    m_instanceServer->setNavigateHandler([this](quint64, quint64) -> quint64 {
        // Answered before the window opens: the starting process can end.
        QMetaObject::invokeMethod(
            this,
            [this, address = std::exchange(m_pendingAddress, {})] { handleNavigate(address); },
            Qt::QueuedConnection);
        return 1;
    });
    return folder.isEmpty() ? m_instanceServer->listen(error)
                            : m_instanceServer->listen(folder, error);
}

void CMainFrame::handleNavigate(const QString& address) {
    if (!address.isEmpty())
        m_host.OpenHandedOverAddress(address);
    showHandedOver();
}

void CMainFrame::showHandedOver() {
    if (isMinimized())
        showNormal();
    else
        show();
    raise();
    activateWindow();
}

void CMainFrame::dragEnterEvent(QDragEnterEvent* event) {
    if (!droppedLocalFiles(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void CMainFrame::dragMoveEvent(QDragMoveEvent* event) {
    if (!droppedLocalFiles(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void CMainFrame::dropEvent(QDropEvent* event) {
    const QList<QString> files = droppedLocalFiles(event->mimeData());
    if (files.isEmpty())
        return;
    event->acceptProposedAction();
    for (const QString& file : files)
        m_host.OpenDroppedFile(file);
}
