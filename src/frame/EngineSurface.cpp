#include "frame/EngineSurface.h"

#include <QOpenGLWidget>

void PrepareForEngineSurface(QWidget& window) {
    if (window.testAttribute(Qt::WA_WState_Created))
        return;
    // A window made while it holds such a widget gets the native window the
    // page views need. This one stays hidden and empty for the window's
    // life, so the window keeps its kind.
    auto* surface = new QOpenGLWidget(&window);
    surface->setObjectName(QStringLiteral("engineSurface"));
    surface->hide();
}
