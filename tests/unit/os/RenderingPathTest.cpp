#include "platform/os/RenderingPath.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace platform;

TEST(RenderingPath, ForcedChoiceOptionBeatsEnvironmentAndUnknownWordsAreIgnored) {
    RenderingInputs inputs;
    inputs.renderNodeDrivers = {QStringLiteral("i915")};
    inputs.environment = QStringLiteral("Software");
    EXPECT_EQ(chooseRenderingPath(inputs), RenderingPath::Software);
    inputs.option = QStringLiteral("HARDWARE");
    EXPECT_EQ(chooseRenderingPath(inputs), RenderingPath::Hardware);

    // A word naming no path falls through to the next source.
    inputs.option = QStringLiteral("fast");
    EXPECT_EQ(chooseRenderingPath(inputs), RenderingPath::Software);
    inputs.environment = QStringLiteral("gpu");
    EXPECT_EQ(chooseRenderingPath(inputs), RenderingPath::Hardware);

    // Forcing hardware holds even where no graphics processor is seen.
    inputs.renderNodeDrivers.clear();
    inputs.softwareGlForced = true;
    inputs.environment = QStringLiteral("hardware");
    EXPECT_EQ(chooseRenderingPath(inputs), RenderingPath::Hardware);
}

TEST(RenderingPath, DetectedChoiceNeedsARealRenderNodeAndNoForcedSoftwareGl) {
    RenderingInputs inputs;
    EXPECT_EQ(chooseRenderingPath(inputs), RenderingPath::Software);
    inputs.renderNodeDrivers = {QStringLiteral("vgem"), QStringLiteral("vkms")};
    EXPECT_EQ(chooseRenderingPath(inputs), RenderingPath::Software);
    inputs.renderNodeDrivers << QStringLiteral("amdgpu");
    EXPECT_EQ(chooseRenderingPath(inputs), RenderingPath::Hardware);
    // A node whose driver cannot be told is taken as a real one.
    inputs.renderNodeDrivers = {QString()};
    EXPECT_EQ(chooseRenderingPath(inputs), RenderingPath::Hardware);
    inputs.softwareGlForced = true;
    EXPECT_EQ(chooseRenderingPath(inputs), RenderingPath::Software);
}

TEST(RenderingPath, ReadsTheOptionEnvironmentAndRenderNodesOfADeviceTree) {
    QTemporaryDir root;
    ASSERT_TRUE(QDir(root.path()).mkpath(QStringLiteral("dev/dri")));
    ASSERT_TRUE(QDir(root.path()).mkpath(QStringLiteral("sys/class/drm/renderD128/device")));
    ASSERT_TRUE(QDir(root.path()).mkpath(QStringLiteral("sys/bus/pci/drivers/vgem")));
    for (const char* node : {"renderD128", "card0"}) {
        QFile file(root.path() + QStringLiteral("/dev/dri/") + QLatin1String(node));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    ASSERT_TRUE(QFile::link(root.path() + QStringLiteral("/sys/bus/pci/drivers/vgem"),
                            root.path() +
                                QStringLiteral("/sys/class/drm/renderD128/device/driver")));

    qputenv("QUORRELIN_RENDERING", "hardware");
    qunsetenv("LIBGL_ALWAYS_SOFTWARE");
    qputenv("GALLIUM_DRIVER", "LLVMpipe");
    const char* argv[] = {"quorrelin", "--rendering=software", "http://a/", "--rendering=odd"};
    const RenderingInputs inputs = readRenderingInputs(4, argv, root.path());
    qunsetenv("QUORRELIN_RENDERING");
    qunsetenv("GALLIUM_DRIVER");

    EXPECT_EQ(inputs.option, QStringLiteral("odd")); // the last one given
    EXPECT_EQ(inputs.environment, QStringLiteral("hardware"));
    EXPECT_TRUE(inputs.softwareGlForced);
    EXPECT_EQ(inputs.renderNodeDrivers, QStringList{QStringLiteral("vgem")});
}
