#pragma once

#include <QString>
#include <stdexcept>

// An unexpected failure of a list or window operation. Nothing in the logic
// recovers from one: the user interface reports it and ends the program.
class ProgramFault : public std::runtime_error
{
public:
    explicit ProgramFault(const QString &what) : std::runtime_error(what.toStdString()) {}
};
