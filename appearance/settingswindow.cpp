#include "appearance/settingswindow.h"

#include "app/numbers.h"
#include "app/testwindow.h"
#include "appearance/appearancerecord.h"

using namespace Qt::StringLiterals;
using AppearanceRecord::colourAt;
using AppearanceRecord::colourItem;
using AppearanceRecord::componentItem;

namespace {

constexpr double labelFontSize = 9.75;
const QString layoutFontName = u"Times New Roman"_s;
constexpr std::array<double, 4> rowTops = {1560, 2040, 2520, 3000};
constexpr std::array<Colour, 3> componentColours = {192, 49152, 12582912};

Control label(Rect geometry, const QString &caption, std::optional<Colour> text = {}, bool visible = true)
{
    Control l(geometry);
    l.setText(caption);
    if (text)
        l.setForeground(*text);
    l.setFontName(layoutFontName);
    l.setFontSize(labelFontSize);
    l.setVisible(visible);
    return l;
}

Control rowCaption(int row, const QString &caption)
{
    return label(Rect{4200, rowTops[row], 1155, 285}, caption, {}, row < 3);
}

Slider slider(int row)
{
    return Slider(Rect{440, rowTops[row], 3000, 315});
}

OptionButton option(int row)
{
    OptionButton o(Rect{3860, rowTops[row], 345, 285});
    o.setChecked(row == 0);
    o.setVisible(row < 3);
    return o;
}

QStringList numbers(int first, int last)
{
    QStringList list;
    for (int n = first; n <= last; ++n)
        list << QString::number(n);
    return list;
}

ListBox list(Rect geometry, const QStringList &items, bool visible)
{
    ListBox l(geometry);
    for (const QString &item : items)
        l.append(item);
    l.setFontName(layoutFontName);
    l.setFontSize(labelFontSize);
    l.setVisible(visible);
    return l;
}

ListBox sortedList(Rect geometry, const QCollator &collation)
{
    ListBox l(geometry, collation);
    l.setVisible(false);
    return l;
}

} // namespace

// The window as built, before its load handler runs.
SettingsWindow::SettingsWindow(TestWindow &owner, FontToolkit fonts, const QCollator &collation)
    : window(u"Формиране на цвят/избор на шрифт"_s, 5535, 4710),
      picColor(Rect{240, 120, 5055, 915}),
      Label_Cv{label(Rect{120, rowTops[0], 320, 315}, u"Ч"_s, componentColours[0]),
               label(Rect{120, rowTops[1], 320, 315}, u"З"_s, componentColours[1]),
               label(Rect{120, rowTops[2], 320, 315}, u"С"_s, componentColours[2]),
               label(Rect{795, 1150, 4020, 255}, u"Цвят"_s),
               label(Rect{3860, 3450, 1490, 285}, u"Размер  шрифт"_s),
               rowCaption(0, u"Цвят форма"_s),
               rowCaption(1, u"Фон текст"_s),
               rowCaption(2, u"Цвят текст"_s),
               rowCaption(3, u"Цвят бутон"_s)},
      Label_ST{label(Rect{3440, rowTops[0], 315, 315}, u"R"_s, componentColours[0]),
               label(Rect{3440, rowTops[1], 315, 315}, u"G"_s, componentColours[1]),
               label(Rect{3440, rowTops[2], 315, 315}, u"B"_s, componentColours[2])},
      Slider1{slider(0), slider(1), slider(2)},
      Option1{option(0), option(1), option(2), option(3)},
      List_font{sortedList(Rect{600, 2900, 2655, 1200}, collation),
                list(Rect{3840, 3840, 855, 735}, numbers(8, 14), true),
                list(Rect{0, 3120, 150, 1485}, numbers(1, 19), false)},
      Text_Cv(Rect{600, 4200, 2655, 405}),
      m_owner(owner),
      m_fonts(std::move(fonts)),
      m_fontName(layoutFontName)
{
    window.setBackground(8421504);
    picColor.setBackground(12632256);
    Text_Cv.setText(u"Шрифт"_s);
    Text_Cv.setFontName(layoutFontName);
    Text_Cv.setFontSize(labelFontSize);
    for (qint16 i = 0; i < qint16(List_font.size()); ++i)
        List_font[i].setSelectionHandler([this, i] { List_font_Click(i); });
}

StringList &SettingsWindow::record()
{
    return m_owner.Cweta;
}

void SettingsWindow::Form_Load()
{
    m_target = 0;
    m_fontName = record().item(AppearanceRecord::fontNameItem);
    List_font[0].clear();
    Fill_Font_List();
    for (int i = 0; i < List_font[0].count(); ++i)
        if (List_font[0].item(i) == record().item(AppearanceRecord::fontNameItem))
            List_font[0].setCurrentIndex(i);
    Text_Cv.setFontSize(Numbers::numericValue(record().item(AppearanceRecord::fontSizeItem)));
    for (int i = 0; i < List_font[1].count(); ++i)
        if (List_font[1].item(i) == record().item(AppearanceRecord::fontSizeItem))
            List_font[1].setCurrentIndex(i);
    Opredeli_cwqt();
    for (int i = 0; i < 3; ++i)
        Slider1[i].setPosition(AppearanceRecord::wholeNumberAt(record(), componentItem(0, i)));
}

