#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>

namespace platform {

// How the program's windows and pages are drawn. Software draws with the
// processor and never loads the graphics driver stack; Hardware draws
// through OpenGL.
enum class RenderingPath { Software, Hardware };

// What the choice of a rendering path is made from.
struct RenderingInputs {
    // The value of "--rendering=" on the command line (empty when absent).
    QString option;
    // The value of QUORRELIN_RENDERING (empty when unset).
    QString environment;
    // The kernel driver of every render node this user may open ("" when
    // the driver cannot be told).
    QStringList renderNodeDrivers;
    // The environment asks the OpenGL library for its software driver.
    bool softwareGlForced = false;
};

// "software" or "hardware" (any case); nothing for any other text.
std::optional<RenderingPath> parseRenderingPath(QStringView text);

// The command-line option wins over the environment variable; a value that
// names no path is ignored. Without either, hardware when a render node of
// a real graphics driver can be opened and OpenGL is not forced into its
// software driver, software otherwise.
RenderingPath chooseRenderingPath(const RenderingInputs& inputs);

// Reads the inputs from the command line, the environment and the device
// folders below root ("/" on a running system: root/dev/dri/renderD* and
// root/sys/class/drm/<node>/device/driver). Needs no application object.
RenderingInputs readRenderingInputs(int argc, const char* const* argv,
                                    const QString& root = QStringLiteral("/"));

} // namespace platform
