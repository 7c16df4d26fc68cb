// The random use of the tests, for a million actions or more, on the logic.
//   bench_soak [ACTIONS]      (default 1000000)

#include "randomuse/commands.h"
#include "randomuse/logicdriver.h"

#include <QElapsedTimer>

#include <cstdio>
#include <cstdlib>
#include <string>

int main(int argc, char *argv[])
{
    const long wanted = argc > 1 ? std::atol(argv[1]) : 1000000;
    // About 50 actions a sequence at this size.
    const std::string params = "seed=1 max_size=200 max_success=" + std::to_string(wanted / 50 + 1);
    setenv("RC_PARAMS", params.c_str(), 1);
    QElapsedTimer timer;
    timer.start();
    const bool passed = RandomUse::playRandomUse([] { return std::make_unique<LogicDriver>(); });
    const double seconds = double(timer.nsecsElapsed()) / 1e9;
    std::printf("soak: %ld actions in %.1f s (%.0f actions a second), %s\n", RandomUse::actionsDone(), seconds,
                double(RandomUse::actionsDone()) / seconds, passed ? "every check held" : "FAILED");
    return passed ? 0 : 1;
}
