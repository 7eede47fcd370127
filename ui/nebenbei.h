// One thread beside the window's own, for the pictures its first paint will show.
#pragma once

#include <deque>
#include <functional>
#include <future>
#include <memory>
#include <mutex>
#include <thread>
#include <type_traits>

// Jobs run one after another in the order given, on one thread that the
// first job starts and that ends when none is left (a later job starts it
// anew, so nothing it loaded, such as the fonts it painted with, outlives
// its work). One thread rather than one per job: on two cores several would
// take turns with the thread that builds the window, and each would load
// the fonts it paints with for itself. What the thread gives, against the
// same jobs on the window's thread, is above all memory: those fonts are not
// kept for the program's life (bench case `start/ohne-nebenbei`). The
// destructor waits for the jobs left.
class Nebenbei {
public:
    Nebenbei() = default;
    Nebenbei(const Nebenbei&) = delete;
    Nebenbei& operator=(const Nebenbei&) = delete;
    ~Nebenbei();

    // The job's result once it has run; an exception it throws comes with it.
    template <class F>
    std::shared_future<std::invoke_result_t<F&>> dazu(F job)
    {
        auto aufgabe = std::make_shared<std::packaged_task<std::invoke_result_t<F&>()>>(std::move(job));
        auto ergebnis = aufgabe->get_future().share();
        einreihen([aufgabe] { (*aufgabe)(); });
        return ergebnis;
    }

private:
    void einreihen(std::function<void()> job);
    void abarbeiten();

    std::mutex schutz_;
    std::deque<std::function<void()>> warteschlange_;
    std::thread faden_;
    bool laeuft_ = false;  // the thread takes jobs; once false it takes none and ends
};
