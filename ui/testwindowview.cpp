#include "ui/testwindowview.h"

#include "app/testwindow.h"
#include "ui/binding.h"
#include "ui/boundlist.h"
#include "ui/fatalerror.h"
#include "ui/picturebox.h"
#include "ui/picturewindowview.h"
#include "ui/widgetsetup.h"

#include <QCloseEvent>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>

using namespace Qt::StringLiterals;
using WidgetNames::indexed;
using WidgetNames::named;

namespace {

const QString pickToolTip = u"Посочете елемента в релацията"_s;

} // namespace

TestWindowView::TestWindowView(TestWindow &state) : m_state(state)
{
    const int dpi = logicalDpiX();
    QIcon icon;
    icon.addFile(u":/icons/vomar-16.png"_s, QSize(16, 16));
    icon.addFile(u":/icons/vomar-32.png"_s, QSize(32, 32));
    setWindowIcon(icon);

    QWidget *client = setUpFixedWindow(this, u"Vomar"_s);

    auto *counter = named(new QLabel(client), u"Ndapis"_s, u"Извежда резултатите в края на теста"_s);
    counter->setAlignment(Qt::AlignCenter);
    Binding::bindControl(counter, state.Ndapis, dpi);

    const std::array<QString, 4> buttonTips = {u"Натиснете бутон за избор"_s,
                                               u"Изтрива / възстановява направения избор"_s,
                                               u"Преустановява теста и формира оценка"_s, u"Дава обяснения"_s};
    std::array<QPushButton *, 4> buttons{};
    for (qint16 i = 0; i < 4; ++i) {
        buttons[i] = named(new QPushButton(client), indexed("Uprawl", i), buttonTips[i]);
        // Enter presses a focused button, as Space does.
        buttons[i]->setAutoDefault(true);
        Binding::bindControl(buttons[i], state.Uprawl[i], dpi);
        connect(buttons[i], &QPushButton::clicked, this,
                [this, i] { FatalError::guard([&] { m_state.pressButton(i); }); });
    }

    const std::array<QString, 3> listTips = {pickToolTip, pickToolTip, u"Набор от вече въведени отговори"_s};
    const std::array<QString, 3> listNames = {u"Изрази отляво"_s, u"Изрази отдясно"_s, u"Въведени отговори"_s};
    std::array<BoundList *, 3> lists{};
    for (int i = 0; i < 3; ++i) {
        lists[i] = named(new BoundList(state.Slowo[i], dpi, client), indexed("Slowo", i), listTips[i]);
        lists[i]->setAccessibleName(listNames[i]);
    }

    auto *explanation = named(new QPlainTextEdit(client), u"Prowerka_0"_s);
    explanation->setAccessibleName(u"Обяснение"_s);
    explanation->setReadOnly(true);
    explanation->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    explanation->setFocusPolicy(Qt::StrongFocus);
    explanation->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Binding::bindControl(explanation, state.Prowerka[0], dpi);

    auto *verdict = named(new QLineEdit(client), u"Prowerka_1"_s, u"зелено - Вярно; червено - Грешно"_s);
    verdict->setReadOnly(true);
    // Its text, "ДА" or "НЕ", is its value: the verdict is not only a colour.
    verdict->setAccessibleName(u"Оценка на отговора"_s);
    Binding::bindControl(verdict, state.Prowerka[1], dpi);

    const std::array<QString, 2> pictureNames = {u"Картина на израза"_s, u"Празна картина"_s};
    std::array<PictureBox *, 2> pictures{};
    for (int i = 0; i < 2; ++i) {
        pictures[i] = named(new PictureBox(client), indexed("Grafika", i));
        pictures[i]->setAccessibleName(pictureNames[i]);
        pictures[i]->setFocusPolicy(Qt::StrongFocus);
        Binding::bindControl(pictures[i], state.Grafika[i], dpi);
        pictures[i]->setClickHandler([this, i] { FatalError::guard([&] { m_state.Grafika_Click(qint16(i)); }); });
    }

    // The verdict box joins the order once marking shows it.
    const std::array<QWidget *, 10> tabOrder = {lists[0],   lists[1], lists[2],    buttons[0], buttons[1],
                                                buttons[2], verdict,  explanation, buttons[3], pictures[0]};
    for (std::size_t i = 1; i < tabOrder.size(); ++i)
        setTabOrder(tabOrder[i - 1], tabOrder[i]);
    lists[0]->setFocus();

    buildMenu();
    auto *form = new FormBinding(this, client, menuBar(), state.window, dpi);
    form->centreOnFirstShow();

    m_pictureWindow = new PictureWindowView(state.Vomar_Graphika, this);
}

TestWindowView::~TestWindowView() = default;

void TestWindowView::buildMenu()
{
    addMenuEntry(this, u"&Exit"_s, u"Izhod"_s, [this] { m_state.Izhod_Click(); });
    addMenuEntry(this, u"&Color"_s, u"Cwqt"_s, [this] { m_state.Cwqt_Click(); });
}

void TestWindowView::closeEvent(QCloseEvent *event)
{
    // The close box ends the program as "Exit" does.
    event->ignore();
    FatalError::guard([&] { m_state.Izhod_Click(); });
}
