#pragma once

#include "driver.h"
#include "model.h"

#include <rapidcheck.h>
#include <rapidcheck/state.h>

#include <ostream>

// The learner's actions as RapidCheck commands: each one is applied to the
// model and done through the driver, and the program is compared with the
// model after every step.
namespace RandomUse {

using Command = rc::state::Command<Model, Driver>;

// Compares everything the model predicts, and the invariants of the state.
void check(const Model &model, Driver &driver);
// Checks that "Запис" has just shown the record on the test window.
void checkApplied(Driver &driver);

struct SelectPhrase : Command
{
    int side;
    int phrase;
    explicit SelectPhrase(const Model &m)
        : side(*rc::gen::inRange(0, 2)),
          phrase(side == 0 ? (m.freeLeft.empty() ? 0 : *rc::gen::elementOf(m.freeLeft))
                           : (m.freeRight.empty() ? 0 : *rc::gen::elementOf(m.freeRight)))
    {
    }
    void checkPreconditions(const Model &m) const override
    {
        RC_PRE((side == 0 ? m.freeLeft : m.freeRight).count(phrase) == 1);
    }
    void apply(Model &m) const override { (side == 0 ? m.selectedLeft : m.selectedRight) = phrase; }
    void run(const Model &m, Driver &d) const override;
    void show(std::ostream &os) const override { os << "select " << (side ? "right" : "left") << " phrase " << phrase; }
};

struct SelectAnswer : Command
{
    int index;
    explicit SelectAnswer(const Model &m) : index(m.answers.isEmpty() ? 0 : *rc::gen::inRange(0, int(m.answers.size()))) {}
    void checkPreconditions(const Model &m) const override { RC_PRE(index < m.answers.size()); }
    void apply(Model &m) const override { m.selectAnswer(index); }
    void run(const Model &m, Driver &d) const override;
    void show(std::ostream &os) const override { os << "select answer " << index; }
};

struct PressButton : Command
{
    qint16 button = *rc::gen::inRange<qint16>(0, 4);
    void apply(Model &m) const override;
    void run(const Model &m, Driver &d) const override;
    void show(std::ostream &os) const override { os << "press button " << button; }
};

struct ClickThumbnail : Command
{
    void run(const Model &m, Driver &d) const override;
    void show(std::ostream &os) const override { os << "click thumbnail"; }
};

struct ChooseColor : Command
{
    void apply(Model &m) const override;
    void run(const Model &m, Driver &d) const override;
    void show(std::ostream &os) const override { os << "Color"; }
};

// The commands of the open settings window.
struct SettingsCommand : Command
{
    void checkPreconditions(const Model &m) const override { RC_PRE(m.settingsOpen); }
};

struct ChooseOption : SettingsCommand
{
    qint16 option = *rc::gen::inRange<qint16>(0, 3);
    void apply(Model &m) const override { m.target = option; }
    void run(const Model &m, Driver &d) const override;
    void show(std::ostream &os) const override { os << "option " << option; }
};

struct MoveSlider : SettingsCommand
{
    qint16 slider = *rc::gen::inRange<qint16>(0, 3);
    int position = *rc::gen::inRange(0, 256);
    void run(const Model &m, Driver &d) const override;
    void show(std::ostream &os) const override { os << "slider " << slider << " to " << position; }
};

struct ChooseSize : SettingsCommand
{
    int row = *rc::gen::inRange(0, 7);
    void run(const Model &m, Driver &d) const override;
    void show(std::ostream &os) const override { os << "size row " << row; }
};

struct Save : SettingsCommand
{
    void apply(Model &m) const override
    {
        m.settingsOpen = false;
        m.saved = true;
    }
    void run(const Model &m, Driver &d) const override;
    void show(std::ostream &os) const override { os << "Запис"; }
};

struct Cancel : SettingsCommand
{
    void apply(Model &m) const override { m.settingsOpen = false; }
    void run(const Model &m, Driver &d) const override;
    void show(std::ostream &os) const override { os << "Отказ"; }
};

struct CloseSettings : SettingsCommand
{
    void apply(Model &m) const override { m.settingsOpen = false; }
    void run(const Model &m, Driver &d) const override;
    void show(std::ostream &os) const override { os << "close box"; }
};

// Plays random sequences of the learner's actions on the driver that
// `makeDriver` makes afresh for each sequence, checking after each action,
// and runs `afterSequence` (with its own checks) after each sequence.
bool playRandomUse(const std::function<std::unique_ptr<Driver>()> &makeDriver,
                   const std::function<void()> &afterSequence = {});

// How many actions have been done so far.
long actionsDone();

} // namespace RandomUse
