#include "content/testdefinition.h"

QStringList TestDefinition::explanationLines(int k) const
{
    return hasSlot(k) ? explanations[std::size_t(k - 1)] : QStringList();
}

PictureSlot TestDefinition::pictureSlot(int k) const
{
    return hasSlot(k) ? pictureSlots[std::size_t(k - 1)] : PictureSlot();
}
