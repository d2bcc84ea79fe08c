#pragma once

#include <QWidget>

// The contents of a band whose child can change: it holds one widget at a
// time (the window bar or its placeholder) and asks for the width the
// frame gives it, so the band can fill its row.
class CBandSlot : public QWidget {
    Q_OBJECT

public:
    explicit CBandSlot(const QString& name, QWidget* parent = nullptr);

    // Makes child the slot's widget (the previous one stays a child of the
    // slot, hidden, until it is put elsewhere) and shows it.
    void hold(QWidget* child);
    QWidget* held() const { return m_held; }

    // The width asked for; 0 asks for the held widget's own width.
    void setPreferredWidth(int width);
    QSize sizeHint() const override;

private:
    QWidget* m_held = nullptr;
    int m_preferredWidth = 0;
};
