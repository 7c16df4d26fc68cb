// Long random sequences of everything a learner can do, on the logic, each
// step compared with an independent model (RapidCheck; RC_PARAMS sets the
// seed and the number of sequences).

#include "randomuse/commands.h"
#include "randomuse/logicdriver.h"

int main()
{
    return RandomUse::playRandomUse([] { return std::make_unique<LogicDriver>(); }) ? 0 : 1;
}
