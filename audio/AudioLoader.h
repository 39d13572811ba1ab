#pragma once

#include <condition_variable>
#include <deque>
#include <functional>
#include <future>
#include <memory>
#include <mutex>
#include <thread>
#include <type_traits>

// A thread of its own on which sounds and songs are decoded, one job after
// another in the order given, so that the main thread does not wait for the
// decoders at start-up. The thread starts with the first job. Destruction runs
// the jobs still queued, then ends the thread: an owner that must not wait for
// them makes them return early (a flag they check) before it goes.
// Whenever the queue runs empty, the memory that the jobs freed is handed back.
class AudioLoader {
public:
    AudioLoader() = default;
    ~AudioLoader();
    AudioLoader(const AudioLoader&) = delete;
    AudioLoader& operator=(const AudioLoader&) = delete;

    // Queues the job; its result (or exception) comes through the future.
    template <class Job>
    std::future<std::invoke_result_t<Job>> Run(Job job)
    {
        using Result = std::invoke_result_t<Job>;
        auto task = std::make_shared<std::packaged_task<Result()>>(std::move(job));
        std::future<Result> result = task->get_future();
        Post([task] { (*task)(); });
        return result;
    }

private:
    void Post(std::function<void()> job);
    void Work();

    std::mutex mutex_;
    std::condition_variable wake_;
    std::deque<std::function<void()>> jobs_;
    bool ending_ = false;
    std::thread thread_;
};
