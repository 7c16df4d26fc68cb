#include "ui/settingswindowview.h"

#include "appearance/settingswindow.h"
#include "ui/binding.h"
#include "ui/boundlist.h"
#include "ui/fatalerror.h"
#include "ui/picturebox.h"
#include "ui/widgetsetup.h"

#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSlider>

using namespace Qt::StringLiterals;
using WidgetNames::indexed;
using WidgetNames::named;

namespace {

const std::array<QString, 9> labelTips = {
    QString(), QString(), QString(),
    u"Показва цифровата стойност на формирания цвят в 16-ична бройна система "_s,
    u"Показва размера на буквите във формирания текст "_s,
    u"За настройване цвета на фона на формата "_s,
    u"За настройване цвета на фона в текстовите полета "_s,
    u" За настройване цвета на текста в текстовите полета "_s,
    u" За настройване цвета на фона на бутоните "_s};
const std::array<QString, 3> sliderTips = {u"Промяна на стойн остта на червената съставка "_s,
                                           u"Промяна на стойн остта на зелената съставка "_s,
                                           u"Промяна на стойн остта на синята съставка "_s};
const std::array<QString, 3> valueTips = {u"Цифрова стойност на червения цвят в обхвата [0 - 255] "_s,
                                          u"Цифрова стойност на зеления цвят в обхвата [0 - 255] "_s,
                                          u"Цифрова стойност на синия цвят в обхвата [0 - 255] "_s};
const std::array<QString, 4> optionTips = {u" За настройване цвета на фона на формата "_s,
                                           u" За настройване цвета на фона в текстовите полета "_s,
                                           u" За настройване цвета на текста в текстовите полета "_s,
                                           u" За настройване цвета на фона на бутоните "_s};
const std::array<QString, 3> sliderNames = {u"Червена съставка"_s, u"Зелена съставка"_s, u"Синя съставка"_s};
// The captions beside the option buttons.
const std::array<QString, 4> optionNames = {u"Цвят форма"_s, u"Фон текст"_s, u"Цвят текст"_s, u"Цвят бутон"_s};
const std::array<QString, 3> listNames = {u"Шрифт"_s, u"Размер на шрифта"_s, u"Неизползван списък"_s};
const std::array<QString, 3> listTips = {u" Определя избрания шрифт "_s, u" Определя размера на буквите "_s,
                                         u" Определя размера на буквите "_s};

} // namespace

SettingsWindowView::SettingsWindowView(SettingsWindow &state) : m_state(state)
{
    setAttribute(Qt::WA_QuitOnClose, false);
    const int dpi = logicalDpiX();
    setWindowIcon(QIcon(u":/icons/vomar-colours-16.png"_s));

    QWidget *client = setUpFixedWindow(this, u"Cwiat"_s);

    auto *swatch = named(new PictureBox(client), u"picColor"_s, u"Получен изходен цвят"_s);
    swatch->setFocusPolicy(Qt::StrongFocus);
    swatch->setAccessibleName(u"Получен цвят"_s);
    Binding::bindControl(swatch, state.picColor, dpi);

    for (int i = 0; i < int(state.Label_Cv.size()); ++i) {
        auto *label = named(new QLabel(client), indexed("Label_Cv", i), labelTips[i]);
        label->setAlignment(Qt::AlignCenter);
        Binding::bindControl(label, state.Label_Cv[i], dpi);
    }

    std::array<QSlider *, 3> sliders{};
    for (qint16 i = 0; i < 3; ++i) {
        auto *value = named(new QLabel(client), indexed("Label_ST", i), valueTips[i]);
        value->setAlignment(Qt::AlignCenter);
        Binding::bindControl(value, state.Label_ST[i], dpi);

        QSlider *slider = sliders[i] = named(new QSlider(Qt::Horizontal, client), indexed("Slider1", i), sliderTips[i]);
        slider->setAccessibleName(sliderNames[i]);
        slider->setRange(Slider::minimum, Slider::maximum);
        slider->setSingleStep(1);
        slider->setPageStep(10);
        slider->setFocusPolicy(Qt::StrongFocus);
        Binding::bindControl(slider, state.Slider1[i], dpi, [slider, &position = state.Slider1[i]] {
            const QSignalBlocker blocker(slider);
            slider->setValue(position.position());
        });
        // Only the learner's moves trigger actions; the new position is the
        // slider's position, its value follows after this.
        connect(slider, &QSlider::actionTriggered, this, [this, slider, i] {
            FatalError::guard([&] { m_state.moveSlider(i, slider->sliderPosition()); });
        });
    }

    std::array<QRadioButton *, 4> options{};
    for (qint16 i = 0; i < 4; ++i) {
        QRadioButton *option = options[i] = named(new QRadioButton(client), indexed("Option1", i), optionTips[i]);
        option->setAccessibleName(optionNames[i]);
        Binding::bindControl(option, state.Option1[i], dpi, [option, &button = state.Option1[i]] {
            const QSignalBlocker blocker(option);
            option->setChecked(button.isChecked());
        });
        connect(option, &QRadioButton::clicked, this,
                [this, i] { FatalError::guard([&] { m_state.chooseOption(i); }); });
    }

    std::array<BoundList *, 3> lists{};
    for (int i = 0; i < 3; ++i) {
        lists[i] = named(new BoundList(state.List_font[i], dpi, client), indexed("List_font", i), listTips[i]);
        lists[i]->setAccessibleName(listNames[i]);
    }

    auto *preview = named(new QLineEdit(client), u"Text_Cv_0"_s,
                          u"Полето илюстрира шрифт, размер на букви, цвят и фон на букви "_s);
    preview->setReadOnly(true);
    preview->setAccessibleName(u"Образец на шрифта"_s);
    preview->setAlignment(Qt::AlignCenter);
    Binding::bindControl(preview, state.Text_Cv, dpi);

    const std::array<QWidget *, 7> tabOrder = {swatch,   sliders[0], sliders[1], sliders[2],
                                               lists[1], preview,    options[0]};
    for (std::size_t i = 1; i < tabOrder.size(); ++i)
        setTabOrder(tabOrder[i - 1], tabOrder[i]);
    swatch->setFocus();

    buildMenu();
    auto *form = new FormBinding(this, client, menuBar(), state.window, dpi);
    form->centreOnFirstShow();
}

SettingsWindowView::~SettingsWindowView() = default;

void SettingsWindowView::buildMenu()
{
    addMenuEntry(this, u"&Запис"_s, u"mnu_zapis"_s, [this] { m_state.mnu_zapis_Click(); });
    addMenuEntry(this, u"&Отказ"_s, u"mnu_Otkaz"_s, [this] { m_state.mnu_Otkaz_Click(); });
    QAction *danni = addMenuEntry(this, u"Danni"_s, u"mnu_Danni"_s, [this] { m_state.mnu_Danni_Click(); });
    danni->setVisible(false);
    danni->setEnabled(false);
}
