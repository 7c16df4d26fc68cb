// Recording and withdrawing answers, and the command buttons that lead there.

#include "app/fault.h"
#include "app/testwindow.h"

using namespace Qt::StringLiterals;

namespace {

enum Button : qint16 { Record = 0, Withdraw = 1, Evaluate = 2, Explain = 3 };

// The phrase whose number is first in the key's column; the key's first run
// holds the number of each data position.
QString phraseOfNumber(const StringList &key, const QStringList &phrases, const QString &number)
{
    const qsizetype position = key.items().indexOf(number);
    if (position < 0)
        throw ProgramFault(u"Фраза номер %1 липсва в ключа."_s.arg(number));
    return phrases.value(position);
}

} // namespace

void TestWindow::pressButton(qint16 index)
{
    if (index >= 0 && index < qint16(Uprawl.size()) && Uprawl[index].isEnabled())
        Uprawl_Click(index);
}

void TestWindow::Uprawl_Click(qint16 index)
{
    // "Оцени" follows the state before this click's own action.
    Update_Evaluate_Button();
    switch (index) {
    case Record:
        Record_Pair();
        break;
    case Withdraw:
        Withdraw_Pair();
        break;
    case Evaluate:
        if (Slowo[2].count() == 0)
            return;
        Evaluate_Test();
        Uprawl[Explain].setEnabled(true);
        Uprawl[Evaluate].setEnabled(false);
        break;
    case Explain:
        if (Uprawl[Record].isEnabled()) {
            if (Slowo[0].currentIndex() < 0 || Slowo[1].currentIndex() < 0)
                return;
            Explain_Selection();
            Uprawl[Explain].setEnabled(false);
        } else {
            if (Slowo[2].currentIndex() < 0)
                return;
            Explain_Answer();
            Uprawl[Evaluate].setEnabled(false);
        }
        break;
    default:
        break;
    }
}

void TestWindow::Record_Pair()
{
    const int li = Slowo[0].currentIndex();
    const int ri = Slowo[1].currentIndex();
    if (li < 0 || ri < 0)
        return;
    Slowo[2].append(Slowo[0].item(li) + u" "_s + Slowo[1].item(ri));
    dum_N[2].append(dum_N[0].item(li));
    dum_N[3].append(dum_N[1].item(ri));
    Slowo[0].removeAt(li);
    Slowo[1].removeAt(ri);
    dum_N[0].removeAt(li);
    dum_N[1].removeAt(ri);
    Show_Remaining();
}

void TestWindow::Show_Remaining()
{
    const qint16 left = Slowo[0].count();
    const qint16 right = Slowo[1].count();
    Ndapis.setText(u"Остават: "_s + QString::number(left < right ? left : right));
}

void TestWindow::Withdraw_Pair()
{
    const int a = Slowo[2].currentIndex();
    if (a < 0)
        return;
    const QString kl = dum_N[2].item(a);
    const QString kr = dum_N[3].item(a);
    Slowo[0].append(phraseOfNumber(dum_N[4], m_test.leftPhrases, kl));
    Slowo[1].append(phraseOfNumber(dum_N[5], m_test.rightPhrases, kr));
    dum_N[2].removeAt(a);
    dum_N[3].removeAt(a);
    Slowo[2].removeAt(a);
    if (Slowo[2].count() > a)
        Slowo[2].setCurrentIndex(a);
    Map_Phrase_Numbers();
    Show_Remaining();
    if (Slowo[2].currentIndex() < 0 && Slowo[2].count() > 0)
        Slowo[2].setCurrentIndex(Slowo[2].count() - 1);
}

void TestWindow::dum_N_Click(qint16 index)
{
    if (index == 0 || index == 1)
        Slowo[index].setCurrentIndex(dum_N[index].currentIndex());
}
