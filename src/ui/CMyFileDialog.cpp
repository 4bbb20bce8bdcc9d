#include "CMyFileDialog.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>

const QString CMyFileDialog::dataSetFilterLabel = QStringLiteral("Zenvalo (*.zenv)");
const QString CMyFileDialog::openFilterLabel = QStringLiteral("Zenvalo (*.zenv) & Text File (*.txt)");

namespace {

// Qt takes the last parenthesised group of a filter as its patterns and, with the details hidden,
// shows what stands before it: so the label is followed by a group of its own.
QString filterFor(const QString& label, const QString& patterns)
{
    return label + QStringLiteral(" (") + patterns + QLatin1Char(')');
}

// Qt's own dialog adds the default extension only when saving; here a typed "Listo" also opens
// an existing "Listo.txt".
class ChooserDialog final : public QFileDialog
{
public:
    using QFileDialog::QFileDialog;

    void accept() override
    {
        const QStringList files = selectedFiles();
        if (fileMode() == QFileDialog::ExistingFile && !defaultSuffix().isEmpty() && files.size() == 1) {
            const QFileInfo typed(files.constFirst());
            const QString withSuffix = files.constFirst() + QLatin1Char('.') + defaultSuffix();
            auto* nameField = findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            if (nameField != nullptr && !typed.exists() && !typed.fileName().contains(QLatin1Char('.')) &&
                QFileInfo::exists(withSuffix))
                nameField->setText(nameField->text() + QLatin1Char('.') + defaultSuffix());
        }
        QFileDialog::accept();
    }
};

std::optional<QString> run(QFileDialog::AcceptMode acceptMode, QFileDialog::FileMode fileMode,
                           const QString& filter, const QString& folder, const QString& selected,
                           const QString& defaultSuffix = {})
{
    ChooserDialog dialog(QApplication::activeWindow());
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setAcceptMode(acceptMode);
    dialog.setFileMode(fileMode);
    dialog.setNameFilter(filter);
    dialog.setDefaultSuffix(defaultSuffix);
    if (!folder.isEmpty())
        dialog.setDirectory(folder);
    if (!selected.isEmpty())
        dialog.selectFile(selected);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

} // namespace

std::optional<QString> CMyFileDialog::chooseNewDataSet(const QString& proposedName)
{
    return run(QFileDialog::AcceptOpen, QFileDialog::AnyFile,
               filterFor(dataSetFilterLabel, QStringLiteral("*.zenv")), {}, proposedName);
}

std::optional<QString> CMyFileDialog::chooseFileToOpen(const QString& folder)
{
    return run(QFileDialog::AcceptOpen, QFileDialog::ExistingFile,
               filterFor(openFilterLabel, QStringLiteral("*.zenv *.txt")), folder, {}, QStringLiteral("txt"));
}

std::optional<QString> CMyFileDialog::chooseSaveAs(const QString& proposedPath)
{
    return run(QFileDialog::AcceptSave, QFileDialog::AnyFile,
               filterFor(dataSetFilterLabel, QStringLiteral("*.zenv")), {}, proposedPath);
}

std::optional<QString> CMyFileDialog::chooseDataSetToMerge(const QString& folder)
{
    return run(QFileDialog::AcceptOpen, QFileDialog::ExistingFile,
               filterFor(dataSetFilterLabel, QStringLiteral("*.zenv")), folder, {});
}
