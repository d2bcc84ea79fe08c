#pragma once

#include "app/CAppSettings.h"

#include <QList>
#include <QPair>

class COptionsPage;
class QCheckBox;
class QLayout;

// A check box of an options page bound to one boolean setting.
struct OptionsCheck {
    int id;            // control id
    const char* text;  // UTF-8 label
    int CAppSettings::*field;
};

// The check boxes of a page made from a table, in table order: each is added
// to layout, reads its setting (ticked when non-zero) and writes 1 or 0 back.
class OptionsCheckTable {
public:
    // Makes the boxes (through make, so the page names and watches them).
    template <class Make>
    void build(const QList<OptionsCheck>& table, QLayout* layout, Make make);
    void read(const CAppSettings& settings) const;
    void write(CAppSettings& settings) const;

private:
    QList<QPair<OptionsCheck, QCheckBox*>> m_boxes;
};

#include <QCheckBox>
#include <QLayout>

template <class Make>
void OptionsCheckTable::build(const QList<OptionsCheck>& table, QLayout* layout, Make make) {
    for (const OptionsCheck& entry : table) {
        QCheckBox* box = make(entry.id, QString::fromUtf8(entry.text));
        layout->addWidget(box);
        m_boxes.append({entry, box});
    }
}

inline void OptionsCheckTable::read(const CAppSettings& settings) const {
    for (const auto& [entry, box] : m_boxes)
        box->setChecked(settings.*(entry.field) != 0);
}

inline void OptionsCheckTable::write(CAppSettings& settings) const {
    for (const auto& [entry, box] : m_boxes)
        settings.*(entry.field) = box->isChecked() ? 1 : 0;
}
