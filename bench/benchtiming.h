#pragma once

#include <QElapsedTimer>

#include <algorithm>
#include <functional>
#include <vector>

// The middle value (the upper one of an even count); -1 for none.
inline double median(std::vector<double> values)
{
    if (values.empty())
        return -1;
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// The median time of `runs` runs of `work` in milliseconds; `setUp` runs
// untimed before each one.
inline double medianMs(int runs, const std::function<void()> &work,
                       const std::function<void()> &setUp = {})
{
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        if (setUp)
            setUp();
        QElapsedTimer timer;
        timer.start();
        work();
        times.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    return median(std::move(times));
}
