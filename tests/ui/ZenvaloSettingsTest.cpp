#include "ZenvaloSettings.h"

#include "TestFileSystem.h"

#include <sys/stat.h>

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

// The settings file is left alone when nothing changed, and never replaced when it is not a
// regular file.
class ZenvaloSettingsTest final : public QObject
{
    Q_OBJECT

private slots:
    void anUnchangedStartLeavesTheFileAndItsLinkAlone()
    {
        QTemporaryDir folder;
        const QString target = folder.filePath(QStringLiteral("real.ini"));
        const QString link = folder.filePath(QStringLiteral("settings.ini"));
        {
            ZenvaloSettings settings(fileSystem, target);
            settings.setLook(215);
            settings.setRecentFiles({QStringLiteral("/d/a.zenv")});
            settings.sync();
        }
        QVERIFY(QFile::link(target, link));
        struct stat before = {};
        QCOMPARE(::stat(QFile::encodeName(target).constData(), &before), 0);
        {
            ZenvaloSettings settings(fileSystem, link);
            QCOMPARE(settings.look(), 215);
            settings.setLook(215);
            settings.setRecentFiles({QStringLiteral("/d/a.zenv")});
            settings.sync();
        }
        struct stat after = {};
        QCOMPARE(::stat(QFile::encodeName(target).constData(), &after), 0);
        QCOMPARE(after.st_ino, before.st_ino);
        QCOMPARE(after.st_mtim.tv_nsec, before.st_mtim.tv_nsec);
        QVERIFY(QFileInfo(link).isSymLink());
    }

    void aFifoInPlaceOfTheFileNeitherBlocksNorIsReplaced()
    {
        QTemporaryDir folder;
        const QString fifo = folder.filePath(QStringLiteral("settings.ini"));
        QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        {
            ZenvaloSettings settings(fileSystem, fifo);
            QCOMPARE(settings.look(), ZenvaloSettings::defaultLook);
            settings.setLook(216);
            settings.sync();
        }
        struct stat status = {};
        QCOMPARE(::lstat(QFile::encodeName(fifo).constData(), &status), 0);
        QVERIFY(S_ISFIFO(status.st_mode));
    }
};

QTEST_MAIN(ZenvaloSettingsTest)
#include "ZenvaloSettingsTest.moc"
