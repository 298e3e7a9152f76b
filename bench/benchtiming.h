#pragma once

#include <QElapsedTimer>

#include <algorithm>
#include <functional>
#include <vector>

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
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}
