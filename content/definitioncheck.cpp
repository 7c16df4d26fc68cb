#include "content/definitioncheck.h"

#include "app/fault.h"
#include "app/numbers.h"

#include <QHash>

#include <limits>
#include <optional>

using namespace Qt::StringLiterals;

namespace {

constexpr int maximumCount = std::numeric_limits<qint16>::max();
constexpr int maximumRightCount = maximumCount / 3;

std::optional<double> strictValue(const QString &text)
{
    try {
        return Numbers::strictNumber(text);
    } catch (const ProgramFault &) {
        return std::nullopt;
    }
}

void checkDistinct(const QStringList &phrases, const QString &side, QStringList &problems)
{
    QHash<QString, int> first;
    for (int i = 0; i < phrases.size(); ++i) {
        const auto known = first.constFind(phrases[i]);
        if (known == first.cend())
            first.insert(phrases[i], i + 1);
        else
            problems << u"%1 phrase %2 repeats phrase %3 (\"%4\")"_s.arg(side).arg(i + 1).arg(*known).arg(phrases[i]);
    }
}

} // namespace

QStringList definitionProblems(const TestDefinition &test)
{
    QStringList problems;
    if (test.leftPhrases.size() > maximumCount)
        problems << u"%1 left phrases: at most %2 fit in a list"_s.arg(test.leftPhrases.size()).arg(maximumCount);
    if (test.rightPhrases.size() > maximumRightCount)
        problems << u"%1 right phrases: at most %2, since three times their count must fit in 16 bits"_s
                        .arg(test.rightPhrases.size())
                        .arg(maximumRightCount);

    for (int k = TestDefinition::slotCount + 1; k < test.explanationFlags.size(); ++k)
        if (Numbers::numericValue(test.explanationFlags[k]) > 0)
            problems << u"explanation flag of phrase %1 is \"%2\": explanation lines exist for phrases 1 to %3 only"_s
                            .arg(k)
                            .arg(test.explanationFlags[k])
                            .arg(TestDefinition::slotCount);

    for (int k = 1; k <= test.leftPhrases.size(); ++k) {
        const QString flag = test.pictureFlag(k);
        const std::optional<double> value = strictValue(flag);
        if (k >= test.pictureFlags.size())
            problems << u"picture flag list has no flag for left phrase %1"_s.arg(k);
        else if (!value)
            problems << u"picture flag of left phrase %1 is \"%2\", not a number"_s.arg(k).arg(flag);
        else if (*value != 0 && !TestDefinition::hasSlot(k))
            problems << u"picture flag of left phrase %1 is \"%2\": pictures exist for phrases 1 to %3 only"_s
                            .arg(k)
                            .arg(flag)
                            .arg(TestDefinition::slotCount);
    }

    checkDistinct(test.leftPhrases, u"left"_s, problems);
    checkDistinct(test.rightPhrases, u"right"_s, problems);
    return problems;
}
