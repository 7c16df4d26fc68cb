#include "testsupport.h"

#include "app/numbers.h"

#include <QRegularExpression>
#include <QTest>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace TestSupport {

QCollator bulgarian()
{
    return QCollator(QLocale(QLocale::Bulgarian, QLocale::Bulgaria));
}

TestDefinition numberedTest(int left, int right)
{
    TestDefinition test;
    test.titleAndLayout = {u"Числа"_s, u"11250"_s, u"20"_s, u"2835"_s, u"2960"_s, u"8075"_s};
    for (int k = 1; k <= left; ++k)
        test.leftPhrases << u"L"_s + QString::number(k);
    for (int k = 1; k <= right; ++k)
        test.rightPhrases << u"R"_s + QString::number(k);
    test.instructions = u"Указания\r\n"_s;
    test.explanationFlags << u"header"_s;
    test.pictureFlags << u"header"_s;
    for (int k = 1; k <= qMax(left, right); ++k) {
        test.explanationFlags << u"0"_s;
        test.pictureFlags << u"0"_s;
    }
    return test;
}

FontToolkit fakeFonts()
{
    return FontToolkit{
        [] { return QStringList{u"Times New Roman"_s, u"DejaVu Sans"_s, u"Arial"_s, u"liberation serif"_s}; },
        [](const QString &, double points) { return points == 13 ? 12.75 : points == 11 ? 10.5 : points; }};
}

void failOnStrayWarnings()
{
    QTest::failOnWarning(QRegularExpression(u"^(?!This plugin does not support (propagateSizeHints|raise)\\(\\)$)"_s));
}

std::unique_ptr<TestWindow> started(const TestDefinition &test)
{
    auto window = std::make_unique<TestWindow>(test, bulgarian());
    window->Form_Load();
    return window;
}

int rowOf(const StringList &list, const QString &text)
{
    return int(list.items().indexOf(text));
}

void record(TestWindow &window, const QString &left, const QString &right)
{
    window.Slowo[0].setCurrentIndex(rowOf(window.Slowo[0], left));
    window.Slowo[1].setCurrentIndex(rowOf(window.Slowo[1], right));
    window.pressButton(0);
}

void recordNumbers(TestWindow &window, const Pairs &pairs)
{
    const TestDefinition &test = window.definition();
    for (const auto &[left, right] : pairs)
        record(window, test.leftPhrase(left - 1), test.rightPhrase(right - 1));
}

namespace {

QString brokenMapping(const StringList &shown, const StringList &numbers, const QStringList &phrases,
                      const char *side)
{
    if (shown.count() != numbers.count())
        return u"%1: %2 rows, %3 numbers"_s.arg(QLatin1String(side)).arg(shown.count()).arg(numbers.count());
    for (int r = 0; r < shown.count(); ++r) {
        const int k = int(Numbers::numericValue(numbers.item(r)));
        if (phrases.value(k - 1) != shown.item(r))
            return u"%1: row %2 shows \"%3\" but carries %4"_s.arg(QLatin1String(side)).arg(r).arg(shown.item(r),
                                                                                                     numbers.item(r));
    }
    return {};
}

QString brokenPlacement(const StringList &free, const StringList &answered, int count, const char *side)
{
    QList<QString> all = free.items() + answered.items();
    std::sort(all.begin(), all.end(), [](const QString &a, const QString &b) { return a.toInt() < b.toInt(); });
    QStringList expected;
    for (int k = 1; k <= count; ++k)
        expected << QString::number(k);
    if (all != expected)
        return u"%1: phrase numbers %2"_s.arg(QLatin1String(side), all.join(u','));
    return {};
}

QString brokenKey(const StringList &key, int count, const char *side)
{
    QStringList expected;
    for (int run = 0; run < 2; ++run)
        for (int k = 1; k <= count; ++k)
            expected << QString::number(k);
    return key.items() == expected ? QString() : u"%1 answer key changed"_s.arg(QLatin1String(side));
}

} // namespace

QString brokenInvariant(const TestWindow &window)
{
    const TestDefinition &test = window.definition();
    const auto &w = window;
    for (const QString &broken :
         {brokenMapping(w.Slowo[0], w.dum_N[0], test.leftPhrases, "left"),
          brokenMapping(w.Slowo[1], w.dum_N[1], test.rightPhrases, "right"),
          w.dum_N[2].count() == w.Slowo[2].count() && w.dum_N[3].count() == w.Slowo[2].count()
              ? QString()
              : u"answer number lists out of step with the answers"_s,
          brokenPlacement(w.dum_N[0], w.dum_N[2], test.leftCount(), "left"),
          brokenPlacement(w.dum_N[1], w.dum_N[3], test.rightCount(), "right"),
          brokenKey(w.dum_N[4], test.leftCount(), "left"), brokenKey(w.dum_N[5], test.rightCount(), "right"),
          w.Nastroiki.item(0) == QString::number(qMin(test.leftCount(), test.rightCount()))
              ? QString()
              : u"pair count changed"_s})
        if (!broken.isEmpty())
            return broken;
    return {};
}

} // namespace TestSupport
