#include "app/testwindow.h"

#include "appearance/appearancerecord.h"

using namespace Qt::StringLiterals;

namespace {

QStringList numbersFromOne(int last)
{
    QStringList numbers;
    for (int k = 1; k <= last; ++k)
        numbers << QString::number(k);
    return numbers;
}

Control button(Rect geometry, const QString &caption, Colour face)
{
    Control b(geometry);
    b.setText(caption);
    b.setBackground(face);
    return b;
}

Control box(Rect geometry, Colour background, bool visible)
{
    Control b(geometry);
    b.setBackground(background);
    b.setVisible(visible);
    return b;
}

Control hiddenPicture(Rect geometry)
{
    Control p(geometry);
    p.setVisible(false);
    return p;
}

} // namespace

// The window as built, before its load handler runs.
TestWindow::TestWindow(TestDefinition test, const QCollator &collation)
    : window(QString(29, u' '), 11910, 7005),
      Slowo{ListBox(Rect{240, 480, 6105, 2055}, collation),
            ListBox(Rect{6360, 480, 3375, 2055}, collation),
            ListBox(Rect{840, 2640, 9375, 1485})},
      dum_N{StringList(), StringList(), StringList(), StringList(),
            StringList(numbersFromOne(50)), StringList(numbersFromOne(50))},
      Nastroiki(QStringList{u"Zapiswam po-malkiq broj"_s}),
      Cweta(AppearanceRecord::defaults()),
      Ndapis(Rect{4440, 0, 1455, 375}),
      Prowerka{box(Rect{1800, 4680, 9135, 2055}, 14737632, true),
               box(Rect{10440, 3120, 495, 495}, Colours::green, false)},
      Uprawl{button(Rect{1200, 4200, 1215, 375}, u"Избрах"_s, 33023),
             button(Rect{4680, 4200, 1215, 375}, u"Върни"_s, 8454143),
             button(Rect{8400, 4200, 1215, 375}, u"Оцени"_s, 16761024),
             button(Rect{9720, 50, 1215, 375}, u"Обясни"_s, 49152)},
      Grafika{Control(Rect{120, 4680, 1575, 1335}), hiddenPicture(Rect{120, 5760, 1575, 1335})},
      m_test(std::move(test))
{
    window.setBackground(32768);
    Ndapis.setText(u"Оставащи:"_s);
    Ndapis.setBackground(8438015);
    Uprawl[2].setEnabled(false);

    for (qint16 i = 0; i < qint16(Slowo.size()); ++i)
        Slowo[i].setSelectionHandler([this, i] { Slowo_Click(i); });
    for (qint16 i = 0; i < qint16(dum_N.size()); ++i)
        dum_N[i].setSelectionHandler([this, i] { dum_N_Click(i); });
}

void TestWindow::Izhod_Click()
{
    if (m_exit)
        m_exit();
}

void TestWindow::Cwqt_Click()
{
    if (m_color)
        m_color();
}
