#include "scoring/ScaleKeys.h"

#include <QTest>

namespace {

// The keyed "2" (false) items of each scale as the scoring manual lists them; every
// other item is keyed "1". Kept apart from the item-by-item keys on purpose.
const QList<QList<int>> kFalseItems = {
    {3, 7, 10},
    {1, 5, 6, 9, 12, 13, 19, 20, 24, 25, 29, 32, 33, 34, 35, 37},
    {8, 13, 16, 18, 19, 20, 28, 30, 32, 33, 34, 37},
};

QStringList filled(int n, const QString& answer)
{
    QStringList out;
    for (int i = 0; i < n; ++i)
        out << answer;
    return out;
}

QStringList keyed(int scale, bool opposite = false)
{
    QStringList out;
    for (int i = 1; i <= kScales[scale - 1].items; ++i) {
        const bool isFalse = kFalseItems[scale - 1].contains(i);
        out << ((isFalse != opposite) ? QStringLiteral("2") : QStringLiteral("1"));
    }
    return out;
}

// Only item `item` answered, with `answer`.
QStringList single(int scale, int item, const QString& answer)
{
    QStringList out = filled(kScales[scale - 1].items, QString());
    out[item - 1] = answer;
    return out;
}

} // namespace

class TestScaleKeys : public QObject
{
    Q_OBJECT
private slots:
    void keysAgreeWithTheListedItems()
    {
        for (int s = 1; s <= 3; ++s) {
            const QString key = ScaleKeys::key(s);
            QCOMPARE(key.size(), kScales[s - 1].items);
            for (int i = 1; i <= key.size(); ++i) {
                const int expected = kFalseItems[s - 1].contains(i) ? ScaleKeys::kFalse : ScaleKeys::kTrue;
                QCOMPARE(ScaleKeys::keyedAnswer(s, i), expected);
            }
        }
        QCOMPARE(ScaleKeys::key(1), QStringLiteral("TTFTTTFTTFTTT"));
        QCOMPARE(ScaleKeys::key(2), QStringLiteral("FTTTFFTTFTTFFTTTTTFFTTTFFTTTFTTFFFFTFTT"));
        QCOMPARE(ScaleKeys::key(3), QStringLiteral("TTTTTTTFTTTTFTTFTFFFTTTTTTTFTFTFFFTTFTTTTTTTTTTTT"));
        QCOMPARE(ScaleKeys::keyedAnswer(1, 0), 0);
        QCOMPARE(ScaleKeys::keyedAnswer(1, 14), 0);
        QVERIFY(ScaleKeys::key(4).isEmpty());
    }

    void scores_data()
    {
        QTest::addColumn<int>("scale");
        QTest::addColumn<QStringList>("answers");
        QTest::addColumn<int>("score");
        QTest::addColumn<QString>("unanswered");

        const int all[3] = {13, 39, 49}, ones[3] = {10, 23, 37}, twos[3] = {3, 16, 12};
        for (int s = 1; s <= 3; ++s) {
            const int n = kScales[s - 1].items;
            const QByteArray name = kScales[s - 1].name;
            QTest::addRow("%s all keyed", name.data()) << s << keyed(s) << all[s - 1] << QString();
            QTest::addRow("%s all opposite", name.data()) << s << keyed(s, true) << 0 << QString();
            QTest::addRow("%s all 1", name.data()) << s << filled(n, QStringLiteral("1")) << ones[s - 1] << QString();
            QTest::addRow("%s all 2", name.data()) << s << filled(n, QStringLiteral("2")) << twos[s - 1] << QString();
        }
        // Items keyed false count only when answered "2".
        const QList<QPair<int, int>> falseItems{{1, 3}, {1, 7}, {1, 10}, {2, 1}, {3, 8}};
        for (const auto& [s, item] : falseItems) {
            QString others;
            for (int i = 1; i <= kScales[s - 1].items; ++i)
                if (i != item)
                    others += QString::number(i) + QStringLiteral("  ");
            QTest::addRow("%s item %d answered 2", kScales[s - 1].name, item)
                << s << single(s, item, QStringLiteral("2")) << 1 << others;
            QTest::addRow("%s item %d answered 1", kScales[s - 1].name, item)
                << s << single(s, item, QStringLiteral("1")) << 0 << others;
        }
        QTest::addRow("AAS nothing answered")
            << 1 << filled(13, QString()) << 0 << QStringLiteral("1  2  3  4  5  6  7  8  9  10  11  12  13  ");
        QTest::addRow("AAS no answer row")
            << 1 << QStringList() << 0 << QStringLiteral("1  2  3  4  5  6  7  8  9  10  11  12  13  ");
        QStringList gaps = keyed(1);
        gaps[1] = QString();
        gaps[6] = QString();
        QTest::addRow("AAS items 2 and 7 unanswered") << 1 << gaps << 11 << QStringLiteral("2  7  ");
        QStringList nulls = keyed(2);
        nulls[38] = QString(); // a null text, as a column without a value reads
        QTest::addRow("APS last item null") << 2 << nulls << 38 << QStringLiteral("39  ");
    }

