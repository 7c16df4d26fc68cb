#include "model.h"

#include <cmath>

Model Model::started(int left, int right)
{
    Model m;
    m.left = left;
    m.right = right;
    for (int k = 1; k <= left; ++k)
        m.freeLeft.insert(k);
    for (int k = 1; k <= right; ++k)
        m.freeRight.insert(k);
    m.counter = QStringLiteral("Оставащи:");
    m.evaluateEnabled = m.evaluateRule();
    return m;
}

void Model::selectAnswer(int index)
{
    if (index == selectedAnswer)
        return;
    selectedAnswer = index;
    if (index >= 0)
        verdict = answers[index].first == answers[index].second ? QStringLiteral("ДА") : QStringLiteral("НЕ");
}

void Model::record()
{
    if (!selectedLeft || !selectedRight)
        return;
    answers << qMakePair(*selectedLeft, *selectedRight);
    freeLeft.erase(*selectedLeft);
    freeRight.erase(*selectedRight);
    selectedLeft.reset();
    selectedRight.reset();
    counter = QStringLiteral("Остават: ") + QString::number(qMin(freeLeft.size(), freeRight.size()));
}

void Model::withdraw()
{
    const int a = selectedAnswer;
    if (a < 0)
        return;
    freeLeft.insert(answers[a].first);
    freeRight.insert(answers[a].second);
    answers.removeAt(a);
    selectedAnswer = -1;
    if (answers.size() > a)
        selectAnswer(a);
    counter = QStringLiteral("Остават: ") + QString::number(qMin(freeLeft.size(), freeRight.size()));
    if (selectedAnswer < 0 && !answers.isEmpty())
        selectAnswer(int(answers.size()) - 1);
}

void Model::evaluate()
{
    correct = 0;
    for (const auto &[l, r] : answers)
        correct += l == r && l <= pairCount();
    const double mark = std::nearbyint(100.0 * correct / pairCount());
    counter = QStringLiteral("Верни: ") + QString::number(int(mark)) + QStringLiteral("%");
    marked = true;
    recordEnabled = withdrawEnabled = false;
    // Marking judges the first answer even when it was selected already.
    selectedAnswer = -1;
    selectAnswer(0);
}

void Model::press(int button)
{
    evaluateEnabled = evaluateRule();
    switch (button) {
    case 0:
        record();
        break;
    case 1:
        withdraw();
        break;
    case 2:
        if (answers.isEmpty())
            return;
        evaluate();
        explainEnabled = true;
        evaluateEnabled = false;
        break;
    case 3:
        if (recordEnabled) {
            if (!selectedLeft || !selectedRight)
                return;
            record();
            explainEnabled = false;
        } else if (selectedAnswer >= 0) {
            evaluateEnabled = false;
        }
        break;
    default:
        break;
    }
}
