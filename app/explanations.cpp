// "Обясни": the correct partner of a left phrase, with its explanation lines.

#include "app/numbers.h"
#include "app/testwindow.h"

using namespace Qt::StringLiterals;

namespace {

const QString lineBreak = u"\r\n"_s;
const QString quote = u"\""_s;

} // namespace

void TestWindow::Explain_Pair(qint16 k)
{
    QString text = lineBreak + quote + m_test.leftPhrase(k - 1) + quote + u" е във връзка с "_s + quote
                   + m_test.rightPhrase(k - 1) + quote;
    if (Numbers::numericValue(m_test.explanationFlag(k)) > 0)
        for (const QString &line : m_test.explanationLines(k))
            text += lineBreak + line;
    Prowerka[0].setText(text);
    Show_Picture(k);
}

void TestWindow::Explain_Answer()
{
    const int s = Slowo[2].currentIndex();
    dum_N[2].setCurrentIndex(s);
    Explain_Pair(Numbers::toInt16(Numbers::numericValue(dum_N[2].item(s))));
}

void TestWindow::Explain_Selection()
{
    const int s = Slowo[0].currentIndex();
    if (s < 0)
        return;
    Prowerka[0].setText(QString());
    // Found before recording, which takes the phrase out of the left list.
    const qint16 k = Numbers::checkedInt16(dataPosition(m_test.leftPhrases, Slowo[0].item(s)) + 1);
    Record_Pair();
    Explain_Pair(k);
}
