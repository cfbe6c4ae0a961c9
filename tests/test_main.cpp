// Test entry: runs every test and fails a run that ran none, so a filter or
// a build that lost its tests cannot pass unnoticed.
#include <gtest/gtest.h>

#include <cstdio>

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  const int result = RUN_ALL_TESTS();
  if (testing::UnitTest::GetInstance()->test_to_run_count() == 0) {
    std::fprintf(stderr, "no test ran\n");
    return 1;
  }
  return result;
}
