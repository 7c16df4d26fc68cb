#include "content/biologytest.h"
#include "content/definitioncheck.h"
#include "testsupport.h"

#include <QTest>

using namespace Qt::StringLiterals;

class DefinitionCheckTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void builtInTestKeepsEveryLimit();
    void eachLimit_data();
    void eachLimit();
};

void DefinitionCheckTest::builtInTestKeepsEveryLimit()
{
    QCOMPARE(definitionProblems(biologyTest()), QStringList());
}

void DefinitionCheckTest::eachLimit_data()
{
    QTest::addColumn<TestDefinition>("test");
    QTest::addColumn<QStringList>("problems");

    // 32 pairs with a flag for each, as the built-in test has.
    const TestDefinition good = TestSupport::numberedTest(32, 32);
    QTest::newRow("good") << good << QStringList();

    TestDefinition t = good;
    t.explanationFlags[31] = u"1"_s;
    QTest::newRow("explanation_above_30")
        << t << QStringList{u"explanation flag of phrase 31 is \"1\": explanation lines exist for phrases 1 to 30 only"_s};

    t = good;
    t.explanationFlags[30] = u"2"_s;
    t.explanationFlags[32] = u"нe"_s;
    QTest::newRow("explanation_30_and_word_above") << t << QStringList();

    t = good;
    t.pictureFlags[32] = u"-1"_s;
    QTest::newRow("picture_above_30")
        << t << QStringList{u"picture flag of left phrase 32 is \"-1\": pictures exist for phrases 1 to 30 only"_s};

    t = good;
    t.pictureFlags[4] = u"да"_s;
    QTest::newRow("picture_flag_not_a_number")
        << t << QStringList{u"picture flag of left phrase 4 is \"да\", not a number"_s};

    t = good;
    t.pictureFlags.resize(31);
    QTest::newRow("picture_flags_too_few") << t
                                           << QStringList{u"picture flag list has no flag for left phrase 31"_s,
                                                          u"picture flag list has no flag for left phrase 32"_s};

    t = good;
    t.leftPhrases[9] = u"L3"_s;
    t.rightPhrases[1] = u"R1"_s;
    QTest::newRow("repeated_phrases") << t
                                      << QStringList{u"left phrase 10 repeats phrase 3 (\"L3\")"_s,
                                                     u"right phrase 2 repeats phrase 1 (\"R1\")"_s};

    t = good;
    t.leftPhrases[5] = u"L5 "_s;
    QTest::newRow("trailing_blank_makes_it_distinct") << t << QStringList();

    t = TestSupport::numberedTest(3, 10923);
    QTest::newRow("right_count_16_bit")
        << t << QStringList{u"10923 right phrases: at most 10922, since three times their count must fit in 16 bits"_s};

    t = TestSupport::numberedTest(32768, 3);
    t.pictureFlags.resize(32769);
    QTest::newRow("left_count_16_bit") << t << QStringList{u"32768 left phrases: at most 32767 fit in a list"_s};
}

void DefinitionCheckTest::eachLimit()
{
    QFETCH(TestDefinition, test);
    QFETCH(QStringList, problems);
    QCOMPARE(definitionProblems(test), problems);
}

QTEST_GUILESS_MAIN(DefinitionCheckTest)
#include "tst_definitioncheck.moc"
