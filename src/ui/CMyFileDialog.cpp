#include "CMyFileDialog.h"

#include <algorithm>

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QHeaderView>
#include <QLineEdit>
#include <QTreeView>

const QString CMyFileDialog::dataSetFilterLabel = QStringLiteral("Zenvalo (*.zenv)");
const QString CMyFileDialog::openFilterLabel = QStringLiteral("Zenvalo (*.zenv) & Text File (*.txt)");

namespace {

// Qt takes the last parenthesised group of a filter as its patterns and, with the details hidden,
// shows what stands before it: so the label is followed by a group of its own.
QString filterFor(const QString& label, const QString& patterns)
{
    return label + QStringLiteral(" (") + patterns + QLatin1Char(')');
}

// Qt's own dialog opens too narrow for its columns of size, type and date, which it then cuts
// ("19....KiB"): those columns take the width of their texts, the name the rest, and the dialog
// opens wide enough for both, in the font's measure so that it grows with the font and the scale.
void showWholeColumns(QFileDialog& dialog)
{
    if (auto* details = dialog.findChild<QTreeView*>(QStringLiteral("treeView"))) {
        QHeaderView* header = details->header();
        header->setStretchLastSection(false);
        header->setSectionResizeMode(0, QHeaderView::Stretch);
        for (int column = 1; column < header->count(); ++column)
            header->setSectionResizeMode(column, QHeaderView::ResizeToContents);
    }
    const QFontMetrics metrics = dialog.fontMetrics();
    dialog.resize(std::max(dialog.width(), 130 * metrics.averageCharWidth()),
                  std::max(dialog.height(), 28 * metrics.height()));
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

// What tells the choosers apart.
struct Chooser
{
    QString title;
    QString acceptLabel;
    QFileDialog::AcceptMode acceptMode = QFileDialog::AcceptOpen;
    QFileDialog::FileMode fileMode = QFileDialog::ExistingFile;
    QString filter = {};
    QString folder = {};
    QString selected = {};
    QString defaultSuffix = {};
};

std::optional<QString> run(const Chooser& chooser)
{
    ChooserDialog dialog(QApplication::activeWindow());
    dialog.setWindowTitle(chooser.title);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setAcceptMode(chooser.acceptMode);
    dialog.setFileMode(chooser.fileMode);
    dialog.setLabelText(QFileDialog::Accept, chooser.acceptLabel);
    dialog.setNameFilter(chooser.filter);
    dialog.setDefaultSuffix(chooser.defaultSuffix);
    if (!chooser.folder.isEmpty())
        dialog.setDirectory(chooser.folder);
    if (!chooser.selected.isEmpty())
        dialog.selectFile(chooser.selected);
    showWholeColumns(dialog);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

} // namespace

std::optional<QString> CMyFileDialog::chooseNewDataSet(const QString& proposedName)
{
    Chooser chooser{QStringLiteral("Nova datumaro"), QStringLiteral("&Kreu")};
    chooser.fileMode = QFileDialog::AnyFile;
    chooser.filter = filterFor(dataSetFilterLabel, QStringLiteral("*.zenv"));
    chooser.selected = proposedName;
    return run(chooser);
}

std::optional<QString> CMyFileDialog::chooseFileToOpen(const QString& folder)
{
    Chooser chooser{QStringLiteral("Malfermu datumaron"), QStringLiteral("&Malfermu")};
    chooser.filter = filterFor(openFilterLabel, QStringLiteral("*.zenv *.txt"));
    chooser.folder = folder;
    chooser.defaultSuffix = QStringLiteral("txt");
    return run(chooser);
}

std::optional<QString> CMyFileDialog::chooseSaveAs(const QString& proposedPath)
{
    Chooser chooser{QStringLiteral("Sekurigu kiel"), QStringLiteral("&Sekurigu")};
    chooser.acceptMode = QFileDialog::AcceptSave;
    chooser.fileMode = QFileDialog::AnyFile;
    chooser.filter = filterFor(dataSetFilterLabel, QStringLiteral("*.zenv"));
    chooser.selected = proposedPath;
    return run(chooser);
}

std::optional<QString> CMyFileDialog::chooseDataSetToMerge(const QString& folder)
{
    Chooser chooser{QStringLiteral("Kompletigu el alia datumaro"), QStringLiteral("&Malfermu")};
    chooser.filter = filterFor(dataSetFilterLabel, QStringLiteral("*.zenv"));
    chooser.folder = folder;
    return run(chooser);
}

std::optional<QString> CMyFileDialog::chooseFileToImport(const QString& folder)
{
    Chooser chooser{QStringLiteral("Importu vortliston"), QStringLiteral("&Importu")};
    chooser.filter = QStringLiteral("Vortlistoj (*.csv *.tsv *.txt *.kvtml);;Ĉiuj dosieroj (*)");
    chooser.folder = folder;
    return run(chooser);
}

std::optional<QString> CMyFileDialog::chooseExportPath(const QString& proposedPath)
{
    const QStringList filters = {QStringLiteral("CSV (*.csv)"), QStringLiteral("TSV (*.tsv)"),
                                 QStringLiteral("KDE kvtml (*.kvtml)")};
    QFileDialog dialog(QApplication::activeWindow());
    dialog.setWindowTitle(QStringLiteral("Eksportu la datumaron"));
    dialog.setLabelText(QFileDialog::Accept, QStringLiteral("&Eksportu"));
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
    showWholeColumns(dialog);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}
