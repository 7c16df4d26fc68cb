// The thumbnail of the phrase in hand and its enlargement in the picture window.

#include "app/numbers.h"
#include "app/testwindow.h"

void TestWindow::Show_Picture(qint16 k)
{
    // Any value but 0 picks the phrase's picture; a flag that is not a
    // number is a fault.
    const double flag = Numbers::strictNumber(m_test.pictureFlag(k));
    // A phrase number without a picture slot has no picture to show.
    if (flag != 0 && TestDefinition::hasSlot(k))
        Grafika[0].setPicture(m_test.pictureSlot(k).picture);
    else
        Grafika[0].setPicture(Grafika[1].picture());
    Vomar_Graphika.window.hide();
}

void TestWindow::Grafika_Click(qint16)
{
    const qint16 k = Picture_Number;
    if (!(Numbers::numericValue(m_test.pictureFlag(k)) > 0) || !TestDefinition::hasSlot(k))
        return;
    const PictureSlot slot = m_test.pictureSlot(k);
    Control &display = Vomar_Graphika.display;
    display.setWidth(slot.width);
    display.setHeight(slot.height);
    display.setPicture(slot.picture);
    Vomar_Graphika.window.setOuterWidth(slot.width + 100);
    Vomar_Graphika.window.setOuterHeight(slot.height + 250);
    Vomar_Graphika.window.show();
}
