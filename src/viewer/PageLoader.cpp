#include "PageLoader.h"

#include <QCoreApplication>
#include <QThreadPool>
#include <condition_variable>
#include <deque>
#include <map>
#include <mutex>
#include <set>

namespace {

// Decoded pages are kept up to this many bytes (always at least the last few asked for).
constexpr std::size_t kCacheBytes = std::size_t{256} << 20;
constexpr std::size_t kMinimumKept = 4;

QThreadPool& DecodePool() {
    static QThreadPool* pool = [] {
        // Lives as long as the process, as workers may outlive any window; decoding still under
        // way when the application ends is awaited before the libraries' globals go away.
        auto* created = new QThreadPool;
        created->setMaxThreadCount(std::max(2, QThread::idealThreadCount()));
        created->setExpiryTimeout(30000);
        qAddPostRoutine([] { DecodePool().waitForDone(); });
        return created;
    }();
    return *pool;
}

}  // namespace

struct CPageLoader::CState {
    std::shared_ptr<const CImageDocument> document;
    std::mutex mutex;
    std::condition_variable changed;
    // Null once the loader is gone; results are then dropped.
    CPageLoader* owner = nullptr;
    std::map<int, std::shared_ptr<const CFrame>> cache;
    std::map<int, std::string> errors;
    std::deque<int> queue;  // requested page first, then the wish list
    std::set<int> decoding;
    std::deque<int> recent;  // most recently asked for first
    bool workerRunning = false;

    bool Known(int page) const { return cache.count(page) || errors.count(page) || decoding.count(page); }

    void Touch(int page) {
        recent.erase(std::remove(recent.begin(), recent.end(), page), recent.end());
        recent.push_front(page);
    }

    // Drops the pages asked for longest ago until the cache fits its budget.
    void Trim() {
        std::size_t bytes = 0;
        for (const auto& [page, frame] : cache) {
            bytes += frame->ByteSize();
        }
        while (bytes > kCacheBytes && cache.size() > kMinimumKept && !recent.empty()) {
            const int oldest = recent.back();
            recent.pop_back();
            const auto found = cache.find(oldest);
            if (found != cache.end()) {
                bytes -= found->second->ByteSize();
                cache.erase(found);
            }
        }
    }

    // Decodes one page outside the lock and files the result; notifies the owner.
    void Decode(std::unique_lock<std::mutex>& lock, int page) {
        decoding.insert(page);
        lock.unlock();
        auto frame = std::make_shared<CFrame>();
        std::string error;
        const bool decoded = document->DecodePage(page, *frame, error);
        lock.lock();
        decoding.erase(page);
        if (decoded) {
            cache[page] = std::move(frame);
            if (std::find(recent.begin(), recent.end(), page) == recent.end()) {
                recent.push_back(page);
            }
            Trim();
        } else {
            errors[page] = error.empty() ? "The page cannot be decoded." : error;
        }
        changed.notify_all();
        if (owner) {
            CPageLoader* loader = owner;
            QMetaObject::invokeMethod(
                loader, [loader, page] { emit loader->PageReady(page); }, Qt::QueuedConnection);
        }
    }
};

CPageLoader::CPageLoader(std::shared_ptr<const CImageDocument> document, QObject* parent)
    : QObject(parent), m_state(std::make_shared<CState>()) {
    m_state->document = std::move(document);
    m_state->owner = this;
}

CPageLoader::~CPageLoader() {
    std::lock_guard<std::mutex> lock(m_state->mutex);
    m_state->owner = nullptr;
    m_state->queue.clear();
}

std::shared_ptr<const CFrame> CPageLoader::Request(int page) {
    std::lock_guard<std::mutex> lock(m_state->mutex);
    m_state->Touch(page);
    const auto found = m_state->cache.find(page);
    if (found != m_state->cache.end()) {
        return found->second;
    }
    if (!m_state->Known(page)) {
        auto& queue = m_state->queue;
        queue.erase(std::remove(queue.begin(), queue.end(), page), queue.end());
        queue.push_front(page);
        StartWorker();
    }
    return nullptr;
}

void CPageLoader::Prefetch(const std::vector<int>& pages) {
    std::lock_guard<std::mutex> lock(m_state->mutex);
    auto& queue = m_state->queue;
    // Keep only the page asked for last at the front; the wish list replaces the rest.
    if (queue.size() > 1) {
        queue.resize(1);
    }
    for (const int page : pages) {
        if (!m_state->Known(page) && std::find(queue.begin(), queue.end(), page) == queue.end()) {
            queue.push_back(page);
        }
    }
    StartWorker();
}

void CPageLoader::StartWorker() {
    if (m_state->workerRunning || m_state->queue.empty()) {
        return;
    }
    m_state->workerRunning = true;
    DecodePool().start([state = m_state] {
        std::unique_lock<std::mutex> lock(state->mutex);
        while (state->owner && !state->queue.empty()) {
            const int page = state->queue.front();
            state->queue.pop_front();
            if (!state->Known(page)) {
                state->Decode(lock, page);
            }
        }
        state->workerRunning = false;
        state->changed.notify_all();
    });
}

std::shared_ptr<const CFrame> CPageLoader::Wait(int page, std::string& error) {
    std::unique_lock<std::mutex> lock(m_state->mutex);
    m_state->Touch(page);
    for (;;) {
        const auto found = m_state->cache.find(page);
        if (found != m_state->cache.end()) {
            return found->second;
        }
        const auto failed = m_state->errors.find(page);
        if (failed != m_state->errors.end()) {
            error = failed->second;
            return nullptr;
        }
        if (m_state->decoding.count(page)) {
            m_state->changed.wait(lock);
            continue;
        }
        auto& queue = m_state->queue;
        queue.erase(std::remove(queue.begin(), queue.end(), page), queue.end());
        m_state->Decode(lock, page);
    }
}

std::string CPageLoader::Error(int page) const {
    std::lock_guard<std::mutex> lock(m_state->mutex);
    const auto found = m_state->errors.find(page);
    return found == m_state->errors.end() ? std::string() : found->second;
}
