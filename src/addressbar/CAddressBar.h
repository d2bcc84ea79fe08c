#pragma once

#include <QWidget>

class CAddressComboBox;
class CFlatImageButton;
class IAddressBarOwner;
class QLabel;

// The address band's bar: the label "地址(&D)：", the address box and the Go
// button. It turns what the user types into a navigation through its owner:
// a quick command first, otherwise the typed address, trimmed and, with Ctrl,
// completed to "www." + name + ".com".
//
// Keys in the address box: Enter opens the address in the active window,
// Shift+Enter in a new window, Ctrl+Enter completes it first (Ctrl+Shift+
// Enter both); Tab gives the focus to the active window (when there is one);
// Escape returns to the address the program last showed.
//
// The owner must outlive the bar. Object names for tests: "addressLabel",
// "addressBox", "goButton".
class CAddressBar : public QWidget {
    Q_OBJECT

public:
    explicit CAddressBar(IAddressBarOwner& owner, QWidget* parent = nullptr);

    CAddressComboBox* ComboBox() const { return m_combo; }
    CFlatImageButton* GoButton() const { return m_go; }
    QLabel* Label() const { return m_label; }

    // The Go action: translates or completes the box's text (with ctrl, the
    // "www." and ".com" completion) and asks the owner to open it, in a new
    // window when newWindow. Blank text opens nothing and stays as it is.
    void NavigateFromAddressBar(bool ctrl, bool newWindow);
    // Puts the keyboard focus into the address box with its text selected,
    // if the box is enabled.
    void FocusAddress();
    // The address of the page the active window shows (or starts to load,
    // navigationStart). Empty text is ignored. Never replaces text the user
    // is typing (CAddressComboBox::SetText); at a navigation start the text
    // is selected whole while the box has the focus, so typing replaces it.
    void SetAddressText(const QString& text, bool navigationStart = false);
    // An address the active window reached: top of the history.
    void AddToAddressList(const QString& url);
    // The history's registry exchange, around the Internet options (which
    // may clear it) and at closing.
    void SaveTypedUrls();
    void LoadTypedUrls();
    // The clear command: asks first while ConfirmClearAddress is set (its
    // check box stops the question and is stored whatever the answer),
    // deletes the history, shows the active page's address again, and says
    // it is done when it did not ask. Returns whether it cleared.
    bool ClearAddressList();
    // Deletes the history without asking and shows the active page's
    // address again. False (the error reported) when the registry kept it.
    bool ClearTypedAddresses();

    // Completion while typing (the AutoComplete option).
    void SetAutoComplete(bool on);
    // Places the controls for the bar's size and the ShowGoButton option.
    void UpdateLayout();

    // Whether the focus is in the address box.
    bool HasFocus() const;

    // The width the band asks for (at least the minimum).
    void setPreferredWidth(int width);
    int preferredWidth() const { return m_preferredWidth; }
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

    static constexpr int kMinimumWidth = 200;
    static constexpr int kDefaultWidth = 400;
    // The Go button's picture and the gap around the controls.
    static constexpr int kGoBitmap = 146;
    static constexpr int kGap = 2;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    bool handleKey(QKeyEvent* event);
    void goClicked();

    IAddressBarOwner& m_owner;
    QLabel* m_label;
    CAddressComboBox* m_combo;
    CFlatImageButton* m_go;
    int m_preferredWidth = kDefaultWidth;
};
