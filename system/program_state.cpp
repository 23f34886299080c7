#include "program_state.h"

namespace amorix {

ProgramState& programState()
{
    static ProgramState state;
    return state;
}

} // namespace amorix
