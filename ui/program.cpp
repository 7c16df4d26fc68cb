#include "ui/program.h"

#include "ui/fatalerror.h"
#include "ui/fonttoolkit.h"
#include "ui/settingswindowview.h"
#include "ui/testwindowview.h"

#include <QApplication>
#include <QLocale>

Program::Program(const TestDefinition &test)
    : m_state(test, QCollator(QLocale())), m_settings(m_state, screenFonts(), QCollator(QLocale()))
{
    m_state.setExitHandler([] { QCoreApplication::exit(0); });
    m_settings.setReplacingHandler([this] { m_settingsView.reset(); });
    m_settings.setCreatedHandler(
        [this](SettingsWindow &window) { m_settingsView = std::make_unique<SettingsWindowView>(window); });
}

Program::~Program() = default;

bool Program::start()
{
    FatalError::guard([&] {
        m_state.Form_Load();
        m_view = std::make_unique<TestWindowView>(m_state);
        m_state.window.show();
    });
    return !FatalError::reported();
}

int runProgram(const TestDefinition &test)
{
    Program program(test);
    if (!program.start())
        return 1;
    return QApplication::exec();
}
