// Renders every drawn picture of the program into one PNG contact sheet:
//   imagesheet [output.png]   (default /tmp/quorrelin-images.png)
// Run it with QT_QPA_PLATFORM=offscreen where there is no display.
#include "ContactSheet.h"

#include "res/images/ToolbarImages.h"

#include <QGuiApplication>
#include <QTextStream>

using namespace res;

namespace {

void addToolbar(ContactSheet& sheet) {
    const struct {
        ImageState state;
        const char* name;
    } states[] = {{ImageState::Normal, "normal"},
                  {ImageState::Hot, "hot"},
                  {ImageState::Disabled, "disabled"}};
    for (const auto& s : states) {
        sheet.heading(QStringLiteral("Toolbar (33 x 18x18), %1").arg(QLatin1String(s.name)));
        QList<QPixmap> pictures;
        QStringList captions;
        for (int i = 0; i < ToolbarImages::kCount; ++i) {
            pictures << ToolbarImages::image(i, s.state);
            captions << QString::number(i);
        }
        sheet.row(pictures, captions);
    }
    sheet.heading(QStringLiteral("Toolbar at ratio 2 and at real size"));
    QList<QPixmap> big;
    QList<QPixmap> real;
    QStringList captions;
    for (int i = 0; i < ToolbarImages::kCount; ++i) {
        big << ToolbarImages::image(i, ImageState::Normal, 2.0);
        real << ToolbarImages::image(i);
        captions << QString::number(i);
    }
    sheet.row(big, captions);
    sheet.row(real, QStringList(), 1);
}

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    const QString output = argc > 1 ? QString::fromLocal8Bit(argv[1])
                                    : QStringLiteral("/tmp/quorrelin-images.png");
    ContactSheet sheet(1400, 4);
    addToolbar(sheet);
    if (!sheet.result().save(output)) {
        QTextStream(stderr) << "imagesheet: cannot write " << output << "\n";
        return 1;
    }
    QTextStream(stdout) << output << "\n";
    return 0;
}
