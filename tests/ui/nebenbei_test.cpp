// The second thread for pictures: every job runs once, in order, whenever it is given.
#include <gtest/gtest.h>

#include <chrono>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "ui/nebenbei.h"

namespace {

// Jobs given while the thread runs, after it has ended for want of work,
// and just before the end all run, in order, and each hands its result (or
// its exception) to whoever waits for it.
TEST(SecondThread, RunsEveryJobInOrderWhenEverItIsGiven)
{
    std::vector<int> reihenfolge;  // touched only by the jobs, which never run at once
    std::shared_future<int> letzte;
    {
        Nebenbei faden;
        std::vector<std::shared_future<int>> ergebnisse;
        for (int i = 0; i < 50; ++i) {
            ergebnisse.push_back(faden.dazu([i, &reihenfolge] {
                reihenfolge.push_back(i);
                return i * i;
            }));
            if (i % 10 == 0)
                // Long enough for the thread to have found the queue empty and ended.
                std::this_thread::sleep_for(std::chrono::milliseconds(2));
        }
        for (int i = 0; i < 50; ++i)
            ASSERT_EQ(ergebnisse[static_cast<std::size_t>(i)].get(), i * i);
        const auto fehler = faden.dazu([]() -> int { throw std::runtime_error("kein Bild"); });
        EXPECT_THROW(fehler.get(), std::runtime_error);
        letzte = faden.dazu([&reihenfolge] {
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
            reihenfolge.push_back(50);
            return 0;
        });
    }
    // The end waited for the last job.
    ASSERT_EQ(letzte.wait_for(std::chrono::seconds(0)), std::future_status::ready);
    ASSERT_EQ(reihenfolge.size(), 51u);
    for (int i = 0; i <= 50; ++i)
        EXPECT_EQ(reihenfolge[static_cast<std::size_t>(i)], i);
}

} // namespace
