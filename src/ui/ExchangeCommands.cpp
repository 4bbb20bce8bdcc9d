#include "ExchangeCommands.h"

#include "CDlg_Importu.h"
#include "CWordStore.h"
#include "DataSetCommands.h"
#include "DataSetExport.h"
#include "FileChooser.h"
#include "FileFailureText.h"
#include "ImportPlan.h"
#include "ImportReader.h"
#include "Prompts.h"
#include "QtText.h"

#include <QFileInfo>

namespace {

QString quoted(const QString& path)
{
    return QStringLiteral("« %1 »").arg(path);
}

QString wordCount(int count)
{
    return (count < 2 ? QStringLiteral("%1 vorto") : QStringLiteral("%1 vortoj")).arg(count);
}

QString importSummary(const ImportPreview& preview, int appended)
{
    QString text = QStringLiteral("Importitaj: %1.").arg(wordCount(appended));
    const struct
    {
        RowFate fate;
        QString one;
        QString more;
    } leftOut[] = {
        {RowFate::AlreadyStored, QStringLiteral("jam registrita"), QStringLiteral("jam registritaj")},
        {RowFate::EmptyText, QStringLiteral("kun malplena teksto"), QStringLiteral("kun malplena teksto")},
        {RowFate::Unstorable, QStringLiteral("kun « ; » aŭ linirompo"),
         QStringLiteral("kun « ; » aŭ linirompo")},
    };
    QStringList reasons;
    for (const auto& [fate, one, more] : leftOut)
        if (const int count = preview.count(fate); count > 0)
            reasons.append(QStringLiteral("%1 %2").arg(count).arg(count == 1 ? one : more));
    if (!reasons.isEmpty())
        text += QStringLiteral("\nPreterlasitaj linioj: %1.").arg(reasons.join(QStringLiteral(", ")));
    if (const int substituted = preview.count(RowFate::TakenWithSubstitutes); substituted > 0)
        text += QStringLiteral("\nLinioj kun « ; » aŭ linirompo anstataŭigitaj: %1.").arg(substituted);
    if (preview.lessonsWithoutCategory > 0)
        text += QStringLiteral("\nLecionoj sen libera kategorio (iliaj vortoj restas sen kategorio): %1.")
                    .arg(preview.lessonsWithoutCategory);
    return text;
}

} // namespace

ExchangeCommands::ExchangeCommands(CWordStore& store, Prompts& prompts, FileChooser& files,
                                   FileSystem& fileSystem)
    : m_store(store), m_prompts(prompts), m_files(files), m_fileSystem(fileSystem)
{}

QString ExchangeCommands::importErrorText(const QString& path, const ImportError& error)
{
    QString reason;
    switch (error.problem) {
    case ImportProblem::None:
        break;
    case ImportProblem::CannotOpen:
        reason = QStringLiteral("la dosiero ne malfermeblas.");
        break;
    case ImportProblem::CannotRead:
        reason = QStringLiteral("la dosiero ne legeblas.");
        break;
    case ImportProblem::TooLarge:
        reason = QStringLiteral("la dosiero estas tro granda (pli ol %1 MB).").arg(maxImportBytes >> 20);
        break;
    case ImportProblem::Binary:
        reason = QStringLiteral("ĝi ne estas tekstodosiero.");
        break;
    case ImportProblem::Empty:
        reason = QStringLiteral("ĝi enhavas neniun vorton.");
        break;
    case ImportProblem::UnbalancedQuote:
        reason = QStringLiteral("la citilo malfermita en linio %1 neniam fermiĝas.").arg(error.line);
        break;
    case ImportProblem::LineTooLong:
        reason = QStringLiteral("linio %1 estas tro longa.").arg(error.line);
        break;
    case ImportProblem::MalformedXml:
        reason = QStringLiteral("la XML estas difektita en linio %1.").arg(error.line);
        break;
    case ImportProblem::NotVocabularyXml:
        reason = QStringLiteral("ĝi ne estas vortlisto kvtml 2.0.");
        break;
    }
    return QStringLiteral("Ne eblis importi %1 :\n%2").arg(quoted(path), reason);
}

bool ExchangeCommands::importFile(QWidget* parent)
{
    if (m_store.count() < 0)
        return false;
    const auto chosen = m_files.chooseFileToImport(DataSetCommands::defaultFolder());
    if (!chosen)
        return false;
    ImportedTable table;
    if (const ImportError error = readImportFile(m_fileSystem, toText(*chosen), table)) {
        m_prompts.showError(importErrorText(*chosen, error));
        return false;
    }
    CDlg_Importu dialog(table, m_store, parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    const int appended = applyImport(m_store, dialog.preview());
    m_prompts.showInformation(importSummary(dialog.preview(), appended));
    return appended > 0 || dialog.preview().namesChange;
}

void ExchangeCommands::exportDataSet()
{
    if (m_store.count() < 0)
        return;
    QString proposed = toQString(m_store.dataPath());
    if (proposed.endsWith(QStringLiteral(".zenv")))
        proposed = proposed.chopped(5) + QStringLiteral(".csv");
    const auto chosen = m_files.chooseExportPath(proposed);
    if (!chosen)
        return;
    const std::u16string path = toText(*chosen);
    const FileResult result =
        ::exportDataSet(m_fileSystem, m_store, path, exportFormatOfPath(path).value_or(ExchangeFormat::Csv));
    if (!result)
        m_prompts.showError(QStringLiteral("Ne eblis eksporti al %1 :\n%2")
                                .arg(quoted(*chosen), toQString(failureReason(result))));
}
