#pragma once

#include <QString>

class CAppSettings;
class IErrorReporter;
class QPoint;

// What the address bar needs from the window that carries it (the main
// frame). The owner outlives the bar.
class IAddressBarOwner {
public:
    virtual ~IAddressBarOwner() = default;

    // Opens address (already translated or completed) in the active browser
    // window, or in a new one when newWindow is set or none is open.
    // remember: the window hands the address it finally reaches back to the
    // bar's list (CAddressBar::AddToAddressList) once the navigation
    // completes; quick commands are not remembered.
    virtual void NavigateFromAddressBar(const QString& address, bool remember, bool newWindow) = 0;
    // Tab in the address box: gives the keyboard focus to the active browser
    // window. False when there is none (the key then moves the focus as
    // usual).
    virtual bool FocusPage() = 0;
    // The settings record (AutoComplete, ShowGoButton, ConfirmClearAddress,
    // QuickCommands).
    virtual CAppSettings& AddressBarSettings() = 0;
    // The address of the active browser window; empty without one.
    virtual QString ActivePageAddress() const = 0;
    // Where a failure to write the typed-address history is shown; null
    // shows nothing.
    virtual IErrorReporter* AddressBarErrorReporter() = 0;
    // A right click on the bar outside the address box, at globalPos.
    virtual void ShowAddressBarMenu(const QPoint& globalPos) = 0;
};
