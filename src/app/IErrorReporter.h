#pragma once

// Where the settings store (and other window-less code) reports a system
// error to the user. The program's message box implements it; code that runs
// without a window uses NullErrorReporter.
class IErrorReporter {
public:
    virtual ~IErrorReporter() = default;
    // Shows the system message for code (a registry or system error number).
    virtual void ShowSystemError(long code) = 0;
};

// Reports nothing.
class NullErrorReporter final : public IErrorReporter {
public:
    void ShowSystemError(long) override {}
    // A shared instance for callers that are given no reporter.
    static NullErrorReporter& instance() {
        static NullErrorReporter reporter;
        return reporter;
    }
};
