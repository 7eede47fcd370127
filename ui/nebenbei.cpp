// One thread beside the window's own, for the pictures its first paint will show.
#include "ui/nebenbei.h"

Nebenbei::~Nebenbei()
{
    std::thread faden;
    {
        const std::lock_guard<std::mutex> sperre(schutz_);
        faden = std::move(faden_);
    }
    if (faden.joinable())
        faden.join();
}

void Nebenbei::einreihen(std::function<void()> job)
{
    const std::lock_guard<std::mutex> sperre(schutz_);
    warteschlange_.push_back(std::move(job));
    if (laeuft_)
        return;
    // A thread that found the queue empty takes the lock no more, so waiting
    // for it here cannot wait for this lock.
    if (faden_.joinable())
        faden_.join();
    laeuft_ = true;
    faden_ = std::thread(&Nebenbei::abarbeiten, this);
}

void Nebenbei::abarbeiten()
{
    while (true) {
        std::function<void()> job;
        {
            const std::lock_guard<std::mutex> sperre(schutz_);
            if (warteschlange_.empty()) {
                laeuft_ = false;
                return;
            }
            job = std::move(warteschlange_.front());
            warteschlange_.pop_front();
        }
        job();
    }
}
