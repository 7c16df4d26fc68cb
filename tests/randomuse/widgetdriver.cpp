#include "widgetdriver.h"

#include "content/biologytest.h"
#include "ui/program.h"
#include "ui/settingswindowview.h"
#include "ui/testwindowview.h"

#include <QListWidget>
#include <QMenuBar>
#include <QTest>

#include <rapidcheck.h>

using namespace Qt::StringLiterals;

WidgetDriver::WidgetDriver() : m_program(std::make_unique<Program>(biologyTest()))
{
    RC_ASSERT(m_program->start());
    RC_ASSERT(QTest::qWaitForWindowExposed(m_program->view()));
}

WidgetDriver::~WidgetDriver() = default;

TestWindow &WidgetDriver::testWindow()
{
    return m_program->testWindow();
}

SettingsWindow *WidgetDriver::settings()
{
    return m_program->settings().current();
}

QWidget *WidgetDriver::testWidget(const QString &name) const
{
    QWidget *widget = m_program->view()->findChild<QWidget *>(name);
    RC_ASSERT(widget != nullptr);
    return widget;
}

QWidget *WidgetDriver::settingsWidget(const QString &name) const
{
    RC_ASSERT(m_program->settingsView() != nullptr);
    QWidget *widget = m_program->settingsView()->findChild<QWidget *>(name);
    RC_ASSERT(widget != nullptr);
    return widget;
}

void WidgetDriver::clickRow(QWidget *widget, int row)
{
    auto *list = qobject_cast<QListWidget *>(widget);
    QListWidgetItem *item = list->item(row);
    RC_ASSERT(item != nullptr);
    list->scrollToItem(item);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(item).center());
}

void WidgetDriver::clickMenu(QMainWindow *window, const QString &name)
{
    for (QAction *action : window->menuBar()->actions())
        if (action->objectName() == name) {
            QTest::mouseClick(window->menuBar(), Qt::LeftButton, {},
                              window->menuBar()->actionGeometry(action).center());
            return;
        }
    RC_FAIL("no menu entry " + name.toStdString());
}

void WidgetDriver::selectRow(int list, int row)
{
    clickRow(testWidget(u"Slowo_"_s + QString::number(list)), row);
}

void WidgetDriver::pressButton(qint16 index)
{
    QTest::mouseClick(testWidget(u"Uprawl_"_s + QString::number(index)), Qt::LeftButton);
}

void WidgetDriver::clickThumbnail()
{
    QTest::mouseClick(testWidget(u"Grafika_0"_s), Qt::LeftButton);
}

void WidgetDriver::chooseColor()
{
    clickMenu(m_program->view(), u"Cwqt"_s);
    RC_ASSERT(QTest::qWaitForWindowExposed(m_program->settingsView()));
}

void WidgetDriver::chooseOption(qint16 index)
{
    QTest::mouseClick(settingsWidget(u"Option1_"_s + QString::number(index)), Qt::LeftButton);
}

void WidgetDriver::moveSlider(qint16 index, int position)
{
    QWidget *slider = settingsWidget(u"Slider1_"_s + QString::number(index));
    slider->setFocus();
    QTest::keyClick(slider, Qt::Key_Home);
    for (int i = 0; i < position / 10; ++i)
        QTest::keyClick(slider, Qt::Key_PageUp);
    for (int i = 0; i < position % 10; ++i)
        QTest::keyClick(slider, Qt::Key_Right);
}

void WidgetDriver::chooseSize(int row)
{
    clickRow(settingsWidget(u"List_font_1"_s), row);
}

void WidgetDriver::save()
{
    clickMenu(m_program->settingsView(), u"mnu_zapis"_s);
}

void WidgetDriver::cancel()
{
    clickMenu(m_program->settingsView(), u"mnu_Otkaz"_s);
}

void WidgetDriver::closeSettings()
{
    m_program->settingsView()->close();
}
