#include "ProgramFolders.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

namespace ProgramFolders {

namespace {

const QString dataFolderName = QStringLiteral("Zenvalaro");

} // namespace

QString programFolder()
{
    return QDir::home().filePath(QStringLiteral("Zenvalo"));
}

QString dataFolder()
{
    return QDir(programFolder()).filePath(dataFolderName);
}

QString installedDataFolder()
{
    return QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("../share/zenvalo"));
}

bool installStarterData(const QString& programFolder, const QString& sourceFolder)
{
    const QDir program(programFolder);
    if (program.exists(dataFolderName))
        return true;
    if (!program.mkpath(dataFolderName))
        return false;
    const QDir source(sourceFolder);
    bool copied = true;
    for (const QString& name : {QStringLiteral("Zenvalo.txt"), QStringLiteral("Zenvalo(esprimoj).txt")})
        copied &=
            QFile::copy(source.filePath(name), program.filePath(dataFolderName + QLatin1Char('/') + name));
    const QString guide = QStringLiteral("Lisez-moi_Legu min.pdf");
    if (!program.exists(guide))
        copied &= QFile::copy(source.filePath(guide), program.filePath(guide));
    return copied;
}

} // namespace ProgramFolders