    void scores()
    {
        QFETCH(int, scale);
        QFETCH(QStringList, answers);
        QFETCH(int, score);
        QFETCH(QString, unanswered);
        const ScaleKeys::Result r = ScaleKeys::keyScale(kScales[scale - 1], answers);
        QCOMPARE(r.score, score);
        QCOMPARE(r.unanswered, unanswered);
    }

    void answersCompareByValue_data()
    {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<int>("reading");
        using R = ScaleKeys::Reading;
        QTest::newRow("1") << "1" << int(R::True);
        QTest::newRow("2") << "2" << int(R::False);
        QTest::newRow("01") << "01" << int(R::True);
        QTest::newRow("002") << "002" << int(R::False);
        QTest::newRow("1.0") << "1.0" << int(R::True);
        QTest::newRow("blanks around") << " 2 " << int(R::False);
        QTest::newRow("0") << "0" << int(R::Other);
        QTest::newRow("3") << "3" << int(R::Other);
        QTest::newRow("1.5") << "1.5" << int(R::Other);
        QTest::newRow("-1") << "-1" << int(R::Other);
        QTest::newRow("not a number") << "abc" << int(R::Other);
        QTest::newRow("number then letters") << "1abc" << int(R::Other);
        QTest::newRow("Persian answer word") << QStringLiteral("درست") << int(R::Other);
        QTest::newRow("only a blank") << " " << int(R::Other);
        QTest::newRow("empty") << "" << int(R::Unanswered);
    }

    void answersCompareByValue()
    {
        QFETCH(QString, answer);
        QFETCH(int, reading);
        QCOMPARE(int(ScaleKeys::read(answer)), reading);
    }

    void unexpectedAnswersAreNeitherCountedNorListed()
    {
        QStringList answers = keyed(1);
        answers[0] = QStringLiteral("01"); // keyed 1: counts
        answers[1] = QStringLiteral("0");  // keyed 1: answered, does not count
        answers[2] = QStringLiteral("x");  // keyed 2: answered, does not count
        const ScaleKeys::Result r = ScaleKeys::keyScale(kScales[0], answers);
        QCOMPARE(r.score, 11);
        QVERIFY(r.unanswered.isEmpty());
    }

    void keyingTwiceGivesTheSameScore()
    {
        const QStringList answers = filled(49, QStringLiteral("1"));
        QCOMPARE(ScaleKeys::keyScale(kScales[2], answers).score, 37);
        QCOMPARE(ScaleKeys::keyScale(kScales[2], answers).score, 37);
    }

    void warningTexts()
    {
        QCOMPARE(ScaleKeys::warningTitle(), QStringLiteral("خطا"));
        const QString list = QStringLiteral("2  7  ");
        QCOMPARE(ScaleKeys::warningText(1, list),
                 QStringLiteral("شما به سوالات زير مربوط به مقياس پذيرش اعتياد پاسخ نداده ايد\r\n\r\n2  7  "));
        QCOMPARE(ScaleKeys::warningText(2, list),
                 QStringLiteral("شما به سوالات زير مربوط به مقياس استعداد اعتياد پاسخ نداده ايد\r\n\r\n2  7  "));
        QCOMPARE(ScaleKeys::warningText(3, list),
                 QStringLiteral("شما به سوالات زير مربوط به مقياس مک اندرو پاسخ نداده ايد\r\n\r\n2  7  "));
        QCOMPARE(ScaleKeys::warningName(1), QStringLiteral("پذيرش اعتياد"));
        QCOMPARE(ScaleKeys::warningName(2), QStringLiteral("استعداد اعتياد"));
        QCOMPARE(ScaleKeys::warningName(3), QStringLiteral("مک اندرو"));
    }
};

QTEST_MAIN(TestScaleKeys)
#include "tst_scalekeys.moc"
