#include "audio/AudioLoader.h"

#include <SDL_thread.h>

#include <utility>

#include <malloc.h>

AudioLoader::~AudioLoader()
{
    {
        std::lock_guard<std::mutex> lock(mutex_);
        ending_ = true;
    }
    wake_.notify_one();
    if (thread_.joinable())
        thread_.join();
}

void AudioLoader::Post(std::function<void()> job)
{
    {
        std::lock_guard<std::mutex> lock(mutex_);
        jobs_.push_back(std::move(job));
        if (!thread_.joinable())
            thread_ = std::thread([this] {
                Work();
                // SDL keeps its error text per thread and frees it only for threads it
                // made itself; the loads here leave some behind.
                SDL_TLSCleanup();
            });
    }
    wake_.notify_one();
}

void AudioLoader::Work()
{
    std::unique_lock<std::mutex> lock(mutex_);
    for (;;) {
        wake_.wait(lock, [this] { return ending_ || !jobs_.empty(); });
        if (jobs_.empty())
            return;
        std::function<void()> job = std::move(jobs_.front());
        jobs_.pop_front();
        lock.unlock();
        job();
        lock.lock();
        if (jobs_.empty()) {
            // The decoders' working buffers are freed by now but stay mapped in
            // this thread's heap (3 MB at start-up): they go back to the system.
            lock.unlock();
            malloc_trim(0);
            lock.lock();
        }
    }
}
