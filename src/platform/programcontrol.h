#pragma once

namespace ds {

// Ending the program after a failure that the program cannot go on from.
class ProgramControl {
public:
    virtual ~ProgramControl() = default;
    virtual void endProgram() = 0;
};

} // namespace ds
