// Walks the accessibility tree of each window, as a screen reader would see
// it, and fails on a visible control without a name or with a wrong role.

#include "content/biologytest.h"
#include "testsupport.h"
#include "ui/picturewindowview.h"
#include "ui/program.h"
#include "ui/settingswindowview.h"
#include "ui/testwindowview.h"

#include <QAccessible>
#include <QListWidget>
#include <QMenuBar>
#include <QSet>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// The roles each kind of control may have, by the start of its name.
QList<QAccessible::Role> rolesFor(const QString &name)
{
    static const QList<QPair<QString, QList<QAccessible::Role>>> table = {
        {u"Slowo_"_s, {QAccessible::List}},
        {u"List_font_"_s, {QAccessible::List}},
        {u"Uprawl_"_s, {QAccessible::Button}},
        {u"Prowerka_"_s, {QAccessible::EditableText}},
        {u"Text_Cv_"_s, {QAccessible::EditableText}},
        {u"Ndapis"_s, {QAccessible::StaticText}},
        {u"Label_"_s, {QAccessible::StaticText}},
        {u"Grafika_"_s, {QAccessible::Graphic, QAccessible::StaticText}},
        {u"Graphika_"_s, {QAccessible::Graphic, QAccessible::StaticText}},
        {u"picColor"_s, {QAccessible::Graphic, QAccessible::StaticText}},
        {u"Slider1_"_s, {QAccessible::Slider}},
        {u"Option1_"_s, {QAccessible::RadioButton}},
    };
    for (const auto &[prefix, roles] : table)
        if (name.startsWith(prefix))
            return roles;
    return {};
}

struct Walk
{
    QSet<QString> named;      // controls reached in the tree
    QStringList problems;
    QStringList menuItems;
};

void walk(QAccessibleInterface *node, Walk &result)
{
    if (!node || node->state().invisible)
        return;
    const QString objectName = node->object() ? node->object()->objectName() : QString();
    const QList<QAccessible::Role> roles = rolesFor(objectName);
    if (!roles.isEmpty()) {
        result.named.insert(objectName);
        if (node->text(QAccessible::Name).trimmed().isEmpty())
            result.problems << objectName + u": no name"_s;
        if (!roles.contains(node->role()))
            result.problems << objectName + u": role "_s + QString::number(node->role());
    }
    if (node->role() == QAccessible::MenuItem)
        result.menuItems << node->text(QAccessible::Name);
    for (int i = 0; i < node->childCount(); ++i)
        walk(node->child(i), result);
}

// The visible controls of the window, by their names.
QSet<QString> visibleControls(QWidget *window)
{
    QSet<QString> names;
    for (QWidget *child : window->findChildren<QWidget *>())
        if (child->isVisible() && !rolesFor(child->objectName()).isEmpty())
            names.insert(child->objectName());
    return names;
}

} // namespace

class AccessibilityTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void everyVisibleControlHasANameAndItsRole_data();
    void everyVisibleControlHasANameAndItsRole();
    void namesDescriptionsAndValues();

private:
    std::unique_ptr<Program> m_program;
};

void AccessibilityTest::init()
{
    TestSupport::failOnStrayWarnings();
}

void AccessibilityTest::cleanup()
{
    m_program.reset();
}

void AccessibilityTest::everyVisibleControlHasANameAndItsRole_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QStringList>("menu");
    QTest::newRow("test_window") << u"test"_s << QStringList{u"Exit"_s, u"Color"_s};
    QTest::newRow("test_window_marked") << u"marked"_s << QStringList{u"Exit"_s, u"Color"_s};
    QTest::newRow("settings_window") << u"settings"_s << QStringList{u"Запис"_s, u"Отказ"_s};
    QTest::newRow("picture_window") << u"picture"_s << QStringList{};
}

