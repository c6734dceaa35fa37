#pragma once

#include <QtGlobal>

namespace ds {

// Uniform fractions in [0, 1).
class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual void seed(quint64 seed) = 0;
    virtual double next() = 0;
};

} // namespace ds
