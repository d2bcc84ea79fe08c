#pragma once

#include <QWidget>

class QComboBox;

// The contents of the address band until the real address bar takes its
// place: an editable address box (object name "addressBox") that fills the
// band. Its preferred width is the band width the layout gives it.
class CAddressBarPlaceholder : public QWidget {
    Q_OBJECT

public:
    explicit CAddressBarPlaceholder(QWidget* parent = nullptr);

    QComboBox* addressBox() const { return m_box; }

    // Puts the keyboard focus into the address box with its text selected.
    void focusAddress();
    // Whether widget is the address box or one of its children.
    bool containsWidget(const QWidget* widget) const;
    // Address completion over the box's entries on or off.
    void setAutoComplete(bool on);
    bool autoComplete() const;

    // The width the band asks for (at least the minimum).
    void setPreferredWidth(int width);
    int preferredWidth() const { return m_preferredWidth; }
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

    static constexpr int kMinimumWidth = 200;
    static constexpr int kDefaultWidth = 400;

private:
    QComboBox* m_box;
    int m_preferredWidth = kDefaultWidth;
};
