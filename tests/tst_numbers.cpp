#include "app/fault.h"
#include "app/numbers.h"

#include <QTest>

using namespace Qt::StringLiterals;

class NumbersTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void numericValue_data();
    void numericValue();
    void strictNumber_data();
    void strictNumber();
    void strictNumberRejects_data();
    void strictNumberRejects();
    void toInt16_data();
    void toInt16();
    void overflow();
};

void NumbersTest::numericValue_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");
    QTest::newRow("digits") << u"11250"_s << 11250.0;
    QTest::newRow("leading_blanks") << u"   42"_s << 42.0;
    QTest::newRow("trailing_text") << u"2835 twips"_s << 2835.0;
    QTest::newRow("negative") << u"-1"_s << -1.0;
    QTest::newRow("plus_sign") << u"+7"_s << 7.0;
    QTest::newRow("fraction") << u"12.75"_s << 12.75;
    QTest::newRow("bare_fraction") << u".5"_s << 0.5;
    QTest::newRow("empty") << QString() << 0.0;
    QTest::newRow("header") << u"Utochnenie dali ima grafika - 30 br"_s << 0.0;
    QTest::newRow("sign_alone") << u"-"_s << 0.0;
    QTest::newRow("blank_inside_number") << u"1 2"_s << 1.0;
}

void NumbersTest::numericValue()
{
    QFETCH(QString, text);
    QFETCH(double, value);
    QCOMPARE(Numbers::numericValue(text), value);
}

void NumbersTest::strictNumber_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");
    QTest::newRow("zero") << u"0"_s << 0.0;
    QTest::newRow("surrounding_blanks") << u"  2 "_s << 2.0;
    QTest::newRow("negative") << u"-1"_s << -1.0;
    QTest::newRow("fraction") << u"0.5"_s << 0.5;
}

void NumbersTest::strictNumber()
{
    QFETCH(QString, text);
    QFETCH(double, value);
    QCOMPARE(Numbers::strictNumber(text), value);
}

void NumbersTest::strictNumberRejects_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("empty") << QString();
    QTest::newRow("blanks") << u"   "_s;
    QTest::newRow("word") << u"да"_s;
    QTest::newRow("number_then_text") << u"1x"_s;
    QTest::newRow("two_numbers") << u"1 2"_s;
}

void NumbersTest::strictNumberRejects()
{
    QFETCH(QString, text);
    QVERIFY_THROWS_EXCEPTION(ProgramFault, Numbers::strictNumber(text));
}

void NumbersTest::toInt16_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("rounded");
    QTest::newRow("half_down_to_even") << 12.5 << 12;
    QTest::newRow("half_up_to_even") << 37.5 << 38;
    QTest::newRow("negative_half") << -2.5 << -2;
    QTest::newRow("below_half") << 3.125 << 3;
    QTest::newRow("above_half") << 96.875 << 97;
    QTest::newRow("largest") << 32767.4 << 32767;
    QTest::newRow("smallest") << -32768.0 << -32768;
}

void NumbersTest::toInt16()
{
    QFETCH(double, value);
    QFETCH(int, rounded);
    QCOMPARE(int(Numbers::toInt16(value)), rounded);
}

void NumbersTest::overflow()
{
    QVERIFY_THROWS_EXCEPTION(ProgramFault, Numbers::toInt16(32767.5));
    QVERIFY_THROWS_EXCEPTION(ProgramFault, Numbers::toInt16(-32769));
    QVERIFY_THROWS_EXCEPTION(ProgramFault, Numbers::toInt16(qQNaN()));
    QCOMPARE(int(Numbers::checkedInt16(3 * 10922)), 32766);
    QVERIFY_THROWS_EXCEPTION(ProgramFault, Numbers::checkedInt16(3 * 10923));
}

QTEST_GUILESS_MAIN(NumbersTest)
#include "tst_numbers.moc"
