#pragma once

#include "frame/WindowBarModel.h"
#include "frame/WindowBarModelObserver.h"

#include <QString>
#include <QStringList>

#include <array>
#include <ostream>

// Readable QStrings in failure messages.
inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}

namespace windowbar_test {

// Stand-ins for browser windows: the model only compares their addresses.
struct Windows {
    std::array<int, 16> cells{};
    TabWindow operator[](int i) const { return &cells[static_cast<std::size_t>(i)]; }
};

// Every notification as one short line, in order.
class RecordingObserver : public WindowBarModelObserver {
public:
    QStringList events;

    void tabInserted(int index) override { events << QStringLiteral("ins %1").arg(index); }
    void tabRemoved(int index, TabWindow) override { events << QStringLiteral("rm %1").arg(index); }
    void currentChanged(int index) override { events << QStringLiteral("cur %1").arg(index); }
    void tabChanged(int index, unsigned what) override {
        QString parts;
        if (what & kTextChanged)
            parts += QStringLiteral("text");
        if (what & kImageChanged)
            parts += parts.isEmpty() ? QStringLiteral("image") : QStringLiteral("+image");
        events << QStringLiteral("chg %1 %2").arg(index).arg(parts);
    }
    QString take() {
        const QString joined = events.join(QStringLiteral(", "));
        events.clear();
        return joined;
    }
};

// Appends one tab per text (window i for text i) and makes tab current
// current.
inline void fill(WindowBarModel& model, const Windows& w, const QStringList& texts, int current) {
    for (int i = 0; i < texts.size(); ++i) {
        model.insert(w[i], false);
        model.setText(w[i], texts[i]);
    }
    model.selectIndex(current);
}

} // namespace windowbar_test
