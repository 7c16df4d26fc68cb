#pragma once

#include <QByteArray>

// A picture as the test carries it: an encoded image (PNG, JPEG, ...), shown
// unscaled. The empty picture shows nothing.
struct Picture
{
    QByteArray encoded;

    bool isEmpty() const { return encoded.isEmpty(); }
    friend bool operator==(const Picture &, const Picture &) = default;
};

// A picture slot of the test: the picture and the size, in twips, at which
// it is shown enlarged.
struct PictureSlot
{
    Picture picture;
    double width = 1695;
    double height = 1815;
};
