#include "app/fault.h"
#include "app/stringlist.h"
#include "testsupport.h"

#include <QTest>

using namespace Qt::StringLiterals;

class StringListTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void sortsByCollationIgnoringCase_data();
    void sortsByCollationIgnoringCase();
    void unsortedAppends();
    void currentIndexFollowsItsItem();
    void removingOrClearingTheCurrentLeavesNoSelection();
    void handlerRunsOnlyOnChangeFromCode();
    void handlerRunsBeforeSettingReturns();
    void readingPastTheEndGivesEmptyText();
    void faults();
};

void StringListTest::sortsByCollationIgnoringCase_data()
{
    QTest::addColumn<QStringList>("added");
    QTest::addColumn<QStringList>("shown");
    QTest::newRow("cyrillic_alphabet") << QStringList{u"щука"_s, u"жаба"_s, u"ябълка"_s, u"ёж"_s, u"бобър"_s}
                                       << QStringList{u"бобър"_s, u"ёж"_s, u"жаба"_s, u"щука"_s, u"ябълка"_s};
    QTest::newRow("case_ignored") << QStringList{u"Бета"_s, u"алфа"_s, u"Гама"_s, u"бар"_s}
                                  << QStringList{u"алфа"_s, u"бар"_s, u"Бета"_s, u"Гама"_s};
    QTest::newRow("trailing_blank_kept") << QStringList{u"метеоризъм"_s, u"метаболизъм "_s}
                                         << QStringList{u"метаболизъм "_s, u"метеоризъм"_s};
    QTest::newRow("equal_texts_in_order_of_adding") << QStringList{u"ток"_s, u"Ток"_s, u"бряг"_s}
                                                    << QStringList{u"бряг"_s, u"ток"_s, u"Ток"_s};
}

void StringListTest::sortsByCollationIgnoringCase()
{
    QFETCH(QStringList, added);
    QFETCH(QStringList, shown);
    StringList list(TestSupport::bulgarian());
    for (const QString &text : added)
        list.append(text);
    QCOMPARE(list.items(), shown);
}

void StringListTest::unsortedAppends()
{
    StringList list;
    QCOMPARE(list.append(u"я"_s), 0);
    QCOMPARE(list.append(u"а"_s), 1);
    QCOMPARE(list.items(), (QStringList{u"я"_s, u"а"_s}));
}

void StringListTest::currentIndexFollowsItsItem()
{
    StringList list(TestSupport::bulgarian());
    for (const QString &text : {u"б"_s, u"г"_s, u"е"_s})
        list.append(text);
    list.setCurrentIndex(1); // "г"
    list.append(u"а"_s);
    QCOMPARE(list.currentIndex(), 2);
    list.append(u"я"_s);
    QCOMPARE(list.currentIndex(), 2);
    list.removeAt(0);
    QCOMPARE(list.item(list.currentIndex()), u"г"_s);
    list.removeAt(3);
    QCOMPARE(list.item(list.currentIndex()), u"г"_s);
}

void StringListTest::removingOrClearingTheCurrentLeavesNoSelection()
{
    StringList list(QStringList{u"а"_s, u"б"_s, u"в"_s});
    list.setCurrentIndex(1);
    list.removeAt(1);
    QCOMPARE(list.currentIndex(), -1);
    list.setCurrentIndex(0);
    list.clear();
    QCOMPARE(list.currentIndex(), -1);
    QCOMPARE(list.count(), 0);
}

void StringListTest::handlerRunsOnlyOnChangeFromCode()
{
    StringList list(QStringList{u"а"_s, u"б"_s});
    int runs = 0;
    list.setSelectionHandler([&] { ++runs; });
    list.setCurrentIndex(1);
    list.setCurrentIndex(1);
    QCOMPARE(runs, 1);
    list.append(u"в"_s);
    list.removeAt(1);
    list.replace(0, u"г"_s);
    list.clear();
    QCOMPARE(runs, 1);
}

void StringListTest::handlerRunsBeforeSettingReturns()
{
    // Two lists that mirror each other's selection, as a list and its hidden
    // row-number list do: the write-back is no change and ends the chain.
    StringList shown(QStringList{u"а"_s, u"б"_s, u"в"_s});
    StringList numbers(QStringList{u"1"_s, u"2"_s, u"3"_s});
    int shownRuns = 0;
    int numberRuns = 0;
    shown.setSelectionHandler([&] {
        ++shownRuns;
        numbers.setCurrentIndex(shown.currentIndex());
    });
    numbers.setSelectionHandler([&] {
        ++numberRuns;
        shown.setCurrentIndex(numbers.currentIndex());
    });
    shown.setCurrentIndex(2);
    QCOMPARE(numbers.currentIndex(), 2);
    QCOMPARE(shownRuns, 1);
    QCOMPARE(numberRuns, 1);
}

void StringListTest::readingPastTheEndGivesEmptyText()
{
    StringList list(QStringList{u"а"_s});
    QCOMPARE(list.item(1), QString());
    QCOMPARE(list.item(100), QString());
    QCOMPARE(list.item(-1), QString());
}

void StringListTest::faults()
{
    StringList list(QStringList{u"а"_s});
    QVERIFY_THROWS_EXCEPTION(ProgramFault, list.setCurrentIndex(1));
    QVERIFY_THROWS_EXCEPTION(ProgramFault, list.setCurrentIndex(-2));
    QVERIFY_THROWS_EXCEPTION(ProgramFault, list.removeAt(1));
    QVERIFY_THROWS_EXCEPTION(ProgramFault, list.removeAt(-1));
    QVERIFY_THROWS_EXCEPTION(ProgramFault, list.replace(1, u"б"_s));
    QCOMPARE(list.items(), QStringList{u"а"_s});

    StringList full;
    for (int i = 0; i < 32767; ++i)
        full.append(QString());
    QVERIFY_THROWS_EXCEPTION(ProgramFault, full.append(QString()));
    QCOMPARE(full.count(), 32767);
}

QTEST_GUILESS_MAIN(StringListTest)
#include "tst_stringlist.moc"
