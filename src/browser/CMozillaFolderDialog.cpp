#include "browser/CMozillaFolderDialog.h"

#include "res/StringIds.h"
#include "res/StringTable.h"
#include "system/MozillaDetection.h"

#include <QDialogButtonBox>
#include <QPushButton>

CMozillaFolderDialog::CMozillaFolderDialog(QWidget* parent) : QFileDialog(parent) {
    setWindowTitle(res::loadString(sid::ChooseMozillaFolder));
    setFileMode(QFileDialog::Directory);
    setOption(QFileDialog::ShowDirsOnly);
    setOption(QFileDialog::DontUseNativeDialog);
    connect(this, &QFileDialog::currentChanged, this, [this] { UpdateOkButton(); });
    connect(this, &QFileDialog::directoryEntered, this, [this] { UpdateOkButton(); });
}

QString CMozillaFolderDialog::CurrentFolder() const {
    const QStringList chosen = selectedFiles();
    return chosen.isEmpty() ? directory().absolutePath() : chosen.first();
}

void CMozillaFolderDialog::UpdateOkButton() {
    const auto* buttons = findChild<QDialogButtonBox*>();
    QPushButton* ok = buttons ? buttons->button(QDialogButtonBox::Open) : nullptr;
    if (ok)
        ok->setEnabled(FolderHasMozillaControl(CurrentFolder()));
}

void CMozillaFolderDialog::accept() {
    if (FolderHasMozillaControl(CurrentFolder()))
        QFileDialog::accept();
}
