// The test programs' main: a run whose tests passed but some skipped themselves ends with kSkipped, which CTest
// reports as skipped rather than passed. Failures keep their own code.
#include <gtest/gtest.h>

namespace {
constexpr int kSkipped = 77;
}

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    const int failed = RUN_ALL_TESTS();
    if (failed == 0 && testing::UnitTest::GetInstance()->skipped_test_count() > 0)
        return kSkipped;
    return failed;
}
