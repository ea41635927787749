#pragma once
// Saves committed in the order they were made, on a thread of their own. Writing a save's bytes costs
// microseconds, but putting them safely in place costs a sync of every file and folder involved (tens
// of milliseconds on a slow disk), which would make frames late; so the caller writes and this queue
// commits. A failure comes back as a text for the caller to tell.
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

#include "support/WString.h"

class SaveQueue {
public:
    // A job commits what it was given; it answers a failure's text, or an empty one.
    using Job = std::function<WString()>;

    SaveQueue() = default;
    SaveQueue(const SaveQueue&) = delete;
    SaveQueue& operator=(const SaveQueue&) = delete;
    ~SaveQueue() { finish(); }

    void push(Job job);
    // Waits until every job pushed so far has run.
    void waitUntilDone();
    // Waits for every job and ends the thread.
    void finish();
    // The failures since the last call.
    std::vector<WString> takeFailures();
    // Whether a save is still to be committed or a failure still to be taken.
    bool busy();

private:
    void work();

    std::mutex mutex;
    std::condition_variable changed;
    std::deque<Job> jobs;
    std::vector<WString> failures;
    bool running = false;  // a job is being run
    bool stopping = false;
    std::thread worker;
};
