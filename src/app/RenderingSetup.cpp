#include "app/RenderingSetup.h"

#include <QCoreApplication>
#include <QQuickWindow>

namespace {

constexpr char kGlIntegration[] = "QT_XCB_GL_INTEGRATION";
bool g_glIntegrationSet = false;
bool g_software = false;

} // namespace

void PrepareRendering(platform::RenderingPath path) {
    g_software = path == platform::RenderingPath::Software;
    if (path == platform::RenderingPath::Hardware) {
        QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
        return;
    }
    QQuickWindow::setGraphicsApi(QSGRendererInterface::Software);
    // Without this the X11 platform opens its OpenGL support at start-up,
    // which loads the driver and, without a graphics processor, a compiler
    // for the software driver's shaders.
    if (!qEnvironmentVariableIsSet(kGlIntegration)) {
        qputenv(kGlIntegration, "none");
        g_glIntegrationSet = true;
    }
}

void FinishRenderingSetup() {
    if (g_glIntegrationSet)
        qunsetenv(kGlIntegration);
    g_glIntegrationSet = false;
}

bool RenderingInSoftware() { return g_software; }
