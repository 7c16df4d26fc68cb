#pragma once

#include "content/picture.h"

#include <QString>
#include <QStringList>

#include <array>

// All data of one test, constant for the life of the program. The order of
// the two phrase lists carries the answer: left phrase k and right phrase k
// (1-based phrase numbers) form a correct pair. Explanation lines and
// pictures exist for phrase numbers 1..30.
struct TestDefinition
{
    static constexpr int slotCount = 30;

    // Item 0: the title; items 1..5: the test window's outer width, the left
    // list's left edge and width, the right list's left edge and width (twips).
    std::array<QString, 6> titleAndLayout;
    QStringList leftPhrases;
    QStringList rightPhrases;
    QString instructions;
    // Item 0 is a header for the author; item k is phrase k's flag.
    QStringList explanationFlags;
    // Index k - 1 holds the explanation lines of phrase k.
    std::array<QStringList, slotCount> explanations;
    // Item 0 is a header for the author; item k is phrase k's flag.
    QStringList pictureFlags;
    // Index k - 1 holds the picture slot of phrase k.
    std::array<PictureSlot, slotCount> pictureSlots;

    QString title() const { return titleAndLayout[0]; }
    QString layoutItem(int i) const { return titleAndLayout.at(i); }
    qint16 leftCount() const { return qint16(leftPhrases.size()); }
    qint16 rightCount() const { return qint16(rightPhrases.size()); }
    QString leftPhrase(int i) const { return leftPhrases.value(i); }
    QString rightPhrase(int i) const { return rightPhrases.value(i); }

    // An empty text where the list has no item k.
    QString explanationFlag(int k) const { return explanationFlags.value(k); }
    QString pictureFlag(int k) const { return pictureFlags.value(k); }

    static bool hasSlot(int k) { return k >= 1 && k <= slotCount; }
    // Empty for a phrase number without an explanation list.
    QStringList explanationLines(int k) const;
    // The empty slot for a phrase number without a picture slot.
    PictureSlot pictureSlot(int k) const;
};

// The web address that heads the titles of the program's windows.
inline const QString publisherAddress = QStringLiteral("www.vomar.example");
