// Start-up of the test window: the working lists filled from the test.

#include "app/numbers.h"
#include "app/testwindow.h"

#include "app/fault.h"

int TestWindow::dataPosition(const QStringList &phrases, const QString &text)
{
    const qsizetype position = phrases.indexOf(text);
    if (position < 0)
        throw ProgramFault(QStringLiteral("Фразата \"%1\" липсва в теста.").arg(text));
    return int(position);
}

namespace {

// Row r of the mapped list gets the phrase number of the phrase shown at row r.
void mapRows(const StringList &shown, const QStringList &phrases, const StringList &key, StringList &numbers)
{
    numbers.clear();
    for (int r = 0; r < shown.count(); ++r)
        numbers.append(key.item(TestWindow::dataPosition(phrases, shown.item(r))));
}

void fillTwoRuns(StringList &key, int count)
{
    key.clear();
    for (int run = 0; run < 2; ++run)
        for (int k = 1; k <= count; ++k)
            key.append(QString::number(k));
}

} // namespace

void TestWindow::Form_Load()
{
    using Numbers::numericValue;

    Correct_Count = 0;
    window.setCaption(m_test.title());
    window.setOuterWidth(numericValue(m_test.layoutItem(1)));
    Slowo[0].setLeft(numericValue(m_test.layoutItem(2)));
    Slowo[0].setWidth(numericValue(m_test.layoutItem(3)));
    Slowo[1].setLeft(numericValue(m_test.layoutItem(4)));
    Slowo[1].setWidth(numericValue(m_test.layoutItem(5)));
    Prowerka[0].setText(m_test.instructions);

    const qint16 left = m_test.leftCount();
    const qint16 right = m_test.rightCount();
    Nastroiki.replace(0, QString::number(left < right ? left : right));

    Fill_Answer_Key();
    Fill_Phrase_Lists();
    Map_Phrase_Numbers();

    // A test without phrases on one side has no first row to select there.
    if (Slowo[0].count() > 0)
        Slowo[0].setCurrentIndex(0);
    if (Slowo[1].count() > 0)
        Slowo[1].setCurrentIndex(0);
    Update_Evaluate_Button();
}

void TestWindow::Fill_Answer_Key()
{
    fillTwoRuns(dum_N[4], m_test.leftCount());
    fillTwoRuns(dum_N[5], m_test.rightCount());
}

void TestWindow::Fill_Phrase_Lists()
{
    for (const QString &phrase : m_test.leftPhrases)
        Slowo[0].append(phrase);
    for (const QString &phrase : m_test.rightPhrases)
        Slowo[1].append(phrase);
}

void TestWindow::Map_Phrase_Numbers()
{
    mapRows(Slowo[0], m_test.leftPhrases, dum_N[4], dum_N[0]);
    mapRows(Slowo[1], m_test.rightPhrases, dum_N[5], dum_N[1]);
}

void TestWindow::Update_Evaluate_Button()
{
    const qint16 answers = Slowo[2].count();
    const qint16 rightLeft = Slowo[1].count();
    Uprawl[2].setEnabled(answers >= Numbers::checkedInt16(3 * qint64(rightLeft)));
}
