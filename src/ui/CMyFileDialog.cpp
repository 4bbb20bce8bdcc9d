#include "CMyFileDialog.h"

#include <algorithm>

#include <QApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QFileDialog>
#include <QFileInfo>
#include <QHeaderView>
#include <QLineEdit>
#include <QTreeView>

const QString CMyFileDialog::dataSetFilterLabel = QStringLiteral("Zenvalo (*.zenv)");
const QString CMyFileDialog::openFilterLabel = QStringLiteral("Zenvalo (*.zenv) & Text File (*.txt)");

namespace {

constexpr char portalTheme[] = "xdgdesktopportal";

// Qt takes the last parenthesised group of a filter as its patterns; its own dialog, with the details
// hidden, and the desktop's portal show what stands before it: so the label is followed, without a
// space that the portal would keep, by a group of its own.
QString filterFor(const QString& label, const QString& patterns)
{
    return label + QLatin1Char('(') + patterns + QLatin1Char(')');
}

// The desktop's own file dialog is asked for through its portal, by Qt's portal theme. Without the
// portal, Qt's own dialog serves rather than a platform theme's native one: the GTK dialog names a
// filter by what stands before its first parenthesis, and "Zenvalo (*.zenv)" would read "Zenvalo".
// Asked once: a portal that is there answers at once, and D-Bus starts one that can be started.
bool desktopDialogAvailable()
{
    static const bool available = [] {
        if (qgetenv("QT_QPA_PLATFORMTHEME") != portalTheme)
            return false;
        QDBusConnection bus = QDBusConnection::sessionBus();
        if (!bus.isConnected())
            return false;
        QDBusMessage question = QDBusMessage::createMethodCall(
            QStringLiteral("org.freedesktop.portal.Desktop"),
            QStringLiteral("/org/freedesktop/portal/desktop"),
            QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"));
        question << QStringLiteral("org.freedesktop.portal.FileChooser") << QStringLiteral("version");
        return bus.call(question, QDBus::Block, 5000).type() == QDBusMessage::ReplyMessage;
    }();
    return available;
}

// The portal lists only existing files when opening, and a default suffix would be added to one whose
// name has no dot: so the suffix is given to Qt's own dialog only.
void useDialogOfTheDesktop(QFileDialog& dialog, const QString& defaultSuffix)
{
    if (desktopDialogAvailable()) {
        dialog.setOption(QFileDialog::DontUseNativeDialog, false);
    } else {
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        dialog.setDefaultSuffix(defaultSuffix);
    }
}

// The desktop's dialogs mark the mnemonic letter with an underscore, Qt's with an ampersand.
QString acceptLabelFor(QString label)
{
    if (desktopDialogAvailable())
        label.replace(QLatin1Char('&'), QLatin1Char('_'));
    return label;
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
    useDialogOfTheDesktop(dialog, chooser.defaultSuffix);
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setAcceptMode(chooser.acceptMode);
    dialog.setFileMode(chooser.fileMode);
    dialog.setLabelText(QFileDialog::Accept, acceptLabelFor(chooser.acceptLabel));
    dialog.setNameFilter(chooser.filter);
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

void CMyFileDialog::preferTheDesktopsDialogs()
{
    // The portal theme keeps the look of the theme Qt would have chosen and only adds the portal's
    // dialogs; a theme the user chose stays.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORMTHEME"))
        qputenv("QT_QPA_PLATFORMTHEME", portalTheme);
}

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
    dialog.setLabelText(QFileDialog::Accept, acceptLabelFor(QStringLiteral("&Eksportu")));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters(filters);
    // The suffix follows the chosen format: as the choice changes in Qt's own dialog, and from the
    // format chosen for a name typed without one in the desktop's.
    const auto suffixOf = [](const QString& filter) {
        return filter.mid(filter.lastIndexOf(QLatin1Char('.')) + 1).chopped(1);
    };
    useDialogOfTheDesktop(dialog, QStringLiteral("csv"));
    QObject::connect(
        &dialog, &QFileDialog::filterSelected, &dialog,
        [&dialog, suffixOf](const QString& filter) { dialog.setDefaultSuffix(suffixOf(filter)); });
    if (!proposedPath.isEmpty())
        dialog.selectFile(proposedPath);
    showWholeColumns(dialog);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    QString chosen = dialog.selectedFiles().constFirst();
    if (!QFileInfo(chosen).fileName().contains(QLatin1Char('.')))
        chosen += QLatin1Char('.') + suffixOf(dialog.selectedNameFilter());
    return chosen;
}
