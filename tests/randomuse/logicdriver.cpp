#include "logicdriver.h"

#include "content/biologytest.h"
#include "testsupport.h"

LogicDriver::LogicDriver()
    : m_window(TestSupport::started(biologyTest())),
      m_settings(std::make_unique<SettingsHost>(*m_window, TestSupport::fakeFonts(), TestSupport::bulgarian()))
{
}

LogicDriver::~LogicDriver() = default;

void LogicDriver::selectRow(int list, int row) { m_window->Slowo[list].setCurrentIndex(row); }
void LogicDriver::pressButton(qint16 index) { m_window->pressButton(index); }
void LogicDriver::clickThumbnail() { m_window->Grafika_Click(0); }
void LogicDriver::chooseColor() { m_window->Cwqt_Click(); }
void LogicDriver::chooseOption(qint16 index) { settings()->chooseOption(index); }
void LogicDriver::moveSlider(qint16 index, int position) { settings()->moveSlider(index, position); }
void LogicDriver::chooseSize(int row) { settings()->List_font[1].setCurrentIndex(row); }
void LogicDriver::save() { settings()->mnu_zapis_Click(); }
void LogicDriver::cancel() { settings()->mnu_Otkaz_Click(); }
void LogicDriver::closeSettings() { settings()->window.hide(); }
