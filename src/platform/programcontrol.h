#pragma once

namespace ds {

// Ending the program: normally (Exit), or after a failure it cannot go on from.
class ProgramControl {
public:
    virtual ~ProgramControl() = default;
    virtual void exitProgram() = 0;
    virtual void endProgram() = 0;
};

} // namespace ds
