// The statically linked runtime: threads from the -posix toolchain, and
// exceptions unwinding through several frames.
#include <mutex>
#include <stdexcept>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

namespace {

[[noreturn]] void fail_deep_down(int depth)
{
    if (depth == 0) throw std::runtime_error("Division by zero");
    fail_deep_down(depth - 1);
}

TEST(Runtime, ThreadsShareAMutexProtectedCounter)
{
    std::mutex guard;
    int counter = 0;
    std::vector<std::thread> workers;
    for (int worker = 0; worker < 4; ++worker) {
        workers.emplace_back([&] {
            for (int step = 0; step < 1000; ++step) {
                std::lock_guard lock(guard);
                ++counter;
            }
        });
    }
    for (auto& worker : workers) worker.join();
    EXPECT_EQ(counter, 4000);
}

TEST(Runtime, ExceptionsUnwindThroughNestedCallsWithTheirMessage)
{
    try {
        fail_deep_down(20);
        FAIL() << "no exception";
    } catch (const std::runtime_error& error) {
        EXPECT_STREQ(error.what(), "Division by zero");
    }
}

}  // namespace
