#pragma once

#include "app/controls.h"
#include "app/picturewindow.h"
#include "app/stringlist.h"
#include "content/testdefinition.h"

#include <QCollator>

#include <array>
#include <functional>

// The test window: the whole working state of one attempt at the test and
// every handler that works on it.
//
// Lists: Slowo(0) and Slowo(1) show the left and right phrases not yet used,
// sorted; Slowo(2) the recorded answers in order of entry. Hidden lists:
// dum_N(0) and dum_N(1) hold the phrase number of each row of the left and
// right lists; dum_N(2) and dum_N(3) the left and right phrase numbers of
// each answer; dum_N(4) and dum_N(5) the answer key; Nastroiki item 0 the
// pair count; Cweta the appearance record, which only the settings window
// reads and writes.
//
// Invariants: dum_N(0) and dum_N(1) run parallel to the left and right
// lists, dum_N(2) and dum_N(3) to the answers; every phrase number stands in
// exactly one place, a row of its list or one answer; the answer key and the
// pair count do not change after start-up.
class TestWindow
{
public:
    TestWindow(TestDefinition test, const QCollator &collation);

    TestWindow(const TestWindow &) = delete;
    TestWindow &operator=(const TestWindow &) = delete;

    const TestDefinition &definition() const { return m_test; }

    // The load handler; runs once, before the window is first shown.
    void Form_Load();

    // "Exit": the program ends at once.
    void Izhod_Click();
    // "Color": opens the settings window.
    void Cwqt_Click();

    // The four command buttons: 0 "Избрах", 1 "Върни", 2 "Оцени", 3 "Обясни".
    void Uprawl_Click(qint16 index);
    // A press of a button by the learner: nothing when it is disabled.
    void pressButton(qint16 index);

    void Slowo_Click(qint16 index);
    void dum_N_Click(qint16 index);
    // The thumbnail; the index is not used.
    void Grafika_Click(qint16 index);

    // What ends the program and what opens the settings window belong to
    // whoever runs the window.
    void setExitHandler(std::function<void()> handler) { m_exit = std::move(handler); }
    void setColorHandler(std::function<void()> handler) { m_color = std::move(handler); }

    // The first data position whose phrase equals the text, compared exactly;
    // a fault when the test has no such phrase.
    static int dataPosition(const QStringList &phrases, const QString &text);

    Form window;
    std::array<ListBox, 3> Slowo;
    std::array<StringList, 6> dum_N;
    StringList Nastroiki;
    StringList Cweta;
    Control Ndapis;
    std::array<Control, 2> Prowerka;
    std::array<Control, 4> Uprawl;
    std::array<Control, 2> Grafika;
    qint16 Correct_Count = 0;
    qint16 Picture_Number = 0;
    PictureWindow Vomar_Graphika;

private:
    void Fill_Answer_Key();
    void Fill_Phrase_Lists();
    void Map_Phrase_Numbers();
    void Update_Evaluate_Button();

    void Record_Pair();
    void Withdraw_Pair();
    void Show_Remaining();

    void Evaluate_Test();

    void Explain_Pair(qint16 k);
    void Explain_Answer();
    void Explain_Selection();

    void Show_Picture(qint16 k);

    const TestDefinition m_test;
    std::function<void()> m_exit;
    std::function<void()> m_color;
};
