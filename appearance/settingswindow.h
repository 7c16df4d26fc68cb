#pragma once

#include "app/colour.h"
#include "app/controls.h"

#include <QCollator>
#include <QStringList>

#include <array>
#include <functional>

class TestWindow;

// What the settings window needs to know of the fonts of the display.
struct FontToolkit
{
    // The names of the screen fonts, in the system's order.
    std::function<QStringList()> screenFonts;
    // The size in points that a font of this name takes when asked for
    // this size.
    std::function<double(const QString &family, double points)> realisedPointSize;
};

// The colour and font settings window. It edits the test window's
// appearance record, which it reads and writes through the test window
// only, with a live preview; "Запис" applies the record to the test window.
//
// Three sliders compose the colour of the selected target: 0 the window
// background, 1 the field background, 2 the field text (3, the button
// background, has a hidden option button). Every move writes the record at
// once, so closing without "Запис" keeps the edits.
class SettingsWindow
{
public:
    SettingsWindow(TestWindow &owner, FontToolkit fonts, const QCollator &collation);

    SettingsWindow(const SettingsWindow &) = delete;
    SettingsWindow &operator=(const SettingsWindow &) = delete;

    // The opening sequence; runs once, before the window is shown.
    void Form_Load();

    // Splits the colour into the component variables.
    void cwetowe_RGB(const Colour &colour);
    // Shows the record's colours and recomputes its component items.
    void Opredeli_cwqt();
    // Shows the slider values, the working colour and its code.
    void Otdelni_Update();

    void List_font_Click(qint16 index);
    void Option1_Click(qint16 index);
    // A move of the slider by the learner; positions set by code run nothing.
    void Slider1_Scroll(qint16 index);
    // "Запис": applies the record to the test window and closes.
    void mnu_zapis_Click();
    // "Отказ": closes without applying.
    void mnu_Otkaz_Click();
    void mnu_Danni_Click();

    // The learner's actions: what a click or a key does to the controls
    // before their handler runs.
    void chooseOption(qint16 index);
    void moveSlider(qint16 index, int position);

    int selectedTarget() const { return m_target; }

    Form window;
    Control picColor;
    std::array<Control, 9> Label_Cv;
    std::array<Control, 3> Label_ST;
    std::array<Slider, 3> Slider1;
    std::array<OptionButton, 4> Option1;
    std::array<ListBox, 3> List_font;
    Control Text_Cv;

private:
    void Fill_Font_List();
    void composeWorkingColour();
    void close();

    StringList &record();

    TestWindow &m_owner;
    FontToolkit m_fonts;
    QString m_fontName;
    int m_target = 0;
    Colour m_workingColour = 0;
    Colours::Components m_components;
};
