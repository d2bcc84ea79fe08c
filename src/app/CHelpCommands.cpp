#include "app/CHelpCommands.h"

#include "app/CAboutDialog.h"
#include "app/CCheckMessageBox.h"
#include "framework/CommandIds.h"
#include "framework/DialogRunner.h"
#include "framework/MessageBoxStyle.h"
#include "res/MessageFormat.h"
#include "res/StringIds.h"
#include "system/ProgramVersion.h"

#include <QDir>
#include <QFileInfo>
#include <QInputDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QUrl>

CHelpCommands::CHelpCommands(QWidget* parent, QString helpFolder, WindowOpener open,
                             Availability secondEngine)
    : m_parent(parent), m_helpFolder(std::move(helpFolder)), m_open(std::move(open)),
      m_secondEngine(std::move(secondEngine)) {
    commands().on(cmd::AppAbout, [this] { ShowAbout(); });
    commands().on(cmd::HelpContents, [this] { ShowHelp(); });
    commands().on(cmd::FileNew, [this] { NewDocument(); });
    commands().on(cmd::FilePrintSetup, [this] { PrintSetup(); });
}

CHelpCommands::~CHelpCommands() = default;

QString CHelpCommands::HelpFile() const {
    return QDir::cleanPath(m_helpFolder + QStringLiteral("/index.html"));
}

bool CHelpCommands::ShowHelp() {
    const QString file = HelpFile();
    if (!QFileInfo(file).isFile()) {
        CCheckMessageBox box(m_parent,
                             res::formatString(sid::FileNotFound, {{"%filename%", file}}),
                             MB_OK | MB_ICONEXCLAMATION);
        box.DoModal();
        return false;
    }
    m_open(0, QUrl::fromLocalFile(file).toString());
    return true;
}

void CHelpCommands::ShowAbout() {
    CAboutDialog dialog(m_parent, programVersionText(), CAboutDialog::EngineVersionText());
    DialogRunner::instance().exec(dialog);
}

int CHelpCommands::NewDocument() {
    int engine = 0;
    if (m_secondEngine && m_secondEngine()) {
        const QStringList kinds = {QStringLiteral("Internet Explorer"),
                                   QStringLiteral("Netscape / Mozilla")};
        QInputDialog dialog(m_parent);
        dialog.setWindowTitle(QStringLiteral("新建"));
        dialog.setLabelText(QStringLiteral("新建(&N)"));
        dialog.setComboBoxItems(kinds);
        dialog.setComboBoxEditable(false);
        if (DialogRunner::instance().exec(dialog) != QDialog::Accepted)
            return -1;
        engine = dialog.textValue() == kinds[1] ? 1 : 0;
    }
    m_open(engine, QStringLiteral("about:blank"));
    return engine;
}

void CHelpCommands::PrintSetup() {
    if (!m_printer)
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    QPrintDialog dialog(m_printer.get(), m_parent);
    DialogRunner::instance().exec(dialog);
}
