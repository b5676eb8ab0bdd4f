#include "analysis/gridding/SharedParts.h"

namespace tarn::gridding {

namespace {

// How many times the helper looks for a new offer, pausing, before it
// sleeps: some tens of microseconds, longer than the caller's work between
// two shared loops mostly takes.
constexpr int kLooksBeforeSleeping = 2000;

}  // namespace

PartHelper::PartHelper()
{
    try {
        thread_ = std::thread([this] { run(); });
    } catch (const std::system_error&) {
        // No thread to be had: offers go unclaimed and callers do every part.
    }
}

PartHelper::~PartHelper()
{
    if (!thread_.joinable())
        return;
    {
        const std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    wake_.notify_one();
    thread_.join();
}

void PartHelper::offer(std::shared_ptr<detail::PartClaims> claims)
{
    bool asleep = false;
    {
        const std::lock_guard lock(mutex_);
        offered_ = std::move(claims);
        hasOffer_.store(true, std::memory_order_release);
        asleep = sleeping_;
    }
    if (asleep)
        wake_.notify_one();
}

void PartHelper::run()
{
    for (;;) {
        for (int looks = 0; looks < kLooksBeforeSleeping && !hasOffer_.load(std::memory_order_acquire); ++looks)
            PauseWhileSpinning();
        std::shared_ptr<detail::PartClaims> claims;
        {
            std::unique_lock lock(mutex_);
            sleeping_ = true;
            wake_.wait(lock, [this] { return offered_ || stopping_; });
            sleeping_ = false;
            if (stopping_)
                return;
            claims = std::move(offered_);
            hasOffer_.store(false, std::memory_order_relaxed);
        }
        claims->claimAndRun();
    }
}

}  // namespace tarn::gridding
