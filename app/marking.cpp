// Marking the test, and what selecting a row of the three lists shows.

#include "app/numbers.h"
#include "app/testwindow.h"

using namespace Qt::StringLiterals;

void TestWindow::Evaluate_Test()
{
    Correct_Count = 0;
    const qint16 answers = Slowo[2].count();
    const double pairs = Numbers::numericValue(Nastroiki.item(0));
    // The correct pairs are (k, k) for k = 1..N: the first run of the key.
    // Its second run would pair unequal numbers when the two phrase lists
    // differ in length.
    for (int a = 0; a < answers; ++a)
        for (int j = 0; j < pairs; ++j)
            if (dum_N[2].item(a) == dum_N[4].item(j) && dum_N[3].item(a) == dum_N[5].item(j))
                Correct_Count = Numbers::checkedInt16(Correct_Count + 1);

    const qint16 mark = Numbers::toInt16(100.0 * Correct_Count / pairs);
    Uprawl[0].setEnabled(false);
    Uprawl[1].setEnabled(false);
    Ndapis.setText(u"Верни: "_s + QString::number(mark) + u"%"_s);
    if (Slowo[2].count() > 0)
        Slowo[2].setCurrentIndex(0);
    // Judges the first answer even when its row was current already.
    Slowo_Click(2);
    Prowerka[1].setVisible(true);
}

void TestWindow::Slowo_Click(qint16 index)
{
    switch (index) {
    case 0: {
        const int r = Slowo[0].currentIndex();
        dum_N[0].setCurrentIndex(r);
        Picture_Number = Numbers::toInt16(Numbers::numericValue(dum_N[0].item(r)));
        Show_Picture(Picture_Number);
        break;
    }
    case 1:
        dum_N[1].setCurrentIndex(Slowo[1].currentIndex());
        break;
    case 2: {
        Prowerka[0].setText(QString());
        const int s = Slowo[2].currentIndex();
        dum_N[2].setCurrentIndex(s);
        Picture_Number = Numbers::toInt16(Numbers::numericValue(dum_N[2].item(s)));
        Show_Picture(Picture_Number);
        const bool right = dum_N[2].item(s) == dum_N[3].item(s);
        Prowerka[1].setBackground(right ? Colours::green : Colours::red);
        Prowerka[1].setText(right ? u"ДА"_s : u"НЕ"_s);
        break;
    }
    default:
        break;
    }
}
