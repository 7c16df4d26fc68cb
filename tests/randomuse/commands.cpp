#include "commands.h"

#include "app/testwindow.h"
#include "appearance/appearancerecord.h"
#include "appearance/settingswindow.h"
#include "testsupport.h"

#include <algorithm>

namespace RandomUse {

namespace {

std::set<int> numbersOf(const StringList &numbers)
{
    std::set<int> all;
    for (const QString &n : numbers.items())
        all.insert(n.toInt());
    return all;
}

std::optional<int> selectedNumber(const StringList &shown, const StringList &numbers)
{
    const int row = shown.currentIndex();
    return row < 0 ? std::nullopt : std::optional(numbers.item(row).toInt());
}

int rowOfPhrase(const TestWindow &w, int side, int phrase)
{
    const QStringList &phrases = side == 0 ? w.definition().leftPhrases : w.definition().rightPhrases;
    return TestSupport::rowOf(w.Slowo[side], phrases.value(phrase - 1));
}

// The phrase number of the phrase that sorts first.
int firstInOrder(const QStringList &phrases)
{
    QCollator collator = TestSupport::bulgarian();
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    const auto first = std::min_element(phrases.begin(), phrases.end(), [&](const QString &a, const QString &b) {
        return collator.compare(a, b) < 0;
    });
    return int(first - phrases.begin()) + 1;
}

long actionCount = 0;

} // namespace

long actionsDone()
{
    return actionCount;
}

void check(const Model &m, Driver &d)
{
    const TestWindow &w = d.testWindow();
    const QString broken = TestSupport::brokenInvariant(w);
    RC_ASSERT(broken.toStdString() == std::string());
    RC_ASSERT(numbersOf(w.dum_N[0]) == m.freeLeft);
    RC_ASSERT(numbersOf(w.dum_N[1]) == m.freeRight);
    RC_ASSERT(w.Slowo[2].count() == m.answers.size());
    for (int a = 0; a < m.answers.size(); ++a) {
        const auto [l, r] = m.answers[a];
        RC_ASSERT(w.dum_N[2].item(a) == QString::number(l));
        RC_ASSERT(w.dum_N[3].item(a) == QString::number(r));
        RC_ASSERT(w.Slowo[2].item(a) == w.definition().leftPhrase(l - 1) + u' ' + w.definition().rightPhrase(r - 1));
    }
    RC_ASSERT(selectedNumber(w.Slowo[0], w.dum_N[0]) == m.selectedLeft);
    RC_ASSERT(selectedNumber(w.Slowo[1], w.dum_N[1]) == m.selectedRight);
    RC_ASSERT(w.Slowo[2].currentIndex() == m.selectedAnswer);
    RC_ASSERT(w.Uprawl[0].isEnabled() == m.recordEnabled);
    RC_ASSERT(w.Uprawl[1].isEnabled() == m.withdrawEnabled);
    RC_ASSERT(w.Uprawl[2].isEnabled() == m.evaluateEnabled);
    RC_ASSERT(w.Uprawl[3].isEnabled() == m.explainEnabled);
    RC_ASSERT(w.Ndapis.text() == m.counter);
    RC_ASSERT(w.Prowerka[1].text() == m.verdict);
    RC_ASSERT(w.Prowerka[1].isVisible() == m.marked);
    if (m.marked)
        RC_ASSERT(int(w.Correct_Count) == m.correct);
    RC_ASSERT(!w.Vomar_Graphika.window.isVisible());

    const SettingsWindow *settings = d.settings();
    RC_ASSERT((settings != nullptr) == m.settingsOpen);
    if (settings)
        RC_ASSERT(settings->selectedTarget() == m.target);
    RC_ASSERT(w.Cweta.count() == AppearanceRecord::itemCount);
    RC_ASSERT(w.Cweta.item(0) == AppearanceRecord::defaults().at(0));
    if (m.settingsOpened)
        for (int k = 0; k < AppearanceRecord::targetCount; ++k) {
            const Colours::Components c = Colours::split(AppearanceRecord::colourAt(w.Cweta, AppearanceRecord::colourItem(k)));
            RC_ASSERT(w.Cweta.item(AppearanceRecord::componentItem(k, 0)) == QString::number(c.red));
            RC_ASSERT(w.Cweta.item(AppearanceRecord::componentItem(k, 1)) == QString::number(c.green));
            RC_ASSERT(w.Cweta.item(AppearanceRecord::componentItem(k, 2)) == QString::number(c.blue));
        }
}

void checkApplied(Driver &d)
{
    const TestWindow &w = d.testWindow();
    using AppearanceRecord::colourAt;
    using AppearanceRecord::colourItem;
    RC_ASSERT(w.window.background() == std::optional(colourAt(w.Cweta, colourItem(0))));
    for (const Control *field : {static_cast<const Control *>(&w.Slowo[0]), static_cast<const Control *>(&w.Slowo[1]),
                                 static_cast<const Control *>(&w.Slowo[2]), &w.Prowerka[0]}) {
        RC_ASSERT(field->background() == std::optional(colourAt(w.Cweta, colourItem(1))));
        RC_ASSERT(field->foreground() == std::optional(colourAt(w.Cweta, colourItem(2))));
        RC_ASSERT(field->fontName() == std::optional(w.Cweta.item(AppearanceRecord::fontNameItem)));
    }
}

namespace {

// Every action ends here: counted, then checked against the model.
void afterAction(const Model &expected, Driver &d)
{
    ++actionCount;
    check(expected, d);
}

} // namespace

void SelectPhrase::run(const Model &m, Driver &d) const
{
    const int row = rowOfPhrase(d.testWindow(), side, phrase);
    RC_ASSERT(row >= 0);
    d.selectRow(side, row);
    afterAction(nextState(m), d);
}

void SelectAnswer::run(const Model &m, Driver &d) const
{
    d.selectRow(2, index);
    afterAction(nextState(m), d);
}

void PressButton::apply(Model &m) const
{
    const std::array enabled = {m.recordEnabled, m.withdrawEnabled, m.evaluateEnabled, m.explainEnabled};
    if (enabled[std::size_t(button)])
        m.press(button);
}

void PressButton::run(const Model &m, Driver &d) const
{
    const Model next = nextState(m);
    const QString markBefore = d.testWindow().Ndapis.text();
    d.pressButton(button);
    afterAction(next, d);
    if (m.marked)
        RC_ASSERT(d.testWindow().Ndapis.text() == markBefore);
}

void ClickThumbnail::run(const Model &m, Driver &d) const
{
    d.clickThumbnail();
    afterAction(nextState(m), d);
}

void ChooseColor::apply(Model &m) const
{
    if (m.settingsOpen)
        return;
    m.settingsOpen = m.settingsOpened = true;
    m.target = 0;
}

void ChooseColor::run(const Model &m, Driver &d) const
{
    d.chooseColor();
    afterAction(nextState(m), d);
}

void ChooseOption::run(const Model &m, Driver &d) const
{
    d.chooseOption(option);
    afterAction(nextState(m), d);
}

void MoveSlider::run(const Model &m, Driver &d) const
{
    d.moveSlider(slider, position);
    RC_ASSERT(d.settings()->Slider1[slider].position() == position);
    afterAction(nextState(m), d);
}

void ChooseSize::run(const Model &m, Driver &d) const
{
    d.chooseSize(row);
    RC_ASSERT(d.settings()->List_font[1].currentIndex() == row);
    afterAction(nextState(m), d);
}

void Save::run(const Model &m, Driver &d) const
{
    d.save();
    checkApplied(d);
    afterAction(nextState(m), d);
}

void Cancel::run(const Model &m, Driver &d) const
{
    d.cancel();
    afterAction(nextState(m), d);
}

void CloseSettings::run(const Model &m, Driver &d) const
{
    d.closeSettings();
    afterAction(nextState(m), d);
}

bool playRandomUse(const std::function<std::unique_ptr<Driver>()> &makeDriver,
                   const std::function<void()> &afterSequence)
{
    return rc::check("random use keeps the program and its model in step", [&] {
        const std::unique_ptr<Driver> driver = makeDriver();
        const TestDefinition &test = driver->testWindow().definition();
        Model initial = Model::started(test.leftCount(), test.rightCount());
        initial.selectedLeft = firstInOrder(test.leftPhrases);
        initial.selectedRight = firstInOrder(test.rightPhrases);
        check(initial, *driver);
        rc::state::check(initial, *driver,
                         rc::state::gen::execOneOfWithArgs<SelectPhrase, SelectPhrase, SelectPhrase, SelectAnswer,
                                                           PressButton, PressButton, PressButton, ClickThumbnail,
                                                           ChooseColor, ChooseOption, MoveSlider, ChooseSize, Save,
                                                           Cancel, CloseSettings>());
        if (afterSequence)
            afterSequence();
    });
}

} // namespace RandomUse
