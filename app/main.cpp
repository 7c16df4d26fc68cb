#include "content/biologytest.h"
#include "ui/program.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    return runProgram(biologyTest());
}
