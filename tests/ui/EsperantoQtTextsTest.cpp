#include "EsperantoQtTexts.h"

#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

// What Qt says on its own reads in Esperanto once the program's texts are installed.
class EsperantoQtTextsTest final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QCoreApplication::installTranslator(new EsperantoQtTexts(this)); }

    void messageBoxesAndFileChoosersSpeakEsperanto()
    {
        QMessageBox question(QMessageBox::Question, QStringLiteral("Zenvalo"), QStringLiteral("?"),
                             QMessageBox::Yes | QMessageBox::No);
        QCOMPARE(question.button(QMessageBox::Yes)->text(), QStringLiteral("&Jes"));
        QCOMPARE(question.button(QMessageBox::No)->text(), QStringLiteral("&Ne"));
        QMessageBox error(QMessageBox::Critical, QStringLiteral("Zenvalo"), QStringLiteral("!"),
                          QMessageBox::Ok);
        QCOMPARE(error.button(QMessageBox::Ok)->text(), QStringLiteral("Bone"));

        QFileDialog chooser;
        chooser.setOption(QFileDialog::DontUseNativeDialog);
        QStringList labels;
        for (const QLabel* label : chooser.findChildren<QLabel*>())
            labels.append(label->text());
        QVERIFY2(labels.contains(QStringLiteral("Serĉu en:")), qPrintable(labels.join(u'|')));
        QVERIFY(labels.contains(QStringLiteral("&Nomo de la dosiero:")));
        QVERIFY(labels.contains(QStringLiteral("Specoj de dosieroj:")));
    }
};

QTEST_MAIN(EsperantoQtTextsTest)
#include "EsperantoQtTextsTest.moc"
