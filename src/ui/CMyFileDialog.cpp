#include "CMyFileDialog.h"

#include <QApplication>
#include <QFileDialog>

const QString CMyFileDialog::dataSetFilterLabel = QStringLiteral("Zenvalo (*.zenv)");
const QString CMyFileDialog::openFilterLabel = QStringLiteral("Zenvalo (*.zenv) & Text File (*.txt)");

namespace {

// Qt takes the last parenthesised group of a filter as its patterns and, with the details hidden,
// shows what stands before it: so the label is followed by a group of its own.
QString filterFor(const QString& label, const QString& patterns)
{
    return label + QStringLiteral(" (") + patterns + QLatin1Char(')');
}

std::optional<QString> run(QFileDialog::AcceptMode acceptMode, QFileDialog::FileMode fileMode,
                           const QString& filter, const QString& folder, const QString& selected)
{
    QFileDialog dialog(QApplication::activeWindow());
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setAcceptMode(acceptMode);
    dialog.setFileMode(fileMode);
    dialog.setNameFilter(filter);
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
               filterFor(openFilterLabel, QStringLiteral("*.zenv *.txt")), folder, {});
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

std::optional<QString> CMyFileDialog::chooseFileToImport(const QString& folder)
{
    return run(QFileDialog::AcceptOpen, QFileDialog::ExistingFile,
               QStringLiteral("Vortlistoj (*.csv *.tsv *.txt *.kvtml);;Ĉiuj dosieroj (*)"), folder, {});
}

std::optional<QString> CMyFileDialog::chooseExportPath(const QString& proposedPath)
{
    const QStringList filters = {QStringLiteral("CSV (*.csv)"), QStringLiteral("TSV (*.tsv)"),
                                 QStringLiteral("KDE kvtml (*.kvtml)")};
    QFileDialog dialog(QApplication::activeWindow());
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters(filters);
    dialog.setDefaultSuffix(QStringLiteral("csv"));
    // The suffix follows the chosen format.
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog](const QString& filter) {
        const qsizetype dot = filter.lastIndexOf(QLatin1Char('.'));
        dialog.setDefaultSuffix(filter.mid(dot + 1).chopped(1));
    });
    if (!proposedPath.isEmpty())
        dialog.selectFile(proposedPath);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}