void AccessibilityTest::everyVisibleControlHasANameAndItsRole()
{
    QFETCH(QString, window);
    QFETCH(QStringList, menu);
    TestDefinition test = biologyTest();
    test.pictureFlags[1] = u"1"_s;
    m_program = std::make_unique<Program>(test);
    QVERIFY(m_program->start());
    QVERIFY(QTest::qWaitForWindowExposed(m_program->view()));

    QWidget *shown = m_program->view();
    if (window == u"marked") {
        TestWindow &state = m_program->testWindow();
        state.pressButton(TestSupport::Record);
        state.pressButton(TestSupport::Evaluate);
        state.Uprawl_Click(TestSupport::Evaluate);
    } else if (window == u"settings") {
        m_program->testWindow().Cwqt_Click();
        shown = m_program->settingsView();
    } else if (window == u"picture") {
        m_program->testWindow().Slowo[0].setCurrentIndex(
            TestSupport::rowOf(m_program->testWindow().Slowo[0], test.leftPhrase(0)));
        m_program->testWindow().Grafika_Click(0);
        shown = m_program->view()->pictureWindow();
    }
    QVERIFY(QTest::qWaitForWindowExposed(shown));

    Walk result;
    walk(QAccessible::queryAccessibleInterface(shown), result);
    QVERIFY2(result.problems.isEmpty(), qPrintable(result.problems.join(u"; "_s)));
    const QSet<QString> expected = visibleControls(shown);
    QVERIFY(!expected.isEmpty());
    QCOMPARE(result.named, expected);
    QCOMPARE(result.menuItems, menu);
}

void AccessibilityTest::namesDescriptionsAndValues()
{
    m_program = std::make_unique<Program>(biologyTest());
    QVERIFY(m_program->start());
    TestWindowView *view = m_program->view();
    QVERIFY(QTest::qWaitForWindowExposed(view));
    auto *left = view->findChild<QListWidget *>(u"Slowo_0"_s);
    QAccessibleInterface *list = QAccessible::queryAccessibleInterface(left);
    QCOMPARE(list->text(QAccessible::Name), u"Изрази отляво"_s);
    QCOMPARE(list->text(QAccessible::Description), u"Посочете елемента в релацията"_s);
    QStringList items;
    for (int i = 0; i < list->childCount(); ++i)
        items << list->child(i)->text(QAccessible::Name);
    QVERIFY2(items.contains(u"абулия"_s), qPrintable(items.join(u", "_s)));

    QAccessibleInterface *counter = QAccessible::queryAccessibleInterface(view->findChild<QWidget *>(u"Ndapis"_s));
    QCOMPARE(counter->text(QAccessible::Name), u"Оставащи:"_s);

    TestWindow &state = m_program->testWindow();
    TestSupport::recordNumbers(state, {{1, 1}, {2, 3}});
    state.Uprawl_Click(TestSupport::Evaluate);
    QCOMPARE(counter->text(QAccessible::Name), u"Верни: 3%"_s);
    QAccessibleInterface *verdict = QAccessible::queryAccessibleInterface(view->findChild<QWidget *>(u"Prowerka_1"_s));
    QCOMPARE(verdict->text(QAccessible::Name), u"Оценка на отговора"_s);
    QCOMPARE(verdict->text(QAccessible::Value), u"ДА"_s);
    state.Slowo[2].setCurrentIndex(1);
    QCOMPARE(verdict->text(QAccessible::Value), u"НЕ"_s);

    state.Cwqt_Click();
    SettingsWindowView *settings = m_program->settingsView();
    QAccessibleInterface *red = QAccessible::queryAccessibleInterface(settings->findChild<QWidget *>(u"Slider1_0"_s));
    QCOMPARE(red->text(QAccessible::Name), u"Червена съставка"_s);
    QCOMPARE(red->valueInterface()->currentValue().toInt(), 128);
    QAccessibleInterface *option =
        QAccessible::queryAccessibleInterface(settings->findChild<QWidget *>(u"Option1_2"_s));
    QCOMPARE(option->text(QAccessible::Name), u"Цвят текст"_s);
    state.Cweta.replace(4, u"128"_s);
    m_program->settings().current()->moveSlider(1, 7);
    QAccessibleInterface *value = QAccessible::queryAccessibleInterface(settings->findChild<QWidget *>(u"Label_ST_1"_s));
    QCOMPARE(value->text(QAccessible::Name), u"7"_s);
}

QTEST_MAIN(AccessibilityTest)
#include "tst_accessibility.moc"
