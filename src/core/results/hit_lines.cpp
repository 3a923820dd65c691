#include "core/results/hit_lines.h"

#include <array>
#include <charconv>
#include <condition_variable>
#include <cstring>
#include <memory>
#include <mutex>
#include <string_view>
#include <thread>
#include <vector>

namespace vk {

namespace {

// "R", 23 numbers of at most 11 characters with their commas, CR LF, and
// the 3 bytes past the end that a small number's copy may touch.
constexpr std::size_t kLongestLine = 1 + 23 * 12 + 2 + 3;
constexpr std::size_t kBlockHits = 8192;  // about half a megabyte of text
constexpr std::size_t kBlocksAhead = 2;   // what the helper may hold formatted

// The decimal texts of 0..999, which nearly every row of a hit is: a copy
// of four bytes instead of a conversion.
struct SmallNumbers {
    std::array<std::array<char, 4>, 1000> text{};
    std::array<unsigned char, 1000> length{};
    SmallNumbers() {
        for (int v = 0; v < 1000; ++v)
            length[v] = static_cast<unsigned char>(std::to_chars(text[v].data(), text[v].data() + 4, v).ptr -
                                                   text[v].data());
    }
};

// Writes `v` at `at`, which has room for 11 characters and 3 more.
char* writeNumber(char* at, int v) {
    static const SmallNumbers small;
    if (v >= 0 && v < 1000) {
        std::memcpy(at, small.text[v].data(), 4);
        return at + small.length[v];
    }
    return std::to_chars(at, at + 11, v).ptr;
}

// The lines of the hits of one block, in a buffer made on first use and
// left unfilled until then.
struct FormattedBlock {
    std::unique_ptr<char[]> bytes;
    std::size_t size = 0;
    std::string_view text() const { return {bytes.get(), size}; }
};

void formatBlock(const ResultStore& hits, std::size_t k, FormattedBlock& block) {
    const std::size_t begin = k * kBlockHits;
    const std::size_t end = std::min(hits.size(), begin + kBlockHits);
    if (!block.bytes) block.bytes.reset(new char[kBlockHits * kLongestLine]);
    char* at = block.bytes.get();
    for (std::size_t i = begin; i < end; ++i) {
        const ResultStore::StoredRows rows = hits.storedRows(i);
        *at++ = 'R';
        for (int row : rows.pieces) {
            *at++ = ',';
            at = writeNumber(at, row);
        }
        for (int row : rows.decos) {
            *at++ = ',';
            at = writeNumber(at, row);
        }
        *at++ = '\r';
        *at++ = '\n';
    }
    block.size = static_cast<std::size_t>(at - block.bytes.get());
}

// A helper thread formats the odd blocks, a few ahead of the writer, while
// the writer formats the even ones and writes every block in order.
class OddBlockHelper {
public:
    OddBlockHelper(const ResultStore& hits, std::size_t blocks)
        : hits_(hits), blocks_(blocks), done_(blocks), ready_(blocks, false), thread_([this] { run(); }) {}
    ~OddBlockHelper() {
        {
            const std::lock_guard lock(mutex_);
            abandoned_ = true;
        }
        changed_.notify_all();
        thread_.join();
    }
    OddBlockHelper(const OddBlockHelper&) = delete;
    OddBlockHelper& operator=(const OddBlockHelper&) = delete;

    FormattedBlock take(std::size_t k) {
        std::unique_lock lock(mutex_);
        changed_.wait(lock, [&] { return ready_[k]; });
        return std::move(done_[k]);
    }
    void written(std::size_t blocks) {
        {
            const std::lock_guard lock(mutex_);
            written_ = blocks;
        }
        changed_.notify_all();
    }

private:
    void run() {
        for (std::size_t k = 1; k < blocks_; k += 2) {
            {
                std::unique_lock lock(mutex_);
                changed_.wait(lock, [&] { return abandoned_ || k < written_ + kBlocksAhead; });
                if (abandoned_) return;
            }
            FormattedBlock block;
            formatBlock(hits_, k, block);
            {
                const std::lock_guard lock(mutex_);
                done_[k] = std::move(block);
                ready_[k] = true;
            }
            changed_.notify_all();
        }
    }

    const ResultStore& hits_;
    const std::size_t blocks_;
    std::mutex mutex_;
    std::condition_variable changed_;
    std::vector<FormattedBlock> done_;
    std::vector<bool> ready_;
    std::size_t written_ = 0;
    bool abandoned_ = false;
    std::thread thread_;  // last: it starts once the rest is made
};

}  // namespace

void writeHitLines(BufferedText& out, const ResultStore& hits) {
    const std::size_t blocks = (hits.size() + kBlockHits - 1) / kBlockHits;
    if (blocks == 0) return;
    FormattedBlock mine;
    if (blocks < 2 || std::thread::hardware_concurrency() < 2) {
        for (std::size_t k = 0; k < blocks; ++k) {
            formatBlock(hits, k, mine);
            out.text(mine.text());
        }
        return;
    }
    OddBlockHelper helper(hits, blocks);
    for (std::size_t k = 0; k < blocks; ++k) {
        if (k % 2 == 0) {
            formatBlock(hits, k, mine);
            out.text(mine.text());
        } else {
            out.text(helper.take(k).text());
        }
        helper.written(k + 1);
    }
}

}  // namespace vk
