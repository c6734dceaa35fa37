#pragma once

// Thunderball records and results built independently of the code under test.

#include "thunderball/resultsfile.h"

#include <QByteArray>
#include <QtEndian>
#include <functional>
#include <initializer_list>
#include <vector>

namespace dstest {

// count, weeks (spare in the results file), day, month, year, main 1-5, Thunderball.
inline QByteArray thRec(int count, int weeks, int day, int month, int year, std::initializer_list<int> main5,
                        int ball)
{
    QByteArray b;
    auto put = [&b](int v) {
        char le[2];
        qToLittleEndian<qint16>(static_cast<qint16>(v), le);
        b.append(le, 2);
    };
    for (int v : {count, weeks, day, month, year})
        put(v);
    for (int v : main5)
        put(v);
    put(ball);
    return b;
}

inline ds::ThunderResult thResult(int day, int month, int year, std::array<qint16, 5> main, int ball)
{
    ds::ThunderResult r;
    r.day = static_cast<qint16>(day);
    r.month = static_cast<qint16>(month);
    r.year = static_cast<qint16>(year);
    r.main = main;
    r.thunderball = static_cast<qint16>(ball);
    return r;
}

// Fractions given in turn, over and over.
inline std::function<double()> fractions(std::vector<double> values)
{
    return [values = std::move(values), i = size_t{0}]() mutable { return values[i++ % values.size()]; };
}

} // namespace dstest
