#pragma once

#include <QWidget>

class QCheckBox;
class QRadioButton;

// The options panel (201) of the link-group import's file dialog: choose
// the groups (10109), put a separator first (10113) and what a taken name
// does (10110 numbered name, 10098 same name, 10100 add to the existing
// group), inside group box 10107. The panel writes its state into the
// caller's Options as it changes.
class CLinkGroupImportPanel : public QWidget {
    Q_OBJECT

public:
    static constexpr int SelectControl = 10109;
    static constexpr int SeparatorControl = 10113;
    static constexpr int NumberedControl = 10110;
    static constexpr int SameNameControl = 10098;
    static constexpr int AddControl = 10100;
    static constexpr int BoxControl = 10107;

    struct Options {
        bool selectGroups = true;
        bool addSeparator = true;
        int nameMode = 0; // 0 numbered, 1 same name, 2 add to existing
    };

    // options must outlive the panel.
    CLinkGroupImportPanel(Options& options, QWidget* parent);

private:
    Options& m_options;
};
