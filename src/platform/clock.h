#pragma once

#include <QDate>
#include <QTime>

namespace ds {

class Clock {
public:
    virtual ~Clock() = default;
    virtual QDate today() const = 0;
    virtual QTime timeOfDay() const = 0;
};

} // namespace ds
