#include "storage/SaveQueue.h"

#include <utility>

void SaveQueue::push(Job job) {
    std::lock_guard lock(mutex);
    jobs.push_back(std::move(job));
    if (!worker.joinable()) {
        stopping = false;
        worker = std::thread([this] { work(); });
    }
    changed.notify_all();
}

void SaveQueue::waitUntilDone() {
    std::unique_lock lock(mutex);
    changed.wait(lock, [this] { return jobs.empty() && !running; });
}

void SaveQueue::finish() {
    {
        std::lock_guard lock(mutex);
        stopping = true;
        changed.notify_all();
    }
    if (worker.joinable()) worker.join();
}

std::vector<WString> SaveQueue::takeFailures() {
    std::lock_guard lock(mutex);
    return std::exchange(failures, {});
}

bool SaveQueue::busy() {
    std::lock_guard lock(mutex);
    return !jobs.empty() || running || !failures.empty();
}

void SaveQueue::work() {
    std::unique_lock lock(mutex);
    for (;;) {
        changed.wait(lock, [this] { return !jobs.empty() || stopping; });
        if (jobs.empty()) return;  // stopping, with nothing left to save
        Job job = std::move(jobs.front());
        jobs.pop_front();
        running = true;
        lock.unlock();
        WString failure = job();
        lock.lock();
        running = false;
        if (!failure.empty()) failures.push_back(std::move(failure));
        changed.notify_all();
    }
}
