// The speech service is reached on a thread of its own: whenReady answers through the event loop,
// never for a context that is gone, and at once afterwards.

#include <QTest>
#include <memory>

#include "QtSpeechEngine.h"

class QtSpeechEngineTest final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // No speech daemon is started: the engine fails to reach one, which is an answer too.
        qputenv("SPEECHD_ADDRESS", "unix_socket:/nonexistent/zenvalo-test-speechd.sock");
    }

    void readinessComesThroughTheEventLoopAndOnlyToContextsStillThere()
    {
        QtSpeechEngine engine;
        QObject staying;
        auto gone = std::make_unique<QObject>();
        int stayingCalls = 0;
        int goneCalls = 0;
        engine.whenReady(&staying, [&] { ++stayingCalls; });
        engine.whenReady(gone.get(), [&] { ++goneCalls; });
        QCOMPARE(stayingCalls, 0);
        gone.reset();
        QTRY_COMPARE_WITH_TIMEOUT(stayingCalls, 1, 30000);
        QCOMPARE(goneCalls, 0);
        engine.whenReady(&staying, [&] { ++stayingCalls; });
        QCOMPARE(stayingCalls, 2);
        engine.say(QStringLiteral("saluton"), QStringLiteral("eo")); // no service: nothing happens
    }
};

QTEST_MAIN(QtSpeechEngineTest)
#include "QtSpeechEngineTest.moc"
