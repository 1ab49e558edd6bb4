#include <QTest>

#include "crt_random.h"
#include "evaluate.h"
#include "position.h"
#include "search.h"
#include "statistics_line.h"

class CStatisticsLineTest : public QObject {
    Q_OBJECT

private slots:
    void Format() {
        const std::string strBlanks(30, ' ');
        QCOMPARE(FormatStatisticsLine(-1, 0, 0, 0), "Hz: -1, Pos: 0, BS: 0, BW: 0" + strBlanks);
        QCOMPARE(FormatStatisticsLine(7, 1234567, -1000000, 1000000),
                 "Hz: 7, Pos: 1234567, BS: -1000000, BW: 1000000" + strBlanks);
        // A count past the 32-bit range, as an hour's think time reaches.
        QCOMPARE(FormatStatisticsLine(30, 40'000'000'000, 5, -5),
                 "Hz: 30, Pos: 40000000000, BS: 5, BW: -5" + strBlanks);
    }

    // Before any search the line starts with -1 and 0; with random moves on, white's score
    // takes the first random number and black's the second.
    void WhiteIsEvaluatedFirst() {
        Position pos;
        pos.ResetPosition();
        g_nSearchDepth = 0;
        g_nNodeCount = 0;
        g_bRandomMoves = 1;
        CrtSrand(12345);
        const int nFirst = Evaluate(pos, PLAYER_WHITE);
        const int nSecond = Evaluate(pos, PLAYER_BLACK);
        QVERIFY(nFirst != nSecond);  // the start position scores only the random term

        CrtSrand(12345);
        QCOMPARE(StatisticsLine(pos), FormatStatisticsLine(-1, 0, nSecond, nFirst));
    }
};

QTEST_APPLESS_MAIN(CStatisticsLineTest)
#include "statistics_line_test.moc"