void SettingsWindow::Fill_Font_List()
{
    List_font[0].clear();
    for (const QString &name : m_fonts.screenFonts())
        List_font[0].append(name);
    for (int j = 0; j < List_font[0].count(); ++j)
        if (List_font[0].item(j) == m_fontName)
            List_font[0].setCurrentIndex(j);
}

void SettingsWindow::cwetowe_RGB(const Colour &colour)
{
    m_components = Colours::split(colour);
}

void SettingsWindow::Opredeli_cwqt()
{
    const Colour windowColour = colourAt(record(), colourItem(0));
    picColor.setBackground(windowColour);
    Option1[0].setBackground(windowColour);
    Text_Cv.setBackground(colourAt(record(), colourItem(1)));
    Option1[1].setBackground(colourAt(record(), colourItem(1)));
    Text_Cv.setForeground(colourAt(record(), colourItem(2)));
    Option1[2].setBackground(colourAt(record(), colourItem(2)));
    Option1[3].setBackground(colourAt(record(), colourItem(3)));
    for (int k = 0; k < AppearanceRecord::targetCount; ++k) {
        cwetowe_RGB(colourAt(record(), colourItem(k)));
        record().replace(componentItem(k, 0), QString::number(m_components.red));
        record().replace(componentItem(k, 1), QString::number(m_components.green));
        record().replace(componentItem(k, 2), QString::number(m_components.blue));
    }
}

void SettingsWindow::Otdelni_Update()
{
    for (int i = 0; i < 3; ++i)
        Label_ST[i].setText(QString::number(Slider1[i].position()));
    switch (m_target) {
    case 0:
        window.setBackground(m_workingColour);
        Option1[0].setBackground(m_workingColour);
        break;
    case 1:
        Text_Cv.setBackground(m_workingColour);
        Option1[1].setBackground(m_workingColour);
        break;
    case 2:
        Text_Cv.setForeground(m_workingColour);
        Option1[2].setBackground(m_workingColour);
        break;
    case 3:
        Option1[3].setBackground(m_workingColour);
        break;
    default:
        break;
    }
    picColor.setBackground(m_workingColour);
    Label_Cv[3].setText(u"Цвят в 10/16-тичен код = "_s + QString::number(m_workingColour) + u" /H"_s
                        + QString::number(m_workingColour, 16).toUpper());
}

void SettingsWindow::List_font_Click(qint16 index)
{
    if (index == 0) {
        const QString name = List_font[0].item(List_font[0].currentIndex());
        Text_Cv.setFontName(name);
        record().replace(AppearanceRecord::fontNameItem, name);
    } else if (index == 1) {
        Text_Cv.setFontSize(Numbers::numericValue(List_font[1].item(List_font[1].currentIndex())));
        const double realised = m_fonts.realisedPointSize(Text_Cv.fontName().value_or(m_fontName),
                                                          Text_Cv.fontSize().value_or(labelFontSize));
        record().replace(AppearanceRecord::fontSizeItem, QString::number(Numbers::toInt16(realised)));
    }
}

void SettingsWindow::composeWorkingColour()
{
    m_workingColour = Colours::compose(Slider1[0].position(), Slider1[1].position(), Slider1[2].position());
}

void SettingsWindow::Option1_Click(qint16 index)
{
    m_target = index;
    for (int i = 0; i < 3; ++i)
        Slider1[i].setPosition(AppearanceRecord::wholeNumberAt(record(), componentItem(index, i)));
    composeWorkingColour();
    Otdelni_Update();
}

void SettingsWindow::Slider1_Scroll(qint16 index)
{
    const int colour = colourItem(m_target);
    record().replace(colour + 1 + index, QString::number(Slider1[index].position()));
    composeWorkingColour();
    record().replace(colour, QString::number(m_workingColour));
    Otdelni_Update();
}

void SettingsWindow::mnu_zapis_Click()
{
    AppearanceRecord::apply(m_owner);
    close();
}

void SettingsWindow::mnu_Otkaz_Click()
{
    close();
}

void SettingsWindow::mnu_Danni_Click() {}

void SettingsWindow::chooseOption(qint16 index)
{
    for (int i = 0; i < int(Option1.size()); ++i)
        Option1[i].setChecked(i == index);
    Option1_Click(index);
}

void SettingsWindow::moveSlider(qint16 index, int position)
{
    Slider1[index].setPosition(position);
    Slider1_Scroll(index);
}

void SettingsWindow::close()
{
    window.hide();
}
