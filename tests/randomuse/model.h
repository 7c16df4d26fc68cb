#pragma once

#include <QList>
#include <QPair>
#include <QString>

#include <optional>
#include <set>

// What the learner should see, kept apart from the program: which phrases
// are free, which pairs are recorded, what is selected, which buttons are on.
struct Model
{
    int left = 0;
    int right = 0;
    std::set<int> freeLeft;
    std::set<int> freeRight;
    QList<QPair<int, int>> answers;
    std::optional<int> selectedLeft;
    std::optional<int> selectedRight;
    int selectedAnswer = -1;
    bool marked = false;
    bool recordEnabled = true;
    bool withdrawEnabled = true;
    bool evaluateEnabled = false;
    bool explainEnabled = true;
    QString counter;
    QString verdict;
    int correct = 0;
    bool settingsOpen = false;
    bool settingsOpened = false;
    int target = 0;
    bool saved = false;

    // The model of the program right after its start-up with a test of
    // `left` and `right` phrases.
    static Model started(int left, int right);

    int pairCount() const { return qMin(left, right); }
    bool evaluateRule() const { return answers.size() >= 3 * qsizetype(freeRight.size()); }

    void selectAnswer(int index);
    void record();
    void withdraw();
    void evaluate();
    // A press of an enabled button.
    void press(int button);
};
